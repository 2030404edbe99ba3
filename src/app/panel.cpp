// The panel procedure is a routing table: each message and command id leads
// into the subsystem that owns it.
#include "app/panel.h"

#include "app/app_state.h"
#include "app/frame.h"
#include "app/panel_background.h"
#include "app/panel_buttons.h"
#include "app/panel_messages.h"
#include "automation/key_buttons.h"
#include "res/resource.h"
#include "triggers/action_records.h"

HBRUSH panelBackgroundBrush = nullptr;

namespace {

void RouteCommand(HWND panel, int id)
{
    (void)panel;
    switch (id) {
    case IDC_SHOW_HIDE:
    case IDM_SHOW_HIDE:
        ToggleFrameVisibility();
        break;
    case IDM_EXIT:
        SendMessageA(frameWindow, WM_CLOSE, 0, 0);
        break;
    default:
        break;
    }
}

void RouteTimer(HWND panel, UINT_PTR id)
{
    (void)panel;
    (void)id;
    if (!timersEnabled) return;
}

// Key buttons first, then each action's hotkey and gesture button, then the
// command buttons; the first that owns the item paints it.
void DrawPanelItem(const DRAWITEMSTRUCT& item)
{
    KeyButton* keys = KeyButtons();
    for (int i = 0; i < KEY_COUNT; ++i) {
        if (DrawOwnerDrawButton(keys[i], item)) return;
    }
    for (const ActionRecord& record : actionTable) {
        if (DrawOwnerDrawButton(record.hotkeyButton, item)) return;
        if (record.gestureButtonId != -1 && DrawOwnerDrawButton(record.gestureButton, item))
            return;
    }
    OwnerDrawButton* buttons = PanelButtons();
    for (int i = 0; i < PANEL_BUTTON_COUNT; ++i) {
        if (DrawOwnerDrawButton(buttons[i], item)) return;
    }
}

}  // namespace

INT_PTR CALLBACK MainPanelDlgProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        InitializePanel(panel);
        return FALSE;
    case WM_COMMAND:
        RouteCommand(panel, LOWORD(wParam));
        return FALSE;
    case WM_TIMER:
        RouteTimer(panel, wParam);
        return FALSE;
    case WM_DRAWITEM:
        DrawPanelItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return FALSE;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return PanelControlColour(reinterpret_cast<HDC>(wParam), panelBackgroundBrush);
    case WM_DESTROY:
        ShutDownPanel(panel);
        return FALSE;
    case WMU_TIMERGATE:
        timersEnabled = wParam != 0;
        return FALSE;
    case WMU_MACROSTOPPED:
        timersEnabled = true;
        return FALSE;
    default:
        return FALSE;
    }
}
