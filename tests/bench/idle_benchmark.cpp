// At rest: the CPU time the running program uses over a stretch where nothing
// happens (its gesture sampling ticks at the shortest timer period all the
// while), against a minimal program that polls GetCursorPos on a timer of
// interval 0; and the resident memory (working set) at the end of it,
// against a minimal program that shows one window of the frame's size, and
// against one that shows the main panel's dialog template and does nothing
// (what the controls and the libraries they need take). All run side by
// side, so that they see the same machine. Not a test: it prints the figures
// for scripts/bench.sh.
//
//   idle_benchmark.exe path-to-plovnikar.exe [seconds]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/bench_support.h"
#include "e2e/program_under_test.h"
#include "support/test_window.h"
#include "support/wine_test_support.h"

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: idle_benchmark path-to-plovnikar.exe [seconds]\n");
        return 2;
    }
    ProgramUnderTest::builtProgram = argv[1];
    const double seconds = argc > 2 ? std::max(1.0, std::atof(argv[2])) : 30.0;
    SettleDesktop();

    ProgramUnderTest program;
    if (!program.Start()) {
        std::fprintf(stderr, "the program did not start\n");
        return 1;
    }
    RECT frame;
    GetWindowRect(program.frame(), &frame);
    StartedProcess timerFloor, windowFloor, panelFloor;
    if (!timerFloor.Start(BesideDriver("floor_timer.exe"), "0", program.folder().path()) ||
        !panelFloor.Start(BesideDriver("floor_panel.exe"), "", program.folder().path()) ||
        !windowFloor.Start(BesideDriver("floor_window.exe"),
                           std::to_string(frame.right - frame.left) + " " +
                               std::to_string(frame.bottom - frame.top),
                           program.folder().path())) {
        std::fprintf(stderr, "a floor did not start\n");
        return 1;
    }
    const bool up = WaitUntil([&] {
        return ProcessWindow(timerFloor.id(), "PlovFloorTimer", false) &&
               ProcessWindow(windowFloor.id(), "PlovFloorWindow") &&
               ProcessWindow(panelFloor.id(), "PlovFloorPanel");
    });
    if (!up) {
        std::fprintf(stderr, "a floor's window did not appear\n");
        return 1;
    }
    // At rest as in use: beside a game that has the focus, so that no caret
    // of the panel's blinks. What start-up left behind (the first paints,
    // the caches) settles first.
    TestWindow game("game", 40, 40);
    if (!game.TakeForeground()) {
        std::fprintf(stderr, "the game window did not come to the front\n");
        return 1;
    }
    Sleep(2000);

    const std::string programExe = program.folder().File("plovnikar.exe");
    const double programStart = CpuSeconds(program.process(), programExe);
    const double floorStart = CpuSeconds(timerFloor.handle(), timerFloor.exe());
    const double start = Now();
    Sleep(static_cast<DWORD>(seconds * 1000));
    const double programCpu = CpuSeconds(program.process(), programExe) - programStart;
    const double floorCpu = CpuSeconds(timerFloor.handle(), timerFloor.exe()) - floorStart;
    const double wall = Now() - start;

    const double programMemory = WorkingSetBytes(program.process());
    const double windowMemory = WorkingSetBytes(windowFloor.handle());
    const double panelMemory = WorkingSetBytes(panelFloor.handle());
    const double timerMemory = WorkingSetBytes(timerFloor.handle());
    std::printf("at rest for %.1f s: CPU time program %.0f ms (%.2f %%), timer floor %.0f ms (%.2f %%)\n",
                wall, programCpu * 1000, 100 * programCpu / wall, floorCpu * 1000,
                100 * floorCpu / wall);
    std::printf("working set (private bytes) in KB: program %.0f (%.0f), one window %.0f (%.0f), "
                "the panel's template %.0f (%.0f), timer %.0f (%.0f)\n",
                programMemory / 1024, PrivateBytes(program.process()) / 1024, windowMemory / 1024,
                PrivateBytes(windowFloor.handle()) / 1024, panelMemory / 1024,
                PrivateBytes(panelFloor.handle()) / 1024, timerMemory / 1024,
                PrivateBytes(timerFloor.handle()) / 1024);
    Result("idle_cpu", programCpu * 1000, floorCpu * 1000, "ms");
    Result("memory", programMemory / 1024, windowMemory / 1024, "KB");
    Result("memory_panel", panelMemory / 1024, windowMemory / 1024, "KB");
    Result("memory_own", programMemory / 1024, panelMemory / 1024, "KB");
    return 0;
}
