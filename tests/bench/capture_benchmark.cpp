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
    // The frame is hidden so that it covers nothing; the command still runs.
    PostMessageA(program.panel(), WM_COMMAND, IDC_SHOW_HIDE, 0);
    WaitUntil([&] { return !IsWindowVisible(program.frame()); });
    PatternWindow source("benchmark source", 0, 0, WIDTH, HEIGHT);
    const SIZE size = source.ClientSize();
    if (size.cx != WIDTH || size.cy != HEIGHT || !source.TakeForeground()) {
        std::fprintf(stderr, "no %dx%d client area in the foreground (got %ldx%ld)\n", WIDTH,
                     HEIGHT, size.cx, size.cy);
        return 1;
    }
    if (!WaitUntil([&] { return source.ShownOnScreen(); }, std::chrono::seconds(30))) {
        std::fprintf(stderr, "the pattern did not show on the screen\n");
        return 1;
    }

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
    std::sort(times.begin(), times.end());
    std::printf("capture of %dx%d, %d runs: min %.1f ms, median %.1f ms, max %.1f ms\n", WIDTH,
                HEIGHT, runs, times.front(), times[times.size() / 2], times.back());

    // The figures count only if the last file holds the picture.
    const std::string last = program.folder().File("image\\" + std::to_string(runs - 1) + ".bmp");
    std::vector<unsigned char> bytes(54 + static_cast<size_t>(WIDTH) * 3 * HEIGHT + 1);
    DWORD read = 0;
    HANDLE file = CreateFileA(last.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
        CloseHandle(file);
    }
    long wrong = read == bytes.size() - 1 ? 0 : -1;
    for (int row = 0; wrong >= 0 && row < HEIGHT; ++row) {
        const unsigned char* line = bytes.data() + 54 + static_cast<size_t>(row) * WIDTH * 3;
        for (int x = 0; x < WIDTH; ++x) {
            if (RGB(line[3 * x + 2], line[3 * x + 1], line[3 * x]) !=
                PatternWindow::Colour(x, HEIGHT - 1 - row)) {
                if (wrong == 0) std::printf("first wrong pixel (%d,%d)\n", x, HEIGHT - 1 - row);
                ++wrong;
            }
        }
    }
    std::printf("last file %s: %lu bytes, %ld wrong pixels, %s\n", last.c_str(), read, wrong,
                wrong == 0 ? "every pixel as shown" : "NOT the picture shown");
    return wrong == 0 ? 0 : 1;
}
