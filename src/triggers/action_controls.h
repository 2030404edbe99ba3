// The panel's buttons of each action of the table: the hotkey button and the
// gesture button, which the forced stop has none of.
#pragma once
#include "core/triggers/action_table.h"

constexpr int NO_GESTURE_BUTTON = -1;

struct ActionControls {
    int hotkeyButton;
    int gestureButton;  // NO_GESTURE_BUTTON: the action has none
};

extern const ActionControls actionControls[ACTION_COUNT];
