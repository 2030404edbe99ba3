// The keyboard repeater: keys of the on-screen keyboard held down and
// repeated into the target window while they are on. Which keys are held is
// the model's KeyRepeatState; each key's button shows it.
#pragma once
#include <windows.h>

#include "core/model/panel_model.h"

// A command that no other route claims: toggles the key with that id, if
// any (its key-down or key-up goes out at once), and restarts the key timer
// when any key is held.
void KeyStep(HWND panel, int commandId, KeyRepeatState& keys);

// The interval edit changed: takes its number and restarts the key timer
// when any key is held.
void TakeKeyInterval(HWND panel, KeyRepeatState& keys);

// One tick (gate and target filter already passed): another key-down for
// every held key that is still down; a key the system reports released is
// let go with a key-up and its button turns off. The first tick after a
// pause presses the held keys again.
void KeyRepeatTick(HWND panel, KeyRepeatState& keys);

// Releases every held key, last of the table first, and turns it off (the
// program or the session ends).
void ReleaseAllKeys(HWND panel, KeyRepeatState& keys);

// A pause in which nothing may be sent (the windows are concealed): every
// held key goes up but stays on; the next tick presses them again.
void LetGoOfKeys(KeyRepeatState& keys);
