// A click repeater, left or right: its toggle (IDC_LEFT_TOGGLE or
// IDC_RIGHT_TOGGLE) and tray item, its interval edit and spin, and its timer.
// While it is on, each tick (that the panel lets through) sends a button-down
// or a button-up at the cursor, alternately.
#pragma once
#include <windows.h>

#include "core/automation/click_repeat_settings.h"
#include "win/desktop_rules.h"
#include "win/panel_feature.h"

class ClickRepeater final : public PanelFeature {
public:
    ClickRepeater(DesktopRules& desktop, ClickSide side);

    std::vector<int> RoutedCommands() const override;
    void OnCommand(int id, int code) override;
    std::vector<UINT_PTR> Timers() const override;
    void OnTimer(UINT_PTR id) override;
    bool FaceOf(int controlId, COLORREF& face) const override;
    void ShowInTray(TrayState& tray) const override;
    void SetUp() override;
    void Save(SettingsValues& values) const override;
    void Load(const SettingsValues& values) override;
    void LeaveNothingBehind() override;
    void ShutDown() override;

    bool On() const { return state_.on; }
    // The ticks pause or wait: a button the repeater holds down between two
    // ticks is let go, and the next tick starts with a button-down.
    void LetGo();

private:
    struct Controls;
    const Controls& controls() const;
    // (Re)starts or stops the timer from the state and interval and captions
    // the toggle; switched off between a down and its up, the up goes out
    // at once. The tray's icon shows the new state.
    void Apply();

    DesktopRules& desktop_;
    ClickSide side_;
    ClickRepeatState state_;
    DWORD upEvent_ = 0;  // the physical button's up, while one is down
};
