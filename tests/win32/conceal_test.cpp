#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/base/exe_paths.h"
#include "win/module_path.h"
#include "conceal/concealment.h"
#include "conceal/recovery_file.h"
#include "core/conceal/recovery_list.h"
#include "conceal_fixture.h"
#include "res/resource.h"
#include "support/test_files.h"
#include "support/wine_test_support.h"

namespace {

std::vector<HWND> Reversed(std::vector<HWND> windows)
{
    std::reverse(windows.begin(), windows.end());
    return windows;
}

std::set<HWND> SetOf(const std::vector<HWND>& windows) { return {windows.begin(), windows.end()}; }

// The probe windows among `events` that were shown (or hidden), in order.
std::vector<HWND> EventWindows(bool shown, const std::set<HWND>& among)
{
    std::vector<HWND> windows;
    for (const ShowEvent& e : showEvents)
        if (e.shown == shown && among.count(e.window)) windows.push_back(e.window);
    return windows;
}

std::string RecoveryFilePath() { return PathBesideExecutable(ModulePath(), "hidden", "dat"); }

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void WriteRecoveryFile(const std::vector<StrandedWindow>& windows)
{
    RecoveryState state;
    state.windows = windows;
    ASSERT_TRUE(WriteWholeFile(RecoveryFilePath(), EncodeRecoveryFile(state)));
}

StrandedWindow EntryFor(HWND window, DWORD processId, int showCommand)
{
    return {reinterpret_cast<std::uintptr_t>(window), processId, showCommand};
}

// A window of the desktop's or the taskbar's class, visible and titled, in
// front of the system's own (which Wine keeps hidden): the one a search for
// the class finds.
class StandIn {
public:
    explicit StandIn(const char* className)
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = className;
        RegisterClassA(&wc);
        window_ = CreateWindowExA(0, className, "stand-in", WS_POPUP | WS_VISIBLE, 0, 0, 20, 20,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    ~StandIn() { DestroyWindow(window_); }
    HWND handle() const { return window_; }

private:
    HWND window_ = nullptr;
};

TEST_F(ConcealTest, HidesEveryVisibleTitledWindowWithTheFrameFromTheBottomUp)
{
    const StandIn desktop("Progman");
    const StandIn taskbar("Shell_TrayWnd");
    ASSERT_EQ(FindWindowA("Progman", nullptr), desktop.handle());
    ASSERT_EQ(FindWindowA("Shell_TrayWnd", nullptr), taskbar.handle());
    ProbeWindow normal("probe normal", SW_SHOWNORMAL);
    ProbeWindow maximised("probe maximised", SW_SHOWMAXIMIZED);
    ProbeWindow minimised("probe minimised", SW_SHOWMINIMIZED);
    ProbeWindow untitled("", SW_SHOWNORMAL, WS_POPUP | WS_BORDER);
    ProbeWindow neverShown("probe never shown", SW_HIDE);
    const std::vector<HWND> before = ConcealableWindows();
    const std::set<HWND> probes = {normal.handle(), maximised.handle(), minimised.handle()};
    for (HWND w : probes) ASSERT_TRUE(SetOf(before).count(w));
    ASSERT_TRUE(SetOf(before).count(frameWindow));

    SendMessageA(panelWindow, WM_COMMAND, IDC_CONCEAL, 0);

    // Found from the top of the Z-order down; listed here bottom first.
    EXPECT_EQ(RecordedWindows(), Reversed(before));
    EXPECT_TRUE(TheConcealment().Active());
    for (HWND w : before) EXPECT_FALSE(IsWindowVisible(w)) << w;
    EXPECT_TRUE(IsWindowVisible(untitled.handle()));
    EXPECT_EQ(RecordOf(untitled.handle()), nullptr);
    for (HWND shell : {desktop.handle(), taskbar.handle()}) {
        EXPECT_TRUE(IsWindowVisible(shell)) << "the desktop and the taskbar stay";
        EXPECT_EQ(RecordOf(shell), nullptr);
    }
    EXPECT_EQ(RecordOf(neverShown.handle()), nullptr);
    EXPECT_EQ(RecordOf(panelWindow), nullptr);  // a child goes with its frame
    // Hidden from the bottom of the Z-order up.
    EXPECT_EQ(EventWindows(false, probes), [&] {
        std::vector<HWND> order;
        for (HWND w : before)
            if (probes.count(w)) order.push_back(w);
        return Reversed(order);
    }());

    ASSERT_NE(RecordOf(maximised.handle()), nullptr);
    EXPECT_EQ(RecordOf(normal.handle())->showCommand, static_cast<UINT>(SW_SHOWNORMAL));
    EXPECT_EQ(RecordOf(maximised.handle())->showCommand, static_cast<UINT>(SW_SHOWMAXIMIZED));
    EXPECT_EQ(RecordOf(minimised.handle())->showCommand, static_cast<UINT>(SW_SHOWMINIMIZED));
    // The pass ran with the timer gate closed, and opened it afterwards.
    for (const ShowEvent& e : showEvents) {
        if (!e.shown) {
            EXPECT_FALSE(e.gateOpen);
        }
    }
    EXPECT_TRUE(Gate().IsOpen());
}

TEST_F(ConcealTest, TrayShowAllRestoresEachShowStateFromTheBottomOfTheZOrderUp)
{
    ProbeWindow normal("probe normal", SW_SHOWNORMAL);
    ProbeWindow maximised("probe maximised", SW_SHOWMAXIMIZED);
    ProbeWindow minimised("probe minimised", SW_SHOWMINIMIZED);
    // The game in front, and a window kept on top above it: shown last, it
    // would take the front.
    SetForegroundWindow(normal.handle());
    SetWindowPos(maximised.handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_EQ(GetForegroundWindow(), normal.handle());
    const std::set<HWND> probes = {normal.handle(), maximised.handle(), minimised.handle()};
    const std::vector<HWND> before = ConcealableWindows();
    SendMessageA(panelWindow, WM_COMMAND, IDM_CONCEAL, 0);
    const std::vector<HWND> hideOrder = EventWindows(false, probes);
    ASSERT_EQ(hideOrder.size(), 3u);
    showEvents.clear();

    SendMessageA(panelWindow, WM_COMMAND, IDM_SHOW_HIDDEN, 0);

    EXPECT_FALSE(TheConcealment().Active());
    EXPECT_TRUE(TheConcealment().Hidden().empty());
    EXPECT_EQ(EventWindows(true, probes), hideOrder);
    for (HWND w : before) EXPECT_TRUE(IsWindowVisible(w)) << w;
    EXPECT_TRUE(IsZoomed(maximised.handle()));
    EXPECT_TRUE(IsIconic(minimised.handle()));
    EXPECT_FALSE(IsZoomed(normal.handle()) || IsIconic(normal.handle()));
    EXPECT_FALSE(IsIconic(frameWindow));
    EXPECT_EQ(GetForegroundWindow(), normal.handle()) << "the game is not in front again";
}

TEST_F(ConcealTest, SecondConcealmentRecordsExactlyTheWindowsVisibleAfterTheFirstComeBack)
{
    auto gone = std::make_unique<ProbeWindow>("probe that goes", SW_SHOWNORMAL);
    ProbeWindow stays("probe that stays", SW_SHOWMAXIMIZED);
    SendMessageA(panelWindow, WM_COMMAND, IDC_CONCEAL, 0);
    const std::vector<HWND> first = RecordedWindows();
    ASSERT_TRUE(SetOf(first).count(gone->handle()));

    // While concealed, one window is destroyed and another one appears.
    const HWND goneHandle = gone->handle();
    gone.reset();
    ProbeWindow late("probe that comes late", SW_SHOWNORMAL);

    SendMessageA(panelWindow, WM_COMMAND, IDC_CONCEAL, 0);

    std::set<HWND> expected = SetOf(first);
    expected.erase(goneHandle);
    expected.insert(late.handle());
    const std::vector<HWND> second = RecordedWindows();
    EXPECT_EQ(second.size(), expected.size()) << "a window was recorded twice or left out";
    EXPECT_EQ(SetOf(second), expected);
    EXPECT_EQ(RecordOf(stays.handle())->showCommand, static_cast<UINT>(SW_SHOWMAXIMIZED));
    for (HWND w : second) EXPECT_FALSE(IsWindowVisible(w));
}

TEST_F(ConcealTest, WithNothingEligibleTheListStaysEmpty)
{
    ShowWindow(frameWindow, SW_HIDE);
    ProbeWindow untitled("", SW_SHOWNORMAL, WS_POPUP | WS_BORDER);
    ASSERT_TRUE(ConcealableWindows().empty()) << "another titled window is on this display";

    SendMessageA(panelWindow, WM_COMMAND, IDC_CONCEAL, 0);

    EXPECT_FALSE(TheConcealment().Active());
    EXPECT_TRUE(IsWindowVisible(untitled.handle()));
    EXPECT_FALSE(FileExists(RecoveryFilePath()));
    EXPECT_TRUE(Gate().IsOpen());
}

TEST_F(ConcealTest, RecoveryFileListsTheConcealedWindowsUntilTheyAreShown)
{
    ProbeWindow minimised("probe minimised", SW_SHOWMINIMIZED);
    ProbeWindow normal("probe normal", SW_SHOWNORMAL);
    SendMessageA(panelWindow, WM_COMMAND, IDC_CONCEAL, 0);
    ASSERT_TRUE(TheConcealment().Active());
    // Written once, whole, before the first window went.
    ASSERT_EQ(EventWindows(false, {minimised.handle(), normal.handle()}).size(), 2u);
    for (const ShowEvent& e : showEvents) {
        if (!e.shown) {
            EXPECT_EQ(e.listed, RecordedWindows().size());
        }
    }

    const std::vector<StrandedWindow> listed = ReadRecoveryFile();
    const std::vector<HWND> recorded = RecordedWindows();
    ASSERT_EQ(listed.size(), recorded.size());
    for (std::size_t i = 0; i < listed.size(); ++i) {
        EXPECT_EQ(listed[i].window, reinterpret_cast<std::uintptr_t>(recorded[i]));
        EXPECT_EQ(listed[i].processId, GetCurrentProcessId());
        EXPECT_EQ(listed[i].showCommand, static_cast<int>(RecordOf(recorded[i])->showCommand));
    }

    SendMessageA(panelWindow, WM_COMMAND, IDM_SHOW_HIDDEN, 0);
    EXPECT_FALSE(FileExists(RecoveryFilePath()));
}

TEST_F(ConcealTest, StartUpShowsWhatAnEarlierRunLeftHiddenAndNothingElse)
{
    ProbeWindow stranded("probe stranded", SW_SHOWMAXIMIZED);
    ShowWindow(stranded.handle(), SW_HIDE);
    ProbeWindow otherProcess("probe of another process", SW_SHOWNORMAL);
    ShowWindow(otherProcess.handle(), SW_HIDE);
    ProbeWindow visible("probe visible", SW_SHOWNORMAL);
    HWND destroyed;
    {
        ProbeWindow gone("probe gone", SW_HIDE);
        destroyed = gone.handle();
    }
    const DWORD self = GetCurrentProcessId();
    WriteRecoveryFile({EntryFor(stranded.handle(), self, SW_SHOWMAXIMIZED),
                       EntryFor(otherProcess.handle(), self + 4, SW_SHOWNORMAL),
                       EntryFor(visible.handle(), self, SW_SHOWMINIMIZED),
                       EntryFor(destroyed, self, SW_SHOWNORMAL)});

    TheConcealment().RestoreStrandedWindows();

    EXPECT_TRUE(IsWindowVisible(stranded.handle()));
    EXPECT_TRUE(IsZoomed(stranded.handle()));
    // A handle now held by another program's window is left alone. A window
    // that still looks visible gets its show too: a busy program may have
    // the crashed run's hide still before it.
    EXPECT_FALSE(IsWindowVisible(otherProcess.handle()));
    EXPECT_TRUE(IsIconic(visible.handle()));
    EXPECT_FALSE(FileExists(RecoveryFilePath()));
    TheConcealment().RestoreStrandedWindows();  // no file: nothing happens
    EXPECT_FALSE(IsWindowVisible(otherProcess.handle()));
}

TEST_F(ConcealTest, OneRecordIsShownOrClosedWhereverItStandsAndAStrangerIsIgnored)
{
    ProbeWindow a("probe a", SW_SHOWMINIMIZED);
    ProbeWindow b("probe b", SW_SHOWNORMAL);
    ProbeWindow c("probe c", SW_SHOWNORMAL);
    SendMessageA(panelWindow, WM_COMMAND, IDC_CONCEAL, 0);
    std::vector<HWND> recorded = RecordedWindows();
    ASSERT_GE(recorded.size(), 4u);

    // A window that is not concealed changes nothing.
    ProbeWindow stranger("probe stranger", SW_HIDE);
    Concealment& concealment = TheConcealment();
    EXPECT_FALSE(concealment.ShowOne(stranger.handle()));
    EXPECT_FALSE(concealment.CloseOne(stranger.handle()));
    EXPECT_TRUE(IsWindow(stranger.handle()));
    EXPECT_FALSE(IsWindowVisible(stranger.handle()));
    EXPECT_EQ(RecordedWindows(), recorded);

    auto without = [](std::vector<HWND> windows, HWND w) {
        windows.erase(std::find(windows.begin(), windows.end(), w));
        return windows;
    };
    // The last hidden, then a window further down.
    HWND head = recorded.front();
    EXPECT_TRUE(concealment.ShowOne(head));
    EXPECT_TRUE(IsWindowVisible(head));
    recorded = without(recorded, head);
    EXPECT_EQ(RecordedWindows(), recorded);

    std::vector<HWND> probes;
    for (HWND w : {a.handle(), b.handle(), c.handle()})
        if (w != head) probes.push_back(w);
    EXPECT_TRUE(concealment.ShowOne(probes[0]));
    EXPECT_TRUE(IsWindowVisible(probes[0]));
    recorded = without(recorded, probes[0]);
    EXPECT_EQ(RecordedWindows(), recorded);

    // A window of this thread is destroyed.
    EXPECT_TRUE(concealment.CloseOne(probes[1]));
    EXPECT_FALSE(IsWindow(probes[1]));
    recorded = without(recorded, probes[1]);
    EXPECT_EQ(RecordedWindows(), recorded);
    EXPECT_EQ(ReadRecoveryFile().size(), recorded.size());
}

}  // namespace
