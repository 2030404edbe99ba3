// The keyboard repeater: keys of the on-screen keyboard held down and
// repeated into the target window while they are on.
#pragma once
#include <windows.h>

// A command that no other route claims: toggles the key with that id, if
// any, and restarts the key timer when any key is on.
void KeyStep(HWND panel, int commandId);

// The interval edit changed: restart the key timer when any key is on.
void KeyIntervalChanged(HWND panel);

// One tick (gate and target filter already passed): another key-down for
// every key that is on and still down; a key the system reports released is
// switched off with a key-up.
void KeyRepeatTick();

// Releases every key that is on and switches it off: the system is ending
// the session, and static objects may never be destroyed.
void ReleaseAllKeys();
