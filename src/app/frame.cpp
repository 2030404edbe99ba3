#include "app/frame.h"

#include "app/app_state.h"
#include "app/panel.h"
#include "app/tray.h"
#include "core/shell/colors.h"
#include "core/shell/panel_messages.h"
#include "res/resource.h"
#include "triggers/hotkeys.h"
#include "win/window_show.h"

namespace {

// The frame's outer size for a panel of the given window rectangle.
SIZE FrameSizeFor(HWND frame, const RECT& panelRect)
{
    RECT rect = panelRect;
    AdjustWindowRect(&rect, static_cast<DWORD>(GetWindowLongA(frame, GWL_STYLE)), FALSE);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

void FitAndCentre(HWND frame)
{
    RECT panelRect;
    GetWindowRect(panelWindow, &panelRect);
    const SIZE size = FrameSizeFor(frame, panelRect);
    const int left = (GetSystemMetrics(SM_CXSCREEN) - size.cx) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - size.cy) / 2;
    MoveWindow(frame, left, top, size.cx, size.cy, TRUE);
}

// After the panel's size has changed (for example with the system's font
// metrics) the frame follows it, keeping its top-left corner.
void RefitToPanel(HWND frame)
{
    if (!panelWindow) return;
    RECT panelRect, frameRect;
    GetWindowRect(panelWindow, &panelRect);
    GetWindowRect(frame, &frameRect);
    const SIZE wanted = FrameSizeFor(frame, panelRect);
    if (frameRect.right - frameRect.left != wanted.cx ||
        frameRect.bottom - frameRect.top != wanted.cy) {
        MoveWindow(frame, frameRect.left, frameRect.top, wanted.cx, wanted.cy, TRUE);
    }
}

// Run as administrator, the program hears nothing from a shell of lower
// integrity unless it says so: without "TaskbarCreated" the tray icon, the
// way back while windows are concealed, would not come back after the shell
// restarts. The call exists from Windows 7 on (and in a first form from
// Vista); before that no filter exists.
void LetTheShellRestartIn(HWND frame)
{
    HMODULE user = GetModuleHandleA("user32.dll");
    if (!user) return;
    constexpr DWORD ALLOW = 1;  // MSGFLT_ALLOW and MSGFLT_ADD
    const UINT message = TaskbarCreatedMessage();
    using FilterForWindow = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    using FilterForProcess = BOOL(WINAPI*)(UINT, DWORD);
    const auto forWindow = reinterpret_cast<FilterForWindow>(
        reinterpret_cast<void (*)()>(GetProcAddress(user, "ChangeWindowMessageFilterEx")));
    const auto forProcess = reinterpret_cast<FilterForProcess>(
        reinterpret_cast<void (*)()>(GetProcAddress(user, "ChangeWindowMessageFilter")));
    if (forWindow) {
        forWindow(frame, message, ALLOW, nullptr);
    } else if (forProcess) {
        forProcess(message, ALLOW);
    }
}

LRESULT OnCreate(HWND frame)
{
    HMENU systemMenu = GetSystemMenu(frame, FALSE);
    AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(systemMenu, MF_STRING, IDM_SHOW_HIDE, "メインウィンドを隠す");

    frameWindow = frame;
    panelWindow = CreateDialogParamA(appInstance, MAKEINTRESOURCEA(IDD_MAIN_PANEL), frame,
                                     MainPanelDlgProc, 0);
    FitAndCentre(frame);
    RegisterAllHotkeys(panelWindow, Model().actions);
    LetTheShellRestartIn(frame);
    ShowWindow(frame, SW_SHOWNORMAL);
    // Painted at once, so that what waits for the frame to be on screen can
    // follow as the first message of the loop.
    RedrawWindow(frame, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    PostMessageA(panelWindow, WMU_FRAMESHOWN, 0, 0);
    return 0;
}

}  // namespace

LRESULT CALLBACK FrameWndProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return OnCreate(frame);
    case WM_ACTIVATE:
        RefitToPanel(frame);
        return 0;
    case WM_SYSCOMMAND:
        if (wParam == IDM_SHOW_HIDE) {
            SendMessageA(panelWindow, WM_COMMAND, IDM_SHOW_HIDE, lParam);
            return 0;
        }
        return DefWindowProcA(frame, message, wParam, lParam);
    case WM_CLOSE:
        DestroyWindow(frame);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_ENDSESSION:
        // The system is logging off or shutting down and may end the process
        // without a normal exit. The tray icon and the pads stay: the
        // session may yet go on.
        if (wParam) LeaveNothingBehind(panelWindow);
        return 0;
    default:
        // The shell tells top-level windows only that it has restarted (or
        // that the tray is ready at last, after a logon): the panel's icon
        // is added again from here.
        if (message == TaskbarCreatedMessage()) {
            ReAddTrayIcon();
            return 0;
        }
        return DefWindowProcA(frame, message, wParam, lParam);
    }
}

bool InitInstance(HINSTANCE instance)
{
    WNDCLASSA wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = FrameWndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_APP));
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = CreateSolidBrush(COLOR_PANEL);
    wc.lpszClassName = FRAME_CLASS_NAME;
    if (!RegisterClassA(&wc)) {
        MessageBoxA(nullptr, "RegisterClass@InitInstance", "Error", MB_OK);
        return false;
    }
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int y = GetSystemMetrics(SM_CYSCREEN) / 2;
    HWND frame = CreateWindowExA(0, FRAME_CLASS_NAME, FRAME_TITLE,
                                 WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, x, y, 0, 0, nullptr,
                                 nullptr, instance, nullptr);
    if (!frame) {
        MessageBoxA(nullptr, "CreateWindow@InitInstance", "Error", MB_OK);
        return false;
    }
    return true;
}

bool ActivateRunningInstance()
{
    HWND running = FindWindowA(FRAME_CLASS_NAME, nullptr);
    if (!running) return false;
    // Posted: a running instance that is busy must not hold this start up.
    if (IsIconic(running)) {
        ShowWindowWithoutWaiting(running, SW_RESTORE);
    } else if (!IsWindowVisible(running)) {
        ShowWindowWithoutWaiting(running, SW_SHOWNORMAL);
    }
    // A modal dialog of the running instance comes forward rather than its frame.
    SetForegroundWindow(GetLastActivePopup(running));
    return true;
}

void ToggleFrameVisibility()
{
    if (IsWindowVisible(frameWindow)) {
        ShowWindow(frameWindow, SW_HIDE);
    } else {
        ShowWindow(frameWindow, SW_SHOWNORMAL);
        SetForegroundWindow(frameWindow);
    }
}
