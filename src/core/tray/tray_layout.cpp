#include "core/tray/tray_layout.h"

int TrayKeyboardLevel(int index)
{
    const int level = index / TRAY_KEYS_PER_LEVEL;
    return level < TRAY_KEYBOARD_LEVELS ? level : TRAY_KEYBOARD_LEVELS - 1;
}
