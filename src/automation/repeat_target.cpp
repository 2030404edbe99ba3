#include "automation/repeat_target.h"

#include "res/resource.h"
#include "win/dialog_controls.h"

namespace {

LRESULT ToList(HWND panel, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return SendDlgItemMessageA(panel, IDC_TARGET_LIST, message, wParam, lParam);
}

void AddTarget(HWND panel, const char* title, HWND window)
{
    AddComboItem(panel, IDC_TARGET_LIST, title, reinterpret_cast<LPARAM>(window));
}

struct Listing {
    HWND panel;
    const DesktopRules* desktop;
};

// Visible, titled windows but the frame; not one the window manager keeps
// out of the player's sight (a suspended store app, a window on another
// virtual desktop), which the player could never bring to the front.
BOOL CALLBACK ListTopLevelWindow(HWND window, LPARAM listingData)
{
    const Listing& listing = *reinterpret_cast<const Listing*>(listingData);
    HWND panel = listing.panel;
    if (window == GetParent(panel) || !IsWindowVisible(window) || GetWindowTextLengthA(window) == 0 ||
        listing.desktop->Cloaked(window))
        return TRUE;
    char title[256] = "";
    GetWindowTextA(window, title, sizeof title);
    if (title[0] != '\0') AddTarget(panel, title, window);
    return TRUE;
}

}  // namespace

RepeatTarget::RepeatTarget(DesktopRules& desktop) : desktop_(desktop) {}

std::vector<int> RepeatTarget::RoutedCommands() const { return {IDC_TARGET_REFRESH}; }

std::vector<int> RepeatTarget::InputCommands() const { return {IDC_TARGET_LIST}; }

void RepeatTarget::OnCommand(int id, int)
{
    if (id == IDC_TARGET_REFRESH) {
        Refresh();
        return;
    }
    // The player chose an entry of the list: it becomes the target.
    const LRESULT index = ToList(panel_, CB_GETCURSEL);
    target_ = index == CB_ERR
                  ? nullptr
                  : reinterpret_cast<HWND>(ToList(panel_, CB_GETITEMDATA, static_cast<WPARAM>(index)));
}

void RepeatTarget::SetUp()
{
    Refresh();
}

bool RepeatTarget::FilterPasses(HWND foreground) const
{
    if (foreground == GetParent(panel_)) return false;
    return !target_ || foreground == target_;
}

void RepeatTarget::Select(HWND window)
{
    Refresh();
    if (SelectItemOf(window)) target_ = window;
}

void RepeatTarget::Refresh()
{
    ToList(panel_, CB_RESETCONTENT);
    AddTarget(panel_, "全てのウィンド", nullptr);
    Listing listing = {panel_, &desktop_};
    EnumWindows(ListTopLevelWindow, reinterpret_cast<LPARAM>(&listing));
    ToList(panel_, CB_SETCURSEL, 0);
    // The chosen window stays chosen while it is listed (found by handle,
    // whatever its title has become).
    if (!target_ || !SelectItemOf(target_)) target_ = nullptr;
}

// Selects the item whose window is `window`, searching from the last item to
// the first; false when none is.
bool RepeatTarget::SelectItemOf(HWND window)
{
    for (LRESULT i = ToList(panel_, CB_GETCOUNT) - 1; i >= 0; --i) {
        if (reinterpret_cast<HWND>(ToList(panel_, CB_GETITEMDATA, static_cast<WPARAM>(i))) == window) {
            ToList(panel_, CB_SETCURSEL, static_cast<WPARAM>(i));
            return true;
        }
    }
    return false;
}
