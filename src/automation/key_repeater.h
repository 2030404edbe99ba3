// The keyboard repeater: the 81 keys of the on-screen keyboard (and the tray
// menu's keyboard items, which carry the same ids), its interval edit and
// spin, and its timer. A key that is on is held down and repeated into the
// target window; each key's button shows its state.
#pragma once
#include <windows.h>

#include "core/automation/key_repeat_settings.h"
#include "win/desktop_rules.h"
#include "win/panel_feature.h"

class KeyRepeater final : public PanelFeature {
public:
    explicit KeyRepeater(DesktopRules& desktop);

    // The keys (whose command is the key step) and the interval edit.
    std::vector<int> RoutedCommands() const override;
    void OnCommand(int id, int code) override;
    std::vector<UINT_PTR> Timers() const override;
    // One tick (that the gate, the concealment and the target let through):
    // another key-down for every held key that is still down; a key
    // the system reports released is let go with a key-up and turns off. The
    // first tick after a pause presses the held keys again.
    void OnTimer(UINT_PTR id) override;
    bool FaceOf(int controlId, COLORREF& face) const override;
    // The tray's keyboard items carry the keys' ids.
    void ShowInTray(TrayState& tray) const override;
    void SetUp() override;
    void Save(SettingsValues& values) const override;
    void Load(const SettingsValues& values) override;
    // Releases every held key, last of the table first, and turns it off.
    void LeaveNothingBehind() override;

    // The key step: toggles the key with this id, if any (its key-down or
    // key-up goes out at once), and restarts the timer while any key is
    // held. Every command that no feature answers takes it too.
    void Step(int commandId);
    // A wait in which nothing may be sent (the windows are concealed, or
    // another window is in front): every held key goes up but stays on; the
    // next tick that sends presses them again.
    void LetGo();
    bool Held(int index) const { return state_.held[index]; }

private:
    void SetHeld(int index, bool held);
    void RestartTimerIfAnyKeyHeld();

    DesktopRules& desktop_;
    KeyRepeatState state_;
};
