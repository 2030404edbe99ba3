// The nine commands that hotkeys and gestures can start: their fixed ids and
// default hotkeys. What can change (the hotkey, the gesture and its matcher
// state) is each action's ActionState in the panel's model.
#pragma once
#include <cstdint>

constexpr int ACTION_COUNT = 9;
constexpr int GESTURE_MAX_STEPS = 8;

// RegisterHotKey modifier flags (the Windows side checks them against the
// system's MOD_ALT, MOD_CONTROL and MOD_SHIFT).
constexpr std::uint32_t HOTKEY_MOD_ALT = 1;
constexpr std::uint32_t HOTKEY_MOD_CONTROL = 2;
constexpr std::uint32_t HOTKEY_MOD_SHIFT = 4;

// What a triggered action does: send the panel a command, or stop the macro.
enum class ActionKind { SendCommand, StopMacro };

// The gesture button id of the action that has none (the forced stop).
constexpr int NO_GESTURE_BUTTON = -1;

struct ActionDefinition {
    int hotkeyId;             // 1 to 9, the id given to RegisterHotKey
    int hotkeyButtonId;
    int gestureButtonId;      // NO_GESTURE_BUTTON: the action has none
    std::uint32_t defaultModifiers;
    std::uint32_t defaultVirtualKey;
    ActionKind kind;
    int commandId;            // for SendCommand: the command sent to the panel
};

extern const ActionDefinition actionDefinitions[ACTION_COUNT];

// Index of the action with this hotkey id, or -1 when the id is not 1 to 9.
int FindActionByHotkeyId(int hotkeyId);
