// The left and right click repeaters: each a ClickRepeatState of the model,
// a timer of the panel and a toggle button that shows the state.
#pragma once
#include <windows.h>

#include "core/model/panel_model.h"

enum class ClickButton { Left, Right };

// Flips the repeater's state and applies it.
void FlipClickRepeat(HWND panel, ClickButton which, ClickRepeatState& state);

// The interval edit changed: takes its number (0 when it holds none) and
// applies the repeater.
void TakeClickInterval(HWND panel, ClickButton which, ClickRepeatState& state);

// (Re)starts or stops the repeater's timer from its state and interval and
// captions its toggle. A repeater switched off between a button-down and its
// button-up sends the button-up at once, and its next click starts with a
// button-down.
void ApplyClickRepeat(HWND panel, ClickButton which, ClickRepeatState& state);

// One timer tick (gate and target filter already passed): a button-down or
// button-up at the cursor, alternately.
void ClickRepeatTick(ClickButton which, ClickRepeatState& state);

// The program ends or the session does: a button the repeater holds down is
// let go.
void ReleaseClickButton(ClickButton which, ClickRepeatState& state);
