// The three macro slots: each with its "有効" and "繰り返す" boxes, its "実行"
// and "記録" buttons and its tray item, the record-key list, and the engine
// that records and plays them. "有効" makes a recorded slot playable,
// "繰り返す" makes it loop.
#pragma once
#include <windows.h>

#include "automation/macro_engine.h"
#include "core/automation/macro_settings.h"
#include "core/panel/timer_gate.h"
#include "win/panel_feature.h"

// What the panel hears of the macros.
class MacroHost {
public:
    // Whether an operation may start now: not while every window is
    // concealed (a macro would click the bare desktop), nor while the
    // hotkeys are released for the hotkey dialog (nothing could stop it).
    virtual bool MacroMayStart() = 0;
    // An operation starts: what the repeaters hold down is let go.
    virtual void MacroStarting() = 0;
    // The slot's action buttons (its hotkey and gesture) follow the slot's
    // other controls: usable while it has a recording and nothing runs.
    virtual void SlotActionsUsable(int slot, bool usable) = 0;

protected:
    ~MacroHost() = default;
};

class Macros final : public PanelFeature, private MacroObserver {
public:
    Macros(HWND panel, TimerGate& gate, DesktopRules& desktop, MacroHost& host);

    // The "有効" boxes, "実行", "記録" and the tray items.
    std::vector<int> RoutedCommands() const override;
    // The "繰り返す" boxes and the record-key list.
    std::vector<int> InputCommands() const override;
    void OnCommand(int id, int code) override;
    void SetUp() override;
    void Save(SettingsValues& values) const override;
    void Load(const SettingsValues& values) override;
    void LeaveNothingBehind() override;

    // The forced stop.
    void Stop() { engine_.Stop(); }
    bool Running() const { return engine_.Running(); }
    bool SlotEnabled(int slot) const { return state_.slots[slot].enabled; }

    // After an operation ends or fails to start: every slot refreshed, then
    // the gate opened.
    void RestoreControls();

private:
    friend struct PanelInternals;  // the in-process tests' view
    void MacroStopped(int slot) override;
    // Enables the slot's controls from its file and its "有効" box: without
    // a file only "記録" stays enabled; with one, "実行" follows the box.
    void UpdateSlotControls(int slot);
    void CloseGateForOperation();
    void Record(int slot);
    void Execute(int slot);

    HWND panel_;
    TimerGate& gate_;
    MacroHost& host_;
    MacroState state_;
    MacroEngine engine_;
};
