#include "triggers/triggers.h"

#include "core/panel/panel_messages.h"
#include "res/resource.h"
#include "triggers/action_controls.h"
#include "triggers/gesture_dialog.h"
#include "triggers/gesture_sampling.h"
#include "triggers/hotkey_dialog.h"
#include "triggers/hotkeys.h"
#include "win/dialog_controls.h"
#include "win/key_names.h"
#include "win/panel_gate.h"

Triggers::Triggers(DesktopRules& desktop) : desktop_(desktop)
{
    SetDefaultHotkeys(actions_);
}

std::vector<int> Triggers::RoutedCommands() const
{
    return {IDC_GESTURE_DISTANCE, IDC_GESTURE_DISTANCE_SPIN, IDC_GESTURE_TIME, IDC_GESTURE_TIME_SPIN};
}

std::vector<int> Triggers::InputCommands() const
{
    std::vector<int> ids = {IDC_GESTURE_HOLD_KEY};
    for (const ActionControls& c : actionControls) {
        ids.push_back(c.hotkeyButton);
        if (c.gestureButton != NO_GESTURE_BUTTON) ids.push_back(c.gestureButton);
    }
    return ids;
}

void Triggers::OnCommand(int id, int)
{
    switch (id) {
    case IDC_GESTURE_DISTANCE:
    case IDC_GESTURE_DISTANCE_SPIN:
        gestures_.recognition.gestureMinDistance = GetDlgItemInt(panel_, IDC_GESTURE_DISTANCE, nullptr, FALSE);
        return;
    case IDC_GESTURE_TIME:
    case IDC_GESTURE_TIME_SPIN:
        gestures_.recognition.gestureTimeWindow = GetDlgItemInt(panel_, IDC_GESTURE_TIME, nullptr, FALSE);
        return;
    case IDC_GESTURE_HOLD_KEY:
        gestures_.holdKeyIndex = ComboSelection(panel_, IDC_GESTURE_HOLD_KEY, GESTURE_KEY_CHOICES);
        return;
    default:
        break;
    }
    for (int i = 0; i < ACTION_COUNT; ++i) {
        if (actionControls[i].gestureButton == id) {
            EditGesture(panel_, actions_, i);
            return;
        }
        if (actionControls[i].hotkeyButton == id) {
            if (editingHotkey_) return;
            Run(STOP_MACRO_ACTION);
            editingHotkey_ = true;
            EditHotkey(desktop_, panel_, actions_, i);
            editingHotkey_ = false;
            return;
        }
    }
}

std::vector<UINT_PTR> Triggers::Timers() const { return {TIMER_GESTURE}; }

void Triggers::OnTimer(UINT_PTR)
{
    // A completed gesture runs its action as its hotkey would.
    const int action = SampleGesture(desktop_, gestures_, actions_);
    if (action >= 0) Run(action);
}

// Exactly as if the player had clicked the action's button.
void Triggers::Run(int index)
{
    SendMessageA(panel_, WM_COMMAND, MAKEWPARAM(actionControls[index].command, BN_CLICKED), 0);
}


void Triggers::SetUp()
{
    SetUpSpin(panel_, IDC_GESTURE_DISTANCE_SPIN, IDC_GESTURE_DISTANCE, 1, 128,
              gestures_.recognition.gestureMinDistance);
    SetUpSpin(panel_, IDC_GESTURE_TIME_SPIN, IDC_GESTURE_TIME, 100, 1000,
              gestures_.recognition.gestureTimeWindow);
    FillComboBox(panel_, IDC_GESTURE_HOLD_KEY, GESTURE_HOLD_KEY_NAMES, GESTURE_HOLD_KEYS);
}

void Triggers::Save(SettingsValues& values) const { StoreTriggers(actions_, gestures_, values); }

void Triggers::Load(const SettingsValues& values)
{
    LoadTriggers(values, actions_, gestures_);
    SetDlgItemInt(panel_, IDC_GESTURE_DISTANCE, gestures_.recognition.gestureMinDistance, FALSE);
    SetDlgItemInt(panel_, IDC_GESTURE_TIME, gestures_.recognition.gestureTimeWindow, FALSE);
    SendDlgItemMessageA(panel_, IDC_GESTURE_HOLD_KEY, CB_SETCURSEL,
                        static_cast<WPARAM>(gestures_.holdKeyIndex), 0);
    CaptionAllGestureButtons(panel_, actions_);
    for (int i = 0; i < ACTION_COUNT; ++i) CaptionHotkeyButton(panel_, actions_, i);
    refusedAtStart_ = RegisterAllHotkeys(desktop_, panel_, actions_);
    SetTimer(panel_, TIMER_GESTURE, 0, nullptr);
}

// A combination another program held at start stays the action's, and is
// tried again at the next start; the player hears of every such one once,
// as its button names it.
void Triggers::AfterShown()
{
    if (refusedAtStart_.empty()) return;
    std::string text = "次のホットキーは、ほかのプログラムが使っているため使えません。\n\n";
    for (int index : refusedAtStart_)
        text += FormatHotkeyCaption(actions_[index].modifiers, actions_[index].virtualKey) + "\n";
    text += "\n設定はそのまま残し、次に起動したときにもう一度登録します。"
            "ほかのプログラムを終了してから PLOVNIKAR を起動し直すか、ホットキーを変えてください。";
    refusedAtStart_.clear();
    ScopedPanelGate closed(panel_);
    MessageBoxA(GetParent(panel_), text.c_str(), "PLOVNIKAR", MB_OK | MB_ICONWARNING);
}

void Triggers::OnHotkey(int hotkeyId)
{
    const int index = FindActionByHotkeyId(hotkeyId);
    if (index >= 0) Run(index);
}

void Triggers::EnableActionButtons(int index, bool enable)
{
    EnableControl(panel_, actionControls[index].hotkeyButton, enable);
    if (actionControls[index].gestureButton != NO_GESTURE_BUTTON)
        EnableControl(panel_, actionControls[index].gestureButton, enable);
}
