// A small program for the launcher tests to start: it shows one titled window
// in the foreground and runs until that window is closed, or for a minute at
// most, so that a failed test leaves nothing running for long. With
// PLOV_LAUNCH_DELAY_MS in its environment it loads for that long first, as
// a game does, before its window shows.
#include <windows.h>

#include <cstdlib>

namespace {

const char CLASS_NAME[] = "PlovLaunchTarget";
constexpr UINT_PTR LIFETIME_TIMER = 1;
constexpr UINT LIFETIME_MS = 60000;

LRESULT CALLBACK TargetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
    char delay[16] = "";
    if (GetEnvironmentVariableA("PLOV_LAUNCH_DELAY_MS", delay, sizeof delay)) Sleep(static_cast<DWORD>(atoi(delay)));
    WNDCLASSA wc = {};
    wc.lpfnWndProc = TargetProc;
    wc.hInstance = instance;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = CLASS_NAME;
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(0, CLASS_NAME, "launch target", WS_OVERLAPPEDWINDOW, 600, 40,
                                  200, 120, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, show);
    SetForegroundWindow(window);
    SetTimer(window, LIFETIME_TIMER, LIFETIME_MS, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
