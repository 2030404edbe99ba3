// A crowd of titled windows in a process of its own, for the concealment
// benchmark: N small top-level windows, each with a title, that show
// themselves again (without taking the focus) whenever any of them receives
// WM_APP.
//
//   window_crowd.exe N
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

std::vector<HWND> crowd;

LRESULT CALLBACK CrowdProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_APP) {
        for (HWND w : crowd) ShowWindow(w, SW_SHOWNOACTIVATE);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 100;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = CrowdProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "PlovWindowCrowd";
    RegisterClassA(&wc);
    for (int i = 0; i < count; ++i) {
        char title[32];
        std::snprintf(title, sizeof title, "crowd %d", i);
        // Ten rows of ten at the right of the screen, clear of the frame.
        HWND w = CreateWindowExA(0, wc.lpszClassName, title, WS_OVERLAPPEDWINDOW,
                                 1200 + (i % 10) * 60, 40 + (i / 10) * 60, 160, 90, nullptr,
                                 nullptr, wc.hInstance, nullptr);
        ShowWindow(w, SW_SHOWNOACTIVATE);
        crowd.push_back(w);
    }
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
