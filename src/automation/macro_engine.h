// Recording and playback of the three mouse macros.
#pragma once
#include <windows.h>

// Ends the running recording or playback, if any (the forced-stop action).
void StopMacro(HWND panel);
