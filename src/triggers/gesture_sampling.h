// Mouse gestures from the panel's fastest timer: no hook, no button held,
// just the cursor's strokes.
#pragma once
#include <windows.h>

#include "core/triggers/trigger_settings.h"
#include "win/desktop_rules.h"

// One tick of the gesture timer: the index of the action whose gesture a
// stroke has just completed, or -1.
int SampleGesture(const DesktopRules& desktop, GestureState& gestures, ActionState (&actions)[ACTION_COUNT]);
