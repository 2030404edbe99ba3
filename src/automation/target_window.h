// The window that the repeaters work in: the model's target, chosen in the
// target list ("全てのウィンド", any window but the program's own frame, or one
// window, matched by handle).
#pragma once
#include <windows.h>

#include <cstdint>

// True when a repeater tick may send now: the program's frame (the panel's
// parent) is not in the foreground and, when a window is chosen, that
// window is.
bool TargetFilterPasses(HWND panel, std::uintptr_t target);

// Rebuilds the list from the visible titled top-level windows and selects
// `target` in it when it is still listed; otherwise "全てのウィンド", and the
// target becomes 0.
void RefreshTargetList(HWND panel, std::uintptr_t& target);

// Refreshes the list and makes `window` the target when it is listed; when it
// is not, the refresh's choice stays.
void SelectTargetWindow(HWND panel, std::uintptr_t& target, HWND window);

// The player chose an entry of the list: it becomes the target.
void TakeTargetSelection(HWND panel, std::uintptr_t& target);
