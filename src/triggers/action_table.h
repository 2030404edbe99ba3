// The nine commands that hotkeys and gestures can start: their fixed ids and
// default hotkeys. The run-time records (with their buttons and matcher state)
// are built from this table by the panel.
#pragma once
#include <cstdint>

constexpr int ACTION_COUNT = 9;
constexpr int GESTURE_MAX_STEPS = 8;

// RegisterHotKey modifier flags.
constexpr std::uint32_t HOTKEY_MOD_ALT = 1;
constexpr std::uint32_t HOTKEY_MOD_CONTROL = 2;
constexpr std::uint32_t HOTKEY_MOD_SHIFT = 4;

// What a triggered action does: send the panel a command, or stop the macro.
enum class ActionKind { SendCommand, StopMacro };

struct ActionDefinition {
    int hotkeyId;             // 1 to 9, the id given to RegisterHotKey
    int hotkeyButtonId;
    int gestureButtonId;      // -1: the action has no gesture button
    std::uint32_t defaultModifiers;
    std::uint32_t defaultVirtualKey;
    ActionKind kind;
    int commandId;            // for SendCommand: the command sent to the panel
};

extern const ActionDefinition actionDefinitions[ACTION_COUNT];

// Index of the action with this hotkey id, or -1 when the id is not 1 to 9.
int FindActionByHotkeyId(int hotkeyId);
