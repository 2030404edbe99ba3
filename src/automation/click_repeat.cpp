#include "automation/click_repeat.h"

#include "core/shell/panel_messages.h"
#include "res/resource.h"

namespace {

struct ClickRepeater {
    int toggleId;
    int intervalId;
    UINT_PTR timerId;
    DWORD downEvent;
    DWORD upEvent;
};

const ClickRepeater repeaters[2] = {
    {IDC_LEFT_TOGGLE, IDC_LEFT_INTERVAL, TIMER_LEFTCLICK, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP},
    {IDC_RIGHT_TOGGLE, IDC_RIGHT_INTERVAL, TIMER_RIGHTCLICK, MOUSEEVENTF_RIGHTDOWN,
     MOUSEEVENTF_RIGHTUP},
};

const ClickRepeater& RepeaterOf(ClickButton which)
{
    return repeaters[which == ClickButton::Left ? 0 : 1];
}

}  // namespace

void FlipClickRepeat(HWND panel, ClickButton which, ClickRepeatState& state)
{
    state.on = !state.on;
    ApplyClickRepeat(panel, which, state);
}

void TakeClickInterval(HWND panel, ClickButton which, ClickRepeatState& state)
{
    state.interval = GetDlgItemInt(panel, RepeaterOf(which).intervalId, nullptr, FALSE);
    ApplyClickRepeat(panel, which, state);
}

void ApplyClickRepeat(HWND panel, ClickButton which, ClickRepeatState& state)
{
    const ClickRepeater& repeater = RepeaterOf(which);
    KillTimer(panel, repeater.timerId);
    // The new caption repaints the toggle in its state's colour.
    if (state.on) {
        SetDlgItemTextA(panel, repeater.toggleId, "ON");
        // Whatever digits the edit holds are used; no number reads as 0, the
        // shortest period.
        SetTimer(panel, repeater.timerId, state.interval, nullptr);
    } else {
        SetDlgItemTextA(panel, repeater.toggleId, "OFF");
        ReleaseClickButton(which, state);
    }
}

void ReleaseClickButton(ClickButton which, ClickRepeatState& state)
{
    if (!state.buttonDown) return;
    mouse_event(RepeaterOf(which).upEvent, 0, 0, 0, 0);
    state.buttonDown = false;
}

void ClickRepeatTick(ClickButton which, ClickRepeatState& state)
{
    const ClickRepeater& repeater = RepeaterOf(which);
    mouse_event(state.buttonDown ? repeater.upEvent : repeater.downEvent, 0, 0, 0, 0);
    state.buttonDown = !state.buttonDown;
}
