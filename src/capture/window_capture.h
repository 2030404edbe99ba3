// Saving what the foreground window shows in its client area as the next
// free numbered 24-bit BMP file of the image folder.
#pragma once
#include <windows.h>

#include <string>

#include "win/desktop_rules.h"

// The capture command of the panel (IDC_CAPTURE and its hotkey or gesture).
// Shows nothing, whatever fails: no foreground window, an empty or
// unreadable client area (a minimised window) or a bitmap that cannot be
// made writes no file; a file that cannot be created is skipped. A file is
// written whole or not at all (one cut short by a full disk is removed), and
// never in the place of an existing one. The image folder may change on the
// way (ResolveImageFolder).
void CaptureForegroundWindow(const DesktopRules& desktop, HWND panel, std::string& imageFolder);
