// What the tray shows, as plain choices: the state icon for the two click
// repeaters and where each key goes in the nested keyboard submenu.
#pragma once

// Icon resource for the left and right repeater states: 102 neither, 103
// left, 104 right, 105 both.
int TrayIconFor(bool leftOn, bool rightOn);

// The keyboard submenu holds 20 keys per level and one more, 21, on the
// fourth and last level. Level of the key at table index `index` (0 to 80).
constexpr int TRAY_KEYS_PER_LEVEL = 20;
constexpr int TRAY_KEYBOARD_LEVELS = 4;
int TrayKeyboardLevel(int index);
