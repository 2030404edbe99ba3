// What every feature of the main panel offers the panel that owns it: its
// part in start-up and shutdown, the commands and timers it answers, the
// faces of its owner-drawn buttons and its part of the settings. The panel
// runs each of these as a loop over its features in one declared order; a
// feature does only its own part and tells the panel what happened as a
// control would: by what it answers here, or by a command or a private
// message it sends to the panel.
#pragma once
#include <windows.h>

#include <vector>

#include <string>

#include "core/settings/settings_codec.h"
#include "core/tray/tray_layout.h"

class PanelFeature {
public:
    virtual ~PanelFeature() = default;

    // The panel window, once it exists and before SetUp.
    void Attach(HWND panel) { panel_ = panel; }

    // The command ids (controls, menu items) of the feature. Routed: answered
    // by the feature alone. Inputs: controls that feed the feature's state
    // and, as every command the panel routes to no feature, also take the
    // keyboard repeater's step afterwards.
    virtual std::vector<int> RoutedCommands() const { return {}; }
    virtual std::vector<int> InputCommands() const { return {}; }
    // `code` is the notification code (the high word of WM_COMMAND's wParam).
    virtual void OnCommand(int id, int code) { (void)id; (void)code; }

    // The panel's timers of the feature, and one tick of one of them.
    virtual std::vector<UINT_PTR> Timers() const { return {}; }
    virtual void OnTimer(UINT_PTR id) { (void)id; }
    // Whether the feature's ticks send into the window in front (the
    // repeaters): while every window is concealed whatever is in front is no
    // game, and such a tick waits instead.
    virtual bool SendsToFront() const { return false; }
    // A tick that waits: nothing the feature sends may stay held down in
    // the window in front.
    virtual void Wait() {}
    // The panel's ticks pause (the gate closed for a dialog, a menu, a
    // message box, a macro or a pass): what the feature holds down between
    // two ticks is let go, since the player's own mouse would drag with it.
    virtual void TicksPaused() {}
    // A warning the player must have while a game has the focus, where a
    // message box would stop the repeaters: the tray shows it. The panel
    // takes it after each command and tick of the feature; empty: none.
    virtual std::string TakeWarning() { return {}; }
    // What the tray shows of the feature: its menu items checked or greyed,
    // the icon's picture.
    virtual void ShowInTray(TrayState& tray) const { (void)tray; }

    // The face colour of one of its owner-drawn buttons; false for a button
    // that is not its.
    virtual bool FaceOf(int controlId, COLORREF& face) const
    {
        (void)controlId;
        (void)face;
        return false;
    }

    // Start-up: the controls set up (before the settings are read).
    virtual void SetUp() {}
    // Its part of the settings file, both ways; Load also shows and applies
    // what it loaded.
    virtual void Save(SettingsValues& values) const { (void)values; }
    virtual void Load(const SettingsValues& values) { (void)values; }
    // The frame is on screen and painted: what may wait for that.
    virtual void AfterShown() {}
    // The program or the Windows session ends: nothing the feature holds
    // (a key or button down, a hidden window, a muted device, a running
    // macro) may outlive it. The feature stays usable.
    virtual void LeaveNothingBehind() {}
    // The panel goes: whatever the feature attached to it is given back.
    virtual void ShutDown() {}

protected:
    HWND panel_ = nullptr;
};
