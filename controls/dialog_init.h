// Initial list items of a dialog's combo and list boxes, kept beside the
// template as a DLGINIT resource (type 240) with the template's id.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

constexpr WORD kDlgInitResourceType = 240;
// DLGINIT records keep the 16-bit message numbers.
constexpr WORD kDlgInitListAdd = 0x0401;   // LB_ADDSTRING
constexpr WORD kDlgInitComboAdd = 0x0403;  // CB_ADDSTRING

struct DlgInitItem {
    int controlId;
    WORD message;
    std::string text;
};

// Records: WORD control id, WORD message, DWORD length, then that many
// bytes of zero-terminated text; a zero control id ends the list.  A record
// that runs past the end is dropped.
std::vector<DlgInitItem> ParseDlgInit(const unsigned char* data, size_t size);

// Adds the items of the template's DLGINIT resource, if it has one.
void FillFromDlgInit(HWND dialog, HINSTANCE module, int templateId);
