// The main panel: the modeless child dialog that carries every control and
// routes every command, timer tick, hotkey and private message into the
// feature that owns it. It owns the model (app_state.h).
#pragma once
#include <windows.h>

INT_PTR CALLBACK MainPanelDlgProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam);

// The ordered set-up of every feature (WM_INITDIALOG) and the ordered
// shutdown (WM_DESTROY).
void InitializePanel(HWND panel);
void ShutDownPanel(HWND panel);

extern HBRUSH panelBackgroundBrush;
