#include "automation/target_window.h"

#include "res/resource.h"

namespace {

LRESULT ToList(HWND panel, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return SendDlgItemMessageA(panel, IDC_TARGET_LIST, message, wParam, lParam);
}

void AddTarget(HWND panel, const char* title, HWND window)
{
    const LRESULT index = ToList(panel, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(title));
    ToList(panel, CB_SETITEMDATA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(window));
}

BOOL CALLBACK ListTopLevelWindow(HWND window, LPARAM panelData)
{
    HWND panel = reinterpret_cast<HWND>(panelData);
    if (window == GetParent(panel) || !IsWindowVisible(window) || GetWindowTextLengthA(window) == 0)
        return TRUE;
    char title[256] = "";
    GetWindowTextA(window, title, sizeof title);
    if (title[0] != '\0') AddTarget(panel, title, window);
    return TRUE;
}

// Selects the item whose window is `target`, searching from the last item to
// the first; false when none is.
bool SelectItemOf(HWND panel, std::uintptr_t target)
{
    for (LRESULT i = ToList(panel, CB_GETCOUNT) - 1; i >= 0; --i) {
        if (static_cast<std::uintptr_t>(ToList(panel, CB_GETITEMDATA, static_cast<WPARAM>(i))) ==
            target) {
            ToList(panel, CB_SETCURSEL, static_cast<WPARAM>(i));
            return true;
        }
    }
    return false;
}

}  // namespace

bool TargetFilterPasses(HWND panel, std::uintptr_t target)
{
    HWND foreground = GetForegroundWindow();
    if (foreground == GetParent(panel)) return false;
    if (target != 0 && reinterpret_cast<std::uintptr_t>(foreground) != target) return false;
    return true;
}

void RefreshTargetList(HWND panel, std::uintptr_t& target)
{
    ToList(panel, CB_RESETCONTENT);
    AddTarget(panel, "全てのウィンド", nullptr);
    EnumWindows(ListTopLevelWindow, reinterpret_cast<LPARAM>(panel));
    ToList(panel, CB_SETCURSEL, 0);
    // The chosen window stays chosen while it is listed (found by handle,
    // whatever its title has become).
    if (target == 0 || !SelectItemOf(panel, target)) target = 0;
}

void SelectTargetWindow(HWND panel, std::uintptr_t& target, HWND window)
{
    RefreshTargetList(panel, target);
    const auto wanted = reinterpret_cast<std::uintptr_t>(window);
    if (SelectItemOf(panel, wanted)) target = wanted;
}

void TakeTargetSelection(HWND panel, std::uintptr_t& target)
{
    const LRESULT index = ToList(panel, CB_GETCURSEL);
    target = index == CB_ERR ? 0
                             : static_cast<std::uintptr_t>(
                                   ToList(panel, CB_GETITEMDATA, static_cast<WPARAM>(index)));
}
