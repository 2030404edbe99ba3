// The mouse's buttons as synthetic input and the key state name them: the
// physical ones. With the buttons swapped (the left-handed setting) the
// player's primary button, the one a "left click" means, is the physical
// right one, and Windows maps synthetic input as it maps the mouse's own.
#pragma once
#include <windows.h>

struct PhysicalButton {
    int virtualKey;  // for the key state
    DWORD downEvent;
    DWORD upEvent;
};

inline PhysicalButton PhysicalButtonFor(bool primary, bool swapped)
{
    if (primary != swapped) return {VK_LBUTTON, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP};
    return {VK_RBUTTON, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP};
}
