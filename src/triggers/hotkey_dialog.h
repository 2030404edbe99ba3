// The hotkey of an action: its dialog and the re-registration after it.
#pragma once
#include <windows.h>

INT_PTR CALLBACK HotkeyDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Opens the dialog for record `index`, re-registers its hotkey and captions
// the button (or reports a combination that cannot be registered).
void EditHotkey(HWND panel, int index);

// Writes every record's hotkey caption into its button.
void CaptionAllHotkeyButtons(HWND panel);
