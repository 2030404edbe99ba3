// The main panel: the modeless child dialog (IDD_MAIN_PANEL) that carries
// every control, and the Panel object that owns the features, the timer
// gate and the settings file. The panel procedure is a table of one-line
// routes; a command goes to the feature that owns its id, in one step
// through the route table. Start-up, the end of the program and of the
// Windows session, and the settings are loops over the features in one
// declared order. What one feature's change means for another is a call
// here, in the panel, and nowhere else.
#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "app/settings_file.h"
#include "core/panel/timer_gate.h"
#include "win/desktop_rules.h"
#include "win/scoped.h"

class PanelFeature;

// What a run of the program hands back to its entry point when it ends.
struct RunOutcome {
    bool settingsLost = false;  // the last save failed although the file was not kept
};

INT_PTR CALLBACK MainPanelDlgProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam);

class Panel {
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

    // WM_INITDIALOG: the features are made and set up, then the settings file
    // is read over their defaults and each loads its part, in the declared
    // order.
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
    void MoveGate(bool open) { gate_.Move(open); }
    void MacroStopped();
    void SelectTarget(HWND window);
    void TrayNotify(LPARAM mouseMessage);
    void UpdateTrayIcon();
    // WMU_FRAMESHOWN: the frame is on screen and painted.
    void FrameShown();
    DesktopRules& Desktop() const { return desktop_; }
    // The shell restarted ("TaskbarCreated", heard by the frame).
    UINT ShellRestartMessage() const;
    void ShellRestarted();

private:
    friend struct PanelInternals;  // the in-process tests' view
    struct Features;
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

    RunOutcome& outcome_;
    DesktopRules& desktop_;
    HWND panel_ = nullptr;
    TimerGate gate_;
    SettingsFile settings_;
    ScopedGdiObject<HBRUSH> background_;
    std::unique_ptr<Features> features_;
    // The route table, a hundred lines or so: the inputs' commands also take
    // the key step.
    std::vector<Route> routes_;
};
