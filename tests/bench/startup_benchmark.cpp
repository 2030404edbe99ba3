// Start-up: the time from the process's creation to its visible frame,
// against a minimal program that shows one window of the same size. A third
// program shows the main panel's dialog template in a frame and does nothing
// else: it tells how much of the difference the panel's controls take. Not a
// test: it prints the figures for scripts/bench.sh.
//
//   startup_benchmark.exe path-to-plovnikar.exe [runs]
//
// The runs alternate between the three programs, after one run of
// each that is not counted (it brings the files into the cache). The program
// runs from its own folder and reads the settings file its earlier run wrote,
// as it does in use.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "e2e/program_under_test.h"
#include "support/test_window.h"
#include "support/wine_test_support.h"

namespace {

constexpr double WAIT_SECONDS = 20;

// Seconds from CreateProcess to a visible window of the class; 0 when none
// appeared. The window size is its frame's, for the floor's next run.
double TimeToVisibleWindow(const std::string& exe, const std::string& arguments,
                           const std::string& folder, const char* className, SIZE* size)
{
    StartedProcess process;
    const double start = Now();
    if (!process.Start(exe, arguments, folder)) return 0;
    HWND window = nullptr;
    while (!(window = ProcessWindow(process.id(), className))) {
        if (Now() - start > WAIT_SECONDS) return 0;
        Sleep(1);
    }
    const double seconds = Now() - start;
    if (size) {
        RECT r;
        GetWindowRect(window, &r);
        *size = SIZE{r.right - r.left, r.bottom - r.top};
    }
    process.Close(window);
    return seconds;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_benchmark path-to-plovnikar.exe [runs]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
    SettleDesktop();

    TempFolder folder;
    const std::string program = folder.File("plovnikar.exe");
    if (!CopyFileA(WindowsPathOf(argv[1]).c_str(), program.c_str(), FALSE)) {
        std::fprintf(stderr, "cannot copy %s\n", argv[1]);
        return 1;
    }
    const std::string floor = BesideDriver("floor_window.exe");
    const std::string panelFloor = BesideDriver("floor_panel.exe");

    SIZE frame = {};
    if (TimeToVisibleWindow(program, "", folder.path(), "PLOVNIKARClass", &frame) == 0) {
        std::fprintf(stderr, "the program's frame did not show\n");
        return 1;
    }
    const std::string size = std::to_string(frame.cx) + " " + std::to_string(frame.cy);
    if (TimeToVisibleWindow(floor, size, folder.path(), "PlovFloorWindow", nullptr) == 0 ||
        TimeToVisibleWindow(panelFloor, "", folder.path(), "PlovFloorPanel", nullptr) == 0) {
        std::fprintf(stderr, "a floor's window did not show\n");
        return 1;
    }

    std::vector<double> programTimes, floorTimes, panelTimes;
    for (int i = 0; i < runs; ++i) {
        programTimes.push_back(TimeToVisibleWindow(program, "", folder.path(), "PLOVNIKARClass", nullptr));
        floorTimes.push_back(TimeToVisibleWindow(floor, size, folder.path(), "PlovFloorWindow", nullptr));
        panelTimes.push_back(TimeToVisibleWindow(panelFloor, "", folder.path(), "PlovFloorPanel", nullptr));
        if (programTimes.back() == 0 || floorTimes.back() == 0 || panelTimes.back() == 0) {
            std::fprintf(stderr, "a window did not show in run %d\n", i);
            return 1;
        }
    }
    std::printf("start-up to the visible frame (%ldx%ld), %d runs each, in ms\n", frame.cx,
                frame.cy, runs);
    std::printf("  program:           %s\n  one window:        %s\n  the panel's template:%s\n",
                Milliseconds(programTimes).c_str(), Milliseconds(floorTimes).c_str(),
                Milliseconds(panelTimes).c_str());
    Result("startup", Median(programTimes) * 1000, Median(floorTimes) * 1000, "ms");
    Result("startup_panel", Median(panelTimes) * 1000, Median(floorTimes) * 1000, "ms");
    Result("startup_own", Median(programTimes) * 1000, Median(panelTimes) * 1000, "ms");
    return 0;
}
