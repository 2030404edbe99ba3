// What a concealment would hide now: every visible titled top-level window
// but the desktop and the taskbar (and the window of the tray icons).
#pragma once
#include <windows.h>

#include <vector>

std::vector<HWND> ConcealableWindows();
