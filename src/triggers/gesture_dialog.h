// The gesture of an action: its setting dialog and the caption of its button.
#pragma once
#include <windows.h>

#include "win/panel_gate.h"
#include "core/triggers/trigger_settings.h"

// Dialog IDD_GESTURE. Its creation parameter is the GestureSequence it shows and, on
// OK, changes.
INT_PTR CALLBACK GestureDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Opens the dialog for action `index` and captions its button afterwards.
void EditGesture(HWND panel, ActionState (&actions)[ACTION_COUNT], int index);

// Captions the action's gesture button, cutting a stored gesture at its first
// entry that is not a direction.
void FormatGestureCaption(HWND panel, ActionState (&actions)[ACTION_COUNT], int index);

// Every action that has a gesture button.
void CaptionAllGestureButtons(HWND panel, ActionState (&actions)[ACTION_COUNT]);
