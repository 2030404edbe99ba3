// The panel procedure is a routing table: each message leads into the Panel
// object, which hands it to the feature that owns it.
#include "app/panel.h"

#include "app/panel_background.h"
#include "core/panel/colors.h"
#include "core/panel/panel_messages.h"
#include "res/resource.h"
#include "win/owner_draw_button.h"

namespace {

// The private messages share their numbers with the dialog manager's
// DM_SETDEFID and DM_REPOSITION; answering TRUE keeps it out of them.
bool RoutePrivateMessage(Panel& panel, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WMU_TIMERGATE:
        panel.MoveGate(wParam != 0);
        return true;
    case WMU_MACROSTOPPED:
        panel.MacroStopped();
        return true;
    case WMU_SELECTTARGET:
        panel.SelectTarget(reinterpret_cast<HWND>(wParam));
        return true;
    case WMU_TRAYNOTIFY:
        panel.TrayNotify(lParam);
        return true;
    case WMU_UPDATETRAYICON:
        panel.UpdateTrayIcon();
        return true;
    case WMU_FRAMESHOWN:
        panel.FrameShown();
        return true;
    default:
        return false;
    }
}

}  // namespace

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
    default:
        return RoutePrivateMessage(*panel, message, wParam, lParam) ? TRUE : FALSE;
    }
}

Panel::Panel(RunOutcome& outcome, DesktopRules& desktop)
    : outcome_(outcome),
      desktop_(desktop),
      concealment_(desktop),
      macros_(desktop),
      repeaters_(desktop),
      triggers_(desktop),
      capture_(desktop),
      pads_(desktop),
      tray_(desktop),
      order_{&concealment_, &macros_, &repeaters_, &triggers_, &capture_, &pads_, &tray_, &frame_}
{
}

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
        if (Macros::Starts(id) && !MacroMayStart()) return;
        owner->OnCommand(id, code);
        CommandRan(*owner);
        return;
    }
    if (PanelFeature* owner = Owner(RouteKind::Input, command)) {
        owner->OnCommand(id, code);
        CommandRan(*owner);
    }
    repeaters_.Step(id);
}

// While the gate is closed no tick runs; a running macro holds the gate
// closed for every tick but its own. The ticks that send into the window in
// front wait while every window is concealed: whatever is in front then is
// no game.
void Panel::Timer(UINT_PTR id)
{
    PanelFeature* owner = Owner(RouteKind::Timer, id);
    if (!owner) return;
    const bool macroRuns = macros_.Running();
    if (!gate_.IsOpenBesides(macroRuns ? 1 : 0) || (macroRuns && owner != &macros_)) return;
    if (owner->SendsToFront() && concealment_.Active()) {
        owner->Wait();
        return;
    }
    owner->OnTimer(id);
    TakeWarning(*owner);
}

PanelFeature* Panel::Owner(RouteKind kind, UINT_PTR id) const
{
    for (const Route& route : routes_) {
        if (route.kind == kind && route.id == id) return route.feature;
    }
    return nullptr;
}

void Panel::CommandRan(PanelFeature& owner)
{
    if (&owner == &macros_) SlotActionsFollowMacros();
    // Nothing is sent while the windows are concealed: the held keys go up
    // now and down again after; a macro ends as the forced stop would end it.
    if (&owner == &concealment_ && concealment_.Active()) {
        macros_.Stop();
        repeaters_.Wait();
    }
    TakeWarning(owner);
}

void Panel::TakeWarning(PanelFeature& feature)
{
    const std::string warning = feature.TakeWarning();
    if (!warning.empty()) tray_.ShowBalloon("PLOVNIKAR", warning);
}

bool Panel::MacroMayStart() const { return !concealment_.Active() && !triggers_.EditingHotkey(); }

void Panel::SlotActionsFollowMacros()
{
    for (int slot = 0; slot < MACRO_SLOT_COUNT; ++slot)
        triggers_.EnableActionButtons(MACRO1_ACTION + slot, macros_.SlotActionsUsable(slot));
}

void Panel::Hotkey(int id) { triggers_.OnHotkey(id); }

void Panel::DrawItem(const DRAWITEMSTRUCT& item) const
{
    COLORREF face = COLOR_PANEL;
    for (PanelFeature* feature : order_) {
        if (feature->FaceOf(static_cast<int>(item.CtlID), face)) break;
    }
    DrawOwnerDrawButton(item, face, COLOR_BLACK);
}

INT_PTR Panel::ControlColour(HDC dc) const { return PanelControlColour(dc, background_.get()); }

// As at an operation's end: every slot is refreshed and the gate opened.
void Panel::MacroStopped()
{
    macros_.RestoreControls();
    SlotActionsFollowMacros();
    gate_.Move(true);
}

void Panel::SelectTarget(HWND window) { repeaters_.Select(window); }

TrayState Panel::GatherTrayState() const
{
    TrayState state;
    for (PanelFeature* feature : order_) feature->ShowInTray(state);
    if (!MacroMayStart()) {
        for (int item : {IDM_MACRO1, IDM_MACRO2, IDM_MACRO3}) state.Enable(item, false);
    }
    return state;
}

void Panel::TrayNotify(LPARAM mouseMessage)
{
    switch (Tray::OnNotify(mouseMessage)) {
    case TrayRequest::Menu:
        tray_.ShowMenu(GatherTrayState());
        break;
    case TrayRequest::Frame:
        // While windows are concealed the frame stays with them.
        if (!concealment_.Active()) frame_.Show();
        break;
    case TrayRequest::Nothing:
        break;
    }
}

void Panel::UpdateTrayIcon() { tray_.ShowIcon(GatherTrayState().icon); }

UINT Panel::ShellRestartMessage() const { return tray_.ShellRestartMessage(); }

void Panel::ShellRestarted() { tray_.ReAdd(); }
