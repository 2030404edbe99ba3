// The nine commands that hotkeys and gestures can start: their fixed hotkey
// ids and default hotkeys. What can change (the hotkey, the gesture and its
// matcher state) is each action's ActionState; the panel's controls of each
// action belong to the triggers feature.
#pragma once
#include <cstdint>

#include "core/settings/settings_counts.h"

// RegisterHotKey modifier flags (the Windows side checks them against the
// system's MOD_ALT, MOD_CONTROL and MOD_SHIFT).
constexpr std::uint32_t HOTKEY_MOD_ALT = 1;
constexpr std::uint32_t HOTKEY_MOD_CONTROL = 2;
constexpr std::uint32_t HOTKEY_MOD_SHIFT = 4;

// What a triggered action does: send the panel a command, or stop the macro.
enum class ActionKind { SendCommand, StopMacro };

// The actions that play the three macro slots, in slot order.
constexpr int MACRO1_ACTION = 4;
// The action of the forced stop: the one without a gesture.
constexpr int STOP_MACRO_ACTION = 7;

struct ActionDefinition {
    int hotkeyId;             // 1 to 9, the id given to RegisterHotKey
    std::uint32_t defaultModifiers;
    std::uint32_t defaultVirtualKey;
    ActionKind kind;
};

extern const ActionDefinition actionDefinitions[ACTION_COUNT];

// Index of the action with this hotkey id, or -1 when the id is not 1 to 9.
int FindActionByHotkeyId(int hotkeyId);
