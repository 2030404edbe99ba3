#include "launcher/pads.h"

#include "core/launcher/pad_settings.h"
#include "core/panel/panel_messages.h"
#include "launcher/pad_menu.h"
#include "res/resource.h"

namespace {

constexpr int PAD_SIZE = 34;  // pixels: a 32 by 32 icon inside a sunken border

// How long, and how often, a started program is looked at for its window.
constexpr DWORD LAUNCH_WAIT_MS = 10000;
constexpr UINT LAUNCH_CHECK_MS = 100;

// WM_COPYGLOBALDATA: part of a drop from another program.
constexpr UINT COPY_GLOBAL_DATA = 0x0049;

struct WindowSearch {
    DWORD processId;
    HWND found;
};

// The first visible titled top-level window of the process.
BOOL CALLBACK FindProcessWindow(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<WindowSearch*>(data);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != search->processId || !IsWindowVisible(window) || GetWindowTextLengthA(window) == 0)
        return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

Pads::Pads(HWND panel, TimerGate& gate, DesktopRules& desktop, PadsHost& host)
    : panel_(panel), gate_(gate), desktop_(desktop), host_(host)
{
}

std::vector<UINT_PTR> Pads::Timers() const { return {TIMER_LAUNCH}; }

void Pads::ProgramLaunched(HANDLE process)
{
    launched_.Reset(process);
    if (!process) {
        host_.ProgramStarted(GetForegroundWindow());
        return;
    }
    launchedAt_ = GetTickCount();
    SetTimer(panel_, TIMER_LAUNCH, LAUNCH_CHECK_MS, nullptr);
}

void Pads::OnTimer(UINT_PTR)
{
    if (!launched_.valid()) {
        KillTimer(panel_, TIMER_LAUNCH);
        return;
    }
    WindowSearch search = {GetProcessId(launched_.get()), nullptr};
    EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&search));
    HWND chosen = search.found;
    // A process that ended without a window of its own (a launcher that
    // started the game and left): the window in front is taken.
    if (!chosen && WaitForSingleObject(launched_.get(), 0) == WAIT_OBJECT_0) chosen = GetForegroundWindow();
    if (!chosen && GetTickCount() - launchedAt_ < LAUNCH_WAIT_MS) return;
    KillTimer(panel_, TIMER_LAUNCH);
    launched_.Close();
    if (chosen) host_.ProgramStarted(chosen);
}

std::vector<int> Pads::InputCommands() const { return {IDC_PAD1, IDC_PAD2, IDC_PAD3, IDC_PAD4}; }

void Pads::OnCommand(int id, int code)
{
    if (code < PAD_COMMAND_CODE) return;
    ScopedTimerGate closed(gate_);
    RunPadCommand(pads_[id - IDC_PAD1], code - PAD_COMMAND_CODE);
}

void Pads::PadCommand(cAppIconClass& pad, int command)
{
    SendMessageA(panel_, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(pad.window), PAD_COMMAND_CODE + command),
                 reinterpret_cast<LPARAM>(pad.window));
}

void Pads::SetUp()
{
    for (int i = 0; i < PAD_COUNT; ++i) {
        HWND control = GetDlgItem(panel_, IDC_PAD1 + i);
        SetWindowPos(control, nullptr, 0, 0, PAD_SIZE, PAD_SIZE, SWP_NOMOVE | SWP_NOZORDER | SWP_SHOWWINDOW);
        pads_[i].host = this;
        AttachPad(pads_[i], control);
        for (UINT message : {static_cast<UINT>(WM_DROPFILES), static_cast<UINT>(WM_COPYDATA), COPY_GLOBAL_DATA})
            desktop_.LetThroughFromLowerIntegrity(control, message);
    }
}

void Pads::Save(SettingsValues& values) const
{
    std::string paths[PAD_COUNT];
    for (int i = 0; i < PAD_COUNT; ++i) paths[i] = pads_[i].path;
    StorePads(paths, values);
}

void Pads::Load(const SettingsValues& values)
{
    std::string paths[PAD_COUNT];
    LoadPads(values, paths);
    for (int i = 0; i < PAD_COUNT; ++i) {
        pads_[i].path = paths[i];
        ReloadPadFile(pads_[i]);
    }
}

void Pads::AfterShown() { FetchPendingPadIcons(pads_); }

void Pads::ShutDown()
{
    KillTimer(panel_, TIMER_LAUNCH);
    launched_.Close();
    for (cAppIconClass& pad : pads_) DetachPad(pad);
}
