// The features' state as plain values, one struct per feature; each feature
// object of the panel owns its own. Commands and timers change the state and
// then the controls; the owner-drawn buttons paint from it; each feature's
// part of the settings file is a mapping of it (settings_mapping.h). Nothing
// here knows a window.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/automation/key_table.h"
#include "core/automation/macro_file.h"
#include "core/conceal/concealment_mute.h"
#include "core/settings/pad_record.h"
#include "core/triggers/action_table.h"
#include "core/triggers/gesture_sampler.h"
#include "core/triggers/gesture_sequence.h"

constexpr std::uint32_t DEFAULT_INTERVAL = 100;  // msec, all three repeaters

enum class ClickSide { Left, Right };

// One click repeater (left or right).
struct ClickRepeatState {
    bool on = false;
    std::uint32_t interval = DEFAULT_INTERVAL;  // msec, as its edit holds it
    bool buttonDown = false;  // the last event was a button-down: the next is its up
};

// The keyboard repeater: the keys held, in key-table order.
struct KeyRepeatState {
    bool held[KEY_COUNT] = {};
    std::uint32_t interval = DEFAULT_INTERVAL;
    // The held keys were let go for a pause (the windows are concealed): they
    // stay on, and the next tick presses them again.
    bool letGo = false;
    bool AnyHeld() const;
};

// One record of the action table: what the player can change of it.
struct ActionState {
    GestureSequence gesture;       // with the matcher's progress
    std::uint32_t modifiers = 0;   // HOTKEY_MOD_ALT, _CONTROL, _SHIFT
    std::uint32_t virtualKey = 0;  // 0: no key
};

// Gesture recognition: the distance and time settings with the sampler's
// state, and the key that must be held while gesturing.
struct GestureState {
    GestureRecognition recognition;
    std::int32_t holdKeyIndex = 0;  // into GESTURE_HOLD_KEYS
};

// The gesture key list: "なし", "Shift", "Ctrl", "Alt" and their virtual keys
// (none, VK_SHIFT, VK_CONTROL, VK_MENU).
constexpr std::int32_t GESTURE_KEY_CHOICES = 4;
inline constexpr const char* GESTURE_HOLD_KEY_NAMES[GESTURE_KEY_CHOICES] = {"なし", "Shift", "Ctrl",
                                                                            "Alt"};
inline constexpr std::uint32_t GESTURE_HOLD_KEYS[GESTURE_KEY_CHOICES] = {0, 0x10, 0x11, 0x12};
// The record-key list: "Shift", "Control", "Alt" and their virtual keys.
constexpr std::int32_t RECORD_KEY_CHOICES = 3;
inline constexpr const char* RECORD_KEY_NAMES[RECORD_KEY_CHOICES] = {"Shift", "Control", "Alt"};
inline constexpr std::uint32_t RECORD_KEYS[RECORD_KEY_CHOICES] = {0x10, 0x11, 0x12};

// One macro slot's check boxes.
struct MacroSlotState {
    bool enabled = false;  // "有効"
    bool repeats = false;  // "繰り返す"
};

struct MacroState {
    MacroSlotState slots[MACRO_SLOT_COUNT];
    std::int32_t recordKeyIndex = 0;  // into RECORD_KEYS; not saved
};

// The concealment's mute: the "消音" box, and the devices a concealment has
// muted and not yet given their earlier state back.
struct ConcealState {
    bool muteWhileConcealing = true;
    std::vector<MutedDevice> mutes;
};

// The hotkeys a first start has: each action's default combination.
void SetDefaultHotkeys(ActionState (&actions)[ACTION_COUNT]);
