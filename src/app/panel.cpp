// The panel procedure is a routing table: each message and command id leads
// into the subsystem that owns it, with the part of the model it works on.
#include "app/panel.h"

#include "app/app_state.h"
#include "app/frame.h"
#include "app/panel_background.h"
#include "app/panel_hub.h"
#include "app/panel_view.h"
#include "app/tray.h"
#include "automation/click_repeat.h"
#include "automation/key_repeat.h"
#include "automation/macro_engine.h"
#include "automation/macro_slots.h"
#include "automation/target_window.h"
#include "capture/folder_picker.h"
#include "capture/image_folder.h"
#include "capture/window_capture.h"
#include "conceal/hidden_window_dialog.h"
#include "conceal/hidden_windows.h"
#include "core/shell/panel_messages.h"
#include "res/resource.h"
#include "triggers/dispatch.h"
#include "triggers/gesture_dialog.h"
#include "triggers/gesture_sampling.h"
#include "triggers/hotkey_dialog.h"

HBRUSH panelBackgroundBrush = nullptr;

namespace {

// The slot whose "有効" or "繰り返す" box has this id, or -1.
int SlotOfBox(int id)
{
    switch (id) {
    case IDC_MACRO1_ENABLED: case IDC_MACRO1_REPEAT: return 0;
    case IDC_MACRO2_ENABLED: case IDC_MACRO2_REPEAT: return 1;
    case IDC_MACRO3_ENABLED: case IDC_MACRO3_REPEAT: return 2;
    default: return -1;
    }
}

// Controls whose notifications only bring their value into the model.
void TakeInput(HWND panel, int id)
{
    PanelModel& model = Model();
    switch (id) {
    case IDC_TARGET_LIST:
        TakeTargetSelection(panel, model.target);
        break;
    case IDC_GESTURE_HOLD_KEY:
        TakeGestureHoldKey(panel, model.gestures);
        break;
    case IDC_RECORD_KEY:
        TakeRecordKey(panel, model.macros);
        break;
    case IDC_MUTE:
        model.conceal.muteWhileConcealing = IsDlgButtonChecked(panel, IDC_MUTE) == BST_CHECKED;
        break;
    case IDC_IMAGE_FOLDER:
        TakeImageFolder(panel, model.imageFolder);
        break;
    case IDC_MACRO1_REPEAT:
    case IDC_MACRO2_REPEAT:
    case IDC_MACRO3_REPEAT:
        TakeSlotBoxes(panel, model.macros, SlotOfBox(id));
        break;
    default:
        break;
    }
}

// Ids that belong to no fixed route: the controls that feed the model, the
// hotkey and gesture buttons of the actions; then, in every case, the key
// buttons (also the tray menu's keyboard items), which restart the key timer
// even when no key has the id.
void RouteOtherCommand(HWND panel, int id)
{
    PanelModel& model = Model();
    TakeInput(panel, id);
    for (int i = 0; i < ACTION_COUNT; ++i) {
        if (actionDefinitions[i].gestureButtonId == id) {
            EditGesture(panel, Gate(), model.actions, i);
            break;
        }
        if (actionDefinitions[i].hotkeyButtonId == id) {
            EditHotkey(panel, Gate(), model.actions, i);
            break;
        }
    }
    KeyStep(panel, id, model.keys);
}

void RouteCommand(HWND panel, int id)
{
    PanelModel& model = Model();
    switch (id) {
    case IDC_LEFT_INTERVAL:
    case IDC_LEFT_INTERVAL_SPIN:
        TakeClickInterval(panel, ClickButton::Left, model.left);
        UpdateTrayIcon();
        break;
    case IDC_RIGHT_INTERVAL:
    case IDC_RIGHT_INTERVAL_SPIN:
        TakeClickInterval(panel, ClickButton::Right, model.right);
        UpdateTrayIcon();
        break;
    case IDC_LEFT_TOGGLE:
    case IDM_LEFT_REPEAT:
        FlipClickRepeat(panel, ClickButton::Left, model.left);
        UpdateTrayIcon();
        break;
    case IDC_RIGHT_TOGGLE:
    case IDM_RIGHT_REPEAT:
        FlipClickRepeat(panel, ClickButton::Right, model.right);
        UpdateTrayIcon();
        break;
    case IDC_TARGET_REFRESH:
        RefreshTargetList(panel, model.target);
        break;
    case IDC_KEY_INTERVAL:
        TakeKeyInterval(panel, model.keys);
        break;
    case IDC_GESTURE_DISTANCE:
        TakeGestureDistance(panel, model.gestures);
        break;
    case IDC_GESTURE_TIME:
        TakeGestureTime(panel, model.gestures);
        break;
    case IDC_CAPTURE:
        CaptureForegroundWindow(panel, model.imageFolder);
        break;
    case IDC_BROWSE_FOLDER:
        ChooseImageFolder(panel, Gate(), model.imageFolder);
        break;
    case IDC_CONCEAL:
    case IDM_CONCEAL:
        // Nothing is sent while the windows are concealed: the held keys go
        // up now (the gate lets go of the buttons) and down again after.
        LetGoOfKeys(model.keys);
        ConcealAllWindows(Gate(), model.conceal);
        break;
    case IDM_SHOW_HIDDEN:
        ShowAllHiddenWindows(model.conceal);
        break;
    case IDM_HIDDEN_DIALOG:
        OpenHiddenWindowDialog(panel, Gate(), model.conceal);
        break;
    case IDC_MACRO1_RECORD:
        RecordMacroSlot(SlotsOf(panel), 0);
        break;
    case IDC_MACRO2_RECORD:
        RecordMacroSlot(SlotsOf(panel), 1);
        break;
    case IDC_MACRO3_RECORD:
        RecordMacroSlot(SlotsOf(panel), 2);
        break;
    case IDC_MACRO1_EXECUTE:
    case IDM_MACRO1:
        ExecuteMacroSlot(SlotsOf(panel), 0);
        break;
    case IDC_MACRO2_EXECUTE:
    case IDM_MACRO2:
        ExecuteMacroSlot(SlotsOf(panel), 1);
        break;
    case IDC_MACRO3_EXECUTE:
    case IDM_MACRO3:
        ExecuteMacroSlot(SlotsOf(panel), 2);
        break;
    case IDC_MACRO1_ENABLED:
    case IDC_MACRO2_ENABLED:
    case IDC_MACRO3_ENABLED:
        TakeSlotBoxes(panel, model.macros, SlotOfBox(id));
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
// repeaters also wait while the windows are concealed (whatever is in front
// then is no game) and for their target window; the gesture sampling does
// not.
void RouteTimer(HWND panel, UINT_PTR id)
{
    PanelModel& model = Model();
    if (!Gate().IsOpen() || MacroOperationRunning()) return;
    if (id == TIMER_GESTURE) {
        // A completed gesture runs its action as its hotkey would.
        if (const int hotkeyId = SampleGesture(model.gestures, model.actions))
            DispatchAction(panel, hotkeyId);
        return;
    }
    if (AnyWindowsHidden() || !TargetFilterPasses(panel, model.target)) return;
    switch (id) {
    case TIMER_LEFTCLICK:
        ClickRepeatTick(ClickButton::Left, model.left);
        break;
    case TIMER_RIGHTCLICK:
        ClickRepeatTick(ClickButton::Right, model.right);
        break;
    case TIMER_KEYREPEAT:
        KeyRepeatTick(panel, model.keys);
        break;
    default:
        break;
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
        DrawPanelItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), Model());
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
        Gate().Move(wParam != 0);
        return TRUE;
    case WMU_MACROSTOPPED:
        Hub().MacroStopped(static_cast<int>(wParam));
        return TRUE;
    case WMU_SELECTTARGET:
        SelectTargetWindow(panel, Model().target, reinterpret_cast<HWND>(wParam));
        return TRUE;
    case WMU_TRAYNOTIFY:
        OnTrayNotify(panel, lParam);
        return TRUE;
    case WMU_UPDATETRAYICON:
        UpdateTrayIcon();
        return TRUE;
    case WMU_FRAMESHOWN:
        FinishStartUp();
        return TRUE;
    default:
        return FALSE;
    }
}
