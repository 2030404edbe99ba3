// The panel procedure is a routing table: each message leads into the Panel
// object, which hands it to the feature that owns it.
#include "app/panel.h"

#include "app/panel_background.h"
#include "app/panel_features.h"
#include "core/panel/colors.h"
#include "core/panel/panel_messages.h"
#include "win/owner_draw_button.h"

INT_PTR CALLBACK MainPanelDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        reinterpret_cast<Panel*>(lParam)->Start(window);
        return FALSE;
    }
    Panel* panel = Panel::Of(window);
    if (!panel) return FALSE;
    switch (message) {
    case WM_COMMAND:
        panel->Command(LOWORD(wParam), HIWORD(wParam));
        return FALSE;
    case WM_TIMER:
        panel->Timer(wParam);
        return FALSE;
    case WM_DRAWITEM:
        panel->DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return FALSE;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return panel->ControlColour(reinterpret_cast<HDC>(wParam));
    case WM_HOTKEY:
        panel->Hotkey(static_cast<int>(wParam));
        return FALSE;
    case WM_DESTROY:
        panel->ShutDown();
        return FALSE;
    // The private messages share their numbers with the dialog manager's
    // DM_SETDEFID and DM_REPOSITION; answering TRUE keeps it out of them.
    case WMU_TIMERGATE:
        panel->MoveGate(wParam != 0);
        return TRUE;
    case WMU_MACROSTOPPED:
        panel->MacroStopped();
        return TRUE;
    case WMU_SELECTTARGET:
        panel->SelectTarget(reinterpret_cast<HWND>(wParam));
        return TRUE;
    case WMU_TRAYNOTIFY:
        panel->TrayNotify(lParam);
        return TRUE;
    case WMU_UPDATETRAYICON:
        panel->UpdateTrayIcon();
        return TRUE;
    case WMU_FRAMESHOWN:
        panel->FrameShown();
        return TRUE;
    default:
        return FALSE;
    }
}

Panel::Panel(RunOutcome& outcome, DesktopRules& desktop) : outcome_(outcome), desktop_(desktop) {}

Panel::~Panel() = default;

Panel* Panel::Of(HWND panel)
{
    return reinterpret_cast<Panel*>(GetWindowLongPtrA(panel, DWLP_USER));
}

// A command goes to the feature that owns its id. Every other command, and
// every input control's after its feature has taken it, takes the keyboard
// repeater's step (which restarts its timer).
void Panel::Command(int id, int code)
{
    const auto command = static_cast<UINT_PTR>(id);
    if (PanelFeature* owner = Owner(RouteKind::Command, command)) {
        owner->OnCommand(id, code);
        features_->CommandRan(owner);
        return;
    }
    if (PanelFeature* owner = Owner(RouteKind::Input, command)) owner->OnCommand(id, code);
    features_->keys.Step(id);
}

// Every tick waits while the gate is closed or a macro runs (a dialog that
// reopens the gate behind a running macro must not wake the repeaters). The
// repeaters also wait while the windows are concealed (whatever is in front
// then is no game) and for their target window; the gesture sampling and
// the concealment's own look at the windows it showed do not.
void Panel::Timer(UINT_PTR id)
{
    if (!gate_.IsOpen() || features_->macros.Running()) return;
    PanelFeature* owner = Owner(RouteKind::Timer, id);
    if (!owner) return;
    if (features_->IsRepeater(owner)) {
        HWND front = GetForegroundWindow();
        if (features_->concealment.Active() || !features_->target.FilterPasses(front)) {
            features_->RepeatersWaiting();
            return;
        }
        features_->SendingTo(front);
    }
    owner->OnTimer(id);
}

PanelFeature* Panel::Owner(RouteKind kind, UINT_PTR id) const
{
    for (const Route& route : routes_) {
        if (route.kind == kind && route.id == id) return route.feature;
    }
    return nullptr;
}

void Panel::Hotkey(int id) { features_->triggers.OnHotkey(id); }

void Panel::DrawItem(const DRAWITEMSTRUCT& item) const
{
    COLORREF face = COLOR_PANEL;
    for (PanelFeature* feature : features_->order) {
        if (feature->FaceOf(static_cast<int>(item.CtlID), face)) break;
    }
    DrawOwnerDrawButton(item, face, COLOR_BLACK);
}

INT_PTR Panel::ControlColour(HDC dc) const { return PanelControlColour(dc, background_.get()); }

// Every slot is refreshed and the gate opened, as at an operation's end.
void Panel::MacroStopped() { features_->macros.RestoreControls(); }

void Panel::SelectTarget(HWND window) { features_->target.Select(window); }

void Panel::TrayNotify(LPARAM mouseMessage) { features_->tray.OnNotify(mouseMessage); }

void Panel::UpdateTrayIcon() { features_->RepeatersChanged(); }

UINT Panel::ShellRestartMessage() const { return features_->tray.ShellRestartMessage(); }

void Panel::ShellRestarted() { features_->tray.ReAdd(); }
