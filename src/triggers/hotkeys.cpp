#include "triggers/hotkeys.h"

bool RegisterActionHotkey(HWND panel, int index, std::uint32_t modifiers, std::uint32_t virtualKey)
{
    // "No key" is never registered: the system would take the empty
    // combination for the first such action and refuse it for the next.
    if (virtualKey == 0) return true;
    return RegisterHotKey(panel, actionDefinitions[index].hotkeyId, modifiers, virtualKey) != FALSE;
}

void RegisterAllHotkeys(HWND panel, const ActionState (&actions)[ACTION_COUNT])
{
    for (int i = 0; i < ACTION_COUNT; ++i)
        RegisterActionHotkey(panel, i, actions[i].modifiers, actions[i].virtualKey);
}

void UnregisterAllHotkeys(HWND panel)
{
    for (const ActionDefinition& action : actionDefinitions) UnregisterHotKey(panel, action.hotkeyId);
}
