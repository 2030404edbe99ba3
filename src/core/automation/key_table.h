// The 81 keys of the on-screen keyboard, in table order: the order of every
// repeat tick and of the tray menu's keyboard submenu. The list itself is
// keys.def, which the resource script reads as well.
#pragma once
#include <cstdint>

// The buttons' captions come from keys.def straight into the resource script.
struct KeyDefinition {
    int controlId;  // the button's id, also its tray-menu command id
    std::uint8_t virtualKey;
    bool extended;  // sent with the extended flag, as a real keyboard sends it
};

constexpr int KEY_COUNT = 81;
extern const KeyDefinition keyTable[KEY_COUNT];

// Index in keyTable of the key whose button has this id, or -1 (any other
// command that reaches the keyboard).
int KeyIndexOfControl(int controlId);
