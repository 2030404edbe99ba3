#include "core/model/feature_states.h"

bool KeyRepeatState::AnyHeld() const
{
    for (bool h : held) {
        if (h) return true;
    }
    return false;
}

void SetDefaultHotkeys(ActionState (&actions)[ACTION_COUNT])
{
    for (int i = 0; i < ACTION_COUNT; ++i) {
        actions[i].modifiers = actionDefinitions[i].defaultModifiers;
        actions[i].virtualKey = actionDefinitions[i].defaultVirtualKey;
    }
}
