// A click repeater's state as plain values, and its part of the settings
// file both ways: Store puts the values into the file's record, Load takes
// them back. Nothing here knows a window.
#pragma once
#include <cstdint>

#include "core/automation/repeat_interval.h"
#include "core/settings/settings_codec.h"
#include "core/tray/tray_layout.h"

enum class ClickSide { Left, Right };

// One click repeater (left or right).
struct ClickRepeatState {
    bool on = false;
    std::uint32_t interval = DEFAULT_INTERVAL;  // msec, as its edit holds it
    bool buttonDown = false;  // the last event was a button-down: the next is its up
};

// The repeater's ON flag and interval. The button phase is no setting.
void StoreClickRepeat(ClickSide side, const ClickRepeatState& state, SettingsValues& values);
void LoadClickRepeat(ClickSide side, const SettingsValues& values, ClickRepeatState& state);

// The tray's picture for the two click repeaters' states.
TrayIcon TrayIconFor(bool leftOn, bool rightOn);
