#include "conceal/hidden_windows.h"

#include <algorithm>
#include <vector>

#include "app/timer_gate.h"
#include "app/window_show.h"
#include "conceal/concealment_mute.h"
#include "conceal/hidden_window_dialog.h"
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

// What a pass looks at: the windows it found, in enumeration order (the top
// of the Z-order first), and the windows of the pass before, which are being
// shown again but, told without waiting, may not be visible yet.
struct Pass {
    std::vector<HWND> found;
    std::vector<HWND> reshown;
};

// Shows every recorded window with its saved show command, newest record
// first, without waiting for their programs, and empties the list; returns
// the windows shown.
std::vector<HWND> ShowRecordedWindows()
{
    CloseHiddenWindowDialog();
    // Messages sent to this thread meanwhile may run another pass: the list
    // is taken whole first, so that such a pass starts from an empty one.
    HiddenWindowRecord* record = hiddenWindows;
    hiddenWindows = nullptr;
    std::vector<HWND> shown;
    while (record) {
        HiddenWindowRecord* next = record->next;
        ShowWindowWithoutWaiting(record->window, static_cast<int>(record->placement.showCmd));
        shown.push_back(record->window);
        FreeRecord(record);
        record = next;
    }
    return shown;
}

// After the list has changed: once it is empty, nothing is concealed and the
// speaker gets its earlier state back; the recovery file follows the list.
void ListChanged()
{
    if (!hiddenWindows) EndConcealmentMute();
    UpdateRecoveryFile();
}

}  // namespace

void ConcealAllWindows(HWND panel)
{
    ScopedTimerGate gate(panel);
    // The mute holds for as long as the windows stay concealed.
    if (IsDlgButtonChecked(panel, IDC_MUTE) == BST_CHECKED) {
        MuteForConcealment();
    } else {
        EndConcealmentMute();
    }
    HideAllWindows();
    if (!hiddenWindows) ListChanged();
}

void HideAllWindows()
{
    Pass pass;
    pass.reshown = ShowRecordedWindows();
    // Every eligible window is recorded first, the recovery file is written
    // once for all of them, and only then are they hidden: a crash midway
    // leaves a file that lists every window the pass may have hidden.
    EnumWindows(HideWindowIfEligible, reinterpret_cast<LPARAM>(&pass));
    UpdateRecoveryFile();
    // Told without waiting: a program that has stopped answering holds up
    // neither the rest nor this program; its window follows when it wakes.
    for (HWND window : pass.found) ShowWindowWithoutWaiting(window, SW_HIDE);
}

const char STANDALONE_TRAY_CLASS[] = "__winex11_standalone_tray";

BOOL CALLBACK HideWindowIfEligible(HWND window, LPARAM passData)
{
    auto& pass = *reinterpret_cast<Pass*>(passData);
    const bool reshown =
        std::find(pass.reshown.begin(), pass.reshown.end(), window) != pass.reshown.end();
    if (!IsWindowVisible(window) && !reshown) return TRUE;
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
    pass.found.push_back(window);
    return TRUE;
}

void ShowAllHiddenWindows()
{
    ShowRecordedWindows();
    ListChanged();
}

bool AnyWindowsHidden() { return hiddenWindows != nullptr; }

bool ShowHiddenWindow(HiddenWindowRecord* record)
{
    if (!Unlink(record)) return false;
    HWND window = record->window;
    const int showCommand = static_cast<int>(record->placement.showCmd);
    FreeRecord(record);
    ShowWindowWithoutWaiting(window, showCommand);
    ListChanged();
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
        // Shown first, then asked: both are queued to the window in order.
        ShowWindowWithoutWaiting(window, showCommand);
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    ListChanged();
    return true;
}
