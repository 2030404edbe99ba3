// The four launcher pads (IDC_PAD1 to IDC_PAD4): each holds one registered
// file, shows its large icon and starts it. Their commands (the pad menu's
// items, a double click) come to the panel as WM_COMMAND with the pad's
// control id and PAD_COMMAND_CODE plus the pad command as notification
// code, and back here; the statics' own notifications come the same way and
// are left alone.
#pragma once
#include <windows.h>

#include "core/panel/timer_gate.h"
#include "launcher/file_dialog_library.h"
#include "launcher/launcher_pad.h"
#include "win/desktop_rules.h"
#include "win/panel_feature.h"
#include "win/scoped.h"

// What the panel hears of the pads.
class PadsHost {
public:
    // The window of a program a pad started, to become the repeaters' target.
    virtual void ProgramStarted(HWND window) = 0;

protected:
    ~PadsHost() = default;
};

// Above every notification code a static control sends of its own.
constexpr int PAD_COMMAND_CODE = 0x4000;

class Pads final : public PanelFeature, private PadHost {
public:
    Pads(HWND panel, TimerGate& gate, DesktopRules& desktop, PadsHost& host);

    std::vector<int> InputCommands() const override;
    void OnCommand(int id, int code) override;
    // TIMER_LAUNCH: whether the started program has shown its window.
    std::vector<UINT_PTR> Timers() const override;
    void OnTimer(UINT_PTR id) override;
    // The pads take over their static controls, 34 pixels square, and take
    // dropped files from Explorer also when this program runs as
    // administrator.
    void SetUp() override;
    void Save(SettingsValues& values) const override;
    // Each pad gets its path back (ReloadPadFile).
    void Load(const SettingsValues& values) override;
    void AfterShown() override;
    // The pads let go of their controls, emptied.
    void ShutDown() override;

private:
    friend struct PanelInternals;  // the in-process tests' view
    TimerGate& Gate() override { return gate_; }
    // The started program's own first titled window becomes the target, not
    // whatever is in front a moment later (its launcher, a splash screen,
    // another program): it is looked for, without waiting, for about ten
    // seconds. Without a process the window in front is taken, as it is
    // when the process ends before it shows one.
    void ProgramLaunched(HANDLE process) override;
    FileDialogLibrary& FileDialog() override { return fileDialog_; }
    void PadCommand(cAppIconClass& pad, int command) override;

    HWND panel_;
    TimerGate& gate_;
    DesktopRules& desktop_;
    PadsHost& host_;
    ScopedHandle launched_;  // the started program looked at
    DWORD launchedAt_ = 0;
    FileDialogLibrary fileDialog_;
    cAppIconClass pads_[PAD_COUNT];
};
