#include "automation/click_repeat.h"

#include "app/colors.h"
#include "app/panel_buttons.h"
#include "app/panel_messages.h"
#include "res/resource.h"

namespace {

struct ClickRepeater {
    int toggleId;
    int intervalId;
    UINT_PTR timerId;
    DWORD downEvent;
    DWORD upEvent;
    bool phaseUp;  // false: the next event is a button-down. Switching off keeps it.
};

ClickRepeater repeaters[2] = {
    {IDC_LEFT_TOGGLE, IDC_LEFT_INTERVAL, TIMER_LEFTCLICK, MOUSEEVENTF_LEFTDOWN,
     MOUSEEVENTF_LEFTUP, false},
    {IDC_RIGHT_TOGGLE, IDC_RIGHT_INTERVAL, TIMER_RIGHTCLICK, MOUSEEVENTF_RIGHTDOWN,
     MOUSEEVENTF_RIGHTUP, false},
};

ClickRepeater& RepeaterOf(ClickButton which)
{
    return repeaters[which == ClickButton::Left ? 0 : 1];
}

// A button the repeater pressed and has not let go yet is let go now, so
// that it is never left down once the repeater stops pressing it.
void ReleaseIfPressed(ClickRepeater& repeater)
{
    if (!repeater.phaseUp) return;
    mouse_event(repeater.upEvent, 0, 0, 0, 0);
    repeater.phaseUp = false;
}

}  // namespace

bool ClickRepeatIsOn(ClickButton which)
{
    return PanelButton(RepeaterOf(which).toggleId).face == COLOR_ON;
}

void FlipClickRepeat(HWND panel, ClickButton which)
{
    OwnerDrawButton& toggle = PanelButton(RepeaterOf(which).toggleId);
    toggle.face = toggle.face == COLOR_ON ? COLOR_OFF : COLOR_ON;
    ApplyClickRepeat(panel, which);
}

void ApplyClickRepeat(HWND panel, ClickButton which)
{
    const ClickRepeater& repeater = RepeaterOf(which);
    KillTimer(panel, repeater.timerId);
    if (ClickRepeatIsOn(which)) {
        SetDlgItemTextA(panel, repeater.toggleId, "ON");
        // Whatever digits the edit holds are used; no number reads as 0, the
        // shortest period.
        const UINT interval = GetDlgItemInt(panel, repeater.intervalId, nullptr, FALSE);
        SetTimer(panel, repeater.timerId, interval, nullptr);
    } else {
        SetDlgItemTextA(panel, repeater.toggleId, "OFF");
        ReleaseIfPressed(RepeaterOf(which));
    }
    SendMessageA(panel, WMU_UPDATETRAYICON, 0, 0);
}

void ReleaseClickButtons()
{
    for (ClickRepeater& repeater : repeaters) ReleaseIfPressed(repeater);
}

void ClickRepeatTick(ClickButton which)
{
    ClickRepeater& repeater = RepeaterOf(which);
    mouse_event(repeater.phaseUp ? repeater.upEvent : repeater.downEvent, 0, 0, 0, 0);
    repeater.phaseUp = !repeater.phaseUp;
}
