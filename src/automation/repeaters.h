// The repeaters: the left and right click repeaters, the keyboard repeater
// and the window they send into (the repeat target). A tick sends only while
// the window in front is the target; otherwise it waits, and nothing of any
// repeater stays held down in the window that is in front instead: the held
// keys go down again on the first tick that sends. A game run as
// administrator gets nothing from this program: the player is warned once
// per such window, when it comes to the front.
#pragma once
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "automation/click_repeater.h"
#include "automation/key_repeater.h"
#include "automation/repeat_target.h"
#include "win/desktop_rules.h"
#include "win/panel_feature.h"

class Repeaters final : public PanelFeature {
public:
    explicit Repeaters(DesktopRules& desktop);

    std::vector<int> RoutedCommands() const override;
    std::vector<int> InputCommands() const override;
    void OnCommand(int id, int code) override;
    std::vector<UINT_PTR> Timers() const override;
    void OnTimer(UINT_PTR id) override;
    bool SendsToFront() const override { return true; }
    // Every button and key the repeaters hold goes up.
    void Wait() override;
    // A click repeater's button held between two ticks goes up; the keys
    // stay held through a dialog or a menu.
    void TicksPaused() override;
    std::string TakeWarning() override;
    // The icon shows both click repeaters; the menu checks them and the
    // keys held.
    void ShowInTray(TrayState& tray) const override;
    bool FaceOf(int controlId, COLORREF& face) const override;
    void SetUp() override;
    void Save(SettingsValues& values) const override;
    void Load(const SettingsValues& values) override;
    void LeaveNothingBehind() override;
    void ShutDown() override;

    // The keyboard repeater's step, which every command no feature answers
    // and every input control's command takes too.
    void Step(int commandId) { keys_.Step(commandId); }
    // The window of a program a pad started becomes the target.
    void Select(HWND window) { target_.Select(window); }

private:
    friend struct PanelInternals;  // the in-process tests' view
    static PanelFeature* PartFor(const std::vector<std::pair<UINT_PTR, PanelFeature*>>& parts, UINT_PTR id);
    // The window in front is about to get a repeater's input: a window of a
    // program run as administrator gets none of it, and the player hears of
    // that once per window (asked once while it stays in front).
    void NoteFront(HWND front);

    DesktopRules& desktop_;
    ClickRepeater left_;
    ClickRepeater right_;
    KeyRepeater keys_;
    RepeatTarget target_;
    const std::vector<PanelFeature*> parts_;
    // Which part answers each command and each timer, looked up once: the
    // ticks come every few milliseconds.
    std::vector<std::pair<UINT_PTR, PanelFeature*>> commandParts_;
    std::vector<std::pair<UINT_PTR, PanelFeature*>> timerParts_;
    HWND lastFront_ = nullptr;
    std::vector<HWND> toldElevated_;
    std::string warning_;
};
