#include "controls/data_exchange.h"

#include <vector>

std::string WindowText(HWND window) {
    if (window == nullptr) return {};
    const int length = GetWindowTextLengthA(window);
    if (length <= 0) return {};
    // The length may be an overestimate (multi-byte code pages); the copy
    // tells how much was really written.
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(window, buffer.data(), length + 1);
    return std::string(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

void ExchangeText(HWND dialog, int id, std::string& value, Exchange direction) {
    HWND control = GetDlgItem(dialog, id);
    if (control == nullptr) return;
    if (direction == Exchange::ToControls)
        SetWindowTextA(control, value.c_str());
    else
        value = WindowText(control);
}

void ExchangeCheck(HWND dialog, int id, bool& value, Exchange direction) {
    if (direction == Exchange::ToControls)
        CheckDlgButton(dialog, id, value ? BST_CHECKED : BST_UNCHECKED);
    else
        value = IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}
