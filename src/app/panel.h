// The main panel: the modeless child dialog (IDD_MAIN_PANEL) that carries
// every control, and the Panel object that owns the features, the timer
// gate and the settings file. The panel procedure is a table of one-line
// routes; a command goes to the feature that owns its id, in one step
// through the route table. Start-up, the end of the program and of the
// Windows session, and the settings are loops over the features in one
// declared order. A feature tells the panel what happened by what it
// answers and by the commands and private messages it sends; what one
// feature's state means for another is decided here, and nowhere else.
#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "app/frame_controls.h"
#include "app/settings_file.h"
#include "automation/macros.h"
#include "automation/repeaters.h"
#include "capture/capture.h"
#include "conceal/concealment.h"
#include "core/panel/timer_gate.h"
#include "launcher/pads.h"
#include "tray/tray.h"
#include "triggers/triggers.h"
#include "win/desktop_rules.h"
#include "win/scoped.h"

// What a run of the program hands back to its entry point when it ends.
struct RunOutcome {
    bool settingsLost = false;  // the last save failed although the file was not kept
};

INT_PTR CALLBACK MainPanelDlgProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam);

class Panel final {
public:
    // `desktop` answers the questions on other programs' windows, the
    // cursor, the keys and the buttons (the system's own but in tests).
    explicit Panel(RunOutcome& outcome, DesktopRules& desktop = SystemDesktop());
    ~Panel();
    Panel(const Panel&) = delete;
    Panel& operator=(const Panel&) = delete;

    // The object of a panel window (null before WM_INITDIALOG and after the
    // window has gone).
    static Panel* Of(HWND panel);

    // WM_INITDIALOG: the features are given the panel and set up, then the
    // settings file is read over their defaults and each loads its part, in
    // the declared order.
    void Start(HWND panel);
    // WM_DESTROY: the settings are saved, then every feature leaves nothing
    // behind and lets go of the panel.
    void ShutDown();
    // The Windows session ends: the settings are saved and every feature
    // leaves nothing behind; the panel stays usable.
    void LeaveNothingBehind();

    void Command(int id, int code);
    void Timer(UINT_PTR id);
    void Hotkey(int id);
    void DrawItem(const DRAWITEMSTRUCT& item) const;
    INT_PTR ControlColour(HDC dc) const;
    // WMU_TIMERGATE.
    void MoveGate(bool open) { gate_.Move(open); }
    // WMU_MACROSTOPPED: the macro controls come back and the gate the
    // operation closed opens.
    void MacroStopped();
    // WMU_SELECTTARGET: the window becomes the repeaters' target.
    void SelectTarget(HWND window);
    // WMU_TRAYNOTIFY.
    void TrayNotify(LPARAM mouseMessage);
    // WMU_UPDATETRAYICON: a click repeater has changed.
    void UpdateTrayIcon();
    // WMU_FRAMESHOWN: the frame is on screen and painted.
    void FrameShown();
    DesktopRules& Desktop() const { return desktop_; }
    // The shell restarted ("TaskbarCreated", heard by the frame).
    UINT ShellRestartMessage() const;
    void ShellRestarted();

private:
    friend struct PanelInternals;  // the in-process tests' view
    // One line of the route table: a command, an input control's command or
    // a timer, and the feature that answers it.
    enum class RouteKind { Command, Input, Timer };
    struct Route {
        RouteKind kind;
        UINT_PTR id;
        PanelFeature* feature;
    };
    void SaveSettings();
    PanelFeature* Owner(RouteKind kind, UINT_PTR id) const;
    // What one feature's command means for the others.
    void CommandRan(PanelFeature& owner);
    // A warning the feature has for the player goes to the tray.
    void TakeWarning(PanelFeature& feature);
    // No macro starts while every window is concealed (it would click the
    // bare desktop) nor while the hotkey dialog has released the hotkeys
    // (nothing could stop it).
    bool MacroMayStart() const;
    // The macro slots' hotkey and gesture buttons follow the slots.
    void SlotActionsFollowMacros();
    TrayState GatherTrayState() const;

    RunOutcome& outcome_;
    DesktopRules& desktop_;
    HWND panel_ = nullptr;
    TimerGate gate_;
    SettingsFile settings_;
    ScopedGdiObject<HBRUSH> background_;

    // The features, in the declared order. The concealment comes first, so
    // that windows a crashed run left hidden come back before anything else
    // starts; the settings are saved before any feature lets go of anything.
    Concealment concealment_;
    Macros macros_;
    Repeaters repeaters_;
    Triggers triggers_;
    Capture capture_;
    Pads pads_;
    Tray tray_;
    FrameControls frame_;
    const std::vector<PanelFeature*> order_;

    // The route table, a hundred lines or so: the inputs' commands also take
    // the key step.
    std::vector<Route> routes_;
};
