// The fixed-size frame window that holds the main panel.
#pragma once
#include <windows.h>

class Panel;

extern const char FRAME_CLASS_NAME[];
extern const char FRAME_TITLE[];

LRESULT CALLBACK FrameWndProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam);

// Registers the frame class; false when the system refused.
bool RegisterFrameClass(HINSTANCE instance);
// Creates the frame, which creates the panel (run by `panel`) and shows
// itself; null when the frame could not be created.
HWND CreateFrame(HINSTANCE instance, Panel& panel);

// Both, reporting a failure in a message box.
bool InitInstance(HINSTANCE instance, Panel& panel);

// Brings an already running instance forward; false when there is none.
bool ActivateRunningInstance();
