// The order in which the panel sets up its features and takes them down.
#include <windows.h>
#include <commctrl.h>

#include "app/app_state.h"
#include "app/panel.h"
#include "app/panel_background.h"
#include "app/panel_hub.h"
#include "app/panel_view.h"
#include "app/settings_file.h"
#include "app/tray.h"
#include "automation/click_repeat.h"
#include "automation/key_repeat.h"
#include "automation/macro_engine.h"
#include "automation/macro_slots.h"
#include "capture/image_folder.h"
#include "conceal/hidden_windows.h"
#include "conceal/master_mute.h"
#include "core/shell/panel_messages.h"
#include "launcher/launcher_pad.h"
#include "res/resource.h"
#include "triggers/gesture_dialog.h"
#include "triggers/hotkeys.h"

namespace {

constexpr int PAD_SIZE = 34;  // pixels: a 32 by 32 icon inside a sunken border

void SizeLauncherStatics(HWND panel)
{
    for (int id = IDC_PAD1; id <= IDC_PAD4; ++id) {
        SetWindowPos(GetDlgItem(panel, id), nullptr, 0, 0, PAD_SIZE, PAD_SIZE,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_SHOWWINDOW);
    }
}

void SetUpSpin(HWND panel, int spinId, int editId, int low, int high, std::uint32_t position)
{
    HWND spin = GetDlgItem(panel, spinId);
    SendMessageA(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(GetDlgItem(panel, editId)), 0);
    SendMessageA(spin, UDM_SETRANGE32, static_cast<WPARAM>(low), static_cast<LPARAM>(high));
    SendMessageA(spin, UDM_SETPOS32, 0, static_cast<LPARAM>(position));
}

// Whenever the ticks stop (a dialog, a menu, a message box, a macro, the
// concealment), a button a repeater holds down between two ticks is let
// go: the player's own mouse would drag with it. The next tick after the
// pause starts with a button-down.
void LetGoOfClickButtons()
{
    PanelModel& model = Model();
    ReleaseClickButton(ClickButton::Left, model.left);
    ReleaseClickButton(ClickButton::Right, model.right);
}

}  // namespace

void InitializePanel(HWND panel)
{
    // A new panel starts from the defaults, with its gate open.
    PanelModel& model = Model();
    model = DefaultPanelModel(DefaultImageFolder());
    Gate() = TimerGate();
    Gate().OnClose(LetGoOfClickButtons);
    // Windows that a crashed or killed run left concealed come back first.
    RestoreStrandedWindows(model.conceal);

    SizeLauncherStatics(panel);
    AttachLauncherPads(panel, model.padPaths, Hub());
    panelBackgroundBrush = CreatePanelBackgroundBrush();
    AddTrayIcon(panel);
    AttachPanelButtons(panel);

    SetUpSpin(panel, IDC_LEFT_INTERVAL_SPIN, IDC_LEFT_INTERVAL, 1, 65535, model.left.interval);
    SetUpSpin(panel, IDC_RIGHT_INTERVAL_SPIN, IDC_RIGHT_INTERVAL, 1, 65535, model.right.interval);
    SetUpSpin(panel, IDC_GESTURE_DISTANCE_SPIN, IDC_GESTURE_DISTANCE, 1, 128,
              model.gestures.recognition.gestureMinDistance);
    SetUpSpin(panel, IDC_GESTURE_TIME_SPIN, IDC_GESTURE_TIME, 100, 1000,
              model.gestures.recognition.gestureTimeWindow);
    SetUpSpin(panel, IDC_KEY_INTERVAL_SPIN, IDC_KEY_INTERVAL, 1, 65535, model.keys.interval);
    FillKeyLists(panel);
    // No file (the first start) or a locked one: the defaults stay.
    LoadSettingsFile(model);
    ShowModel(panel, model);
    for (int pad = 0; pad < PAD_COUNT; ++pad) ReloadPadFile(LauncherPads()[pad]);

    CaptionAllGestureButtons(panel, model.actions);
    ApplyClickRepeat(panel, ClickButton::Left, model.left);
    ApplyClickRepeat(panel, ClickButton::Right, model.right);
    UpdateTrayIcon();
    CaptionAllHotkeyButtons(panel, model.actions);
    UpdateAllSlotControls(panel, model.macros);
    SendMessageA(panel, WM_COMMAND, IDC_GESTURE_DISTANCE, 0);
    SendMessageA(panel, WM_COMMAND, IDC_GESTURE_TIME, 0);
    SendMessageA(panel, WM_COMMAND, IDC_TARGET_REFRESH, 0);
    SetTimer(panel, TIMER_GESTURE, 0, nullptr);
}

void FinishStartUp()
{
    if (Model().conceal.muteWhileConcealing) SystemOutputs().Prepare();
    FetchPendingPadIcons();
}

void LeaveNothingBehind(HWND panel)
{
    PanelModel& model = Model();
    // Tried for about a second while another program holds the file; the
    // player hears of a loss once the windows have gone.
    SaveSettingsFile(model);
    StopMacro(panel);
    ReleaseClickButton(ClickButton::Left, model.left);
    ReleaseClickButton(ClickButton::Right, model.right);
    ReleaseAllKeys(panel, model.keys);
    ShowAllHiddenWindows(model.conceal);
}

void ShutDownPanel(HWND panel)
{
    LeaveNothingBehind(panel);
    DeleteTrayIcon();
    // The pads' paths went into the settings above: detaching empties them.
    DetachLauncherPads();
    KillTimer(panel, TIMER_LEFTCLICK);
    KillTimer(panel, TIMER_RIGHTCLICK);
}
