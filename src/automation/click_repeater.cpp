#include "automation/click_repeater.h"

#include "core/panel/colors.h"
#include "core/panel/panel_messages.h"
#include "res/resource.h"
#include "win/dialog_controls.h"
#include "win/mouse_buttons.h"

struct ClickRepeater::Controls {
    int toggle;
    int trayItem;
    int interval;
    int spin;
    UINT_PTR timer;
};

const ClickRepeater::Controls& ClickRepeater::controls() const
{
    static const Controls sides[2] = {
        {IDC_LEFT_TOGGLE, IDM_LEFT_REPEAT, IDC_LEFT_INTERVAL, IDC_LEFT_INTERVAL_SPIN, TIMER_LEFTCLICK},
        {IDC_RIGHT_TOGGLE, IDM_RIGHT_REPEAT, IDC_RIGHT_INTERVAL, IDC_RIGHT_INTERVAL_SPIN,
         TIMER_RIGHTCLICK},
    };
    return sides[side_ == ClickSide::Left ? 0 : 1];
}

ClickRepeater::ClickRepeater(DesktopRules& desktop, ClickSide side) : desktop_(desktop), side_(side)
{
}

std::vector<int> ClickRepeater::RoutedCommands() const
{
    const Controls& c = controls();
    return {c.toggle, c.trayItem, c.interval, c.spin};
}

void ClickRepeater::OnCommand(int id, int)
{
    const Controls& c = controls();
    if (id == c.toggle || id == c.trayItem) {
        state_.on = !state_.on;
    } else {
        // Whatever digits the edit holds are used; no number reads as 0,
        // the shortest period.
        state_.interval = GetDlgItemInt(panel_, c.interval, nullptr, FALSE);
    }
    Apply();
}

std::vector<UINT_PTR> ClickRepeater::Timers() const { return {controls().timer}; }

// The left repeater clicks the player's primary button, the right one the
// secondary, whichever physical buttons they are now; the up goes to the
// button that went down.
void ClickRepeater::OnTimer(UINT_PTR)
{
    if (state_.buttonDown) {
        LetGo();
        return;
    }
    const PhysicalButton button = PhysicalButtonFor(side_ == ClickSide::Left, desktop_.ButtonsSwapped());
    mouse_event(button.downEvent, 0, 0, 0, 0);
    upEvent_ = button.upEvent;
    state_.buttonDown = true;
}

bool ClickRepeater::FaceOf(int controlId, COLORREF& face) const
{
    if (controlId != controls().toggle) return false;
    face = state_.on ? COLOR_ON : COLOR_OFF;
    return true;
}

void ClickRepeater::ShowInTray(TrayState& tray) const { tray.Check(controls().trayItem, state_.on); }

void ClickRepeater::SetUp()
{
    const Controls& c = controls();
    SetUpSpin(panel_, c.spin, c.interval, 1, 65535, state_.interval);
}

void ClickRepeater::Save(SettingsValues& values) const { StoreClickRepeat(side_, state_, values); }

void ClickRepeater::Load(const SettingsValues& values)
{
    LoadClickRepeat(side_, values, state_);
    // The edit's notification comes back as an interval change.
    SetDlgItemInt(panel_, controls().interval, state_.interval, FALSE);
    Apply();
}

void ClickRepeater::LeaveNothingBehind() { LetGo(); }

void ClickRepeater::ShutDown() { KillTimer(panel_, controls().timer); }

void ClickRepeater::LetGo()
{
    if (!state_.buttonDown) return;
    mouse_event(upEvent_, 0, 0, 0, 0);
    state_.buttonDown = false;
}

void ClickRepeater::Apply()
{
    const Controls& c = controls();
    KillTimer(panel_, c.timer);
    // The new caption repaints the toggle in its state's colour.
    if (state_.on) {
        SetDlgItemTextA(panel_, c.toggle, "ON");
        SetTimer(panel_, c.timer, state_.interval, nullptr);
    } else {
        SetDlgItemTextA(panel_, c.toggle, "OFF");
        LetGo();
    }
    SendMessageA(panel_, WMU_UPDATETRAYICON, 0, 0);
}
