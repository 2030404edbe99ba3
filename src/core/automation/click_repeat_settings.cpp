#include "core/automation/click_repeat_settings.h"

void StoreClickRepeat(ClickSide side, const ClickRepeatState& state, SettingsValues& values)
{
    (side == ClickSide::Left ? values.leftClickOn : values.rightClickOn) = state.on;
    (side == ClickSide::Left ? values.leftClickInterval : values.rightClickInterval) = state.interval;
}

void LoadClickRepeat(ClickSide side, const SettingsValues& values, ClickRepeatState& state)
{
    state.on = side == ClickSide::Left ? values.leftClickOn : values.rightClickOn;
    state.interval = side == ClickSide::Left ? values.leftClickInterval : values.rightClickInterval;
}

TrayIcon TrayIconFor(bool leftOn, bool rightOn)
{
    if (leftOn && rightOn) return TrayIcon::Both;
    if (leftOn) return TrayIcon::Left;
    if (rightOn) return TrayIcon::Right;
    return TrayIcon::Neither;
}
