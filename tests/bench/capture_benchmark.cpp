// How long one capture of a 1920 by 1080 client area takes, from the command
// to the closed file, with the program in its own process as in use, against
// the floor: a minimal program that copies the same client area with one
// BitBlt into a DIB section and writes as many bytes to a new file in the
// same folder. Not a test: it prints the figures for scripts/bench.sh, which
// runs it on a screen larger than the window:
//
//   capture_benchmark.exe path-to-plovnikar.exe [runs]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "e2e/program_under_test.h"
#include "res/resource.h"
#include "support/pattern_window.h"
#include "support/test_window.h"
#include "support/wine_test_support.h"

namespace {

std::vector<std::uint8_t> FloorFile(const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    bytes.resize(GetFileSize(file, nullptr));
    DWORD read = 0;
    if (!bytes.empty()) ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

}  // namespace

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
    // The program is up once its icon is in the tray, which it adds after
    // the frame has shown; Wine without a desktop keeps the icons in a window
    // of their own at the screen's corner, which must not come up over the
    // pattern later.
    WaitUntil([] {
        HWND tray = FindWindowA("__winex11_standalone_tray", nullptr);
        return tray && IsWindowVisible(tray);
    });
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

    // The floor, from the same window into the same folder.
    const std::string folder = program.folder().File("image");
    char window[32];
    std::snprintf(window, sizeof window, "%llx",
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(source.handle())));
    StartedProcess floor;
    HWND floorWindow = nullptr;
    if (!floor.Start(BesideDriver("floor_capture.exe"), std::string(window) + " \"" + folder + "\"",
                     program.folder().path()) ||
        !WaitUntil([&] { return (floorWindow = ProcessWindow(floor.id(), "PlovFloorCapture", false)) != nullptr; })) {
        std::fprintf(stderr, "the floor did not start\n");
        return 1;
    }

    // Turn about, each timed around the message that starts it; both
    // return when the file is written and closed.
    std::vector<double> times, floorTimes;
    for (int i = 0; i < runs; ++i) {
        double start = Now();
        SendMessageA(program.panel(), WM_COMMAND, IDC_CAPTURE, 0);
        times.push_back(1000 * (Now() - start));
        start = Now();
        const LRESULT whole = SendMessageA(floorWindow, WM_APP, static_cast<WPARAM>(i), 0);
        floorTimes.push_back(1000 * (Now() - start));
        if (!whole) {
            std::fprintf(stderr, "the floor did not write its file\n");
            return 1;
        }
    }
    std::sort(times.begin(), times.end());
    std::sort(floorTimes.begin(), floorTimes.end());
    std::printf("capture of %dx%d, %d runs: min %.1f ms, median %.1f ms, max %.1f ms\n", WIDTH,
                HEIGHT, runs, times.front(), Median(times), times.back());
    std::printf("floor, %d runs:            min %.1f ms, median %.1f ms, max %.1f ms\n", runs,
                floorTimes.front(), Median(floorTimes), floorTimes.back());

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
    // And the floor's last file holds the same pixels.
    const std::vector<std::uint8_t> floorBytes = FloorFile(folder + "\\floor" + std::to_string(runs - 1) + ".bmp");
    const bool samePixels = floorBytes.size() == read &&
                            std::equal(bytes.begin() + 54, bytes.begin() + read, floorBytes.begin() + 54);
    std::printf("the floor's last file: %zu bytes, %s\n", floorBytes.size(),
                samePixels ? "the same pixels" : "OTHER pixels");
    if (wrong != 0 || !samePixels) return 1;
    Result("capture", Median(times), Median(floorTimes), "ms");
    return 0;
}
