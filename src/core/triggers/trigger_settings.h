// The triggers' state as plain values: each action's hotkey and gesture, the
// gesture recognition and the gesture key list; the hotkeys a first start
// has; and the triggers' part of the settings file both ways. Nothing here
// knows a window.
#pragma once
#include <cstdint>

#include "core/settings/settings_codec.h"
#include "core/triggers/action_table.h"
#include "core/triggers/gesture_sampler.h"
#include "core/triggers/gesture_sequence.h"

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

// The hotkeys a first start has: each action's default combination.
void SetDefaultHotkeys(ActionState (&actions)[ACTION_COUNT]);

// Each action's hotkey and gesture (its count and all eight entries; the
// codec writes only the first count of them), the gesture distance, time and
// key. A gesture's matcher progress starts over; a gesture key index outside
// the list reads as "なし", since the list would otherwise have no selection
// and no gesture could fire.
void StoreTriggers(const ActionState (&actions)[ACTION_COUNT], const GestureState& gestures,
                   SettingsValues& values);
void LoadTriggers(const SettingsValues& values, ActionState (&actions)[ACTION_COUNT],
                  GestureState& gestures);
