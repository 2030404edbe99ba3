// The keyboard repeater's state as plain values, and its part of the
// settings file both ways. Nothing here knows a window.
#pragma once
#include <cstdint>

#include "core/automation/key_table.h"
#include "core/automation/repeat_interval.h"
#include "core/settings/settings_codec.h"

// The keyboard repeater: the keys held, in key-table order.
struct KeyRepeatState {
    bool held[KEY_COUNT] = {};
    std::uint32_t interval = DEFAULT_INTERVAL;
    // The held keys were let go for a pause (the windows are concealed): they
    // stay on, and the next tick presses them again.
    bool letGo = false;
    bool AnyHeld() const;
};

// The interval; which keys are held is no setting.
void StoreKeyRepeat(const KeyRepeatState& keys, SettingsValues& values);
void LoadKeyRepeat(const SettingsValues& values, KeyRepeatState& keys);
