#include "conceal/concealment.h"

#include <algorithm>

#include "conceal/hidden_window_dialog.h"
#include "core/panel/panel_messages.h"
#include "res/resource.h"
#include "win/dialog_controls.h"
#include "win/module_path.h"
#include "win/panel_gate.h"

const char STANDALONE_TRAY_CLASS[] = "__winex11_standalone_tray";

namespace {

// A window told to show and not seen shown counts as shown for this long: a
// program busy for longer has its window recorded as it is then.
constexpr DWORD PENDING_SHOW_MS = 2000;
// How often the concealment looks whether the windows told to show have.
constexpr UINT SHOW_CHECK_MS = 15;
// How often, while windows are concealed with the mute, it looks for output
// devices plugged in meanwhile.
constexpr UINT DEVICE_CHECK_MS = 2000;

// The show command that brings a window back as `showCommand` would, without
// taking the activation. A maximised window keeps its state while hidden and
// is shown in it.
int WithoutActivating(int showCommand)
{
    switch (showCommand) {
    case SW_SHOWMINIMIZED:
        return SW_SHOWMINNOACTIVE;
    case SW_SHOWMAXIMIZED:
        return SW_SHOWNA;
    default:
        return SW_SHOWNOACTIVATE;
    }
}

// What a pass looks at: the windows shown or told to show, and the shell's
// windows, which always stay: the desktop, the taskbar and, where the
// notification icons live in a window of their own (Wine without a
// desktop), that window, since the tray icon is the way back.
struct Pass {
    const Concealment* concealment;
    const DesktopRules* desktop;
    std::vector<HiddenWindow>* hidden;
    DWORD now = GetTickCount();
    HWND shell[3] = {FindWindowA("Progman", nullptr), FindWindowA("Shell_TrayWnd", nullptr),
                     FindWindowA(STANDALONE_TRAY_CLASS, nullptr)};
};

BOOL CALLBACK RecordIfEligible(HWND window, LPARAM passData)
{
    const Pass& pass = *reinterpret_cast<const Pass*>(passData);
    if (!IsWindowVisible(window) && !pass.concealment->ShowPending(window, pass.now)) return TRUE;
    if (GetWindowTextLengthA(window) == 0) return TRUE;
    for (HWND shell : pass.shell) {
        if (window == shell) return TRUE;
    }
    // Out of the player's sight already (a suspended store app, a window on
    // another virtual desktop): it is not the player's to conceal.
    if (pass.desktop->Cloaked(window)) return TRUE;
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    // A window whose placement cannot be read comes back as a normal window
    // rather than being "shown" hidden.
    if (!GetWindowPlacement(window, &placement)) placement.showCmd = SW_SHOWNORMAL;
    pass.hidden->push_back({window, placement.showCmd});
    return TRUE;
}

}  // namespace

Concealment::Concealment(DesktopRules& desktop) : desktop_(desktop) {}

std::vector<int> Concealment::RoutedCommands() const
{
    return {IDC_CONCEAL, IDM_CONCEAL, IDM_SHOW_HIDDEN, IDM_HIDDEN_DIALOG};
}

std::vector<int> Concealment::InputCommands() const { return {IDC_MUTE}; }

std::vector<UINT_PTR> Concealment::Timers() const { return {TIMER_SHOWS, TIMER_DEVICES}; }

void Concealment::OnTimer(UINT_PTR id)
{
    if (id == TIMER_SHOWS) {
        SettleShows();
        return;
    }
    // An output device plugged in while the windows stay concealed is muted
    // too, and recorded.
    if (Active() && state_.muteWhileConcealing && MuteNewDevices(devices_, state_.mutes)) ListChanged();
}

std::string Concealment::TakeWarning()
{
    std::string warning;
    warning.swap(warning_);
    return warning;
}

void Concealment::ShowInTray(TrayState& tray) const
{
    tray.Enable(IDM_CONCEAL, !Active());
    tray.Enable(IDM_SHOW_HIDE, !Active());
    tray.Enable(IDM_SHOW_HIDDEN, Active());
    tray.Enable(IDM_HIDDEN_DIALOG, Active());
}

void Concealment::OnCommand(int id, int)
{
    switch (id) {
    case IDC_CONCEAL:
    case IDM_CONCEAL:
        Conceal();
        break;
    case IDM_SHOW_HIDDEN:
        ShowAll();
        break;
    case IDM_HIDDEN_DIALOG:
        OpenDialog();
        break;
    case IDC_MUTE:
        state_.muteWhileConcealing = BoxChecked(panel_, IDC_MUTE);
        break;
    default:
        break;
    }
}

void Concealment::SetUp()
{
    RestoreStrandedWindows();
}

void Concealment::Save(SettingsValues& values) const { StoreConceal(state_, values); }

void Concealment::Load(const SettingsValues& values)
{
    LoadConceal(values, state_);
    CheckBox(panel_, IDC_MUTE, state_.muteWhileConcealing);
}

void Concealment::AfterShown()
{
    if (state_.muteWhileConcealing) devices_.Prepare();
    if (recovery_.Kept()) {
        ScopedPanelGate closed(panel_);
        recovery_.ReportUnreadable(GetParent(panel_));
    }
}

void Concealment::LeaveNothingBehind() { ShowAll(); }

void Concealment::ShowAgain(HWND window, int showCommand)
{
    desktop_.ShowWithoutWaiting(window, showCommand);
    if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) return;
    const DWORD now = GetTickCount();
    const auto same = std::find_if(pendingShows_.begin(), pendingShows_.end(),
                                   [&](const PendingShow& p) { return p.window == window; });
    if (same == pendingShows_.end()) {
        pendingShows_.push_back({window, now});
    } else {
        same->since = now;
    }
    SetTimer(panel_, TIMER_SHOWS, SHOW_CHECK_MS, nullptr);
}

bool Concealment::ShowPending(HWND window, DWORD now) const
{
    return std::any_of(pendingShows_.begin(), pendingShows_.end(), [&](const PendingShow& p) {
        return p.window == window && now - p.since <= PENDING_SHOW_MS;
    });
}

void Concealment::SettleShows()
{
    const DWORD now = GetTickCount();
    if (frontToRaise_) {
        HWND front = frontToRaise_;
        if (!IsWindow(front) || (!IsWindowVisible(front) && !ShowPending(front, now))) {
            frontToRaise_ = nullptr;
        } else if (IsWindowVisible(front)) {
            frontToRaise_ = nullptr;
            SetForegroundWindow(front);
        }
    }
    pendingShows_.erase(std::remove_if(pendingShows_.begin(), pendingShows_.end(),
                                       [&](const PendingShow& p) {
                                           return !IsWindow(p.window) || IsWindowVisible(p.window) ||
                                                  now - p.since > PENDING_SHOW_MS;
                                       }),
                        pendingShows_.end());
    if (pendingShows_.empty() && !frontToRaise_) KillTimer(panel_, TIMER_SHOWS);
}

bool Concealment::IsRecorded(HWND window) const
{
    return std::any_of(hidden_.begin(), hidden_.end(),
                       [&](const HiddenWindow& h) { return h.window == window; });
}

// Shows every recorded window from the bottom of the Z-order up, so that the
// one on top comes back on top, without waiting for their programs, and
// empties the list. Their programs take the shows in their own time: only
// `front` may take the activation, so that whichever shows last does not
// take it from the window the player had in front.
void Concealment::ShowRecordedWindows(HWND front)
{
    CloseDialog();
    // Messages sent to this thread meanwhile may run another pass: the list
    // is taken whole first, so that such a pass starts from an empty one.
    std::vector<HiddenWindow> shown;
    shown.swap(hidden_);
    for (auto it = shown.rbegin(); it != shown.rend(); ++it) {
        const int command = static_cast<int>(it->showCommand);
        ShowAgain(it->window, it->window == front ? command : WithoutActivating(command));
    }
}

// After the list has changed: once it is empty, nothing is concealed, the
// devices get their earlier state back and the front window of that
// concealment is forgotten; the recovery file follows.
void Concealment::ListChanged()
{
    if (hidden_.empty()) {
        KillTimer(panel_, TIMER_DEVICES);
        EndConcealmentMutes(devices_, state_.mutes);
        frontWindow_ = nullptr;
    }
    RecoveryState recovery;
    recovery.mutes = state_.mutes;
    // The bottom of the Z-order first, as the windows come back.
    for (auto it = hidden_.rbegin(); it != hidden_.rend(); ++it) {
        StrandedWindow w;
        w.window = reinterpret_cast<std::uintptr_t>(it->window);
        DWORD processId = 0;
        GetWindowThreadProcessId(it->window, &processId);
        w.processId = processId;
        w.showCommand = static_cast<std::int32_t>(it->showCommand);
        recovery.windows.push_back(w);
    }
    recovery_.Update(recovery);
}

void Concealment::Conceal()
{
    ScopedPanelGate closed(panel_);
    HWND front = GetForegroundWindow();
    // The mute holds for as long as the windows stay concealed.
    if (state_.muteWhileConcealing) {
        MuteForConcealment(devices_, state_.mutes);
        SetTimer(panel_, TIMER_DEVICES, DEVICE_CHECK_MS, nullptr);
    } else {
        KillTimer(panel_, TIMER_DEVICES);
        EndConcealmentMutes(devices_, state_.mutes);
    }
    ShowRecordedWindows();
    // Every eligible window is recorded first, the recovery file is written
    // once for all of them, and only then are they hidden: a crash midway
    // leaves a file that lists every window the pass may have hidden.
    Pass pass;
    pass.concealment = this;
    pass.desktop = &desktop_;
    pass.hidden = &hidden_;
    EnumWindows(RecordIfEligible, reinterpret_cast<LPARAM>(&pass));
    pendingShows_.clear();
    frontToRaise_ = nullptr;
    KillTimer(panel_, TIMER_SHOWS);
    // A pass while concealed finds the desktop in front: the window of the
    // first pass stays the one to bring back.
    if (IsRecorded(front)) {
        frontWindow_ = front;
    } else if (!IsRecorded(frontWindow_)) {
        frontWindow_ = nullptr;
    }
    ListChanged();
    // Told without waiting: a program that has stopped answering holds up
    // neither the rest nor this program; its window follows when it wakes.
    // From the bottom of the Z-order up: no hide uncovers a window that
    // would have to repaint before its own hide.
    for (auto it = hidden_.rbegin(); it != hidden_.rend(); ++it)
        desktop_.ShowWithoutWaiting(it->window, SW_HIDE);
    DropWhatCannotBeHidden();
}

// Windows does not let this program hide a window of a program of higher
// integrity (a game run as administrator) and says nothing of it: such a
// window that is still visible after the hides is taken off the list, so
// that no show-all or recovery counts on it, and the player hears of it once.
// Other windows still visible are only slow to take their hide.
void Concealment::DropWhatCannotBeHidden()
{
    std::vector<std::pair<DWORD, bool>> higher;  // per process, asked once a pass
    std::string titles;
    const std::size_t before = hidden_.size();
    for (auto it = hidden_.begin(); it != hidden_.end();) {
        DWORD processId = 0;
        if (!IsWindowVisible(it->window) || !GetWindowThreadProcessId(it->window, &processId)) {
            ++it;
            continue;
        }
        auto known = std::find_if(higher.begin(), higher.end(),
                                  [&](const std::pair<DWORD, bool>& p) { return p.first == processId; });
        if (known == higher.end())
            known = higher.insert(higher.end(), {processId, desktop_.OfHigherIntegrity(it->window)});
        if (!known->second) {
            ++it;
            continue;
        }
        if (std::find(toldCannotHide_.begin(), toldCannotHide_.end(), it->window) == toldCannotHide_.end()) {
            toldCannotHide_.push_back(it->window);
            char title[128] = "";
            GetWindowTextA(it->window, title, sizeof title);
            titles += std::string("「") + title + "」";
        }
        it = hidden_.erase(it);
    }
    if (hidden_.size() != before) ListChanged();
    if (!titles.empty())
        warning_ = "管理者として実行されているため、隠せなかったウィンドがあります。"
                   "PLOVNIKAR も管理者として実行すると隠せます。" +
                   titles;
}

void Concealment::ShowAll()
{
    HWND front = hidden_.empty() ? nullptr : frontWindow_;
    ShowRecordedWindows(front);
    ListChanged();
    if (!front || !IsWindow(front)) return;
    // The windows' own threads may not take the front: the one in front at
    // the concealment is brought forward from here, once its program has
    // shown it (it cannot come forward hidden). Nothing waits for it: one
    // that has not shown within a while stays where it is.
    if (IsWindowVisible(front)) {
        SetForegroundWindow(front);
    } else {
        frontToRaise_ = front;
        SetTimer(panel_, TIMER_SHOWS, SHOW_CHECK_MS, nullptr);
    }
}

bool Concealment::TakeFromList(HWND window, int& showCommand)
{
    const auto found = std::find_if(hidden_.begin(), hidden_.end(),
                                    [&](const HiddenWindow& h) { return h.window == window; });
    if (found == hidden_.end()) return false;
    showCommand = static_cast<int>(found->showCommand);
    hidden_.erase(found);
    return true;
}

bool Concealment::ShowOne(HWND window)
{
    int showCommand = 0;
    if (!TakeFromList(window, showCommand)) return false;
    ShowAgain(window, showCommand);
    ListChanged();
    return true;
}

bool Concealment::CloseOne(HWND window)
{
    int showCommand = 0;
    if (!TakeFromList(window, showCommand)) return false;
    if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) {
        ListChanged();
        // The program's own frame takes the panel, and this object's use,
        // with it: nothing follows the destruction.
        DestroyWindow(window);
        return true;
    }
    // Shown first, then asked: both are queued to the window in order.
    ShowAgain(window, showCommand);
    PostMessageA(window, WM_CLOSE, 0, 0);
    ListChanged();
    return true;
}

void Concealment::RestoreStrandedWindows()
{
    const RecoveryState stranded = recovery_.Read();
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
    state_.mutes = stranded.mutes;
    ListChanged();
}

// Runs the dialog modally, owned by the panel, with the timer gate closed
// (no repeated click may land on its "閉じる"); does nothing while no window
// is concealed, and brings an open dialog forward instead of opening another.
void Concealment::OpenDialog()
{
    if (!Active()) return;
    if (dialog_) {
        SetForegroundWindow(dialog_);
        return;
    }
    ScopedPanelGate closed(panel_);
    DialogBoxParamA(ModuleInstance(), MAKEINTRESOURCEA(IDD_HIDDEN_WINDOWS), panel_,
                    HiddenWindowDlgProc, reinterpret_cast<LPARAM>(this));
}

void Concealment::DialogClosed(HWND dialog)
{
    if (dialog_ == dialog) dialog_ = nullptr;
}

// A pass or a show-all replaces the list the lines stand for: the dialog
// closes, hidden at once so that a pass does not record it.
void Concealment::CloseDialog()
{
    if (!dialog_) return;
    HWND dialog = dialog_;
    dialog_ = nullptr;
    CloseHiddenWindowDialog(dialog);
}
