#include "conceal/hidden_window_dialog.h"

#include "app/timer_gate.h"
#include "conceal/hidden_windows.h"
#include "res/resource.h"

namespace {

HWND openDialog = nullptr;

LRESULT ToList(HWND dialog, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return SendDlgItemMessageA(dialog, IDC_HIDDEN_LIST, message, wParam, lParam);
}

// One line per record, newest first; each line's item data is its record.
// Titles are read once, now.
void FillList(HWND dialog)
{
    ToList(dialog, LB_RESETCONTENT);
    for (HiddenWindowRecord* record = hiddenWindows; record; record = record->next) {
        char title[256] = "";
        GetWindowTextA(record->window, title, sizeof title);
        const LRESULT line = ToList(dialog, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(title));
        ToList(dialog, LB_SETITEMDATA, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(record));
    }
    ToList(dialog, LB_SETCURSEL, 0);
}

enum class Deal { Show, Close };

void DealWithSelectedLine(HWND dialog, Deal deal)
{
    const LRESULT line = ToList(dialog, LB_GETCURSEL);
    if (line < 0 || line >= ToList(dialog, LB_GETCOUNT)) return;
    auto* record =
        reinterpret_cast<HiddenWindowRecord*>(ToList(dialog, LB_GETITEMDATA, static_cast<WPARAM>(line)));
    // The line goes before its record is freed.
    ToList(dialog, LB_DELETESTRING, static_cast<WPARAM>(line));
    if (deal == Deal::Show) {
        ShowHiddenWindow(record);
    } else {
        CloseHiddenWindow(record);
    }
    // Closing the program's own frame takes this dialog with it, and a pass
    // run meanwhile closes it: either way there is nothing left to select.
    if (!IsWindow(dialog) || openDialog != dialog) return;
    if (!AnyWindowsHidden()) {
        EndDialog(dialog, 0);
        return;
    }
    const LRESULT count = ToList(dialog, LB_GETCOUNT);
    ToList(dialog, LB_SETCURSEL, static_cast<WPARAM>(line < count ? line : count - 1));
}

}  // namespace

void OpenHiddenWindowDialog(HWND panel, HINSTANCE instance)
{
    if (!AnyWindowsHidden()) return;
    if (openDialog) {
        SetForegroundWindow(openDialog);
        return;
    }
    // Nothing is clicked or typed into the dialog by a repeater meanwhile:
    // its "閉じる" closes other programs' windows.
    ScopedTimerGate gate(panel);
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_HIDDEN_WINDOWS), panel, HiddenWindowDlgProc, 0);
}

INT_PTR CALLBACK HiddenWindowDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        if (!AnyWindowsHidden()) {
            EndDialog(dialog, 0);
            return 0;
        }
        openDialog = dialog;
        FillList(dialog);
        return 0;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_HIDDEN_SHOW_ALL:
            ShowAllHiddenWindows();
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
        if (openDialog == dialog) openDialog = nullptr;
        return 0;
    default:
        return 0;
    }
}

void CloseHiddenWindowDialog()
{
    if (!openDialog) return;
    HWND dialog = openDialog;
    openDialog = nullptr;
    SendDlgItemMessageA(dialog, IDC_HIDDEN_LIST, LB_RESETCONTENT, 0, 0);
    // Hidden at once, so that a concealment that closes it does not record it.
    ShowWindow(dialog, SW_HIDE);
    EndDialog(dialog, 0);
}
