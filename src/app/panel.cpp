// The panel procedure is a routing table: each message and command id leads
// into the subsystem that owns it.
#include "app/panel.h"

#include "app/app_state.h"
#include "app/frame.h"
#include "app/panel_background.h"
#include "app/panel_buttons.h"
#include "app/panel_messages.h"
#include "app/tray.h"
#include "automation/click_repeat.h"
#include "automation/key_buttons.h"
#include "automation/key_repeat.h"
#include "automation/macro_engine.h"
#include "automation/macro_slots.h"
#include "automation/target_window.h"
#include "capture/folder_picker.h"
#include "capture/window_capture.h"
#include "conceal/hidden_window_dialog.h"
#include "conceal/hidden_windows.h"
#include "res/resource.h"
#include "triggers/action_records.h"
#include "triggers/dispatch.h"
#include "triggers/gesture_dialog.h"
#include "triggers/gesture_sampling.h"
#include "triggers/hotkey_dialog.h"

HBRUSH panelBackgroundBrush = nullptr;

namespace {

// Ids that belong to no fixed route: the hotkey and gesture buttons of the
// action records; then, in every case, the key buttons (also the tray
// menu's keyboard items), which restart the key timer even when no key has
// the id.
void RouteOtherCommand(HWND panel, int id)
{
    for (int i = 0; i < ACTION_COUNT; ++i) {
        if (actionTable[i].gestureButtonId == id) {
            EditGesture(panel, i);
            break;
        }
        if (actionTable[i].hotkeyButtonId == id) {
            EditHotkey(panel, i);
            break;
        }
    }
    KeyStep(panel, id);
}

void RouteCommand(HWND panel, int id)
{
    switch (id) {
    case IDC_LEFT_INTERVAL:
    case IDC_LEFT_INTERVAL_SPIN:
        ApplyClickRepeat(panel, ClickButton::Left);
        break;
    case IDC_RIGHT_INTERVAL:
    case IDC_RIGHT_INTERVAL_SPIN:
        ApplyClickRepeat(panel, ClickButton::Right);
        break;
    case IDC_LEFT_TOGGLE:
    case IDM_LEFT_REPEAT:
        FlipClickRepeat(panel, ClickButton::Left);
        break;
    case IDC_RIGHT_TOGGLE:
    case IDM_RIGHT_REPEAT:
        FlipClickRepeat(panel, ClickButton::Right);
        break;
    case IDC_TARGET_REFRESH:
        RefreshTargetList(panel);
        break;
    case IDC_KEY_INTERVAL:
        KeyIntervalChanged(panel);
        break;
    case IDC_GESTURE_DISTANCE:
        TakeGestureDistance(panel);
        break;
    case IDC_GESTURE_TIME:
        TakeGestureTime(panel);
        break;
    case IDC_CAPTURE:
        CaptureForegroundWindow(panel);
        break;
    case IDC_BROWSE_FOLDER:
        ChooseImageFolder(panel);
        break;
    case IDC_CONCEAL:
    case IDM_CONCEAL:
        ConcealAllWindows(panel);
        break;
    case IDM_SHOW_HIDDEN:
        ShowAllHiddenWindows();
        break;
    case IDM_HIDDEN_DIALOG:
        OpenHiddenWindowDialog(panel, appInstance);
        break;
    case IDC_MACRO1_RECORD:
        RecordMacroSlot(panel, 0);
        break;
    case IDC_MACRO2_RECORD:
        RecordMacroSlot(panel, 1);
        break;
    case IDC_MACRO3_RECORD:
        RecordMacroSlot(panel, 2);
        break;
    case IDC_MACRO1_EXECUTE:
    case IDM_MACRO1:
        ExecuteMacroSlot(panel, 0);
        break;
    case IDC_MACRO2_EXECUTE:
    case IDM_MACRO2:
        ExecuteMacroSlot(panel, 1);
        break;
    case IDC_MACRO3_EXECUTE:
    case IDM_MACRO3:
        ExecuteMacroSlot(panel, 2);
        break;
    case IDC_MACRO1_ENABLED:
        UpdateSlotControls(panel, 0);
        break;
    case IDC_MACRO2_ENABLED:
        UpdateSlotControls(panel, 1);
        break;
    case IDC_MACRO3_ENABLED:
        UpdateSlotControls(panel, 2);
        break;
    case IDC_SHOW_HIDE:
    case IDM_SHOW_HIDE:
        ToggleFrameVisibility();
        break;
    case IDM_EXIT:
        SendMessageA(frameWindow, WM_CLOSE, 0, 0);
        break;
    default:
        RouteOtherCommand(panel, id);
        break;
    }
}

// Every tick waits while the gate is closed or a macro runs (a dialog that
// reopens the gate behind a running macro must not wake the repeaters); the
// repeaters also wait for their target window, the gesture sampling does not.
void RouteTimer(HWND panel, UINT_PTR id)
{
    if (!timersEnabled || MacroOperationRunning()) return;
    if (id == TIMER_GESTURE) {
        SampleGesture(panel);
        return;
    }
    if (!TargetFilterPasses(panel)) return;
    switch (id) {
    case TIMER_LEFTCLICK:
        ClickRepeatTick(ClickButton::Left);
        break;
    case TIMER_RIGHTCLICK:
        ClickRepeatTick(ClickButton::Right);
        break;
    case TIMER_KEYREPEAT:
        KeyRepeatTick();
        break;
    default:
        break;
    }
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
    case WM_HOTKEY:
        DispatchAction(panel, static_cast<int>(wParam));
        return FALSE;
    case WM_DESTROY:
        ShutDownPanel(panel);
        return FALSE;
    // The private messages share their numbers with the dialog manager's
    // DM_SETDEFID and DM_REPOSITION; answering TRUE keeps it out of them.
    case WMU_TIMERGATE:
        MoveTimerGate(wParam != 0);
        return TRUE;
    case WMU_MACROSTOPPED:
        RestoreMacroControls(panel);
        return TRUE;
    case WMU_SELECTTARGET:
        SelectTargetWindow(panel, reinterpret_cast<HWND>(wParam));
        return TRUE;
    case WMU_TRAYNOTIFY:
        OnTrayNotify(panel, lParam);
        return TRUE;
    case WMU_UPDATETRAYICON:
        UpdateTrayIcon();
        return TRUE;
    default:
        return FALSE;
    }
}
