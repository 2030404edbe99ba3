// The panel's life: start-up, the settings, and the end of the program and of
// the Windows session, each a loop over the features in their declared order.
#include "app/panel.h"

#include "app/panel_background.h"

void Panel::Start(HWND panel)
{
    panel_ = panel;
    SetWindowLongPtrA(panel, DWLP_USER, reinterpret_cast<LONG_PTR>(this));
    gate_ = TimerGate();
    background_.Reset(CreatePanelBackgroundBrush());
    gate_.OnClose([this] {
        for (PanelFeature* feature : order_) feature->TicksPaused();
    });

    routes_.clear();
    for (PanelFeature* feature : order_) {
        feature->Attach(panel);
        for (int id : feature->RoutedCommands())
            routes_.push_back({RouteKind::Command, static_cast<UINT_PTR>(id), feature});
        for (int id : feature->InputCommands())
            routes_.push_back({RouteKind::Input, static_cast<UINT_PTR>(id), feature});
        for (UINT_PTR id : feature->Timers()) routes_.push_back({RouteKind::Timer, id, feature});
    }

    for (PanelFeature* feature : order_) feature->SetUp();
    // The file is read over every feature's defaults, so that whatever it
    // does not deliver keeps them.
    SettingsValues values;
    for (PanelFeature* feature : order_) feature->Save(values);
    settings_.Read(values);
    for (PanelFeature* feature : order_) feature->Load(values);
    SlotActionsFollowMacros();
    UpdateTrayIcon();
}

void Panel::FrameShown()
{
    // The tray icon first: a feature's message box below waits with it in
    // place.
    tray_.AddIcon();
    for (PanelFeature* feature : order_) feature->AfterShown();
    if (settings_.Kept()) {
        ScopedTimerGate closed(gate_);
        settings_.ReportUnreadable(GetParent(panel_));
    }
}

void Panel::SaveSettings()
{
    SettingsValues values;
    for (PanelFeature* feature : order_) feature->Save(values);
    // Tried for about a second while another program holds the file; the
    // player hears of a loss once the windows have gone.
    outcome_.settingsLost = !settings_.Write(values) && !settings_.Kept();
}

void Panel::LeaveNothingBehind()
{
    // The settings first: features let go of what they hold afterwards.
    SaveSettings();
    for (PanelFeature* feature : order_) feature->LeaveNothingBehind();
}

void Panel::ShutDown()
{
    LeaveNothingBehind();
    for (PanelFeature* feature : order_) feature->ShutDown();
    SetWindowLongPtrA(panel_, DWLP_USER, 0);
}
