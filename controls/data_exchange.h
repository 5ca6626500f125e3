// Moving values between a dialog's controls and its members, one small
// function per control kind, the direction given by a flag.
#pragma once

#include <windows.h>

#include <string>

enum class Exchange { ToControls, FromControls };

// Edits, static texts and the text of a combo box (chosen or typed).
void ExchangeText(HWND dialog, int id, std::string& value, Exchange direction);
// Check boxes: checked is true; an indeterminate box reads as false.
void ExchangeCheck(HWND dialog, int id, bool& value, Exchange direction);

std::string WindowText(HWND window);
