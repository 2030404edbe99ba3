#include "automation/macros.h"

#include "core/panel/panel_messages.h"
#include "res/resource.h"
#include "win/dialog_controls.h"

namespace {

struct SlotControls {
    int enabled;
    int repeat;
    int execute;
    int record;
    int trayItem;
};

const SlotControls slotControls[MACRO_SLOT_COUNT] = {
    {IDC_MACRO1_ENABLED, IDC_MACRO1_REPEAT, IDC_MACRO1_EXECUTE, IDC_MACRO1_RECORD, IDM_MACRO1},
    {IDC_MACRO2_ENABLED, IDC_MACRO2_REPEAT, IDC_MACRO2_EXECUTE, IDC_MACRO2_RECORD, IDM_MACRO2},
    {IDC_MACRO3_ENABLED, IDC_MACRO3_REPEAT, IDC_MACRO3_EXECUTE, IDC_MACRO3_RECORD, IDM_MACRO3},
};

// The slot one of its controls belongs to.
int SlotOf(int id)
{
    for (int slot = 0; slot < MACRO_SLOT_COUNT; ++slot) {
        const SlotControls& c = slotControls[slot];
        if (id == c.enabled || id == c.repeat || id == c.execute || id == c.record || id == c.trayItem)
            return slot;
    }
    return -1;
}

}  // namespace

Macros::Macros(DesktopRules& desktop) : engine_(desktop) {}

std::vector<int> Macros::RoutedCommands() const
{
    std::vector<int> ids = {IDM_STOP_MACRO};
    for (const SlotControls& c : slotControls) ids.insert(ids.end(), {c.enabled, c.execute, c.record, c.trayItem});
    return ids;
}

bool Macros::Starts(int id)
{
    for (const SlotControls& c : slotControls) {
        if (id == c.execute || id == c.record || id == c.trayItem) return true;
    }
    return false;
}

std::vector<UINT_PTR> Macros::Timers() const { return {TIMER_MACRO}; }

void Macros::OnTimer(UINT_PTR) { engine_.Tick(); }

void Macros::ShowInTray(TrayState& tray) const
{
    for (int slot = 0; slot < MACRO_SLOT_COUNT; ++slot) tray.Enable(slotControls[slot].trayItem, state_.slots[slot].enabled);
}

bool Macros::SlotActionsUsable(int slot) const { return !Running() && MacroFileExists(slot); }

std::vector<int> Macros::InputCommands() const
{
    std::vector<int> ids = {IDC_RECORD_KEY};
    for (const SlotControls& c : slotControls) ids.push_back(c.repeat);
    return ids;
}

void Macros::OnCommand(int id, int)
{
    if (id == IDM_STOP_MACRO) {
        Stop();
        return;
    }
    if (id == IDC_RECORD_KEY) {
        state_.recordKeyIndex = ComboSelection(panel_, IDC_RECORD_KEY, RECORD_KEY_CHOICES);
        return;
    }
    const int slot = SlotOf(id);
    const SlotControls& c = slotControls[slot];
    if (id == c.record) {
        Record(slot);
    } else if (id == c.execute || id == c.trayItem) {
        Execute(slot);
    } else {
        // A box was clicked: the state follows both boxes, the controls "有効".
        state_.slots[slot].enabled = BoxChecked(panel_, c.enabled);
        state_.slots[slot].repeats = BoxChecked(panel_, c.repeat);
        UpdateSlotControls(slot);
    }
}

void Macros::SetUp()
{
    engine_.Attach(panel_);
    FillComboBox(panel_, IDC_RECORD_KEY, RECORD_KEY_NAMES, RECORD_KEYS);
    SendDlgItemMessageA(panel_, IDC_RECORD_KEY, CB_SETCURSEL, static_cast<WPARAM>(state_.recordKeyIndex), 0);
}

void Macros::Save(SettingsValues& values) const { StoreMacros(state_, values); }

void Macros::Load(const SettingsValues& values)
{
    LoadMacros(values, state_);
    for (int slot = 0; slot < MACRO_SLOT_COUNT; ++slot) {
        CheckBox(panel_, slotControls[slot].enabled, state_.slots[slot].enabled);
        CheckBox(panel_, slotControls[slot].repeat, state_.slots[slot].repeats);
        UpdateSlotControls(slot);
    }
}

void Macros::LeaveNothingBehind() { engine_.Stop(); }

void Macros::RestoreControls()
{
    for (int slot = 0; slot < MACRO_SLOT_COUNT; ++slot) UpdateSlotControls(slot);
}

void Macros::UpdateSlotControls(int slot)
{
    const SlotControls& c = slotControls[slot];
    const bool recorded = MacroFileExists(slot);
    EnableControl(panel_, c.enabled, recorded);
    EnableControl(panel_, c.repeat, recorded);
    EnableControl(panel_, c.execute, recorded && state_.slots[slot].enabled);
    EnableControl(panel_, c.record, true);
}

void Macros::CloseGateForOperation()
{
    SendMessageA(panel_, WMU_TIMERGATE, 0, 0);
    for (const SlotControls& c : slotControls) {
        for (int id : {c.enabled, c.repeat, c.execute, c.record}) EnableControl(panel_, id, false);
    }
}

// "記録": also refused while any operation runs, since every macro control
// is disabled then; waits for the record key chosen in the list.
void Macros::Record(int slot)
{
    if (!IsWindowEnabled(GetDlgItem(panel_, slotControls[slot].record))) return;
    CloseGateForOperation();
    const auto recordKey = static_cast<int>(RECORD_KEYS[state_.recordKeyIndex]);
    if (!engine_.StartRecording(slot, recordKey)) SendMessageA(panel_, WMU_MACROSTOPPED, static_cast<WPARAM>(slot), 0);
}

// "実行", its tray item or its action: plays the slot when it is enabled,
// nothing runs and the panel lets it.
void Macros::Execute(int slot)
{
    MacroSlotState& state = state_.slots[slot];
    if (!state.enabled) return;
    if (!IsWindowEnabled(GetDlgItem(panel_, slotControls[slot].execute))) return;
    CloseGateForOperation();
    if (!engine_.StartPlayback(slot, state.repeats)) {
        // The file has gone or is held by another program since the panel
        // last looked: the slot stops offering itself.
        state.enabled = false;
        CheckBox(panel_, slotControls[slot].enabled, false);
        SendMessageA(panel_, WMU_MACROSTOPPED, static_cast<WPARAM>(slot), 0);
    }
}
