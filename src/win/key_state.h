// Whether a key or mouse button is down, as this thread's input state says:
// the high bit of GetKeyState, for keys and buttons alike.
#pragma once
#include <windows.h>

inline bool KeyIsDown(int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) != 0; }
