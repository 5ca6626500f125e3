// Leak checks for GUI objects that also work under Wine.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

// A number that grows with every GDI (GR_GDIOBJECTS) or USER
// (GR_USEROBJECTS) object this process leaks.  Wine does not implement
// GetGuiResources (it answers 0).  There the highest handle slot given to
// a batch of 256 fresh pens or menus stands in: freed slots are handed out
// again before new ones, so while nothing leaks the batch gets the same
// slots each time, and every leaked object pushes it one slot higher.
inline DWORD LiveObjectMark(DWORD kind) {
    if (DWORD count = GetGuiResources(GetCurrentProcess(), kind)) return count;
    std::vector<HANDLE> fresh;
    for (int i = 0; i < 256; ++i)
        fresh.push_back(kind == GR_GDIOBJECTS ? static_cast<HANDLE>(CreatePen(PS_SOLID, 1, 0))
                                              : static_cast<HANDLE>(CreateMenu()));
    DWORD top = 0;
    for (HANDLE h : fresh) top = std::max<DWORD>(top, LOWORD(reinterpret_cast<UINT_PTR>(h)));
    for (HANDLE h : fresh)
        kind == GR_GDIOBJECTS ? DeleteObject(h) : DestroyMenu(static_cast<HMENU>(h));
    return top;
}
