#include "automation/macro_slots.h"

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

void CloseGateForOperation(const MacroSlots& slots)
{
    slots.gate.Move(false);
    for (const MacroSlotControls& slot : macroSlots) {
        for (int id : {slot.enabled, slot.repeat, slot.execute, slot.record, slot.gestureButton,
                       slot.hotkeyButton}) {
            Enable(slots.panel, id, false);
        }
    }
}

}  // namespace

void UpdateSlotControls(HWND panel, const MacroState& state, int slot)
{
    const MacroSlotControls& c = macroSlots[slot];
    const bool recorded = MacroFileExists(slot);
    Enable(panel, c.enabled, recorded);
    Enable(panel, c.repeat, recorded);
    Enable(panel, c.execute, recorded && state.slots[slot].enabled);
    Enable(panel, c.record, true);
    Enable(panel, c.gestureButton, recorded);
    Enable(panel, c.hotkeyButton, recorded);
}

void UpdateAllSlotControls(HWND panel, const MacroState& state)
{
    for (int slot = 0; slot < MACRO_SLOT_COUNT; ++slot) UpdateSlotControls(panel, state, slot);
}

void TakeSlotBoxes(HWND panel, MacroState& state, int slot)
{
    state.slots[slot].enabled = IsChecked(panel, macroSlots[slot].enabled);
    state.slots[slot].repeats = IsChecked(panel, macroSlots[slot].repeat);
    UpdateSlotControls(panel, state, slot);
}

void TakeRecordKey(HWND panel, MacroState& state)
{
    const LRESULT index = SendDlgItemMessageA(panel, IDC_RECORD_KEY, CB_GETCURSEL, 0, 0);
    state.recordKeyIndex = index >= 0 && index < RECORD_KEY_CHOICES ? static_cast<std::int32_t>(index) : 0;
}

void RestoreMacroControls(const MacroSlots& slots)
{
    UpdateAllSlotControls(slots.panel, slots.state);
    slots.gate.Move(true);
}

void RecordMacroSlot(const MacroSlots& slots, int slot)
{
    // Also refuses while any operation runs: every macro control is disabled then.
    if (!IsWindowEnabled(GetDlgItem(slots.panel, macroSlots[slot].record))) return;
    CloseGateForOperation(slots);
    const auto recordKey = static_cast<int>(RECORD_KEYS[slots.state.recordKeyIndex]);
    if (!StartRecording(slots.panel, slots.observer, slot, recordKey)) RestoreMacroControls(slots);
}

void ExecuteMacroSlot(const MacroSlots& slots, int slot)
{
    MacroSlotState& state = slots.state.slots[slot];
    if (!state.enabled) return;
    if (!IsWindowEnabled(GetDlgItem(slots.panel, macroSlots[slot].execute))) return;
    CloseGateForOperation(slots);
    if (!StartPlayback(slots.panel, slots.observer, slot, state.repeats)) {
        // The file has gone or is held by another program since the panel
        // last looked: the slot stops offering itself.
        state.enabled = false;
        CheckDlgButton(slots.panel, macroSlots[slot].enabled, BST_UNCHECKED);
        RestoreMacroControls(slots);
    }
}
