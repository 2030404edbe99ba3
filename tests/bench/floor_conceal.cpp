// The least a concealment does: on the hotkey Ctrl+H, one enumeration of the
// top-level windows that hides every visible titled one (but the desktop,
// the taskbar and the window of the tray icons) with ShowWindow alone. It
// records nothing and mutes nothing. It ends when its hidden window gets
// WM_CLOSE.
//
//   floor_conceal.exe
#include <windows.h>

namespace {

constexpr int HOTKEY_ID = 3;

BOOL CALLBACK HideIfTitled(HWND window, LPARAM)
{
    if (!IsWindowVisible(window) || GetWindowTextLengthA(window) == 0) return TRUE;
    if (window == FindWindowA("Progman", nullptr) || window == FindWindowA("Shell_TrayWnd", nullptr) ||
        window == FindWindowA("__winex11_standalone_tray", nullptr))
        return TRUE;
    ShowWindow(window, SW_HIDE);
    return TRUE;
}

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_HOTKEY:
        EnumWindows(HideIfTitled, 0);
        return 0;
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
    WNDCLASSA wc = {};
    wc.lpfnWndProc = FloorProc;
    wc.hInstance = instance;
    wc.lpszClassName = "PlovFloorConceal";
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(0, wc.lpszClassName, "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                  nullptr, instance, nullptr);
    // The program measured before may still be on its way out, holding the
    // same hotkey for a moment.
    int attempts = 0;
    while (!RegisterHotKey(window, HOTKEY_ID, MOD_CONTROL, 'H')) {
        if (++attempts > 500) return 1;
        Sleep(10);
    }
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}
