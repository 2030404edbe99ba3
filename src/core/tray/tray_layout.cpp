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
