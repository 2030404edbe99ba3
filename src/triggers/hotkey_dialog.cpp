#include "triggers/hotkey_dialog.h"

#include <commctrl.h>

#include "app/app_state.h"
#include "app/timer_gate.h"
#include "res/resource.h"
#include "triggers/action_records.h"
#include "triggers/hotkey_caption.h"
#include "triggers/key_names.h"

namespace {

// What the dialog shows and what OK chose; the record itself changes only
// once the system has accepted the choice.
struct HotkeyChoice {
    std::uint32_t modifiers;
    std::uint32_t virtualKey;
};

HotkeyChoice* ChoiceOf(HWND dialog)
{
    return reinterpret_cast<HotkeyChoice*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

bool Register(HWND panel, const ActionRecord& record, std::uint32_t modifiers,
              std::uint32_t virtualKey)
{
    return RegisterHotKey(panel, record.hotkeyId, modifiers, virtualKey) != FALSE;
}

}  // namespace

INT_PTR CALLBACK HotkeyDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        const HotkeyChoice& choice = *reinterpret_cast<HotkeyChoice*>(lParam);
        SendDlgItemMessageA(dialog, IDC_HOTKEY_EDIT, HKM_SETHOTKEY,
                            HotkeyControlValue(choice.modifiers, choice.virtualKey), 0);
        return TRUE;  // the hotkey control gets the focus
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            const auto value = static_cast<std::uint16_t>(
                SendDlgItemMessageA(dialog, IDC_HOTKEY_EDIT, HKM_GETHOTKEY, 0, 0));
            HotkeyChoice& choice = *ChoiceOf(dialog);
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

void EditHotkey(HWND panel, int index)
{
    ScopedTimerGate gate(panel);
    ActionRecord& record = actionTable[index];
    editedActionIndex = index;
    // While the dialog is open the key field gets whatever the player types:
    // Ctrl+H there must not conceal every window, nor F1 start a macro.
    UnregisterAllHotkeys(panel);
    HotkeyChoice choice = {record.modifiers, record.virtualKey};
    const INT_PTR result = DialogBoxParamA(appInstance, MAKEINTRESOURCEA(IDD_HOTKEY), panel,
                                           HotkeyDlgProc, reinterpret_cast<LPARAM>(&choice));
    // The other records first, so that a combination one of them holds is
    // refused for this one.
    for (const ActionRecord& other : actionTable) {
        if (&other != &record) Register(panel, other, other.modifiers, other.virtualKey);
    }
    if (result != 1) {
        Register(panel, record, record.modifiers, record.virtualKey);
        return;
    }
    if (!Register(panel, record, choice.modifiers, choice.virtualKey)) {
        // Refused: the record, its caption and so the settings file keep the
        // combination the record had, which is registered again.
        Register(panel, record, record.modifiers, record.virtualKey);
        MessageBoxA(panel, "RegisterHotKey", "Error", MB_OK);
        return;
    }
    record.modifiers = choice.modifiers;
    record.virtualKey = choice.virtualKey;
    char caption[64];
    FormatHotkeyCaption(record, caption);
    SetDlgItemTextA(panel, record.hotkeyButtonId, caption);
}

void CaptionAllHotkeyButtons(HWND panel)
{
    for (const ActionRecord& record : actionTable) {
        char caption[64];
        FormatHotkeyCaption(record, caption);
        SetDlgItemTextA(panel, record.hotkeyButtonId, caption);
    }
}
