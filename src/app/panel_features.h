// The panel's features, in the order the panel runs them (start-up,
// settings, the end of the program and of the session), and what one
// feature's event means for another: the hosts' calls, each an effect named
// here.
#pragma once
#include <windows.h>

#include <vector>

#include "app/frame_controls.h"
#include "app/panel.h"
#include "automation/click_repeater.h"
#include "automation/key_repeater.h"
#include "automation/macros.h"
#include "automation/repeat_target.h"
#include "capture/capture.h"
#include "conceal/concealment.h"
#include "launcher/pads.h"
#include "tray/tray.h"
#include "triggers/triggers.h"

struct Panel::Features final : MacroHost, TrayHost, ConcealHost, TriggerHost {
    Features(HWND panel, TimerGate& gate, DesktopRules& desktop);

    // The declared order. The concealment comes first, so that windows a
    // crashed run left hidden come back before anything else starts; the
    // settings are saved before any feature lets go of anything.
    Concealment concealment;
    Macros macros;
    ClickRepeater left;
    ClickRepeater right;
    KeyRepeater keys;
    RepeatTarget target;
    Triggers triggers;
    Capture capture;
    Pads pads;
    Tray tray;
    FrameControls frame;
    const std::vector<PanelFeature*> order;

    HWND panel;
    DesktopRules& desktop;

    // The click and key repeaters: they send into the window in front.
    bool IsRepeater(const PanelFeature* feature) const
    {
        return feature == &left || feature == &right || feature == &keys;
    }
    // A command of `owner` has run: a repeater's change shows in the tray.
    void CommandRan(const PanelFeature* owner);
    // The tray icon shows both repeaters.
    void RepeatersChanged();
    // The ticks stop (a dialog, a menu, a message box, a macro, the
    // concealment): a button a repeater holds down between two ticks is let
    // go, since the player's own mouse would drag with it.
    void TicksStopped();
    // A repeater's tick is about to send into `front`: a window of a program
    // run as administrator gets nothing from this program, and the player
    // hears of it once per window (asked once while it stays in front).
    void SendingTo(HWND front);
    // A repeater's tick finds another window in front (or the program's own,
    // or the windows concealed): it sends nothing, and nothing of the
    // repeaters stays held in the window that is in front instead; the held
    // keys go down again on the first tick that sends.
    void RepeatersWaiting();

private:
    bool MacroMayStart() override;
    void MacroStarting() override;
    void SlotActionsUsable(int slot, bool usable) override;
    TrayMenuState MenuState() override;
    void IconDoubleClicked() override;
    void Concealing() override;
    void RunAction(int index) override;
    void ReleasingHotkeys() override;
    void CouldNotHide(const std::string& titles) override;

    HWND lastFront_ = nullptr;
    // Windows of higher integrity the player has been told of.
    std::vector<HWND> toldElevated_;
};
