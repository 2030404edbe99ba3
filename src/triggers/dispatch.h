// Runs the action of a hotkey id, whatever triggered it: a global hotkey
// (WM_HOTKEY) or a recognised gesture, which the panel dispatches with its
// action's hotkey id. A command goes to the panel as if its button had been
// clicked; the forced stop ends the running macro.
#pragma once
#include <windows.h>

void DispatchAction(HWND panel, int hotkeyId);
