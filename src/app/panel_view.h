// The panel's controls as a view of the model: the owner-drawn buttons paint
// their faces from it, and the edits, boxes and lists are set from it.
#pragma once
#include <windows.h>

#include "core/model/panel_model.h"

// Makes every push button of the panel owner-drawn: the thirteen command
// buttons, the 81 keys and the actions' hotkey and gesture buttons.
void AttachPanelButtons(HWND panel);

// The face of an owner-drawn button: a toggle (a click repeater, a key) in
// the colour of its state, every other button in the panel's colour.
COLORREF FaceOf(int controlId, const PanelModel& model);

// WM_DRAWITEM: paints the button the item is about.
void DrawPanelItem(const DRAWITEMSTRUCT& item, const PanelModel& model);

// Sets the edits, check boxes and lists from the model (intervals, gesture
// settings and keys, "消音", the image folder, the macro slots' boxes).
void ShowModel(HWND panel, const PanelModel& model);

// Fills the gesture key and record key lists.
void FillKeyLists(HWND panel);
