// Click repeat: the clicks the program delivers per second into a test window
// in the foreground, with the cursor on it, at intervals of 0, 10, 50 and 100
// msec, against the tick rate of a timer of the same interval in a minimal
// program running at the same time. Each tick of the repeater sends one event
// (a down or an up), so events per second are set against ticks per second.
// Not a test: it prints the figures for scripts/bench.sh.
//
//   click_benchmark.exe path-to-plovnikar.exe [seconds-per-interval]
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/bench_support.h"
#include "e2e/program_under_test.h"
#include "res/resource.h"
#include "support/test_window.h"
#include "support/wine_test_support.h"

namespace {

// Events from the first to the last one seen in `seconds`, and their rate;
// 0 when fewer than two came.
double EventsPerSecond(const TestWindow& target, double seconds, std::size_t* events)
{
    const std::size_t before = target.clicks().size();
    double first = 0, last = 0;
    std::size_t firstCount = 0, lastCount = 0;
    const double deadline = Now() + seconds + 5;  // the first event may take its interval
    for (;;) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        PumpMessages();
        const double now = Now();
        const std::size_t count = target.clicks().size();
        if (count > lastCount && count > before) {
            if (firstCount == 0) {
                first = now;
                firstCount = count;
            }
            last = now;
            lastCount = count;
        }
        if (firstCount && now - first >= seconds) break;
        if (now > deadline) break;
    }
    *events = lastCount - firstCount;
    return last > first ? static_cast<double>(lastCount - firstCount) / (last - first) : 0;
}

// Downs and ups strictly alternate over the whole log: each 'L' is
// followed by an 'l' and the other way round, whatever the first one was.
bool Alternates(const std::string& clicks)
{
    for (std::size_t i = 0; i < clicks.size(); ++i) {
        if (clicks[i] != 'L' && clicks[i] != 'l') return false;
        if (i > 0 && clicks[i] == clicks[i - 1]) return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: click_benchmark path-to-plovnikar.exe [seconds]\n");
        return 2;
    }
    ProgramUnderTest::builtProgram = argv[1];
    const double seconds = argc > 2 ? std::max(1.0, std::atof(argv[2])) : 4.0;
    SettleDesktop();

    ProgramUnderTest program;
    if (!program.Start()) {
        std::fprintf(stderr, "the program did not start\n");
        return 1;
    }
    TestWindow target("click target", 40, 40);
    HWND panel = program.panel();
    bool allAlternate = true;
    for (int interval : {0, 10, 50, 100}) {
        const std::string result = program.folder().File("ticks" + std::to_string(interval) + ".txt");
        StartedProcess floor;
        if (!floor.Start(BesideDriver("floor_timer.exe"),
                         std::to_string(interval) + " " + std::to_string(seconds) + " \"" + result + "\"",
                         program.folder().path())) {
            std::fprintf(stderr, "the floor did not start\n");
            return 1;
        }
        SetRemoteText(program.Control(IDC_LEFT_INTERVAL), std::to_string(interval));
        if (!target.TakeForeground()) {
            std::fprintf(stderr, "the target window did not come to the front\n");
            return 1;
        }
        PumpMessages();
        SendMessageA(panel, WM_COMMAND, IDC_LEFT_TOGGLE, 0);
        std::size_t events = 0;
        const double clicks = EventsPerSecond(target, seconds, &events);
        SendMessageA(panel, WM_COMMAND, IDC_LEFT_TOGGLE, 0);
        WaitForSingleObject(floor.handle(), static_cast<DWORD>(seconds * 1000) + 10000);
        const std::vector<double> ticks = ReadNumbers(result);
        if (ticks.size() < 3 || ticks[2] <= 0) {
            std::fprintf(stderr, "the floor measured no ticks at interval %d\n", interval);
            return 1;
        }
        std::printf("interval %3d msec: %.2f events/s (%zu events), timer %.2f ticks/s (%.0f ticks)\n",
                    interval, clicks, events, ticks[2], ticks[0]);
        const std::string key = "clicks_" + std::to_string(interval);
        Result(key.c_str(), clicks, ticks[2], "/s");
        // The events of this interval, then the whole log so far.
        allAlternate = allAlternate && Alternates(target.clicks());
    }
    PumpMessages();
    // The repeater may have stopped after a down; the log is read first.
    const std::string clicks = target.clicks();
    if (GetAsyncKeyState(VK_LBUTTON) < 0) mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    Check("clicks_alternate", allAlternate && Alternates(clicks),
          std::to_string(clicks.size()) + " events");
    return 0;
}
