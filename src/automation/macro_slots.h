// The three macro slots on the panel: their six controls each, and the record
// and execute commands that start the engine. The slots' check boxes are the
// model's MacroState: "有効" makes a recorded slot playable, "繰り返す" makes
// it loop.
#pragma once
#include <windows.h>

#include "automation/macro_engine.h"
#include "core/model/panel_model.h"
#include "core/shell/timer_gate.h"

// What the slot commands work with: the panel, its macro state, its timer
// gate (closed from the start of an operation until its end) and whom the
// engine tells of the end.
struct MacroSlots {
    HWND panel;
    MacroState& state;
    TimerGate& gate;
    MacroObserver& observer;
};

// Enables the slot's controls from its file and its "有効" box: without a
// file only "記録" stays enabled; with one, "実行" follows the box.
void UpdateSlotControls(HWND panel, const MacroState& state, int slot);

// UpdateSlotControls for every slot, in slot order.
void UpdateAllSlotControls(HWND panel, const MacroState& state);

// A slot's "有効" or "繰り返す" box was clicked: the model follows the boxes,
// and the slot's controls follow "有効".
void TakeSlotBoxes(HWND panel, MacroState& state, int slot);

// The record-key list changed: the model follows it.
void TakeRecordKey(HWND panel, MacroState& state);

// After an operation ends or fails to start: every slot refreshed, then the
// gate opened.
void RestoreMacroControls(const MacroSlots& slots);

// "記録" of a slot: closes the gate, disables every macro control and waits
// for the record key chosen in the record-key list.
void RecordMacroSlot(const MacroSlots& slots, int slot);

// "実行" of a slot, its tray item or its action: plays the slot when it is
// enabled and nothing runs.
void ExecuteMacroSlot(const MacroSlots& slots, int slot);
