#include "triggers/hotkey_dialog.h"

#include <commctrl.h>

#include "core/triggers/hotkey_caption.h"
#include "res/resource.h"
#include "triggers/action_controls.h"
#include "triggers/hotkeys.h"
#include "win/key_names.h"
#include "win/module_path.h"

namespace {

HotkeyChoice& ChoiceOf(HWND dialog)
{
    return *reinterpret_cast<HotkeyChoice*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

}  // namespace

INT_PTR CALLBACK HotkeyDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        const HotkeyChoice& choice = ChoiceOf(dialog);
        SendDlgItemMessageA(dialog, IDC_HOTKEY_EDIT, HKM_SETHOTKEY,
                            HotkeyControlValue(choice.modifiers, choice.virtualKey), 0);
        return TRUE;  // the hotkey control gets the focus
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            const auto value = static_cast<std::uint16_t>(
                SendDlgItemMessageA(dialog, IDC_HOTKEY_EDIT, HKM_GETHOTKEY, 0, 0));
            HotkeyChoice& choice = ChoiceOf(dialog);
            HotkeyFromControlValue(value, choice.modifiers, choice.virtualKey);
            EndDialog(dialog, 1);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) SendMessageA(dialog, WM_CLOSE, 0, 0);
        return FALSE;
    case WM_CLOSE:
        EndDialog(dialog, 2);
        return FALSE;
    default:
        return FALSE;
    }
}

void EditHotkey(const DesktopRules& desktop, HWND panel,
                ActionState (&actions)[ACTION_COUNT], int index)
{
    ScopedPanelGate closed(panel);
    ActionState& action = actions[index];
    // While the dialog is open the key field gets whatever the player types:
    // Ctrl+H there must not conceal every window, nor F1 start a macro.
    UnregisterAllHotkeys(panel);
    HotkeyChoice choice = {action.modifiers, action.virtualKey};
    const INT_PTR result = DialogBoxParamA(ModuleInstance(), MAKEINTRESOURCEA(IDD_HOTKEY), panel,
                                           HotkeyDlgProc, reinterpret_cast<LPARAM>(&choice));
    // The other actions first, so that a combination one of them holds is
    // refused for this one.
    for (int other = 0; other < ACTION_COUNT; ++other) {
        if (other == index) continue;
        RegisterActionHotkey(desktop, panel, other, actions[other].modifiers, actions[other].virtualKey);
    }
    if (result != 1) {
        RegisterActionHotkey(desktop, panel, index, action.modifiers, action.virtualKey);
        return;
    }
    if (!RegisterActionHotkey(desktop, panel, index, choice.modifiers, choice.virtualKey)) {
        // Refused: the action, its caption and so the settings file keep the
        // combination it had, which is registered again.
        RegisterActionHotkey(desktop, panel, index, action.modifiers, action.virtualKey);
        MessageBoxA(panel, "RegisterHotKey", "Error", MB_OK);
        return;
    }
    action.modifiers = choice.modifiers;
    action.virtualKey = choice.virtualKey;
    CaptionHotkeyButton(panel, actions, index);
}

void CaptionHotkeyButton(HWND panel, const ActionState (&actions)[ACTION_COUNT], int index)
{
    SetDlgItemTextA(panel, actionControls[index].hotkeyButton,
                    FormatHotkeyCaption(actions[index].modifiers, actions[index].virtualKey).c_str());
}
