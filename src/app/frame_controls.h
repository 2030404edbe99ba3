// The frame's own commands on the panel: showing and hiding it
// (IDC_SHOW_HIDE, the system menu's and the tray menu's IDM_SHOW_HIDE, and
// its action) and ending the program (IDM_EXIT).
#pragma once
#include <windows.h>

#include "win/panel_feature.h"

class FrameControls final : public PanelFeature {
public:
    // The show/hide item's text follows the frame.
    void ShowInTray(TrayState& tray) const override;

    std::vector<int> RoutedCommands() const override;
    void OnCommand(int id, int code) override;

    // Shows the frame in its normal place.
    void Show();
    bool Visible() const;

private:
    HWND frame() const { return GetParent(panel_); }
};
