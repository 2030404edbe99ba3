// How long one capture of a 1920 by 1080 client area takes, from the command
// to the closed file, with the program in its own process as in use. Not a
// test: it prints the figures. The screen must be larger than the window:
//
//   xvfb-run -a -s "-screen 0 2560x1600x24" scripts/wine-run.sh
//       build/win64/tests/capture_benchmark.exe build/win64/src/plovnikar.exe [runs]
//
// (one command line).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "e2e/program_under_test.h"
#include "res/resource.h"
#include "support/pattern_window.h"
#include "support/wine_test_support.h"

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: capture_benchmark path-to-plovnikar.exe [runs]\n");
        return 2;
    }
    ProgramUnderTest::builtProgram = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;
    constexpr int WIDTH = 1920, HEIGHT = 1080;
    SettleDesktop();

    ProgramUnderTest program;
    if (!program.Start()) {
        std::fprintf(stderr, "the program did not start\n");
        return 1;
    }
    PatternWindow source("benchmark source", 0, 0, WIDTH, HEIGHT);
    const SIZE size = source.ClientSize();
    if (size.cx != WIDTH || size.cy != HEIGHT || !source.TakeForeground()) {
        std::fprintf(stderr, "no %dx%d client area in the foreground (got %ldx%ld)\n", WIDTH,
                     HEIGHT, size.cx, size.cy);
        return 1;
    }
    WaitUntil([&] { return source.ShownOnScreen(); }, std::chrono::seconds(30));

    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        // Returns when the command has written and closed its file.
        SendMessageA(program.panel(), WM_COMMAND, IDC_CAPTURE, 0);
        QueryPerformanceCounter(&end);
        times.push_back(1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                        static_cast<double>(frequency.QuadPart));
    }
    const std::string last = program.folder().File("image\\" + std::to_string(runs - 1) + ".bmp");
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    const bool written = GetFileAttributesExA(last.c_str(), GetFileExInfoStandard, &data) != FALSE;
    std::sort(times.begin(), times.end());
    std::printf("capture of %dx%d, %d runs: min %.1f ms, median %.1f ms, max %.1f ms\n", WIDTH,
                HEIGHT, runs, times.front(), times[times.size() / 2], times.back());
    std::printf("last file %s: %s, %lu bytes (expected %d)\n", last.c_str(),
                written ? "written" : "MISSING", written ? data.nFileSizeLow : 0UL,
                54 + WIDTH * 3 * HEIGHT);
    return written ? 0 : 1;
}
