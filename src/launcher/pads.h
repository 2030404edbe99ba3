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
#include "win/panel_feature.h"

// What the panel hears of the pads.
class PadsHost {
public:
    // A started program's window is in front.
    virtual void ProgramStarted(HWND foreground) = 0;

protected:
    ~PadsHost() = default;
};

// Above every notification code a static control sends of its own.
constexpr int PAD_COMMAND_CODE = 0x4000;

class Pads final : public PanelFeature, private PadHost {
public:
    Pads(HWND panel, TimerGate& gate, PadsHost& host);

    std::vector<int> InputCommands() const override;
    void OnCommand(int id, int code) override;
    // The pads take over their static controls, 34 pixels square.
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
    void ProgramStarted(HWND foreground) override { host_.ProgramStarted(foreground); }
    FileDialogLibrary& FileDialog() override { return fileDialog_; }
    void PadCommand(cAppIconClass& pad, int command) override;

    HWND panel_;
    TimerGate& gate_;
    PadsHost& host_;
    FileDialogLibrary fileDialog_;
    cAppIconClass pads_[PAD_COUNT];
};
