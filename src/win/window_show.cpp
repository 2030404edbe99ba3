#include "win/window_show.h"

void ShowWindowWithoutWaiting(HWND window, int showCommand)
{
    if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) {
        ShowWindow(window, showCommand);
    } else {
        ShowWindowAsync(window, showCommand);
    }
}
