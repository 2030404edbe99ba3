#include "app/frame_controls.h"

#include "res/resource.h"

std::vector<int> FrameControls::RoutedCommands() const
{
    return {IDC_SHOW_HIDE, IDM_SHOW_HIDE, IDM_EXIT};
}

void FrameControls::OnCommand(int id, int)
{
    if (id == IDM_EXIT) {
        SendMessageA(frame(), WM_CLOSE, 0, 0);
    } else if (Visible()) {
        ShowWindow(frame(), SW_HIDE);
    } else {
        ShowWindow(frame(), SW_SHOWNORMAL);
        SetForegroundWindow(frame());
    }
}

void FrameControls::Show() { ShowWindow(frame(), SW_SHOWNORMAL); }

bool FrameControls::Visible() const { return IsWindowVisible(frame()) != FALSE; }

void FrameControls::ShowInTray(TrayState& tray) const { tray.frameVisible = Visible(); }
