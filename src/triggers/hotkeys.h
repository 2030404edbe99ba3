// The nine global hotkeys of the action table, registered for the panel.
#pragma once
#include <windows.h>

#include "core/model/feature_states.h"

// Registers one action's combination for the panel; an action without a key
// registers nothing and counts as registered. False when the system refused.
bool RegisterActionHotkey(HWND panel, int index, std::uint32_t modifiers, std::uint32_t virtualKey);

// Registers every action's hotkey; failures are left silent (a combination
// another program holds is simply not registered).
void RegisterAllHotkeys(HWND panel, const ActionState (&actions)[ACTION_COUNT]);
void UnregisterAllHotkeys(HWND panel);
