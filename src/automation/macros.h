// The three macro slots: each with its "有効" and "繰り返す" boxes, its "実行"
// and "記録" buttons and its tray item, the record-key list, and the engine
// that records and plays them. "有効" makes a recorded slot playable,
// "繰り返す" makes it loop.
#pragma once
#include <windows.h>

#include "automation/macro_engine.h"
#include "core/automation/macro_settings.h"
#include "win/panel_feature.h"

class Macros final : public PanelFeature {
public:
    explicit Macros(DesktopRules& desktop);

    // The "有効" boxes, "実行", "記録", the tray items and the forced stop.
    std::vector<int> RoutedCommands() const override;
    // The "繰り返す" boxes and the record-key list.
    std::vector<int> InputCommands() const override;
    void OnCommand(int id, int code) override;
    // TIMER_MACRO: the engine's ticks.
    std::vector<UINT_PTR> Timers() const override;
    void OnTimer(UINT_PTR id) override;
    // A slot's tray item is greyed while its "有効" is clear.
    void ShowInTray(TrayState& tray) const override;
    void SetUp() override;
    void Save(SettingsValues& values) const override;
    void Load(const SettingsValues& values) override;
    void LeaveNothingBehind() override;

    // The forced stop.
    void Stop() { engine_.Stop(); }
    bool Running() const { return engine_.Running(); }
    // Whether the command would start a recording or a playback.
    static bool Starts(int id);
    // The slot's hotkey and gesture buttons follow the slot's other
    // controls: usable while it has a recording and nothing runs.
    bool SlotActionsUsable(int slot) const;

    // WMU_MACROSTOPPED: after an operation ends or fails to start, every
    // slot is refreshed (one that has just got its first recording becomes
    // playable).
    void RestoreControls();

private:
    friend struct PanelInternals;  // the in-process tests' view
    // Enables the slot's controls from its file and its "有効" box: without
    // a file only "記録" stays enabled; with one, "実行" follows the box.
    void UpdateSlotControls(int slot);
    // The gate stays closed for the operation (WMU_MACROSTOPPED opens it)
    // and every macro control is disabled.
    void CloseGateForOperation();
    void Record(int slot);
    void Execute(int slot);

    MacroState state_;
    MacroEngine engine_;
};
