#include "automation/macro_slots.h"

#include "app/panel_messages.h"
#include "automation/macro_engine.h"
#include "automation/macro_file.h"
#include "res/resource.h"

namespace {

struct MacroSlotControls {
    int enabled;
    int repeat;
    int execute;
    int record;
    int gestureButton;  // of the slot's execute action
    int hotkeyButton;
};

const MacroSlotControls macroSlots[MACRO_SLOT_COUNT] = {
    {IDC_MACRO1_ENABLED, IDC_MACRO1_REPEAT, IDC_MACRO1_EXECUTE, IDC_MACRO1_RECORD,
     IDC_GESTURE_MACRO1, IDC_HOTKEY_MACRO1},
    {IDC_MACRO2_ENABLED, IDC_MACRO2_REPEAT, IDC_MACRO2_EXECUTE, IDC_MACRO2_RECORD,
     IDC_GESTURE_MACRO2, IDC_HOTKEY_MACRO2},
    {IDC_MACRO3_ENABLED, IDC_MACRO3_REPEAT, IDC_MACRO3_EXECUTE, IDC_MACRO3_RECORD,
     IDC_GESTURE_MACRO3, IDC_HOTKEY_MACRO3},
};

void Enable(HWND panel, int id, bool enable) { EnableWindow(GetDlgItem(panel, id), enable); }

bool IsChecked(HWND panel, int id) { return IsDlgButtonChecked(panel, id) == BST_CHECKED; }

void DisableAllMacroControls(HWND panel)
{
    for (const MacroSlotControls& slot : macroSlots) {
        for (int id : {slot.enabled, slot.repeat, slot.execute, slot.record, slot.gestureButton,
                       slot.hotkeyButton}) {
            Enable(panel, id, false);
        }
    }
}

int SelectedRecordKey(HWND panel)
{
    const LRESULT index = SendDlgItemMessageA(panel, IDC_RECORD_KEY, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return VK_SHIFT;
    return static_cast<int>(
        SendDlgItemMessageA(panel, IDC_RECORD_KEY, CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

void CloseGateForOperation(HWND panel)
{
    SendMessageA(panel, WMU_TIMERGATE, 0, 0);
    DisableAllMacroControls(panel);
}

}  // namespace

void UpdateSlotControls(HWND panel, int slot)
{
    const MacroSlotControls& c = macroSlots[slot];
    const bool recorded = MacroFileExists(slot);
    Enable(panel, c.enabled, recorded);
    Enable(panel, c.repeat, recorded);
    Enable(panel, c.execute, recorded && IsChecked(panel, c.enabled));
    Enable(panel, c.record, true);
    Enable(panel, c.gestureButton, recorded);
    Enable(panel, c.hotkeyButton, recorded);
}

void UpdateAllSlotControls(HWND panel)
{
    for (int slot = 0; slot < MACRO_SLOT_COUNT; ++slot) UpdateSlotControls(panel, slot);
}

void RestoreMacroControls(HWND panel)
{
    UpdateAllSlotControls(panel);
    SendMessageA(panel, WMU_TIMERGATE, 1, 0);
}

void RecordMacroSlot(HWND panel, int slot)
{
    // Also refuses while any operation runs: every macro control is disabled then.
    if (!IsWindowEnabled(GetDlgItem(panel, macroSlots[slot].record))) return;
    CloseGateForOperation(panel);
    if (!StartRecording(panel, slot, SelectedRecordKey(panel))) RestoreMacroControls(panel);
}

void ExecuteMacroSlot(HWND panel, int slot)
{
    const MacroSlotControls& c = macroSlots[slot];
    if (!IsChecked(panel, c.enabled)) return;
    if (!IsWindowEnabled(GetDlgItem(panel, c.execute))) return;
    CloseGateForOperation(panel);
    if (!StartPlayback(panel, slot, IsChecked(panel, c.repeat))) {
        // The file has gone or is held by another program since the panel
        // last looked: the slot stops offering itself.
        CheckDlgButton(panel, c.enabled, BST_UNCHECKED);
        RestoreMacroControls(panel);
    }
}
