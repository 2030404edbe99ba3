#include "core/automation/key_repeat_settings.h"

bool KeyRepeatState::AnyHeld() const
{
    for (bool h : held) {
        if (h) return true;
    }
    return false;
}

void StoreKeyRepeat(const KeyRepeatState& keys, SettingsValues& values)
{
    values.keyRepeatInterval = keys.interval;
}

void LoadKeyRepeat(const SettingsValues& values, KeyRepeatState& keys)
{
    keys.interval = values.keyRepeatInterval;
}
