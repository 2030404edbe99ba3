// Dialog 105 "非表示状態のウィンド": one line per concealed window, to show or
// close one at a time, or to show them all.
#pragma once
#include <windows.h>

#include "core/model/panel_model.h"
#include "core/shell/timer_gate.h"

// Runs the dialog modally, owned by the panel, with the timer gate closed
// (no repeated click may land on its "閉じる"); does nothing while no window
// is concealed, and brings an open dialog forward instead of opening another.
void OpenHiddenWindowDialog(HWND panel, TimerGate& gate, ConcealState& state);

// Its creation parameter is the ConcealState the windows' deals go through.
INT_PTR CALLBACK HiddenWindowDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
