// The triggers: the nine actions' global hotkeys and mouse gestures, their
// buttons and dialogs, the gesture settings (distance, time, the key held
// while gesturing) and the sampling timer. A hotkey or a completed gesture
// sends the panel its action's command, as the action's button would.
#pragma once
#include <windows.h>

#include "core/triggers/trigger_settings.h"
#include "win/desktop_rules.h"
#include "win/panel_feature.h"

class Triggers final : public PanelFeature {
public:
    explicit Triggers(DesktopRules& desktop);

    // The distance and time edits (and their spins).
    std::vector<int> RoutedCommands() const override;
    // The hotkey and gesture buttons (each opens its dialog) and the key
    // list. Opening the hotkey dialog releases every hotkey, the forced
    // stop's too: a running macro ends first, as that hotkey would end it.
    std::vector<int> InputCommands() const override;
    void OnCommand(int id, int code) override;
    std::vector<UINT_PTR> Timers() const override;
    void OnTimer(UINT_PTR id) override;
    void SetUp() override;
    void Save(SettingsValues& values) const override;
    // Also registers every hotkey and starts the sampling timer.
    void Load(const SettingsValues& values) override;
    // Tells the player of the combinations refused at start.
    void AfterShown() override;

    // WM_HOTKEY: the action of the hotkey id runs.
    void OnHotkey(int hotkeyId);
    // An action's hotkey and gesture buttons, enabled or not.
    void EnableActionButtons(int index, bool enable);
    // The hotkey dialog is open, and with it every hotkey released.
    bool EditingHotkey() const { return editingHotkey_; }

private:
    friend struct PanelInternals;  // the in-process tests' view
    // Sends the panel the action's command.
    void Run(int index);

    DesktopRules& desktop_;
    ActionState actions_[ACTION_COUNT];
    GestureState gestures_;
    bool editingHotkey_ = false;
    std::vector<int> refusedAtStart_;
};
