// Dialog IDD_HIDDEN_WINDOWS "非表示状態のウィンド": one line per concealed
// window, to show or close one at a time, or to show them all.
#pragma once
#include <windows.h>

// Its creation parameter is the Concealment whose windows it deals with.
INT_PTR CALLBACK HiddenWindowDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The list its lines stand for has been replaced: the dialog empties its
// list, hides at once (so that a pass does not record it) and ends.
void CloseHiddenWindowDialog(HWND dialog);
