#include "automation/target_window.h"

#include "app/app_state.h"
#include "app/panel_messages.h"
#include "res/resource.h"

namespace {

LPARAM SelectedTarget(HWND panel)
{
    const LRESULT index = SendDlgItemMessageA(panel, IDC_TARGET_LIST, CB_GETCURSEL, 0, 0);
    return SendDlgItemMessageA(panel, IDC_TARGET_LIST, CB_GETITEMDATA,
                               static_cast<WPARAM>(index), 0);
}

void AddTarget(HWND panel, const char* title, HWND window)
{
    const LRESULT index = SendDlgItemMessageA(panel, IDC_TARGET_LIST, CB_ADDSTRING, 0,
                                              reinterpret_cast<LPARAM>(title));
    SendDlgItemMessageA(panel, IDC_TARGET_LIST, CB_SETITEMDATA, static_cast<WPARAM>(index),
                        reinterpret_cast<LPARAM>(window));
}

BOOL CALLBACK ListTopLevelWindow(HWND window, LPARAM panel)
{
    if (window == frameWindow || !IsWindowVisible(window) || GetWindowTextLengthA(window) == 0)
        return TRUE;
    char title[256] = "";
    GetWindowTextA(window, title, sizeof title);
    if (title[0] != '\0') AddTarget(reinterpret_cast<HWND>(panel), title, window);
    return TRUE;
}

}  // namespace

bool TargetFilterPasses(HWND panel)
{
    HWND foreground = GetForegroundWindow();
    const auto target = reinterpret_cast<HWND>(SelectedTarget(panel));
    if (foreground == frameWindow) return false;
    if (target != nullptr && foreground != target) return false;
    return true;
}

void RefreshTargetList(HWND panel)
{
    // CB_ERR when nothing is selected yet, as at start-up.
    const LPARAM previous = SelectedTarget(panel);
    SendDlgItemMessageA(panel, IDC_TARGET_LIST, CB_RESETCONTENT, 0, 0);
    AddTarget(panel, "全てのウィンド", nullptr);
    EnumWindows(ListTopLevelWindow, reinterpret_cast<LPARAM>(panel));
    SendDlgItemMessageA(panel, IDC_TARGET_LIST, CB_SETCURSEL, 0, 0);
    if (previous != 0) SendMessageA(panel, WMU_SELECTTARGET, static_cast<WPARAM>(previous), 0);
}

void SelectTargetWindow(HWND panel, HWND window)
{
    SendMessageA(panel, WM_COMMAND, IDC_TARGET_REFRESH, 0);
    const LRESULT count = SendDlgItemMessageA(panel, IDC_TARGET_LIST, CB_GETCOUNT, 0, 0);
    for (LRESULT i = count - 1; i >= 0; --i) {
        const LRESULT data = SendDlgItemMessageA(panel, IDC_TARGET_LIST, CB_GETITEMDATA,
                                                 static_cast<WPARAM>(i), 0);
        if (reinterpret_cast<HWND>(data) == window) {
            SendDlgItemMessageA(panel, IDC_TARGET_LIST, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
            return;
        }
    }
}
