#include "core/triggers/action_table.h"

// Virtual keys of the default hotkeys: letters are their own codes.
namespace {
constexpr std::uint32_t VK_F1_CODE = 0x70;
}

const ActionDefinition actionDefinitions[ACTION_COUNT] = {
    {1, HOTKEY_MOD_CONTROL, 'L', ActionKind::SendCommand},
    {2, HOTKEY_MOD_CONTROL, 'R', ActionKind::SendCommand},
    {3, HOTKEY_MOD_CONTROL, 'H', ActionKind::SendCommand},
    {4, HOTKEY_MOD_CONTROL, 'I', ActionKind::SendCommand},
    {5, 0, VK_F1_CODE, ActionKind::SendCommand},
    {6, 0, VK_F1_CODE + 1, ActionKind::SendCommand},
    {7, 0, VK_F1_CODE + 2, ActionKind::SendCommand},
    {8, HOTKEY_MOD_CONTROL, 'S', ActionKind::StopMacro},
    {9, HOTKEY_MOD_CONTROL, 'J', ActionKind::SendCommand},
};

int FindActionByHotkeyId(int hotkeyId)
{
    if (hotkeyId < 1 || hotkeyId > ACTION_COUNT) return -1;
    return hotkeyId - 1;
}
