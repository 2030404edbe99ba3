// The fixed-size frame window that holds the main panel.
#pragma once
#include <windows.h>

LRESULT CALLBACK FrameWndProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam);

// Registers the frame class and creates the (still hidden) frame, which
// creates the panel and shows itself. Reports a failure in a message box and
// returns false.
bool InitInstance(HINSTANCE instance);

// Brings an already running instance forward; false when there is none.
bool ActivateRunningInstance();

// The panel's show/hide command.
void ToggleFrameVisibility();
