#include "conceal/hidden_windows.h"

#include <algorithm>

#include "conceal/master_mute.h"
#include "conceal/recovery_file.h"
#include "win/window_show.h"

namespace {

std::vector<HiddenWindow> hidden;
// Windows of other programs told to show and maybe not shown yet: a program
// that is busy takes its posted show later. Until the next pass looks, they
// count as shown.
std::vector<HWND> pendingShows;
// The window in front when the windows were concealed: it comes to the front
// again when they are all shown.
HWND frontWindow = nullptr;
void (*listReplaced)() = nullptr;

bool Contains(const std::vector<HWND>& windows, HWND window)
{
    return std::find(windows.begin(), windows.end(), window) != windows.end();
}

bool IsRecorded(HWND window)
{
    return std::any_of(hidden.begin(), hidden.end(),
                       [&](const HiddenWindow& h) { return h.window == window; });
}

// The shell's windows always stay: the desktop, the taskbar and, where the
// notification icons live in a window of their own (Wine without a
// desktop), that window, since the tray icon is the way back.
struct Pass {
    HWND shell[3] = {FindWindowA("Progman", nullptr), FindWindowA("Shell_TrayWnd", nullptr),
                     FindWindowA(STANDALONE_TRAY_CLASS, nullptr)};
};

void ShowAgain(HWND window, int showCommand)
{
    ShowWindowWithoutWaiting(window, showCommand);
    if (GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId() &&
        !Contains(pendingShows, window))
        pendingShows.push_back(window);
}

RecoveryState RecoveryOf(const ConcealState& state)
{
    RecoveryState recovery;
    recovery.mutes = state.mutes;
    // The bottom of the Z-order first, as the windows come back.
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

// Shows every recorded window from the bottom of the Z-order up, so that the
// one on top comes back on top, without waiting for their programs, and
// empties the list.
void ShowRecordedWindows()
{
    if (listReplaced) listReplaced();
    // Messages sent to this thread meanwhile may run another pass: the list
    // is taken whole first, so that such a pass starts from an empty one.
    std::vector<HiddenWindow> shown;
    shown.swap(hidden);
    for (auto it = shown.rbegin(); it != shown.rend(); ++it)
        ShowAgain(it->window, static_cast<int>(it->showCommand));
}

// After the list has changed: once it is empty, nothing is concealed and the
// devices get their earlier state back; the recovery file follows.
void ListChanged(ConcealState& state)
{
    if (hidden.empty()) EndConcealmentMutes(SystemOutputs(), state.mutes);
    UpdateRecoveryFile(RecoveryOf(state));
}

BOOL CALLBACK RecordIfEligible(HWND window, LPARAM passData)
{
    const Pass& pass = *reinterpret_cast<const Pass*>(passData);
    if (!IsWindowVisible(window) && !Contains(pendingShows, window)) return TRUE;
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
    HWND front = GetForegroundWindow();
    // The mute holds for as long as the windows stay concealed.
    if (state.muteWhileConcealing) {
        MuteForConcealment(SystemOutputs(), state.mutes);
    } else {
        EndConcealmentMutes(SystemOutputs(), state.mutes);
    }
    ShowRecordedWindows();
    Pass pass;
    // Every eligible window is recorded first, the recovery file is written
    // once for all of them, and only then are they hidden: a crash midway
    // leaves a file that lists every window the pass may have hidden.
    EnumWindows(RecordIfEligible, reinterpret_cast<LPARAM>(&pass));
    pendingShows.clear();
    // A pass while concealed finds the desktop in front: the window of the
    // first pass stays the one to bring back.
    if (IsRecorded(front)) {
        frontWindow = front;
    } else if (!IsRecorded(frontWindow)) {
        frontWindow = nullptr;
    }
    ListChanged(state);
    // Told without waiting: a program that has stopped answering holds up
    // neither the rest nor this program; its window follows when it wakes.
    // From the bottom of the Z-order up: no hide uncovers a window that
    // would have to repaint before its own hide.
    for (auto it = hidden.rbegin(); it != hidden.rend(); ++it)
        ShowWindowWithoutWaiting(it->window, SW_HIDE);
}

void ShowAllHiddenWindows(ConcealState& state)
{
    const bool wasConcealed = !hidden.empty();
    ShowRecordedWindows();
    ListChanged(state);
    // The windows' own threads may not take the front: the one in front at
    // the concealment is brought back from here. One that has stopped
    // answering cannot come forward and is not waited for.
    HWND front = frontWindow;
    frontWindow = nullptr;
    if (wasConcealed && front && IsWindow(front) && !IsHungAppWindow(front))
        SetForegroundWindow(front);
}

bool ShowHiddenWindow(HWND window, ConcealState& state)
{
    const auto found = Find(window);
    if (found == hidden.end()) return false;
    const int showCommand = static_cast<int>(found->showCommand);
    hidden.erase(found);
    ShowAgain(window, showCommand);
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
        ShowAgain(window, showCommand);
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    ListChanged(state);
    return true;
}

void RestoreStrandedWindows(ConcealState& state)
{
    const RecoveryState stranded = ReadRecoveryFiles();
    for (const StrandedWindow& entry : stranded.windows) {
        const auto window = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(entry.window));
        // A handle of a window that has gone may have been given to another one.
        DWORD processId = 0;
        if (!IsWindow(window) || !GetWindowThreadProcessId(window, &processId) ||
            processId != entry.processId)
            continue;
        // Shown whether it looks visible or not: a busy program may still
        // have the crashed run's hide before it, and the show lands behind
        // that. Posted: a program that has stopped answering must not hold
        // up the start.
        ShowAgain(window, entry.showCommand);
    }
    // The devices the crashed run muted get their earlier state back; one
    // that cannot be reached now stays recorded for the next try.
    state.mutes = stranded.mutes;
    EndConcealmentMutes(SystemOutputs(), state.mutes);
    UpdateRecoveryFile(RecoveryOf(state));
}
