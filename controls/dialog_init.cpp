#include "controls/dialog_init.h"

#include <cstring>

namespace {
template <typename T>
T ReadLittle(const unsigned char* p) {
    T value;
    std::memcpy(&value, p, sizeof value);
    return value;
}
}  // namespace

std::vector<DlgInitItem> ParseDlgInit(const unsigned char* data, size_t size) {
    std::vector<DlgInitItem> items;
    constexpr size_t kHeader = 2 + 2 + 4;
    size_t at = 0;
    while (data != nullptr && size - at >= 2) {
        const WORD id = ReadLittle<WORD>(data + at);
        if (id == 0 || size - at < kHeader) break;
        const WORD message = ReadLittle<WORD>(data + at + 2);
        const DWORD length = ReadLittle<DWORD>(data + at + 4);
        at += kHeader;
        if (length > size - at) break;
        const char* text = reinterpret_cast<const char*>(data + at);
        items.push_back({id, message, std::string(text, strnlen(text, length))});
        at += length;
    }
    return items;
}

void FillFromDlgInit(HWND dialog, HINSTANCE module, int templateId) {
    HRSRC found =
        FindResourceA(module, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(kDlgInitResourceType));
    if (found == nullptr) return;
    HGLOBAL loaded = LoadResource(module, found);
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr) return;
    const auto items =
        ParseDlgInit(static_cast<const unsigned char*>(data), SizeofResource(module, found));
    for (const DlgInitItem& item : items) {
        const UINT message = item.message == kDlgInitComboAdd  ? CB_ADDSTRING
                             : item.message == kDlgInitListAdd ? LB_ADDSTRING
                                                               : 0;
        if (message != 0)
            SendDlgItemMessageA(dialog, item.controlId, message, 0,
                                reinterpret_cast<LPARAM>(item.text.c_str()));
    }
}
