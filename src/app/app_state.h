// Process-wide handles of the shell and the timer gate.
#pragma once
#include <windows.h>

extern HINSTANCE appInstance;  // set by the entry point before the class is registered
extern HWND frameWindow;       // set in the frame's WM_CREATE before the panel exists
extern HWND panelWindow;       // set when the panel's creation returns
extern bool timersEnabled;     // while false, every WM_TIMER of the panel is ignored

extern const char FRAME_CLASS_NAME[];
extern const char FRAME_TITLE[];
