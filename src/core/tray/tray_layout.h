// What the tray shows, as plain choices: its four state icons, the menu
// items' checks and greying, and where each key goes in the nested keyboard
// submenu.
#pragma once
#include <vector>

// The four state icons, in the order of their resources: which of the two
// click repeaters are on.
enum class TrayIcon { Neither, Left, Right, Both };
constexpr int TRAY_ICON_COUNT = 4;

// What the tray shows of the features, gathered from them whenever it is
// needed: the icon's picture, whether the frame is visible (the show/hide
// item's text), and menu items that are checked or greyed. An item is
// checked when any feature checks it and greyed when any feature greys it.
struct TrayState {
    struct Item {
        int id;
        bool checked;
        bool enabled;
    };
    TrayIcon icon = TrayIcon::Neither;
    bool frameVisible = false;
    std::vector<Item> items;

    void Check(int id, bool checked) { items.push_back({id, checked, true}); }
    void Enable(int id, bool enabled) { items.push_back({id, false, enabled}); }
};

// The keyboard submenu holds 20 keys per level and one more, 21, on the
// fourth and last level. Level of the key at table index `index` (0 to 80).
constexpr int TRAY_KEYS_PER_LEVEL = 20;
constexpr int TRAY_KEYBOARD_LEVELS = 4;
int TrayKeyboardLevel(int index);
