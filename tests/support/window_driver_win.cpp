#include "tests/support/window_driver_win.h"

#include <vector>

#include "tests/support/own_windows_win.h"

HWND FindOwnWindow(const std::string& caption) {
    return FirstOwnWindow([&caption](HWND window) {
        char text[256] = {};
        GetWindowTextA(window, text, sizeof text);
        return IsWindowVisible(window) && caption == text;
    });
}

WindowDriver::WindowDriver(std::string caption, std::function<void(HWND)> act, DWORD patienceMs)
    : m_caption(std::move(caption)), m_act(std::move(act)) {
    m_thread = std::thread([this, patienceMs] {
        for (DWORD waited = 0; waited < patienceMs; waited += 50) {
            if (HWND window = FindOwnWindow(m_caption)) {
                m_found = true;
                m_act(window);
                return;
            }
            Sleep(50);
        }
    });
}

WindowDriver::~WindowDriver() {
    if (m_thread.joinable()) m_thread.join();
}

bool WindowDriver::Found() {
    if (m_thread.joinable()) m_thread.join();
    return m_found;
}

std::string ItemText(HWND dialog, int id) {
    HWND item = GetDlgItem(dialog, id);
    const LRESULT length = SendMessageA(item, WM_GETTEXTLENGTH, 0, 0);
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(item, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

void Press(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}
