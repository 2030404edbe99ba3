// The least a program that watches the cursor does: a timer on a hidden
// window and one GetCursorPos on each tick. Run without a file it ticks until
// its window is closed (the floor of the idle cost); with one it measures its
// own tick rate for the given number of seconds, writes it to the file and
// ends (the floor of the click repeat and the macro sampling).
//
//   floor_timer.exe interval-msec [seconds result-file]
//
// The result file holds one line: "ticks seconds ticks-per-second", counted
// from the first tick to the last.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

struct TickCount {
    double seconds = 0;  // how long to measure; 0: tick until closed
    const char* resultFile = nullptr;
    LARGE_INTEGER frequency = {};
    LARGE_INTEGER first = {};
    LARGE_INTEGER last = {};
    long ticks = 0;
};

TickCount count;
volatile LONG cursorSum;  // keeps the cursor reads

double SecondsBetween(LARGE_INTEGER from, LARGE_INTEGER to)
{
    return static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(count.frequency.QuadPart);
}

void WriteResult()
{
    FILE* out = std::fopen(count.resultFile, "w");
    if (!out) return;
    const double span = SecondsBetween(count.first, count.last);
    std::fprintf(out, "%ld %.6f %.3f\n", count.ticks - 1, span,
                 span > 0 ? static_cast<double>(count.ticks - 1) / span : 0.0);
    std::fclose(out);
}

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER: {
        POINT cursor;
        GetCursorPos(&cursor);
        cursorSum = cursorSum + cursor.x + cursor.y;
        if (!count.resultFile) return 0;
        QueryPerformanceCounter(&count.last);
        if (count.ticks++ == 0) count.first = count.last;
        if (SecondsBetween(count.first, count.last) >= count.seconds) {
            KillTimer(window, 1);
            WriteResult();
            DestroyWindow(window);
        }
        return 0;
    }
    case WM_CLOSE:
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

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    if (__argc < 2) return 2;
    const UINT interval = static_cast<UINT>(std::strtoul(__argv[1], nullptr, 10));
    if (__argc >= 4) {
        count.seconds = std::strtod(__argv[2], nullptr);
        count.resultFile = __argv[3];
    }
    QueryPerformanceFrequency(&count.frequency);

    WNDCLASSA wc = {};
    wc.lpfnWndProc = FloorProc;
    wc.hInstance = instance;
    wc.lpszClassName = "PlovFloorTimer";
    if (!RegisterClassA(&wc)) return 1;
    HWND window = CreateWindowExA(0, wc.lpszClassName, "floor timer", WS_OVERLAPPEDWINDOW, 0, 0,
                                  100, 100, nullptr, nullptr, instance, nullptr);
    if (!window || !SetTimer(window, 1, interval, nullptr)) return 1;

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}
