// Small set-up steps of a dialog's controls that several features share.
#pragma once
#include <windows.h>

#include <cstdint>

// Binds the spin to its edit, with its range and position; the edit's text
// is left to the caller.
void SetUpSpin(HWND dialog, int spinId, int editId, int low, int high, std::uint32_t position);

// Enables or disables a control of the dialog.
void EnableControl(HWND dialog, int id, bool enable);

// Ticks or clears a check box of the dialog, and reads one.
void CheckBox(HWND dialog, int id, bool checked);
bool BoxChecked(HWND dialog, int id);
