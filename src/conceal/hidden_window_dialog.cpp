#include "conceal/hidden_window_dialog.h"

#include "conceal/concealment.h"
#include "res/resource.h"

namespace {

LRESULT ToList(HWND dialog, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return SendDlgItemMessageA(dialog, IDC_HIDDEN_LIST, message, wParam, lParam);
}

Concealment& ConcealmentOf(HWND dialog)
{
    return *reinterpret_cast<Concealment*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

// One line per concealed window, the bottom of the Z-order first; each
// line's item data is its window. Titles are read once, now.
void FillList(HWND dialog)
{
    ToList(dialog, LB_RESETCONTENT);
    const std::vector<HiddenWindow>& windows = ConcealmentOf(dialog).Hidden();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        char title[256] = "";
        GetWindowTextA(it->window, title, sizeof title);
        const LRESULT line = ToList(dialog, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(title));
        ToList(dialog, LB_SETITEMDATA, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(it->window));
    }
    ToList(dialog, LB_SETCURSEL, 0);
}

enum class Deal { Show, Close };

void DealWithSelectedLine(HWND dialog, Deal deal)
{
    const LRESULT line = ToList(dialog, LB_GETCURSEL);
    if (line < 0 || line >= ToList(dialog, LB_GETCOUNT)) return;
    const auto window =
        reinterpret_cast<HWND>(ToList(dialog, LB_GETITEMDATA, static_cast<WPARAM>(line)));
    Concealment& concealment = ConcealmentOf(dialog);
    ToList(dialog, LB_DELETESTRING, static_cast<WPARAM>(line));
    if (deal == Deal::Show) {
        concealment.ShowOne(window);
    } else {
        concealment.CloseOne(window);
    }
    // Closing the program's own frame takes this dialog, and the whole
    // panel, with it; a show-all meanwhile has ended the dialog.
    if (!IsWindow(dialog) || GetWindowLongPtrA(dialog, DWLP_USER) == 0) return;
    if (!concealment.Active()) {
        EndDialog(dialog, 0);
        return;
    }
    const LRESULT count = ToList(dialog, LB_GETCOUNT);
    ToList(dialog, LB_SETCURSEL, static_cast<WPARAM>(line < count ? line : count - 1));
}

// The dialog lets go of the concealment: it is closing.
void Detach(HWND dialog)
{
    if (auto* concealment = reinterpret_cast<Concealment*>(GetWindowLongPtrA(dialog, DWLP_USER)))
        concealment->DialogClosed(dialog);
    SetWindowLongPtrA(dialog, DWLP_USER, 0);
}

}  // namespace

void CloseHiddenWindowDialog(HWND dialog)
{
    SetWindowLongPtrA(dialog, DWLP_USER, 0);
    ToList(dialog, LB_RESETCONTENT);
    ShowWindow(dialog, SW_HIDE);
    EndDialog(dialog, 0);
}

namespace {

// Opened with nothing concealed (the last window came back meanwhile), the
// dialog ends at once.
void OnInitDialog(HWND dialog, LPARAM concealment)
{
    SetWindowLongPtrA(dialog, DWLP_USER, concealment);
    if (!ConcealmentOf(dialog).Active()) {
        SetWindowLongPtrA(dialog, DWLP_USER, 0);
        EndDialog(dialog, 0);
        return;
    }
    ConcealmentOf(dialog).DialogOpened(dialog);
    FillList(dialog);
}

void OnCommand(HWND dialog, int id)
{
    // A dialog that has let go of the concealment is on its way out.
    if (GetWindowLongPtrA(dialog, DWLP_USER) == 0) return;
    switch (id) {
    case IDC_HIDDEN_SHOW_ALL:
        ConcealmentOf(dialog).ShowAll();
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
}

}  // namespace

INT_PTR CALLBACK HiddenWindowDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog, lParam);
        return 0;
    case WM_COMMAND:
        OnCommand(dialog, LOWORD(wParam));
        return 0;
    case WM_CLOSE:
        EndDialog(dialog, 0);
        return 0;
    case WM_DESTROY:
        Detach(dialog);
        return 0;
    default:
        return 0;
    }
}
