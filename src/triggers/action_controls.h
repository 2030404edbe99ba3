// The panel's buttons of each action of the table (the hotkey button and the
// gesture button, which the forced stop has none of) and what the action
// does: the command it sends the panel, as the button it stands for would.
#pragma once
#include "core/triggers/action_table.h"

constexpr int NO_GESTURE_BUTTON = -1;

struct ActionControls {
    int hotkeyButton;
    int gestureButton;  // NO_GESTURE_BUTTON: the action has none
    int command;
};

extern const ActionControls actionControls[ACTION_COUNT];
