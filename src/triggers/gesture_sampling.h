// Mouse gestures from the panel's fastest timer: no hook, no button held,
// just the cursor's strokes.
#pragma once
#include <windows.h>

#include "core/model/panel_model.h"

// One tick of the gesture timer: the hotkey id of the action whose gesture a
// stroke has just completed (the panel dispatches it as its hotkey), or 0.
int SampleGesture(GestureState& gestures, ActionState (&actions)[ACTION_COUNT]);

// The distance and time settings follow their edits on every notification,
// the hold key its list.
void TakeGestureDistance(HWND panel, GestureState& gestures);
void TakeGestureTime(HWND panel, GestureState& gestures);
void TakeGestureHoldKey(HWND panel, GestureState& gestures);
