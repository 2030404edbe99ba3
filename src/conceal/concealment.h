// The concealment ("空蝉"): every visible titled top-level window is hidden in
// one pass (IDC_CONCEAL, IDM_CONCEAL and its action), recorded with its show
// state so that it can be shown again (IDM_SHOW_HIDDEN, or one at a time in
// the hidden-window dialog, IDM_HIDDEN_DIALOG), with the output device in use
// muted for as long as they stay hidden when "消音" (IDC_MUTE) is ticked. No
// window of another program is waited for: hiding and showing are posted to
// it. While windows are concealed, "hidden.dat" beside the executable lists
// them and the muted devices, so that a start after a crash shows them again.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "conceal/master_mute.h"
#include "conceal/recovery_file.h"
#include "core/conceal/conceal_settings.h"
#include "win/desktop_rules.h"
#include "win/panel_feature.h"

struct HiddenWindow {
    HWND window;
    UINT showCommand;  // its show state just before it was hidden
};

// The class of the window that holds the notification icons where they have
// no taskbar (Wine without a desktop); never concealed, like the taskbar.
extern const char STANDALONE_TRAY_CLASS[];

class Concealment final : public PanelFeature {
public:
    explicit Concealment(DesktopRules& desktop);

    std::vector<int> RoutedCommands() const override;
    std::vector<int> InputCommands() const override;  // the "消音" box
    void OnCommand(int id, int code) override;
    // TIMER_SHOWS: whether the windows told to show have shown; while
    // concealed with the mute, TIMER_DEVICES: devices plugged in meanwhile.
    std::vector<UINT_PTR> Timers() const override;
    void OnTimer(UINT_PTR id) override;
    // Windows of programs run as administrator that a pass could not hide:
    // their titles, each told once.
    std::string TakeWarning() override;
    // The concealing items while nothing is concealed, the ways back while
    // something is; the frame stays with the concealed windows.
    void ShowInTray(TrayState& tray) const override;
    // Windows that a crashed or killed run left concealed come back first.
    void SetUp() override;
    void Save(SettingsValues& values) const override;
    void Load(const SettingsValues& values) override;
    // The output device's switch is made ready, so that no key press waits
    // for the audio stack; a recovery file that could not be read is told.
    void AfterShown() override;
    // Every concealed window comes back and every device muted gets its
    // earlier state back.
    void LeaveNothingBehind() override;

    bool Active() const { return !hidden_.empty(); }
    // The concealed windows in the order they were found (the top of the
    // Z-order first; they are hidden from the bottom up).
    const std::vector<HiddenWindow>& Hidden() const { return hidden_; }

    // A pass, with the gate closed meanwhile. Windows still concealed from a
    // pass before, and windows told to show a moment ago that have not shown
    // yet (a busy program), are recorded anew with the rest. With the box
    // ticked the default output device is muted (or stays muted, from a pass
    // before); without it the mutes held from a pass before are given back.
    void Conceal();
    // Shows every concealed window with its saved show command, from the
    // bottom of the Z-order up, empties the list and gives the muted devices
    // their earlier state back. The window that was in front at the
    // concealment comes back in front, once its program has shown it; the
    // others come back without taking the activation.
    void ShowAll();
    // One window dealt with from the hidden-window dialog; nothing happens
    // (and false comes back) when it is not concealed. The last one gone
    // ends the mute. Show: with its saved show command. Close: a window of
    // this thread is destroyed (and, when it is the program's frame, the
    // whole panel with it: nothing of this object may be used afterwards); a
    // window of another thread is shown again and asked to close, so that a
    // window that refuses, or asks to save first, is never left hidden
    // without a record.
    bool ShowOne(HWND window);
    bool CloseOne(HWND window);

    // At start-up: shows every window that the files left by an earlier run
    // list and that still exists in the same process, with its show command
    // (without waiting for its program); gives each device that run muted its
    // earlier state back, keeping those that cannot be reached now.
    void RestoreStrandedWindows();

    // Whether `window` was told to show a moment before `now` and has not
    // been seen shown since.
    bool ShowPending(HWND window, DWORD now) const;

    // The hidden-window dialog tells when it opens and closes: a pass or a
    // show-all replaces the list its lines stand for, and closes it.
    void DialogOpened(HWND dialog) { dialog_ = dialog; }
    void DialogClosed(HWND dialog);

private:
    friend struct PanelInternals;  // the in-process tests' view
    // A window of another program told to show, at that moment.
    struct PendingShow {
        HWND window;
        DWORD since;
    };
    void OpenDialog();
    void ShowAgain(HWND window, int showCommand);
    // Shows every recorded window; all but `front` without activating them.
    void ShowRecordedWindows(HWND front = nullptr);
    // Forgets the shows that have happened or waited too long, and brings
    // the front window forward once it has shown.
    void SettleShows();
    void DropWhatCannotBeHidden();

    void ListChanged();
    // Takes a window off the hidden list, with the way it was shown; false
    // when it is not there.
    bool TakeFromList(HWND window, int& showCommand);
    bool IsRecorded(HWND window) const;
    void CloseDialog();

    DesktopRules& desktop_;
    ConcealState state_;
    std::vector<HiddenWindow> hidden_;
    // Windows of other programs told to show and not seen shown yet: a
    // program that is busy takes its posted show later, and a pass a moment
    // later counts them as shown. Once a window has shown, or after a
    // while, its own program's hide counts.
    std::vector<PendingShow> pendingShows_;
    // The window in front when the windows were concealed, for as long as it
    // is concealed.
    HWND frontWindow_ = nullptr;
    // The window in front at the concealment, waiting for its show after a
    // show-all, to be brought forward then.
    HWND frontToRaise_ = nullptr;
    HWND dialog_ = nullptr;
    // Windows the player has been told could not be hidden, and the warning
    // not yet taken.
    std::vector<HWND> toldCannotHide_;
    std::string warning_;
    SystemOutputDevices devices_;
    RecoveryFile recovery_;
};
