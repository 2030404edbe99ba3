// Process-wide handles of the shell, and what the panel owns: the program's
// model and the timer gate.
#pragma once
#include <windows.h>

#include "core/model/panel_model.h"
#include "core/shell/timer_gate.h"

extern HINSTANCE appInstance;  // set by the entry point before the class is registered
extern HWND frameWindow;       // set in the frame's WM_CREATE before the panel exists
extern HWND panelWindow;       // set when the panel's creation returns

extern const char FRAME_CLASS_NAME[];
extern const char FRAME_TITLE[];

// The state of every feature of the panel, and its timer gate. Both start
// afresh when a panel is created.
PanelModel& Model();
TimerGate& Gate();
