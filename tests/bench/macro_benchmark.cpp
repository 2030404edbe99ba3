// Mouse macros: the samples the program writes per second while it records,
// against the tick rate of a timer of interval 0 in a minimal program running
// at the same time; then the fidelity of the replay of that recording into a
// test window laid over the recorded path. Not a test: it prints the figures
// for scripts/bench.sh.
//
//   macro_benchmark.exe path-to-plovnikar.exe [seconds]
//
// While the record key (Control) is held, the cursor walks a path that never
// comes back to a point, one pixel a millisecond or so, so that every tick
// samples a point of its own, and the buttons go down and up on the way. The
// path lies where no window is: under Wine a pointer entering a window, or a
// window taking the focus, drops a modifier held with synthetic input.
//
// The replay is watched without pumping messages (the driver reading its
// pointer events would move the cursor back), by polling the cursor; its
// button events are read from the target window afterwards. It is identical
// when the cursor visits exactly the recorded points in their order, and the
// window sees the recorded button transitions at the recorded points. Its
// tick count is identical when every point shows as many ticks (by the
// floor's tick rate) after the first as its sample comes after the first
// sample in the file, give or take the jitter of a single tick.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/automation/macro_file.h"
#include "bench/bench_support.h"
#include "e2e/program_under_test.h"
#include "res/resource.h"
#include "support/test_files.h"
#include "support/test_window.h"
#include "support/wine_test_support.h"

namespace {

constexpr int PATH_WIDTH = 600, PATH_HEIGHT = 300;

bool Same(POINT a, POINT b) { return a.x == b.x && a.y == b.y; }

long long FileSize(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

void KeyDown(BYTE vk) { keybd_event(vk, static_cast<BYTE>(MapVirtualKeyA(vk, 0)), 0, 0); }
void KeyUp(BYTE vk) { keybd_event(vk, static_cast<BYTE>(MapVirtualKeyA(vk, 0)), KEYEVENTF_KEYUP, 0); }

// Presses a modifier until it stays down for a moment: a focus event of
// Wine's still on its way would release it.
bool HoldModifier(BYTE vk)
{
    for (int attempt = 0; attempt < 5; ++attempt) {
        KeyDown(vk);
        const double since = Now();
        bool stayed = true;
        while (Now() - since < 0.3) {
            PumpMessages();
            if (GetAsyncKeyState(vk) >= 0) {
                stayed = false;
                break;
            }
            Sleep(5);
        }
        if (stayed) return true;
    }
    return false;
}

class Bench {
public:
    explicit Bench(ProgramUnderTest& program) : program_(program) {}

    bool Idle() const { return IsWindowEnabled(program_.Control(IDC_MACRO1_RECORD)) != FALSE; }
    void Command(int id) const
    {
        SendMessageA(program_.panel(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    }
    void Tick(int id) const { SetRemoteCheck(program_.Control(id), true); }

private:
    ProgramUnderTest& program_;
};

struct Walk {
    POINT origin;
    POINT At(long step) const
    {
        return POINT{origin.x + static_cast<LONG>(step % PATH_WIDTH),
                     origin.y + static_cast<LONG>((step / PATH_WIDTH) % PATH_HEIGHT)};
    }
};

std::string PointText(POINT p) { return "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")"; }

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: macro_benchmark path-to-plovnikar.exe [seconds]\n");
        return 2;
    }
    ProgramUnderTest::builtProgram = argv[1];
    const double seconds = argc > 2 ? std::max(1.0, std::atof(argv[2])) : 3.0;
    SettleDesktop();

    ProgramUnderTest program;
    if (!program.Start()) {
        std::fprintf(stderr, "the program did not start\n");
        return 1;
    }
    Bench bench(program);
    const std::string em0 = program.folder().File("em0");
    // The path, in the screen's lower right corner, away from the frame.
    const Walk walk = {{GetSystemMetrics(SM_CXSCREEN) - PATH_WIDTH - 120,
                        GetSystemMetrics(SM_CYSCREEN) - PATH_HEIGHT - 80}};
    TestWindow keeper("focus keeper", 40, 40);
    for (POINT corner : {walk.At(0), walk.At(PATH_WIDTH - 1), walk.At(PATH_WIDTH * (PATH_HEIGHT - 1)),
                         walk.At(PATH_WIDTH * PATH_HEIGHT - 1)}) {
        if (WindowFromPoint(corner) != GetDesktopWindow()) {
            std::fprintf(stderr, "a window covers the path at %s\n", PointText(corner).c_str());
            return 1;
        }
    }

    // Control as the record key; slot 1 playable once recorded.
    ChooseRemoteItem(program.Control(IDC_RECORD_KEY), 1);
    bench.Tick(IDC_MACRO1_ENABLED);
    if (!keeper.TakeForeground()) {
        std::fprintf(stderr, "the focus did not settle\n");
        return 1;
    }
    POINT start = walk.At(0);
    SetCursorPos(start.x, start.y);
    if (!HoldModifier(VK_SHIFT)) {
        std::fprintf(stderr, "Wine keeps dropping a held key\n");
        return 1;
    }
    KeyUp(VK_SHIFT);

    bench.Command(IDC_MACRO1_RECORD);
    if (FileSize(em0) != 0) {
        std::fprintf(stderr, "the recording did not start\n");
        return 1;
    }
    const std::string result = program.folder().File("ticks.txt");
    StartedProcess floor;
    if (!floor.Start(BesideDriver("floor_timer.exe"),
                     "0 " + std::to_string(seconds) + " \"" + result + "\"", program.folder().path())) {
        std::fprintf(stderr, "the floor did not start\n");
        return 1;
    }

    // The walk: buttons down and up at a fifth, two, three and four fifths.
    if (!HoldModifier(VK_CONTROL)) {
        KeyUp(VK_CONTROL);
        std::fprintf(stderr, "the record key did not stay down\n");
        return 1;
    }
    const DWORD buttons[] = {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_LEFTUP,
                             MOUSEEVENTF_RIGHTUP};
    int nextButton = 0;
    long long firstSize = -1, lastSize = -1;
    double firstTime = 0, lastTime = 0;
    const double walkStart = Now();
    for (long step = 0;; ++step) {
        const POINT p = walk.At(step);
        SetCursorPos(p.x, p.y);
        const double now = Now();
        const long long size = FileSize(em0);
        if (size > 0 && firstSize < 0) {
            firstSize = size;
            firstTime = now;
        }
        if (size > lastSize) {
            lastSize = size;
            lastTime = now;
        }
        const double elapsed = firstSize > 0 ? now - firstTime : 0;
        if (nextButton < 4 && elapsed >= seconds * (nextButton + 1) / 5) mouse_event(buttons[nextButton++], 0, 0, 0, 0);
        if (elapsed >= seconds || now - walkStart > seconds + 10) break;
        Sleep(1);
    }
    KeyUp(VK_CONTROL);
    const bool ended = WaitUntil([&] { return bench.Idle(); });
    WaitForSingleObject(floor.handle(), 15000);
    const std::vector<double> ticks = ReadNumbers(result);
    if (!ended || nextButton < 4 || firstSize <= 0 || ticks.size() < 3) {
        std::fprintf(stderr, "the recording went wrong (ended %d, buttons %d, first size %lld)\n",
                     ended, nextButton, firstSize);
        return 1;
    }
    const double written = static_cast<double>(lastSize - firstSize) / MACRO_SAMPLE_BYTES /
                           (lastTime - firstTime);
    const std::vector<std::uint8_t> bytes = ReadWholeFile(em0);
    const std::vector<MacroSample> samples = DecodeMacroFile(bytes.data(), bytes.size());
    std::printf("recording: %zu samples (%zu bytes), %.2f samples/s written; timer %.2f ticks/s\n",
                samples.size(), bytes.size(), written, ticks[2]);
    Result("macro_record", written, ticks[2], "/s");

    // What the replay must show: the recorded points (repeats merged: a
    // cursor that stays shows nothing) and the button transitions.
    std::vector<POINT> path;
    std::vector<std::size_t> pathSample;  // the sample where each point begins
    std::string transitions;
    std::vector<POINT> transitionPoints;
    bool left = false, right = false;
    for (const MacroSample& s : samples) {
        const POINT p = {s.x, s.y};
        if (path.empty() || !Same(path.back(), p)) {
            path.push_back(p);
            pathSample.push_back(static_cast<std::size_t>(&s - samples.data()));
        }
        if (s.left != left) {
            transitions += s.left ? 'L' : 'l';
            transitionPoints.push_back(p);
        }
        if (s.right != right) {
            transitions += s.right ? 'R' : 'r';
            transitionPoints.push_back(p);
        }
        left = s.left;
        right = s.right;
    }

    // The target covers the path with its client area.
    TestWindow target("macro target", walk.origin.x - 40, walk.origin.y - 60, PATH_WIDTH + 80,
                      PATH_HEIGHT + 100);
    if (!target.TakeForeground()) {
        std::fprintf(stderr, "the target did not come to the front\n");
        return 1;
    }
    PumpMessages();
    target.Clear();
    POINT before;
    GetCursorPos(&before);
    std::vector<POINT> seen;
    std::vector<double> seenAt;
    bench.Command(IDC_MACRO1_EXECUTE);
    const double playStart = Now();
    while (!bench.Idle() && Now() - playStart < seconds * 3 + 20) {
        POINT now;
        GetCursorPos(&now);
        if (seen.empty() ? !Same(now, before) : !Same(now, seen.back())) {
            seen.push_back(now);
            seenAt.push_back(Now());
        }
        Sleep(1);
    }
    PumpMessages();
    if (!path.empty() && Same(path.front(), before)) {
        seen.insert(seen.begin(), before);
        seenAt.insert(seenAt.begin(), playStart);
    }

    std::size_t firstDifference = 0;
    while (firstDifference < std::min(seen.size(), path.size()) &&
           Same(seen[firstDifference], path[firstDifference])) {
        ++firstDifference;
    }
    const bool positions = seen.size() == path.size() && firstDifference == path.size();
    bool buttonPoints = target.clickPoints().size() == transitionPoints.size();
    for (std::size_t i = 0; buttonPoints && i < transitionPoints.size(); ++i)
        buttonPoints = Same(target.clickPoints()[i], transitionPoints[i]);
    const bool buttons_ = target.clicks() == transitions && buttonPoints;
    // The ticks: each point shown should come as many ticks after the first
    // as its sample comes after the first sample. Read singly, a point may
    // be a tick off (it was seen a little late, a tick came a little late);
    // a tick dropped or added would put every later point off by one. So the
    // medians of the first and the last twenty points are compared.
    const double period = 1 / ticks[2];
    auto medianOffset = [&](std::size_t from, std::size_t to) {
        std::vector<double> offsets;
        for (std::size_t i = from; i < to; ++i)
            offsets.push_back((seenAt[i] - seenAt[0]) / period -
                              static_cast<double>(pathSample[i] - pathSample[0]));
        return Median(offsets);
    };
    const std::size_t edge = std::min<std::size_t>(20, seen.size() / 2);
    const double drift = positions && edge > 0
                             ? medianOffset(seen.size() - edge, seen.size()) - medianOffset(0, edge)
                             : 0;
    const double replayTicks = seenAt.size() > 1 ? (seenAt.back() - seenAt.front()) / period : 0;
    const long recordedTickCount = path.empty() ? 0 : static_cast<long>(pathSample.back() - pathSample.front());
    const bool tickCount = positions && edge > 0 && std::lround(drift) == 0;

    std::printf("replay: %zu points shown for %zu recorded (%zu samples), the first %zu in order; "
                "buttons \"%s\" for \"%s\" (%s points); %.2f ticks from the first point to the "
                "last for %ld recorded, %+.2f ticks between the first and the last points\n",
                seen.size(), path.size(), samples.size(), firstDifference, target.clicks().c_str(),
                transitions.c_str(), buttonPoints ? "same" : "other", replayTicks, recordedTickCount,
                drift);
    Check("macro_positions", positions,
          std::to_string(seen.size()) + " of " + std::to_string(path.size()) + " points");
    Check("macro_buttons", buttons_, "\"" + target.clicks() + "\" for \"" + transitions + "\"");
    char ticksText[96];
    std::snprintf(ticksText, sizeof ticksText, "%.1f ticks for %ld, %zu samples", replayTicks,
                  recordedTickCount, samples.size());
    Check("macro_ticks", tickCount, ticksText);
    return 0;
}
