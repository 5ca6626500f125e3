// Text drawn with its top-left corner at a point, in the context's current
// font, colour and background mode.  Any bytes: the context's code page
// decides what they show.
#pragma once

#include <windows.h>

#include <climits>
#include <string>

inline void TextAt(HDC dc, int x, int y, const std::string& text) {
    const int length = text.size() > INT_MAX ? INT_MAX : static_cast<int>(text.size());
    TextOutA(dc, x, y, text.data(), length);
}
