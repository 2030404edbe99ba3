// Mouse gestures from the panel's fastest timer: no hook, no button held,
// just the cursor's strokes.
#pragma once
#include <windows.h>

// One tick of the gesture timer: a stroke that completes a record's gesture
// sends the panel WM_HOTKEY with that record's hotkey id.
void SampleGesture(HWND panel);

// The distance and time settings follow their edits on every notification.
void TakeGestureDistance(HWND panel);
void TakeGestureTime(HWND panel);
