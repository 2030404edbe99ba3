// The gesture of an action: its setting dialog and the caption of its button.
#pragma once
#include <windows.h>

struct ActionRecord;

INT_PTR CALLBACK GestureDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Opens the dialog for record `index` and captions the button afterwards.
void EditGesture(HWND panel, int index);

// Captions the record's gesture button, cutting a stored gesture at its first
// entry that is not a direction.
void FormatGestureCaption(HWND panel, ActionRecord& record);

// Every record that has a gesture button.
void CaptionAllGestureButtons(HWND panel);
