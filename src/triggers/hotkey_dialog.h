// The hotkey of an action: its dialog and the re-registration after it.
#pragma once
#include <windows.h>

INT_PTR CALLBACK HotkeyDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Opens the dialog for record `index` with every hotkey of the program
// released, so the key field receives any combination. Afterwards the other
// records' hotkeys are registered again, then the chosen combination; when
// the system refuses it (another record or another program holds it), the
// "RegisterHotKey" error is shown and the record, its caption and its
// registration stay as they were. Cancel keeps the record as it was.
void EditHotkey(HWND panel, int index);

// Writes every record's hotkey caption into its button.
void CaptionAllHotkeyButtons(HWND panel);
