#include "launcher/pads.h"

#include <commdlg.h>

#include <memory>
#include <string>
#include <vector>

#include "core/base/exe_paths.h"
#include "core/launcher/launch_errors.h"
#include "core/launcher/pad_settings.h"
#include "core/launcher/shortcut_name.h"
#include "core/panel/panel_messages.h"
#include "launcher/pad_icons.h"
#include "launcher/shortcut.h"
#include "res/resource.h"
#include "win/com_thread.h"
#include "win/panel_gate.h"

#ifndef _WIN64
static_assert(sizeof(SHELLEXECUTEINFOA) == 60, "the shell's start record");
#endif

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

void RepaintNow(HWND window)
{
    if (!window) return;
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
}

void ReleaseIcon(cAppIconClass& pad)
{
    if (pad.iconInfo.hIcon) DestroyIcon(pad.iconInfo.hIcon);
    pad.iconInfo = SHFILEINFOA{};
}

// An icon fetched in the background after the start: taken while the pad
// still holds the same file.
void TakeFetchedIcon(cAppIconClass& pad, FetchedIcon* fetched)
{
    const std::unique_ptr<FetchedIcon> owned(fetched);
    if (!owned) return;
    if (pad.path != owned->path) {
        DestroyIcon(owned->info.hIcon);
        return;
    }
    ReleaseIcon(pad);
    pad.iconInfo = owned->info;
    pad.iconFetchPending = false;
    RepaintNow(pad.window);
}

void PaintIcon(const cAppIconClass& pad)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(pad.window, &paint);
    DrawIcon(dc, 0, 0, pad.iconInfo.hIcon);
    EndPaint(pad.window, &paint);
}

void TakeDroppedFile(cAppIconClass& pad, HDROP drop)
{
    // Only the first of several dropped files is taken.
    char path[MAX_PATH] = "";
    if (DragQueryFileA(drop, 0, path, sizeof path) == 0) path[0] = '\0';
    DragFinish(drop);
    RegisterPadFile(pad, path);
}

// Puts `file` on the emptied pad with the shell's icon and names for it;
// false, with the pad holding the path but no icon, when none came back.
bool TakeFile(cAppIconClass& pad, const std::string& file)
{
    pad.path = file;
    // The shell's file information needs the component library on the
    // thread that asks.
    InitializeComOnThisThread();
    if (!ShellFileIcon(file, IconSource::File, pad.iconInfo)) return false;
    if (pad.window) InvalidateRect(pad.window, nullptr, TRUE);
    return true;
}

// Puts the pad's path back on the pad, without following shortcuts. A file on
// a local disk gets its icon at once (none when the shell has none for it);
// any other path (a network path, a removable drive, a file that is not
// there) is not touched: the pad shows its type's icon and asks for the
// file's own later. No message is shown; starting a file that is not there
// reports the error as any failed start does. A path that does not fit the
// pad's buffer empties it.
void ReloadPadFile(cAppIconClass& pad)
{
    const std::string path = pad.path;
    EmptyPad(pad);
    if (path.empty() || path.size() > PAD_PATH_MAX_BYTES) return;
    // Only a file on a local disk is looked at on the way to the window: a
    // network path can keep the start waiting for the network's timeout. A
    // drive that is not plugged in keeps its registration, and a start says
    // what is wrong.
    if (PadFileIsNearby(path)) {
        TakeFile(pad, path);
    } else {
        pad.path = path;
        InitializeComOnThisThread();
        ShellFileIcon(path, IconSource::Extension, pad.iconInfo);
        pad.iconFetchPending = true;
    }
    RepaintNow(pad.window);
}

// The menu at the cursor, its bottom edge there, owned by the pad; the chosen
// command, or 0 when the player left the menu.
int ChooseFromPadMenu(const cAppIconClass& pad)
{
    ScopedMenu menu(BuildPadMenu(pad));
    POINT cursor;
    GetCursorPos(&cursor);
    return TrackPopupMenu(menu.get(), TPM_BOTTOMALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
                          cursor.x, cursor.y, 0, pad.window, nullptr);
}

void ShowFileInfo(const cAppIconClass& pad)
{
    char text[1024];
    // The three fields fit: at most 259 + 259 + 79 bytes and the labels.
    wsprintfA(text, "場所：\t%s\n表示名：\t%s\nタイプ：\t%s", pad.path.c_str(),
              pad.iconInfo.szDisplayName, pad.iconInfo.szTypeName);
    MessageBoxA(pad.window, text, "ファイル情報", MB_OK);
}

// Opens the folder that holds the registered file; a failure is ignored.
void OpenPadFolder(const cAppIconClass& pad)
{
    InitializeComOnThisThread();
    const std::string folder = DirectoryOf(pad.path);
    ShellExecuteA(pad.window, nullptr, folder.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace

cAppIconClass::~cAppIconClass()
{
    if (window) DetachPad(*this);
    ReleaseIcon(*this);
}

bool PadIsRegistered(const cAppIconClass& pad)
{
    return !pad.path.empty();
}

void EmptyPad(cAppIconClass& pad)
{
    pad.path.clear();
    pad.iconFetchPending = false;
    ReleaseIcon(pad);
    RepaintNow(pad.window);
}

bool AttachPad(cAppIconClass& pad, HWND control)
{
    if (!control) return false;
    pad.window = control;
    SetPropA(control, PAD_PROPERTY, &pad);
    const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(control, GWLP_WNDPROC));
    if (current != PadWndProc) {
        pad.previousProc = current;
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PadWndProc));
        DragAcceptFiles(control, TRUE);
    }
    return true;
}

bool DetachPad(cAppIconClass& pad)
{
    if (!pad.window) return false;
    EmptyPad(pad);
    DragAcceptFiles(pad.window, FALSE);
    if (pad.previousProc)
        SetWindowLongPtrA(pad.window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pad.previousProc));
    RemovePropA(pad.window, PAD_PROPERTY);
    pad.window = nullptr;
    pad.previousProc = nullptr;
    return true;
}

LRESULT CALLBACK PadWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* pad = static_cast<cAppIconClass*>(GetPropA(window, PAD_PROPERTY));
    if (!pad) return DefWindowProcA(window, message, wParam, lParam);
    pad->owner.OnPadMessage(*pad, message, wParam, lParam);
    // The handling above may have run a modal loop in which the pad was
    // detached: ask the pad afresh where the message goes on.
    const bool bound = GetPropA(window, PAD_PROPERTY) == pad;
    const WNDPROC previous = bound ? pad->previousProc : nullptr;
    const LRESULT result = previous ? CallWindowProcA(previous, window, message, wParam, lParam)
                                    : DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_DESTROY && bound) DetachPad(*pad);
    return result;
}

bool RegisterPadFile(cAppIconClass& pad, const char* source)
{
    EmptyPad(pad);
    std::string file = source ? source : "";
    for (int followed = 0; followed < SHORTCUT_FOLLOW_LIMIT && IsShortcutPath(file); ++followed) {
        char target[MAX_PATH] = "";
        if (!ResolveShortcut(file.c_str(), target)) break;
        file = target;
    }
    if (file.empty() || file.size() > PAD_PATH_MAX_BYTES) return false;
    if (!TakeFile(pad, file)) {
        EmptyPad(pad);
        MessageBoxA(pad.window, "アイコンの取得に失敗しました", file.c_str(), MB_OK);
    }
    return true;
}

HMENU BuildPadMenu(const cAppIconClass& pad)
{
    const UINT needsFile = PadIsRegistered(pad) ? MF_ENABLED : MF_GRAYED;
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING | needsFile, PAD_OPEN, "開く");
    AppendMenuA(menu, MF_STRING | needsFile, PAD_FOLDER, "フォルダ");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING | needsFile, PAD_UNREGISTER, "登録解除");
    AppendMenuA(menu, MF_STRING | MF_ENABLED, PAD_REGISTER, "新規登録");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING | needsFile, PAD_INFO, "情報");
    return menu;
}

static_assert(PAD_COUNT == 4, "one initialiser per pad");

Pads::Pads(DesktopRules& desktop)
    : desktop_(desktop),
      pads_{cAppIconClass(*this), cAppIconClass(*this), cAppIconClass(*this), cAppIconClass(*this)}
{
}

// Every message goes on to the control afterwards (PadWndProc).
void Pads::OnPadMessage(cAppIconClass& pad, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        if (pad.iconInfo.hIcon) PaintIcon(pad);
        break;
    case WM_LBUTTONDBLCLK:
        RunPadCommand(pad, PAD_OPEN);
        break;
    case WM_DROPFILES: {
        ScopedPanelGate closed(panel_);
        TakeDroppedFile(pad, reinterpret_cast<HDROP>(wParam));
        break;
    }
    case WM_RBUTTONDOWN: {
        ScopedPanelGate closed(panel_);
        const int command = ChooseFromPadMenu(pad);
        // The pad may have let go of its control while the menu was open.
        if (command != 0 && pad.window) RunPadCommand(pad, command);
        break;
    }
    case PAD_ICON_FETCHED:
        TakeFetchedIcon(pad, reinterpret_cast<FetchedIcon*>(lParam));
        break;
    default:
        break;
    }
}

void Pads::RunPadCommand(cAppIconClass& pad, int command)
{
    ScopedPanelGate closed(panel_);
    if (command == PAD_REGISTER) {
        ChooseFileToRegister(pad);
        return;
    }
    if (!PadIsRegistered(pad)) return;
    switch (command) {
    case PAD_UNREGISTER:
        EmptyPad(pad);
        break;
    case PAD_INFO:
        ShowFileInfo(pad);
        break;
    case PAD_OPEN:
        LaunchPadFile(pad);
        break;
    case PAD_FOLDER:
        OpenPadFolder(pad);
        break;
    default:
        break;
    }
}

void Pads::ChooseFileToRegister(cAppIconClass& pad)
{
    char file[MAX_PATH] = "";
    OPENFILENAMEA choice = {};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = pad.window;
    choice.lpstrFilter = "実行ファイル(*.exe)\0*.exe\0All files(*.*)\0*.*\0";
    choice.nFilterIndex = 1;
    choice.lpstrFile = file;
    choice.nMaxFile = sizeof file;
    choice.lpstrTitle = "ファイルの登録";
    choice.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    static_assert((OFN_FILEMUSTEXIST | OFN_HIDEREADONLY) == 0x1004);
    if (fileDialog_.Open(choice)) RegisterPadFile(pad, file);
}

void Pads::LaunchPadFile(const cAppIconClass& pad)
{
    InitializeComOnThisThread();
    // Copied: the pad may be emptied while a message box is open.
    const std::string path = pad.path;
    const std::string directory = DirectoryOf(path);
    SHELLEXECUTEINFOA start = {};
    start.cbSize = sizeof start;
    start.fMask = SEE_MASK_NOCLOSEPROCESS;
    start.hwnd = pad.window;
    start.lpVerb = "open";
    start.lpFile = path.c_str();
    start.lpDirectory = directory.c_str();
    start.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExA(&start)) {
        const char* message =
            LaunchErrorMessage(static_cast<long long>(reinterpret_cast<INT_PTR>(start.hInstApp)));
        if (message) {
            // The registration stays: a drive that is not plugged in or a
            // declined elevation prompt passes.
            MessageBoxA(pad.window, message, path.c_str(), MB_OK);
            MessageBoxA(nullptr, "登録ファイルの起動に失敗しました", path.c_str(), MB_OK);
            return;
        }
        start.hProcess = nullptr;
    }
    // No process comes back when a running program took the file (a
    // document opened by a program already running).
    ProgramLaunched(start.hProcess);
}

void Pads::ProgramLaunched(HANDLE process)
{
    launched_.Reset(process);
    if (!process) {
        SelectTarget(GetForegroundWindow());
        return;
    }
    launchedAt_ = GetTickCount();
    SetTimer(panel_, TIMER_LAUNCH, LAUNCH_CHECK_MS, nullptr);
}

void Pads::SelectTarget(HWND window) const
{
    SendMessageA(panel_, WMU_SELECTTARGET, reinterpret_cast<WPARAM>(window), 0);
}

std::vector<UINT_PTR> Pads::Timers() const { return {TIMER_LAUNCH}; }

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
    if (chosen) SelectTarget(chosen);
}

std::vector<int> Pads::InputCommands() const { return {IDC_PAD1, IDC_PAD2, IDC_PAD3, IDC_PAD4}; }

void Pads::SetUp()
{
    for (int i = 0; i < PAD_COUNT; ++i) {
        HWND control = GetDlgItem(panel_, IDC_PAD1 + i);
        SetWindowPos(control, nullptr, 0, 0, PAD_SIZE, PAD_SIZE, SWP_NOMOVE | SWP_NOZORDER | SWP_SHOWWINDOW);
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

void Pads::AfterShown()
{
    std::vector<IconRequest> requests;
    for (const cAppIconClass& pad : pads_) {
        if (pad.iconFetchPending && pad.window) requests.push_back({pad.window, pad.path});
    }
    FetchIconsInBackground(std::move(requests));
}

void Pads::ShutDown()
{
    KillTimer(panel_, TIMER_LAUNCH);
    launched_.Close();
    for (cAppIconClass& pad : pads_) DetachPad(pad);
}
