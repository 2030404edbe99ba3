#include "conceal/hidden_windows.h"

#include "app/panel_messages.h"
#include "conceal/hidden_window_dialog.h"
#include "conceal/master_mute.h"
#include "conceal/recovery_file.h"
#include "res/resource.h"

HiddenWindowRecord* hiddenWindows = nullptr;

namespace {

void FreeRecord(HiddenWindowRecord* record) { HeapFree(GetProcessHeap(), 0, record); }

bool Unlink(HiddenWindowRecord* record)
{
    for (HiddenWindowRecord** link = &hiddenWindows; *link; link = &(*link)->next) {
        if (*link == record) {
            *link = record->next;
            return true;
        }
    }
    return false;
}

}  // namespace

void ConcealAllWindows(HWND panel)
{
    int savedMute = 0;
    bool mutedThisPass = false;
    if (IsDlgButtonChecked(panel, IDC_MUTE) == BST_CHECKED && GetMasterMute(savedMute)) {
        SetMasterMute(1);
        mutedThisPass = true;
    }
    SendMessageA(panel, WMU_TIMERGATE, 0, 0);
    HideAllWindows();
    SendMessageA(panel, WMU_TIMERGATE, 1, 0);
    if (mutedThisPass) SetMasterMute(savedMute);
}

void HideAllWindows()
{
    ShowAllHiddenWindows();
    EnumWindows(HideWindowIfEligible, 0);
}

const char STANDALONE_TRAY_CLASS[] = "__winex11_standalone_tray";

BOOL CALLBACK HideWindowIfEligible(HWND window, LPARAM)
{
    if (!IsWindowVisible(window)) return TRUE;
    if (GetWindowTextLengthA(window) == 0) return TRUE;
    if (window == FindWindowA("Progman", nullptr)) return TRUE;
    if (window == FindWindowA("Shell_TrayWnd", nullptr)) return TRUE;
    // Where the notification icons live in a window of their own (Wine
    // without a desktop), that window is the taskbar: the tray icon is the
    // way back and must stay in reach.
    if (window == FindWindowA(STANDALONE_TRAY_CLASS, nullptr)) return TRUE;

    auto* record = static_cast<HiddenWindowRecord*>(
        HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(HiddenWindowRecord)));
    if (!record) return TRUE;  // it stays visible
    record->next = hiddenWindows;
    hiddenWindows = record;
    record->window = window;
    record->placement.length = sizeof record->placement;
    // A window whose placement cannot be read comes back as a normal window
    // rather than being "shown" hidden.
    if (!GetWindowPlacement(window, &record->placement)) record->placement.showCmd = SW_SHOWNORMAL;
    // The recovery file lists the window before it disappears.
    UpdateRecoveryFile();
    ShowWindow(window, SW_HIDE);
    return TRUE;
}

void ShowAllHiddenWindows()
{
    CloseHiddenWindowDialog();
    // Showing another program's window waits for that program, and messages
    // sent to this thread meanwhile may run another pass: the list is taken
    // whole first, so that such a pass starts from an empty one.
    HiddenWindowRecord* record = hiddenWindows;
    hiddenWindows = nullptr;
    while (record) {
        HiddenWindowRecord* next = record->next;
        ShowWindow(record->window, static_cast<int>(record->placement.showCmd));
        FreeRecord(record);
        record = next;
    }
    UpdateRecoveryFile();
}

bool AnyWindowsHidden() { return hiddenWindows != nullptr; }

bool ShowHiddenWindow(HiddenWindowRecord* record)
{
    if (!Unlink(record)) return false;
    HWND window = record->window;
    const int showCommand = static_cast<int>(record->placement.showCmd);
    FreeRecord(record);
    ShowWindow(window, showCommand);
    UpdateRecoveryFile();
    return true;
}

bool CloseHiddenWindow(HiddenWindowRecord* record)
{
    if (!Unlink(record)) return false;
    HWND window = record->window;
    const int showCommand = static_cast<int>(record->placement.showCmd);
    FreeRecord(record);
    if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) {
        DestroyWindow(window);
    } else {
        ShowWindow(window, showCommand);
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    UpdateRecoveryFile();
    return true;
}
