// Concealment: the time from the key press (Ctrl+H) to the last of 100
// titled windows of another process hidden, against a minimal program that
// hides the same windows on the same hotkey with one enumeration and
// ShowWindow alone. Before each press a window of the driver, the "game", is
// in the foreground, as when a player presses the key; it is hidden too. Not
// a test: it prints the figures for scripts/bench.sh.
//
//   conceal_benchmark.exe path-to-plovnikar.exe [runs] [windows]
//
// Three figures of the program: with "消音" unticked, the hiding alone; with
// it ticked (a sound server must run for it to mean anything), the first
// press of a run, each in a program just started, and later presses. Then
// the floor runs as many; medians. After each run the windows are shown
// again (the tray's "show all" for the program, the crowd itself for the
// floor) and the next key press waits until the foreground window has
// settled.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "e2e/program_under_test.h"
#include "res/resource.h"
#include "support/test_window.h"
#include "support/wine_test_support.h"

namespace {

constexpr double WAIT_SECONDS = 30;

struct CrowdSearch {
    DWORD processId;
    std::vector<HWND>* windows;
};

BOOL CALLBACK CollectCrowd(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<CrowdSearch*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    char name[32] = "";
    GetClassNameA(window, name, sizeof name);
    if (pid == search->processId && std::string(name) == "PlovWindowCrowd")
        search->windows->push_back(window);
    return TRUE;
}

bool All(const std::vector<HWND>& windows, bool visible)
{
    for (HWND w : windows)
        if ((IsWindowVisible(w) != FALSE) != visible) return false;
    return true;
}

// Polls every millisecond, serving the game window's messages meanwhile:
// polling without a pause would take a processor from the programs measured
// (each look at a window of another process is a call to the Wine server).
bool PollUntil(const std::function<bool()>& condition)
{
    const double deadline = Now() + WAIT_SECONDS;
    while (!condition()) {
        if (Now() > deadline) return false;
        PumpMessages();
        Sleep(1);
    }
    return true;
}

// Seconds from the key press, with the game in front, to the last window
// hidden; 0 on a timeout.
double TimeToConceal(TestWindow& game, const std::vector<HWND>& crowd)
{
    // Windows just shown again are still painting (the crowd's, the
    // program's own panel); a player does not press the key again within
    // the moment, and the press is measured on settled windows.
    const double settled = Now() + 0.5;
    PollUntil([&] { return Now() > settled; });
    if (!game.TakeForeground()) return 0;
    const double start = Now();
    PressCombination({VK_CONTROL}, 'H');
    if (!PollUntil([&] { return All(crowd, false) && !IsWindowVisible(game.handle()); })) return 0;
    return Now() - start;
}

// The windows shown again by the program's tray command.
bool ShowAgain(const ProgramUnderTest& plovnikar, const std::vector<HWND>& crowd)
{
    PostMessageA(plovnikar.panel(), WM_COMMAND, IDM_SHOW_HIDDEN, 0);
    return PollUntil([&] { return All(crowd, true) && IsWindowVisible(plovnikar.frame()); });
}

// One program, `runs` presses after an uncounted one; empty on a failure.
std::vector<double> LaterPresses(TestWindow& game, const std::vector<HWND>& crowd, int runs, bool mute)
{
    std::vector<double> seconds;
    ProgramUnderTest plovnikar;
    if (!plovnikar.Start()) return {};
    SetRemoteCheck(plovnikar.Control(IDC_MUTE), mute);
    for (int run = 0; run <= runs; ++run) {
        const double taken = TimeToConceal(game, crowd);
        if (taken == 0 || !ShowAgain(plovnikar, crowd)) return {};
        if (run > 0) seconds.push_back(taken);  // the first run warms up
    }
    return seconds;
}

// The first press in each of `runs` programs just started, "消音" ticked as
// a first start has it.
std::vector<double> FirstPresses(TestWindow& game, const std::vector<HWND>& crowd, int runs)
{
    std::vector<double> seconds;
    for (int run = 0; run < runs; ++run) {
        ProgramUnderTest plovnikar;
        if (!plovnikar.Start()) return {};
        // A player presses the key once the program is up and answering.
        DWORD_PTR answer = 0;
        SendMessageTimeoutA(plovnikar.panel(), WM_NULL, 0, 0, SMTO_NORMAL, 10000, &answer);
        const double taken = TimeToConceal(game, crowd);
        if (taken == 0 || !ShowAgain(plovnikar, crowd)) return {};
        seconds.push_back(taken);
    }
    return seconds;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: conceal_benchmark path-to-plovnikar.exe [runs] [windows]\n");
        return 2;
    }
    ProgramUnderTest::builtProgram = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
    const int count = argc > 3 ? std::max(1, std::atoi(argv[3])) : 100;
    SettleDesktop();

    TempFolder folder;
    StartedProcess crowdProcess;
    if (!crowdProcess.Start(BesideDriver("window_crowd.exe"), std::to_string(count), folder.path())) {
        std::fprintf(stderr, "the crowd did not start\n");
        return 1;
    }
    std::vector<HWND> crowd;
    CrowdSearch search = {crowdProcess.id(), &crowd};
    if (!PollUntil([&] {
            crowd.clear();
            EnumWindows(CollectCrowd, reinterpret_cast<LPARAM>(&search));
            return static_cast<int>(crowd.size()) == count && All(crowd, true);
        })) {
        std::fprintf(stderr, "the crowd's windows did not appear\n");
        return 1;
    }

    TestWindow game("game", 40, 40);
    std::vector<double> floor;
    const std::vector<double> program = LaterPresses(game, crowd, runs, false);
    const std::vector<double> muted = LaterPresses(game, crowd, runs, true);
    const std::vector<double> first = FirstPresses(game, crowd, runs);
    if (program.empty() || muted.empty() || first.empty()) {
        std::fprintf(stderr, "the program did not start, hide or show the windows\n");
        return 1;
    }
    {
        StartedProcess floorProcess;
        if (!floorProcess.Start(BesideDriver("floor_conceal.exe"), "", folder.path()) ||
            !PollUntil([&] {
                // The floor holds the hotkey once it is ready (and the
                // program has gone).
                if (WaitForSingleObject(floorProcess.handle(), 0) == WAIT_OBJECT_0) return false;
                if (!ProcessWindow(floorProcess.id(), "PlovFloorConceal", false)) return false;
                if (!RegisterHotKey(nullptr, 99, MOD_CONTROL, 'H')) return true;
                UnregisterHotKey(nullptr, 99);
                return false;
            })) {
            std::fprintf(stderr, "the floor did not start\n");
            return 1;
        }
        for (int run = 0; run <= runs; ++run) {
            const double seconds = TimeToConceal(game, crowd);
            if (seconds == 0) {
                std::fprintf(stderr, "the floor did not hide the windows\n");
                return 1;
            }
            if (run > 0) floor.push_back(seconds);
            ShowWindow(game.handle(), SW_SHOWNORMAL);
            PostMessageA(crowd.front(), WM_APP, 0, 0);
            if (!PollUntil([&] { return All(crowd, true); })) {
                std::fprintf(stderr, "the windows did not come back\n");
                return 1;
            }
        }
        floorProcess.Close(ProcessWindow(floorProcess.id(), "PlovFloorConceal", false));
    }
    std::printf("program ms:%s\nwith mute, first press ms:%s\nwith mute, later ms:%s\nfloor ms:%s\n",
                Milliseconds(program, 1).c_str(), Milliseconds(first, 1).c_str(),
                Milliseconds(muted, 1).c_str(), Milliseconds(floor, 1).c_str());
    Result("conceal", Median(program) * 1000, Median(floor) * 1000, "ms");
    Result("conceal_mute_first", Median(first) * 1000, Median(floor) * 1000, "ms");
    Result("conceal_mute", Median(muted) * 1000, Median(floor) * 1000, "ms");
    crowdProcess.Close();
    return 0;
}
