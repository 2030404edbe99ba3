// The three macro slots on the panel: their six controls each, and the record
// and execute commands that start the engine. The check boxes are the slots'
// state: "有効" makes a recorded slot playable, "繰り返す" makes it loop.
#pragma once
#include <windows.h>

// Enables the slot's controls from its file and its "有効" box: without a
// file only "記録" stays enabled; with one, "実行" follows the box.
void UpdateSlotControls(HWND panel, int slot);

// UpdateSlotControls for every slot, in slot order.
void UpdateAllSlotControls(HWND panel);

// After an operation ends (WMU_MACROSTOPPED) or fails to start: every slot
// refreshed, then the timer gate opened.
void RestoreMacroControls(HWND panel);

// "記録" of a slot: closes the gate, disables every macro control and waits
// for the record key chosen in the record-key list.
void RecordMacroSlot(HWND panel, int slot);

// "実行" of a slot, its tray item or its action: plays the slot when it is
// enabled and nothing runs.
void ExecuteMacroSlot(HWND panel, int slot);
