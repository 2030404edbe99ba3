// Dialog 105 "非表示状態のウィンド": one line per concealed window, to show or
// close one at a time, or to show them all.
#pragma once
#include <windows.h>

// Runs the dialog modally, owned by the panel; does nothing while no window
// is concealed, and brings an open dialog forward instead of opening another.
void OpenHiddenWindowDialog(HWND panel, HINSTANCE instance);

INT_PTR CALLBACK HiddenWindowDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Empties an open dialog's list and ends the dialog. Called before the
// records are freed by anything but the dialog itself (a concealment or a
// show-all from a hotkey, a gesture or the tray while the dialog is open), so
// that no line is left referring to a freed record.
void CloseHiddenWindowDialog();
