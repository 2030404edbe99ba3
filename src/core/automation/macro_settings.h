// The macro slots' state as plain values, the record-key list, and the
// slots' part of the settings file both ways. Nothing here knows a window.
#pragma once
#include <cstdint>

#include "core/settings/settings_codec.h"
#include "core/settings/settings_counts.h"

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

// The slots' "有効" and "繰り返す"; the record key is no setting.
void StoreMacros(const MacroState& macros, SettingsValues& values);
void LoadMacros(const SettingsValues& values, MacroState& macros);
