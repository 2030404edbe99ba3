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
// The frame is on screen and painted (WMU_FRAMESHOWN): what the first
// concealment and the pads would otherwise wait for (the audio devices, the
// pads' icons that need the disk or the network) is done now.
void FinishStartUp();
// What both the shutdown and the end of the Windows session do: save the
// settings, leave no key or mouse button the program pressed held down, show
// what the concealment hid and put the muted devices back as they were. The
// panel stays usable afterwards.
void LeaveNothingBehind(HWND panel);

extern HBRUSH panelBackgroundBrush;
