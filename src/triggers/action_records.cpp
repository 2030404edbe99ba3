#include "triggers/action_records.h"

#include "app/colors.h"

ActionRecord actionTable[ACTION_COUNT];
int editedActionIndex = 0;

void InitActionRecords(HWND panel)
{
    for (int i = 0; i < ACTION_COUNT; ++i) {
        const ActionDefinition& def = actionDefinitions[i];
        ActionRecord& record = actionTable[i];
        record.hotkeyId = def.hotkeyId;
        record.hotkeyButtonId = def.hotkeyButtonId;
        record.gestureButtonId = def.gestureButtonId;
        record.modifiers = def.defaultModifiers;
        record.virtualKey = def.defaultVirtualKey;
        AttachPanelControl(record.hotkeyButton, panel, record.hotkeyButtonId, COLOR_PANEL,
                           COLOR_BLACK);
        if (record.gestureButtonId != -1) {
            AttachPanelControl(record.gestureButton, panel, record.gestureButtonId,
                               COLOR_PANEL, COLOR_BLACK);
        }
        record.gesture.count = 0;
    }
}

void RegisterAllHotkeys(HWND panel)
{
    for (const ActionRecord& record : actionTable) {
        RegisterHotKey(panel, record.hotkeyId, record.modifiers, record.virtualKey);
    }
}

void UnregisterAllHotkeys(HWND panel)
{
    for (const ActionRecord& record : actionTable) UnregisterHotKey(panel, record.hotkeyId);
}
