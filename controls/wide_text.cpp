#include "controls/wide_text.h"

#include <climits>
#include <vector>

namespace {
// Win32 counts in int; longer texts are cut rather than overflowing.
int CountOf(size_t length) { return length > INT_MAX / 2 ? INT_MAX / 2 : static_cast<int>(length); }
}  // namespace

std::wstring WideFromUtf8(const std::string& text) {
    if (text.empty()) return {};
    const int count = CountOf(text.size());
    // Invalid sequences become U+FFFD rather than failing the whole text.
    const int needed = MultiByteToWideChar(CP_UTF8, 0, text.data(), count, nullptr, 0);
    if (needed <= 0) return {};
    std::wstring wide(static_cast<size_t>(needed), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), count, &wide[0], needed);
    return wide;
}

std::string AnsiFromWide(const wchar_t* text, size_t length) {
    if (text == nullptr || length == 0) return {};
    const int count = CountOf(length);
    const int needed =
        WideCharToMultiByte(CP_THREAD_ACP, 0, text, count, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) return {};
    std::string ansi(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(CP_THREAD_ACP, 0, text, count, &ansi[0], needed, nullptr, nullptr);
    return ansi;
}

std::string Utf8FromAnsi(const std::string& text) {
    if (text.empty()) return {};
    const int count = CountOf(text.size());
    const int wide = MultiByteToWideChar(CP_THREAD_ACP, 0, text.data(), count, nullptr, 0);
    if (wide <= 0) return {};
    std::wstring buffer(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(CP_THREAD_ACP, 0, text.data(), count, &buffer[0], wide);
    const int needed =
        WideCharToMultiByte(CP_UTF8, 0, buffer.data(), wide, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) return {};
    std::string utf8(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(CP_UTF8, 0, buffer.data(), wide, &utf8[0], needed, nullptr, nullptr);
    return utf8;
}

void SetWindowTextUtf8(HWND window, const std::string& text) {
    if (window != nullptr) SetWindowTextW(window, WideFromUtf8(text).c_str());
}

void UpdateWindowTextUtf8(HWND window, const std::string& text) {
    if (window == nullptr) return;
    const std::wstring wide = WideFromUtf8(text);
    if (WindowTextWide(window) != wide) SetWindowTextW(window, wide.c_str());
}

std::wstring WindowTextWide(HWND window) {
    if (window == nullptr) return {};
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) return {};
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, buffer.data(), length + 1);
    return std::wstring(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}
