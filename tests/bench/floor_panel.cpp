// The program's windows without the program: a frame window that carries the
// main panel's dialog template (every control of it, the same resources and
// manifest) with a dialog procedure that does nothing. Set between the
// minimal window and the program, it splits the start-up cost into what
// creating those controls costs and what the program's own set-up adds.
//
//   floor_panel.exe
#include <windows.h>
#include <commctrl.h>

#include "res/resource.h"

namespace {

INT_PTR CALLBACK IdlePanelProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        HWND panel = CreateDialogParamA(reinterpret_cast<CREATESTRUCTA*>(lParam)->hInstance,
                                        MAKEINTRESOURCEA(IDD_MAIN_PANEL), window, IdlePanelProc, 0);
        if (!panel) return -1;
        RECT rect;
        GetWindowRect(panel, &rect);
        AdjustWindowRect(&rect, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)), FALSE);
        const int width = rect.right - rect.left, height = rect.bottom - rect.top;
        MoveWindow(window, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                   (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, TRUE);
        ShowWindow(window, SW_SHOWNORMAL);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_UPDOWN_CLASS | ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&controls);

    WNDCLASSA wc = {};
    wc.lpfnWndProc = FrameProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "PlovFloorPanel";
    if (!RegisterClassA(&wc)) return 1;
    if (!CreateWindowExA(0, wc.lpszClassName, "floor panel", WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                         CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, nullptr)) {
        return 1;
    }

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
