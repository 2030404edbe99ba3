#include "conceal/hidden_windows.h"

#include <algorithm>

#include "conceal/concealment_mute.h"
#include "conceal/recovery_file.h"
#include "win/window_show.h"

namespace {

std::vector<HiddenWindow> hidden;
void (*listReplaced)() = nullptr;

// What a pass looks at: the windows of the pass before, which are being
// shown again but, told without waiting, may not be visible yet; and the
// shell's windows, which always stay: the desktop, the taskbar and, where
// the notification icons live in a window of their own (Wine without a
// desktop), that window, since the tray icon is the way back.
struct Pass {
    std::vector<HWND> reshown;
    HWND shell[3] = {FindWindowA("Progman", nullptr), FindWindowA("Shell_TrayWnd", nullptr),
                     FindWindowA(STANDALONE_TRAY_CLASS, nullptr)};
};

bool IsReshown(const Pass& pass, HWND window)
{
    return std::find(pass.reshown.begin(), pass.reshown.end(), window) != pass.reshown.end();
}

RecoveryState RecoveryOf(const ConcealState& state)
{
    RecoveryState recovery;
    recovery.muted = state.muteHeld;
    recovery.mutedBefore = state.mutedBefore;
    // Newest first, as the windows come back.
    for (auto it = hidden.rbegin(); it != hidden.rend(); ++it) {
        StrandedWindow w;
        w.window = reinterpret_cast<std::uintptr_t>(it->window);
        DWORD processId = 0;
        GetWindowThreadProcessId(it->window, &processId);
        w.processId = processId;
        w.showCommand = static_cast<std::int32_t>(it->showCommand);
        recovery.windows.push_back(w);
    }
    return recovery;
}

// Shows every recorded window, the last hidden first, without waiting for
// their programs, and empties the list; returns the windows shown.
std::vector<HWND> ShowRecordedWindows()
{
    if (listReplaced) listReplaced();
    // Messages sent to this thread meanwhile may run another pass: the list
    // is taken whole first, so that such a pass starts from an empty one.
    std::vector<HiddenWindow> shown;
    shown.swap(hidden);
    std::vector<HWND> windows;
    for (auto it = shown.rbegin(); it != shown.rend(); ++it) {
        ShowWindowWithoutWaiting(it->window, static_cast<int>(it->showCommand));
        windows.push_back(it->window);
    }
    return windows;
}

// After the list has changed: once it is empty, nothing is concealed and the
// speaker gets its earlier state back; the recovery file follows the list.
void ListChanged(ConcealState& state)
{
    if (hidden.empty()) EndConcealmentMute(state);
    UpdateRecoveryFile(RecoveryOf(state));
}

BOOL CALLBACK RecordIfEligible(HWND window, LPARAM passData)
{
    const Pass& pass = *reinterpret_cast<const Pass*>(passData);
    if (!IsWindowVisible(window) && !IsReshown(pass, window)) return TRUE;
    if (GetWindowTextLengthA(window) == 0) return TRUE;
    for (HWND shell : pass.shell) {
        if (window == shell) return TRUE;
    }
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    // A window whose placement cannot be read comes back as a normal window
    // rather than being "shown" hidden.
    if (!GetWindowPlacement(window, &placement)) placement.showCmd = SW_SHOWNORMAL;
    hidden.push_back({window, placement.showCmd});
    return TRUE;
}

std::vector<HiddenWindow>::iterator Find(HWND window)
{
    return std::find_if(hidden.begin(), hidden.end(),
                        [&](const HiddenWindow& h) { return h.window == window; });
}

}  // namespace

const char STANDALONE_TRAY_CLASS[] = "__winex11_standalone_tray";

const std::vector<HiddenWindow>& HiddenWindows() { return hidden; }

bool AnyWindowsHidden() { return !hidden.empty(); }

void OnHiddenListReplaced(void (*handler)()) { listReplaced = handler; }

void ConcealAllWindows(TimerGate& gate, ConcealState& state)
{
    ScopedTimerGate closed(gate);
    // The mute holds for as long as the windows stay concealed.
    if (state.muteWhileConcealing) {
        MuteForConcealment(state);
    } else {
        EndConcealmentMute(state);
    }
    Pass pass;
    pass.reshown = ShowRecordedWindows();
    // Every eligible window is recorded first, the recovery file is written
    // once for all of them, and only then are they hidden: a crash midway
    // leaves a file that lists every window the pass may have hidden.
    EnumWindows(RecordIfEligible, reinterpret_cast<LPARAM>(&pass));
    ListChanged(state);
    // Told without waiting: a program that has stopped answering holds up
    // neither the rest nor this program; its window follows when it wakes.
    for (const HiddenWindow& h : hidden) ShowWindowWithoutWaiting(h.window, SW_HIDE);
}

void ShowAllHiddenWindows(ConcealState& state)
{
    ShowRecordedWindows();
    ListChanged(state);
}

bool ShowHiddenWindow(HWND window, ConcealState& state)
{
    const auto found = Find(window);
    if (found == hidden.end()) return false;
    const int showCommand = static_cast<int>(found->showCommand);
    hidden.erase(found);
    ShowWindowWithoutWaiting(window, showCommand);
    ListChanged(state);
    return true;
}

bool CloseHiddenWindow(HWND window, ConcealState& state)
{
    const auto found = Find(window);
    if (found == hidden.end()) return false;
    const int showCommand = static_cast<int>(found->showCommand);
    hidden.erase(found);
    if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) {
        DestroyWindow(window);
    } else {
        // Shown first, then asked: both are queued to the window in order.
        ShowWindowWithoutWaiting(window, showCommand);
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    ListChanged(state);
    return true;
}
