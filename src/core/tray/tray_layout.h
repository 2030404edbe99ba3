// What the tray shows, as plain choices: the state icon for the two click
// repeaters and where each key goes in the nested keyboard submenu.
#pragma once

// The four state icons, in the order of their resources.
enum class TrayIcon { Neither, Left, Right, Both };
constexpr int TRAY_ICON_COUNT = 4;

// The icon for the left and right repeater states.
TrayIcon TrayIconFor(bool leftOn, bool rightOn);

// The keyboard submenu holds 20 keys per level and one more, 21, on the
// fourth and last level. Level of the key at table index `index` (0 to 80).
constexpr int TRAY_KEYS_PER_LEVEL = 20;
constexpr int TRAY_KEYBOARD_LEVELS = 4;
int TrayKeyboardLevel(int index);
