// The nine global hotkeys of the action table, registered for the panel.
#pragma once
#include <windows.h>

#include <vector>

#include "core/triggers/trigger_settings.h"
#include "win/desktop_rules.h"

#ifndef MOD_NOREPEAT
#define MOD_NOREPEAT 0x4000
#endif

// Registers one action's combination for the panel; an action without a key
// registers nothing and counts as registered. False when the system refused.
bool RegisterActionHotkey(const DesktopRules& desktop, HWND panel, int index, std::uint32_t modifiers,
                          std::uint32_t virtualKey);

// Registers every action's hotkey; the actions whose combination the system
// refused (another program holds it) come back, in table order.
std::vector<int> RegisterAllHotkeys(const DesktopRules& desktop, HWND panel,
                                    const ActionState (&actions)[ACTION_COUNT]);
void UnregisterAllHotkeys(HWND panel);
