// What every feature of the main panel offers the panel that owns it: its
// part in start-up and shutdown, the commands and timers it answers, the
// faces of its owner-drawn buttons and its part of the settings. The panel
// runs each of these as a loop over its features in one declared order; a
// feature does only its own part and tells the panel of what others must
// hear through an interface of its own.
#pragma once
#include <windows.h>

#include <vector>

#include "core/settings/settings_codec.h"

class PanelFeature {
public:
    virtual ~PanelFeature() = default;

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
};
