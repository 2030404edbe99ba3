// Runs the action of a hotkey id, whatever triggered it: a global hotkey or a
// recognised gesture (which sends the panel WM_HOTKEY with the same id).
#pragma once
#include <windows.h>

void DispatchAction(HWND panel, int hotkeyId);
