#include "core/shell/tray_layout.h"

#include "res/resource.h"

int TrayIconFor(bool leftOn, bool rightOn)
{
    if (leftOn && rightOn) return IDI_TRAY_BOTH;
    if (leftOn) return IDI_TRAY_LEFT;
    if (rightOn) return IDI_TRAY_RIGHT;
    return IDI_TRAY_NONE;
}

int TrayKeyboardLevel(int index)
{
    const int level = index / TRAY_KEYS_PER_LEVEL;
    return level < TRAY_KEYBOARD_LEVELS ? level : TRAY_KEYBOARD_LEVELS - 1;
}
