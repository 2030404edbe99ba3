#include "triggers/hotkey_dialog.h"

#include <commctrl.h>

#include "app/app_state.h"
#include "app/panel_messages.h"
#include "res/resource.h"
#include "triggers/action_records.h"
#include "triggers/hotkey_caption.h"
#include "triggers/key_names.h"

INT_PTR CALLBACK HotkeyDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    ActionRecord& record = actionTable[editedActionIndex];
    switch (message) {
    case WM_INITDIALOG:
        SendDlgItemMessageA(dialog, IDC_HOTKEY_EDIT, HKM_SETHOTKEY,
                            HotkeyControlValue(record.modifiers, record.virtualKey), 0);
        return TRUE;  // the hotkey control gets the focus
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            const auto value = static_cast<std::uint16_t>(
                SendDlgItemMessageA(dialog, IDC_HOTKEY_EDIT, HKM_GETHOTKEY, 0, 0));
            HotkeyFromControlValue(value, record.modifiers, record.virtualKey);
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
    ActionRecord& record = actionTable[index];
    SendMessageA(panel, WMU_TIMERGATE, 0, 0);
    editedActionIndex = index;
    UnregisterHotKey(panel, record.hotkeyId);
    DialogBoxParamA(appInstance, MAKEINTRESOURCEA(IDD_HOTKEY), panel, HotkeyDlgProc, 0);
    // Cancel re-registers the old combination; OK the new one.
    if (!RegisterHotKey(panel, record.hotkeyId, record.modifiers, record.virtualKey)) {
        MessageBoxA(panel, "RegisterHotKey", "Error", MB_OK);
    } else {
        char caption[64];
        FormatHotkeyCaption(record, caption);
        SetDlgItemTextA(panel, record.hotkeyButtonId, caption);
    }
    SendMessageA(panel, WMU_TIMERGATE, 1, 0);
}

void CaptionAllHotkeyButtons(HWND panel)
{
    for (const ActionRecord& record : actionTable) {
        char caption[64];
        FormatHotkeyCaption(record, caption);
        SetDlgItemTextA(panel, record.hotkeyButtonId, caption);
    }
}
