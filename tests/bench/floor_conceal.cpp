// The least a concealment does: on the hotkey Ctrl+H, one enumeration of the
// top-level windows that finds every visible titled one (but the desktop,
// the taskbar and the window of the tray icons, looked up once per press),
// then ShowWindow alone on each, from the bottom of the Z-order up, so that
// no hide uncovers a window that must repaint. It records nothing and mutes
// nothing. It ends when its hidden window gets WM_CLOSE.
//
//   floor_conceal.exe
#include <windows.h>

#include <vector>

namespace {

constexpr int HOTKEY_ID = 3;

// The shell's windows, looked up once per press.
struct Press {
    HWND shell[3] = {FindWindowA("Progman", nullptr), FindWindowA("Shell_TrayWnd", nullptr),
                     FindWindowA("__winex11_standalone_tray", nullptr)};
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectTitled(HWND window, LPARAM data)
{
    auto* press = reinterpret_cast<Press*>(data);
    if (!IsWindowVisible(window) || GetWindowTextLengthA(window) == 0) return TRUE;
    for (HWND shell : press->shell)
        if (window == shell) return TRUE;
    press->windows.push_back(window);
    return TRUE;
}

void HideAllTitled()
{
    Press press;
    EnumWindows(CollectTitled, reinterpret_cast<LPARAM>(&press));
    const std::vector<HWND>& windows = press.windows;
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) ShowWindow(*it, SW_HIDE);
}

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_HOTKEY:
        HideAllTitled();
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
