#include "win/dialog_controls.h"

#include <commctrl.h>

void SetUpSpin(HWND dialog, int spinId, int editId, int low, int high, std::uint32_t position)
{
    HWND spin = GetDlgItem(dialog, spinId);
    // The position before the buddy, so that the edit is not written here:
    // its feature writes it once, with the value loaded from the settings
    // (an edit lays out its text anew on every change, and each change comes
    // back to the panel as a command). The spin reads the edit's number
    // before each step.
    SendMessageA(spin, UDM_SETRANGE32, static_cast<WPARAM>(low), static_cast<LPARAM>(high));
    SendMessageA(spin, UDM_SETPOS32, 0, static_cast<LPARAM>(position));
    SendMessageA(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(GetDlgItem(dialog, editId)), 0);
}

void EnableControl(HWND dialog, int id, bool enable) { EnableWindow(GetDlgItem(dialog, id), enable); }

void CheckBox(HWND dialog, int id, bool checked)
{
    CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool BoxChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

LRESULT AddComboItem(HWND dialog, int id, const char* text, LPARAM data)
{
    const LRESULT index = SendDlgItemMessageA(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    SendDlgItemMessageA(dialog, id, CB_SETITEMDATA, static_cast<WPARAM>(index), data);
    return index;
}

std::int32_t ComboSelection(HWND dialog, int id, std::int32_t count)
{
    const LRESULT index = SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0);
    return index >= 0 && index < count ? static_cast<std::int32_t>(index) : 0;
}
