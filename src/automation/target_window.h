// The window that the repeaters work in: the selection of the target list,
// "全てのウィンド" (any window but the program's own frame) or one window.
#pragma once
#include <windows.h>

// True when a repeater tick may send now: the program's frame is not in the
// foreground and, when a window is chosen, that window is.
bool TargetFilterPasses(HWND panel);

// Rebuilds the list from the visible titled top-level windows, keeping the
// chosen window (matched by handle) when it is still listed.
void RefreshTargetList(HWND panel);

// Refreshes the list and selects `window` when it is listed.
void SelectTargetWindow(HWND panel, HWND window);
