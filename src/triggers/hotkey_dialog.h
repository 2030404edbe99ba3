// The hotkey of an action: its dialog and the re-registration after it.
#pragma once
#include <windows.h>

#include "win/panel_gate.h"
#include "core/triggers/trigger_settings.h"
#include "win/desktop_rules.h"

// Dialog IDD_HOTKEY. Its creation parameter is the HotkeyChoice it shows and, on
// OK, fills.
INT_PTR CALLBACK HotkeyDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

struct HotkeyChoice {
    std::uint32_t modifiers;
    std::uint32_t virtualKey;
};

// Opens the dialog for action `index` with every hotkey of the program
// released, so the key field receives any combination. Afterwards the other
// actions' hotkeys are registered again, then the chosen combination; when
// the system refuses it (another action or another program holds it), the
// "RegisterHotKey" error is shown and the action, its caption and its
// registration stay as they were. An emptied field clears the action's key,
// which registers nothing, for any number of actions. Cancel keeps the
// action as it was.
void EditHotkey(const DesktopRules& desktop, HWND panel,
                ActionState (&actions)[ACTION_COUNT], int index);

// Captions the action's hotkey button with its combination.
void CaptionHotkeyButton(HWND panel, const ActionState (&actions)[ACTION_COUNT], int index);
