#include "triggers/hotkeys.h"

#include "triggers/key_names.h"

void RegisterAllHotkeys(HWND panel, const ActionState (&actions)[ACTION_COUNT])
{
    for (int i = 0; i < ACTION_COUNT; ++i) {
        RegisterHotKey(panel, actionDefinitions[i].hotkeyId, actions[i].modifiers,
                       actions[i].virtualKey);
    }
}

void UnregisterAllHotkeys(HWND panel)
{
    for (const ActionDefinition& action : actionDefinitions) UnregisterHotKey(panel, action.hotkeyId);
}

void CaptionAllHotkeyButtons(HWND panel, const ActionState (&actions)[ACTION_COUNT])
{
    for (int i = 0; i < ACTION_COUNT; ++i) {
        char caption[64];
        FormatHotkeyCaption(actions[i].modifiers, actions[i].virtualKey, caption);
        SetDlgItemTextA(panel, actionDefinitions[i].hotkeyButtonId, caption);
    }
}
