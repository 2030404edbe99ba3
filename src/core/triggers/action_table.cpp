#include "core/triggers/action_table.h"

#include "res/resource.h"

// Virtual keys of the default hotkeys: letters are their own codes.
namespace {
constexpr std::uint32_t VK_F1_CODE = 0x70;
}

const ActionDefinition actionDefinitions[ACTION_COUNT] = {
    {1, IDC_HOTKEY_LEFT, IDC_GESTURE_LEFT, HOTKEY_MOD_CONTROL, 'L', ActionKind::SendCommand,
     IDC_LEFT_TOGGLE},
    {2, IDC_HOTKEY_RIGHT, IDC_GESTURE_RIGHT, HOTKEY_MOD_CONTROL, 'R', ActionKind::SendCommand,
     IDC_RIGHT_TOGGLE},
    {3, IDC_HOTKEY_CONCEAL, IDC_GESTURE_CONCEAL, HOTKEY_MOD_CONTROL, 'H', ActionKind::SendCommand,
     IDC_CONCEAL},
    {4, IDC_HOTKEY_CAPTURE, IDC_GESTURE_CAPTURE, HOTKEY_MOD_CONTROL, 'I', ActionKind::SendCommand,
     IDC_CAPTURE},
    {5, IDC_HOTKEY_MACRO1, IDC_GESTURE_MACRO1, 0, VK_F1_CODE, ActionKind::SendCommand,
     IDC_MACRO1_EXECUTE},
    {6, IDC_HOTKEY_MACRO2, IDC_GESTURE_MACRO2, 0, VK_F1_CODE + 1, ActionKind::SendCommand,
     IDC_MACRO2_EXECUTE},
    {7, IDC_HOTKEY_MACRO3, IDC_GESTURE_MACRO3, 0, VK_F1_CODE + 2, ActionKind::SendCommand,
     IDC_MACRO3_EXECUTE},
    // The forced stop has no gesture button.
    {8, IDC_HOTKEY_STOP, NO_GESTURE_BUTTON, HOTKEY_MOD_CONTROL, 'S', ActionKind::StopMacro, 0},
    {9, IDC_HOTKEY_SHOWHIDE, IDC_GESTURE_SHOWHIDE, HOTKEY_MOD_CONTROL, 'J',
     ActionKind::SendCommand, IDM_SHOW_HIDE},
};

int FindActionByHotkeyId(int hotkeyId)
{
    if (hotkeyId < 1 || hotkeyId > ACTION_COUNT) return -1;
    return hotkeyId - 1;
}
