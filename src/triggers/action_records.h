// The run-time records of the nine actions: each binds a command to its
// hotkey and gesture and owns the two panel buttons that show them.
#pragma once
#include <cstdint>

#include "app/owner_draw_button.h"
#include "triggers/action_table.h"
#include "triggers/gesture_sequence.h"

struct ActionRecord {
    GestureSequence gesture;
    OwnerDrawButton gestureButton;
    OwnerDrawButton hotkeyButton;
    std::int32_t gestureButtonId = -1;
    std::int32_t hotkeyButtonId = 0;
    std::int32_t hotkeyId = 0;
    std::uint32_t modifiers = 0;   // MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4
    std::uint32_t virtualKey = 0;  // 0: no key
};

extern ActionRecord actionTable[ACTION_COUNT];
extern int editedActionIndex;  // the record the hotkey or gesture dialog edits

// Fills ids and default hotkeys, attaches the caption buttons and clears
// every gesture.
void InitActionRecords(HWND panel);

// Registers every record's hotkey for the panel; failures are left silent.
void RegisterAllHotkeys(HWND panel);
void UnregisterAllHotkeys(HWND panel);
