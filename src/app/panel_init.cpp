// The order in which the panel sets up its features and takes them down.
#include <windows.h>
#include <commctrl.h>

#include "app/app_state.h"
#include "app/panel.h"
#include "app/panel_background.h"
#include "app/panel_buttons.h"
#include "app/panel_messages.h"
#include "app/settings_file.h"
#include "app/tray.h"
#include "automation/click_repeat.h"
#include "automation/key_buttons.h"
#include "automation/macro_engine.h"
#include "automation/macro_slots.h"
#include "capture/image_folder.h"
#include "launcher/launcher_pad.h"
#include "conceal/hidden_windows.h"
#include "res/resource.h"
#include "triggers/action_records.h"
#include "triggers/gesture_dialog.h"
#include "triggers/hotkey_dialog.h"

namespace {

constexpr int PAD_SIZE = 34;  // pixels: a 32 by 32 icon inside a sunken border

void SizeLauncherStatics(HWND panel)
{
    for (int id = IDC_PAD1; id <= IDC_PAD4; ++id) {
        SetWindowPos(GetDlgItem(panel, id), nullptr, 0, 0, PAD_SIZE, PAD_SIZE,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_SHOWWINDOW);
    }
}

void SetUpSpin(HWND panel, int spinId, int editId, int low, int high, int position)
{
    HWND spin = GetDlgItem(panel, spinId);
    SendMessageA(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(GetDlgItem(panel, editId)), 0);
    SendMessageA(spin, UDM_SETRANGE32, static_cast<WPARAM>(low), static_cast<LPARAM>(high));
    SendMessageA(spin, UDM_SETPOS32, 0, position);
}

void AddListItem(HWND panel, int listId, const char* text, LPARAM data)
{
    const LRESULT index =
        SendDlgItemMessageA(panel, listId, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    SendDlgItemMessageA(panel, listId, CB_SETITEMDATA, static_cast<WPARAM>(index), data);
}

void FillKeyLists(HWND panel)
{
    AddListItem(panel, IDC_GESTURE_HOLD_KEY, "なし", 0);
    AddListItem(panel, IDC_GESTURE_HOLD_KEY, "Shift", VK_SHIFT);
    AddListItem(panel, IDC_GESTURE_HOLD_KEY, "Ctrl", VK_CONTROL);
    AddListItem(panel, IDC_GESTURE_HOLD_KEY, "Alt", VK_MENU);
    SendDlgItemMessageA(panel, IDC_GESTURE_HOLD_KEY, CB_SETCURSEL, 0, 0);
    AddListItem(panel, IDC_RECORD_KEY, "Shift", VK_SHIFT);
    AddListItem(panel, IDC_RECORD_KEY, "Control", VK_CONTROL);
    AddListItem(panel, IDC_RECORD_KEY, "Alt", VK_MENU);
    SendDlgItemMessageA(panel, IDC_RECORD_KEY, CB_SETCURSEL, 0, 0);
}

constexpr int DEFAULT_INTERVAL = 100;       // msec, all three repeaters
constexpr int DEFAULT_GESTURE_DISTANCE = 64;  // pixels
constexpr int DEFAULT_GESTURE_TIME = 200;     // msec

}  // namespace

void InitializePanel(HWND panel)
{
    SizeLauncherStatics(panel);
    AttachLauncherPads(panel);
    panelBackgroundBrush = CreatePanelBackgroundBrush();
    AddTrayIcon(panel);
    AttachPanelButtons(panel);
    AttachKeyButtons(panel);
    InitActionRecords(panel);

    SetUpSpin(panel, IDC_LEFT_INTERVAL_SPIN, IDC_LEFT_INTERVAL, 1, 65535, DEFAULT_INTERVAL);
    SetUpSpin(panel, IDC_RIGHT_INTERVAL_SPIN, IDC_RIGHT_INTERVAL, 1, 65535, DEFAULT_INTERVAL);
    SetUpSpin(panel, IDC_GESTURE_DISTANCE_SPIN, IDC_GESTURE_DISTANCE, 1, 128,
              DEFAULT_GESTURE_DISTANCE);
    SetUpSpin(panel, IDC_GESTURE_TIME_SPIN, IDC_GESTURE_TIME, 100, 1000, DEFAULT_GESTURE_TIME);
    SetUpSpin(panel, IDC_KEY_INTERVAL_SPIN, IDC_KEY_INTERVAL, 1, 65535, DEFAULT_INTERVAL);
    FillKeyLists(panel);
    CheckDlgButton(panel, IDC_MUTE, BST_CHECKED);
    SetDefaultImageFolder(panel);
    // No file (the first start) or a locked one: the defaults stay.
    LoadSettingsFile(panel);

    CaptionAllGestureButtons(panel);
    ApplyClickRepeat(panel, ClickButton::Left);
    ApplyClickRepeat(panel, ClickButton::Right);
    CaptionAllHotkeyButtons(panel);
    UpdateAllSlotControls(panel);
    SendMessageA(panel, WM_COMMAND, IDC_GESTURE_DISTANCE, 0);
    SendMessageA(panel, WM_COMMAND, IDC_GESTURE_TIME, 0);
    SendMessageA(panel, WM_COMMAND, IDC_TARGET_REFRESH, 0);
    SetTimer(panel, TIMER_GESTURE, 0, nullptr);
}

void ShutDownPanel(HWND panel)
{
    SaveSettingsFile(panel);
    // No mouse button the program pressed stays down once it has gone.
    StopMacro(panel);
    ReleaseClickButtons();
    // Nothing the concealment hid stays hidden, and the speaker is as it
    // was, once the program has gone.
    ShowAllHiddenWindows();
    DeleteTrayIcon();
    // The pads' paths went into the settings above: detaching empties them.
    DetachLauncherPads();
    KillTimer(panel, TIMER_LEFTCLICK);
    KillTimer(panel, TIMER_RIGHTCLICK);
}
