// Process-wide handles of the shell and the timer gate.
#pragma once
#include <windows.h>

extern HINSTANCE appInstance;  // set by the entry point before the class is registered
extern HWND frameWindow;       // set in the frame's WM_CREATE before the panel exists
extern HWND panelWindow;       // set when the panel's creation returns
extern bool timersEnabled;     // while false, every WM_TIMER of the panel is ignored

// The panel's answer to WMU_TIMERGATE, the one place where the gate moves.
// The gate counts: every modal dialog, menu, message box and long pass of
// the program closes it once and opens it once, and it is open again only
// when the last of them has ended, however they nest. An open with nothing
// closed changes nothing.
void MoveTimerGate(bool open);

extern const char FRAME_CLASS_NAME[];
extern const char FRAME_TITLE[];
