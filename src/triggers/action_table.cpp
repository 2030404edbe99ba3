#include "triggers/action_table.h"

const ActionDefinition actionDefinitions[ACTION_COUNT] = {
    {1, 1006, 1017, HOTKEY_MOD_CONTROL, 0x4C, ActionKind::SendCommand, 1132},  // left click repeat, Ctrl+L
    {2, 1007, 1018, HOTKEY_MOD_CONTROL, 0x52, ActionKind::SendCommand, 1133},  // right click repeat, Ctrl+R
    {3, 1011, 1019, HOTKEY_MOD_CONTROL, 0x48, ActionKind::SendCommand, 1014},  // conceal, Ctrl+H
    {4, 1008, 1020, HOTKEY_MOD_CONTROL, 0x49, ActionKind::SendCommand, 1015},  // capture, Ctrl+I
    {5, 1009, 1023, 0, 0x70, ActionKind::SendCommand, 1109},                   // macro 1, F1
    {6, 1010, 1024, 0, 0x71, ActionKind::SendCommand, 1112},                   // macro 2, F2
    {7, 1012, 1115, 0, 0x72, ActionKind::SendCommand, 1116},                   // macro 3, F3
    {8, 1013, -1, HOTKEY_MOD_CONTROL, 0x53, ActionKind::StopMacro, 0},         // forced stop, Ctrl+S
    {9, 1130, 1032, HOTKEY_MOD_CONTROL, 0x4A, ActionKind::SendCommand, 40002}, // show/hide, Ctrl+J
};

int FindActionByHotkeyId(int hotkeyId)
{
    if (hotkeyId < 1 || hotkeyId > ACTION_COUNT) return -1;
    return hotkeyId - 1;
}
