#include "app/frame.h"

#include "app/panel.h"
#include "core/panel/colors.h"
#include "core/panel/panel_messages.h"
#include "res/resource.h"
#include "win/window_show.h"

const char FRAME_CLASS_NAME[] = "PLOVNIKARClass";
const char FRAME_TITLE[] = "PLOVNIKAR Ver.1.0";

namespace {

HWND PanelOf(HWND frame) { return GetWindow(frame, GW_CHILD); }


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
    GetWindowRect(PanelOf(frame), &panelRect);
    const SIZE size = FrameSizeFor(frame, panelRect);
    const int left = (GetSystemMetrics(SM_CXSCREEN) - size.cx) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - size.cy) / 2;
    MoveWindow(frame, left, top, size.cx, size.cy, TRUE);
}

// After the panel's size has changed (for example with the system's font
// metrics) the frame follows it, keeping its top-left corner.
void RefitToPanel(HWND frame)
{
    HWND panel = PanelOf(frame);
    if (!panel) return;
    RECT panelRect, frameRect;
    GetWindowRect(panel, &panelRect);
    GetWindowRect(frame, &frameRect);
    const SIZE wanted = FrameSizeFor(frame, panelRect);
    if (frameRect.right - frameRect.left != wanted.cx ||
        frameRect.bottom - frameRect.top != wanted.cy) {
        MoveWindow(frame, frameRect.left, frameRect.top, wanted.cx, wanted.cy, TRUE);
    }
}

LRESULT OnCreate(HWND frame, const CREATESTRUCTA& create)
{
    auto* panelObject = static_cast<Panel*>(create.lpCreateParams);
    HMENU systemMenu = GetSystemMenu(frame, FALSE);
    AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(systemMenu, MF_STRING, IDM_SHOW_HIDE, "メインウィンドを隠す");

    HWND panel = CreateDialogParamA(create.hInstance, MAKEINTRESOURCEA(IDD_MAIN_PANEL), frame,
                                    MainPanelDlgProc, reinterpret_cast<LPARAM>(panelObject));
    if (!panel) return -1;
    FitAndCentre(frame);
    // Run as administrator, the program would not hear the shell's restart,
    // and the tray icon, the way back while windows are concealed, would not
    // come back.
    panelObject->Desktop().LetThroughFromLowerIntegrity(frame, panelObject->ShellRestartMessage());
    ShowWindow(frame, SW_SHOWNORMAL);
    // Painted at once, so that what waits for the frame to be on screen can
    // follow as the first message of the loop.
    RedrawWindow(frame, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    PostMessageA(panel, WMU_FRAMESHOWN, 0, 0);
    return 0;
}

// The system is logging off or shutting down and may end the process without
// a normal exit. The tray icon and the pads stay: the session may yet go on.
void OnEndSession(HWND frame, bool ending)
{
    if (!ending) return;
    if (Panel* panel = Panel::Of(PanelOf(frame))) panel->LeaveNothingBehind();
}

// The shell tells top-level windows only that it has restarted (or that the
// tray is ready at last, after a logon): the panel's icon is added again
// from here.
LRESULT OnOtherMessage(HWND frame, UINT message, WPARAM wParam, LPARAM lParam)
{
    Panel* panel = Panel::Of(PanelOf(frame));
    if (panel && message == panel->ShellRestartMessage()) {
        panel->ShellRestarted();
        return 0;
    }
    return DefWindowProcA(frame, message, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK FrameWndProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return OnCreate(frame, *reinterpret_cast<const CREATESTRUCTA*>(lParam));
    case WM_ACTIVATE:
        RefitToPanel(frame);
        return 0;
    case WM_SYSCOMMAND:
        if (wParam == IDM_SHOW_HIDE) {
            SendMessageA(PanelOf(frame), WM_COMMAND, IDM_SHOW_HIDE, lParam);
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
        OnEndSession(frame, wParam != FALSE);
        return 0;
    default:
        return OnOtherMessage(frame, message, wParam, lParam);
    }
}

bool RegisterFrameClass(HINSTANCE instance)
{
    WNDCLASSA wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = FrameWndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_APP));
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = CreateSolidBrush(COLOR_PANEL);
    wc.lpszClassName = FRAME_CLASS_NAME;
    return RegisterClassA(&wc) != 0;
}

HWND CreateFrame(HINSTANCE instance, Panel& panel)
{
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int y = GetSystemMetrics(SM_CYSCREEN) / 2;
    return CreateWindowExA(0, FRAME_CLASS_NAME, FRAME_TITLE, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                           x, y, 0, 0, nullptr, nullptr, instance, &panel);
}

bool InitInstance(HINSTANCE instance, Panel& panel)
{
    if (!RegisterFrameClass(instance)) {
        MessageBoxA(nullptr, "RegisterClass@InitInstance", "Error", MB_OK);
        return false;
    }
    if (!CreateFrame(instance, panel)) {
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
