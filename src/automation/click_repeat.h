// The left and right click repeaters: a toggle whose face colour is its
// state, a timer of the panel, and the phase of the next button event.
#pragma once
#include <windows.h>

enum class ClickButton { Left, Right };

// Flips the repeater's state and applies it.
void FlipClickRepeat(HWND panel, ClickButton which);

// (Re)starts or stops the repeater's timer from its state and interval,
// captions its toggle and has the tray icon follow. A repeater switched off
// between a button-down and its button-up sends the button-up at once, and
// its next click starts with a button-down.
void ApplyClickRepeat(HWND panel, ClickButton which);

// The program ends or the session does: any button a repeater holds down is
// let go.
void ReleaseClickButtons();

// One timer tick (gate and target filter already passed): a button-down or
// button-up at the cursor, alternately.
void ClickRepeatTick(ClickButton which);

bool ClickRepeatIsOn(ClickButton which);
