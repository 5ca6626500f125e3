// Text conversions at the Win32 boundary.  Our own texts are UTF-8 in the
// source; window captions are set through the wide-character functions so
// that Cyrillic shows on every system, whatever its ANSI code page.
#pragma once

#include <windows.h>

#include <string>

std::wstring WideFromUtf8(const std::string& text);
// The thread's ANSI code page, as the host's texts are; unmappable
// characters become the code page's default character.
std::string AnsiFromWide(const wchar_t* text, size_t length);
// The way back: text of the thread's ANSI code page as UTF-8.
std::string Utf8FromAnsi(const std::string& text);
void SetWindowTextUtf8(HWND window, const std::string& text);
// The same, but only when the caption differs: every set repaints the
// title bar, however alike the texts.
void UpdateWindowTextUtf8(HWND window, const std::string& text);
// The caption as UTF-16, for tests and for comparisons.
std::wstring WindowTextWide(HWND window);
