// The window that the repeaters work in, chosen in IDC_TARGET_LIST:
// "全てのウィンド" (any window but the program's own frame) or one window,
// matched by handle; IDC_TARGET_REFRESH lists the windows anew.
#pragma once
#include <windows.h>

#include "win/desktop_rules.h"
#include "win/panel_feature.h"

class RepeatTarget final : public PanelFeature {
public:
    explicit RepeatTarget(DesktopRules& desktop);

    std::vector<int> RoutedCommands() const override;  // the refresh button
    std::vector<int> InputCommands() const override;   // the list
    void OnCommand(int id, int code) override;
    // The list is filled once the panel is set up.
    void SetUp() override;

    // True when a repeater tick may send into `foreground`, the window in
    // front now: it is not the program's frame (the panel's parent) and,
    // when a window is chosen, it is that window.
    bool FilterPasses(HWND foreground) const;
    bool FilterPasses() const { return FilterPasses(GetForegroundWindow()); }
    // Refreshes the list and makes `window` the target when it is listed;
    // when it is not, the refresh's choice stays.
    void Select(HWND window);

private:
    friend struct PanelInternals;  // the in-process tests' view
    // Rebuilds the list from the visible titled top-level windows and
    // selects the target in it while it is still listed; otherwise
    // "全てのウィンド", and the target becomes none.
    void Refresh();
    bool SelectItemOf(HWND window);

    DesktopRules& desktop_;
    HWND target_ = nullptr;  // none: any window
};
