#include "triggers/hotkeys.h"

bool RegisterActionHotkey(const DesktopRules& desktop, HWND panel, int index, std::uint32_t modifiers,
                          std::uint32_t virtualKey)
{
    // "No key" is never registered: the system would take the empty
    // combination for the first such action and refuse it for the next.
    if (virtualKey == 0) return true;
    const int id = actionDefinitions[index].hotkeyId;
    // Without the key's auto-repeat, holding Ctrl+I does not write a burst
    // of images nor Ctrl+H conceal again and again; a system that does not
    // know the flag (Vista) registers the combination without it.
    return desktop.RegisterHotKey(panel, id, modifiers | MOD_NOREPEAT, virtualKey) ||
           desktop.RegisterHotKey(panel, id, modifiers, virtualKey);
}

std::vector<int> RegisterAllHotkeys(const DesktopRules& desktop, HWND panel,
                                    const ActionState (&actions)[ACTION_COUNT])
{
    std::vector<int> refused;
    for (int i = 0; i < ACTION_COUNT; ++i) {
        if (!RegisterActionHotkey(desktop, panel, i, actions[i].modifiers, actions[i].virtualKey))
            refused.push_back(i);
    }
    return refused;
}

void UnregisterAllHotkeys(HWND panel)
{
    for (const ActionDefinition& action : actionDefinitions) UnregisterHotKey(panel, action.hotkeyId);
}
