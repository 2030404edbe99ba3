// The left and right click repeaters: a toggle whose face colour is its
// state, a timer of the panel, and the phase of the next button event.
#pragma once
#include <windows.h>

enum class ClickButton { Left, Right };

// Flips the repeater's state and applies it.
void FlipClickRepeat(HWND panel, ClickButton which);

// (Re)starts or stops the repeater's timer from its state and interval,
// captions its toggle and has the tray icon follow.
void ApplyClickRepeat(HWND panel, ClickButton which);

// One timer tick (gate and target filter already passed): a button-down or
// button-up at the cursor, alternately.
void ClickRepeatTick(ClickButton which);

bool ClickRepeatIsOn(ClickButton which);
