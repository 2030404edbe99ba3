#include "core/tray/tray_layout.h"

TrayIcon TrayIconFor(bool leftOn, bool rightOn)
{
    if (leftOn && rightOn) return TrayIcon::Both;
    if (leftOn) return TrayIcon::Left;
    if (rightOn) return TrayIcon::Right;
    return TrayIcon::Neither;
}

int TrayKeyboardLevel(int index)
{
    const int level = index / TRAY_KEYS_PER_LEVEL;
    return level < TRAY_KEYBOARD_LEVELS ? level : TRAY_KEYBOARD_LEVELS - 1;
}

bool TrayState::Checked(int id) const
{
    for (const Item& item : items) {
        if (item.id == id && item.checked) return true;
    }
    return false;
}

bool TrayState::Enabled(int id) const
{
    for (const Item& item : items) {
        if (item.id == id && !item.enabled) return false;
    }
    return true;
}
