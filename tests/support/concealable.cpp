#include "support/concealable.h"

#include <cstring>

namespace {

BOOL CALLBACK CollectConcealable(HWND window, LPARAM data)
{
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    if (IsWindowVisible(window) && GetWindowTextLengthA(window) > 0 &&
        std::strcmp(name, "Progman") != 0 && std::strcmp(name, "Shell_TrayWnd") != 0 &&
        std::strcmp(name, "__winex11_standalone_tray") != 0) {
        reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
    }
    return TRUE;
}

}  // namespace

std::vector<HWND> ConcealableWindows()
{
    std::vector<HWND> windows;
    EnumWindows(CollectConcealable, reinterpret_cast<LPARAM>(&windows));
    return windows;
}
