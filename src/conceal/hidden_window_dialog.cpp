#include "conceal/hidden_window_dialog.h"

#include "conceal/hidden_windows.h"
#include "res/resource.h"

namespace {

HWND openDialog = nullptr;

LRESULT ToList(HWND dialog, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return SendDlgItemMessageA(dialog, IDC_HIDDEN_LIST, message, wParam, lParam);
}

ConcealState& StateOf(HWND dialog)
{
    return *reinterpret_cast<ConcealState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

// One line per concealed window, the bottom of the Z-order first; each
// line's item data is its window. Titles are read once, now.
void FillList(HWND dialog)
{
    ToList(dialog, LB_RESETCONTENT);
    const std::vector<HiddenWindow>& windows = HiddenWindows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        char title[256] = "";
        GetWindowTextA(it->window, title, sizeof title);
        const LRESULT line = ToList(dialog, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(title));
        ToList(dialog, LB_SETITEMDATA, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(it->window));
    }
    ToList(dialog, LB_SETCURSEL, 0);
}

// A pass or a show-all replaces the list the lines stand for: the dialog
// closes, hidden at once so that a pass does not record it.
void CloseOnListReplaced()
{
    if (!openDialog) return;
    HWND dialog = openDialog;
    openDialog = nullptr;
    OnHiddenListReplaced(nullptr);
    ToList(dialog, LB_RESETCONTENT);
    ShowWindow(dialog, SW_HIDE);
    EndDialog(dialog, 0);
}

enum class Deal { Show, Close };

void DealWithSelectedLine(HWND dialog, Deal deal)
{
    const LRESULT line = ToList(dialog, LB_GETCURSEL);
    if (line < 0 || line >= ToList(dialog, LB_GETCOUNT)) return;
    const auto window =
        reinterpret_cast<HWND>(ToList(dialog, LB_GETITEMDATA, static_cast<WPARAM>(line)));
    ConcealState& state = StateOf(dialog);
    ToList(dialog, LB_DELETESTRING, static_cast<WPARAM>(line));
    if (deal == Deal::Show) {
        ShowHiddenWindow(window, state);
    } else {
        CloseHiddenWindow(window, state);
    }
    // Closing the program's own frame takes this dialog with it.
    if (!IsWindow(dialog) || openDialog != dialog) return;
    if (!AnyWindowsHidden()) {
        EndDialog(dialog, 0);
        return;
    }
    const LRESULT count = ToList(dialog, LB_GETCOUNT);
    ToList(dialog, LB_SETCURSEL, static_cast<WPARAM>(line < count ? line : count - 1));
}

}  // namespace

void OpenHiddenWindowDialog(HWND panel, TimerGate& gate, ConcealState& state)
{
    if (!AnyWindowsHidden()) return;
    if (openDialog) {
        SetForegroundWindow(openDialog);
        return;
    }
    ScopedTimerGate closed(gate);
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(panel, GWLP_HINSTANCE));
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_HIDDEN_WINDOWS), panel, HiddenWindowDlgProc,
                    reinterpret_cast<LPARAM>(&state));
}

INT_PTR CALLBACK HiddenWindowDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        if (!AnyWindowsHidden()) {
            EndDialog(dialog, 0);
            return 0;
        }
        openDialog = dialog;
        OnHiddenListReplaced(CloseOnListReplaced);
        FillList(dialog);
        return 0;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_HIDDEN_SHOW_ALL:
            ShowAllHiddenWindows(StateOf(dialog));
            if (IsWindow(dialog)) EndDialog(dialog, 1);
            break;
        case IDC_HIDDEN_SHOW:
            DealWithSelectedLine(dialog, Deal::Show);
            break;
        case IDC_HIDDEN_CLOSE:
            DealWithSelectedLine(dialog, Deal::Close);
            break;
        default:  // Enter and Escape do nothing
            break;
        }
        return 0;
    case WM_CLOSE:
        EndDialog(dialog, 0);
        return 0;
    case WM_DESTROY:
        if (openDialog == dialog) {
            openDialog = nullptr;
            OnHiddenListReplaced(nullptr);
        }
        return 0;
    default:
        return 0;
    }
}
