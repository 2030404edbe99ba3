// The macro engine tick by tick: the tests call the timer callbacks
// themselves and pump no messages while an operation runs, so every tick is
// one the test chose. Which keys and buttons are down is the test's to say.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "core/panel/panel_messages.h"
#include "automation/macro_engine.h"
#include "automation/macros.h"
#include "core/automation/macro_file.h"
#include "panel_fixture.h"
#include "panel_internals.h"
#include "res/resource.h"
#include "support/test_files.h"
#include "support/test_window.h"

namespace {

// Screen points that no window covers.
const std::vector<POINT> path = {{1100, 850}, {1163, 902}, {1231, 977}, {1057, 1003}};

MacroEngine& Engine() { return TheEngine(); }

// The keys and buttons down for the whole system, as the test says; the
// mouse's buttons swapped or not.
struct HeldKeys : DesktopRules {
    std::vector<int> down;
    bool swapped = false;
    bool KeyDown(int virtualKey) const override
    {
        return std::find(down.begin(), down.end(), virtualKey) != down.end();
    }
    bool ButtonsSwapped() const override { return swapped; }
};

class MacroEngineTest : public PanelTest {
protected:
    void SetUp() override
    {
        RemoveMacroFiles();  // the files of this test program live beside it
        keys_.down.clear();
        desktop_ = &keys_;
        PanelTest::SetUp();
    }
    void TearDown() override
    {
        Engine().Stop();
        PanelTest::TearDown();
        RemoveMacroFiles();
    }

    static void RemoveMacroFiles()
    {
        for (int slot = 0; slot < MACRO_SLOT_COUNT; ++slot) DeleteFileA(MacroFilePath(slot).c_str());
    }
    // The keys and buttons down: exactly these.
    void SetKeys(const std::vector<int>& down) { keys_.down = down; }
    HeldKeys keys_;
    // A tick of the macro timer, routed by the panel as every tick is.
    static void Tick() { SendMessageA(panelWindow, WM_TIMER, TIMER_MACRO, 0); }
    static POINT Cursor()
    {
        POINT p = {};
        GetCursorPos(&p);
        return p;
    }
    static long long FileLength(int slot)
    {
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (!GetFileAttributesExA(MacroFilePath(slot).c_str(), GetFileExInfoStandard, &data)) return -1;
        return data.nFileSizeLow;
    }
    static void WriteSamples(int slot, const std::vector<MacroSample>& samples)
    {
        std::vector<std::uint8_t> bytes;
        for (const MacroSample& s : samples) {
            const MacroSampleBytes sample = EncodeMacroSample(s);
            bytes.insert(bytes.end(), sample.begin(), sample.end());
        }
        ASSERT_TRUE(WriteWholeFile(MacroFilePath(slot), bytes));
    }
    // Nothing while the engine still holds the file.
    static std::vector<MacroSample> ReadSamples(int slot)
    {
        const std::vector<std::uint8_t> bytes = ReadWholeFile(MacroFilePath(slot));
        return DecodeMacroFile(bytes.data(), bytes.size());
    }
    static std::vector<MacroSample> SamplesAt(const std::vector<POINT>& points)
    {
        std::vector<MacroSample> samples;
        for (const POINT& p : points) samples.push_back({p.x, p.y, false, false});
        return samples;
    }
    // As the record and execute commands do before a start.
    static void CloseGate() { SendMessageA(panelWindow, WMU_TIMERGATE, 0, 0); }
};

::testing::AssertionResult At(POINT expected)
{
    const POINT now = [] {
        POINT p = {};
        GetCursorPos(&p);
        return p;
    }();
    if (now.x == expected.x && now.y == expected.y) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "cursor at (" << now.x << "," << now.y << "), expected ("
                                         << expected.x << "," << expected.y << ")";
}

TEST_F(MacroEngineTest, PlaybackTakesOneSampleATickAndEndsOnTheTickAfterTheLast)
{
    WriteSamples(0, SamplesAt({path[0], path[1], path[2]}));
    SetCursorPos(path[3].x, path[3].y);
    CloseGate();
    ASSERT_TRUE(Engine().StartPlayback(0, false));
    EXPECT_TRUE(At(path[3])) << "nothing moves before the first tick";
    for (int i = 0; i < 3; ++i) {
        Tick();
        EXPECT_TRUE(At(path[i])) << "tick " << i;
        EXPECT_TRUE(Engine().Running());
    }
    EXPECT_FALSE(Gate().IsOpen());
    Tick();
    EXPECT_FALSE(Engine().Running());
    EXPECT_TRUE(Gate().IsOpen()) << "the panel was restored before the stop returned";
    EXPECT_TRUE(At(path[2]));
    // A tick of the killed timer that was already on its way changes nothing.
    Tick();
    EXPECT_TRUE(At(path[2]));
    EXPECT_FALSE(Engine().Running());
}

TEST_F(MacroEngineTest, RepeatSpendsOneTickAtTheEndThenStartsOverUntilStopped)
{
    WriteSamples(1, SamplesAt({path[0], path[1]}));
    CloseGate();
    ASSERT_TRUE(Engine().StartPlayback(1, true));
    for (int pass = 0; pass < 3; ++pass) {
        Tick();
        EXPECT_TRUE(At(path[0])) << "pass " << pass;
        Tick();
        EXPECT_TRUE(At(path[1])) << "pass " << pass;
        SetCursorPos(path[3].x, path[3].y);
        Tick();  // the end of the file: back to the start, nothing else
        EXPECT_TRUE(At(path[3])) << "pass " << pass;
        EXPECT_TRUE(Engine().Running());
    }
    EXPECT_FALSE(Gate().IsOpen());
    Engine().Stop();
    EXPECT_FALSE(Engine().Running());
    EXPECT_TRUE(Gate().IsOpen());

    // Stopping when nothing runs sends nothing.
    CloseGate();
    Engine().Stop();
    EXPECT_FALSE(Gate().IsOpen());
    SendMessageA(panelWindow, WMU_TIMERGATE, 1, 0);
}

TEST_F(MacroEngineTest, RecordingWaitsForTheKeyThenWritesOneSampleATickUntilItGoesUp)
{
    CloseGate();
    ASSERT_TRUE(Engine().StartRecording(2, VK_MENU));
    EXPECT_EQ(FileLength(2), 0);
    SetKeys({VK_SHIFT, VK_CONTROL, VK_LBUTTON});  // not the record key
    for (int i = 0; i < 3; ++i) Tick();
    EXPECT_EQ(FileLength(2), 0);
    EXPECT_TRUE(Engine().Running());

    SetKeys({VK_MENU});
    Tick();
    EXPECT_EQ(FileLength(2), 0) << "the first sample is taken on the next tick";
    EXPECT_TRUE(Engine().Running());

    const std::vector<MacroSample> expected = {
        {path[0].x, path[0].y, false, false}, {path[0].x, path[0].y, true, false},
        {path[1].x, path[1].y, true, true},   {path[2].x, path[2].y, false, true},
        {path[3].x, path[3].y, false, false}, {path[3].x, path[3].y, false, false},
    };
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const MacroSample& s = expected[i];
        SetCursorPos(s.x, s.y);
        std::vector<int> down = {VK_MENU};
        if (s.left) down.push_back(VK_LBUTTON);
        if (s.right) down.push_back(VK_RBUTTON);
        SetKeys(down);
        Tick();
        EXPECT_EQ(FileLength(2), static_cast<long long>(12 * (i + 1))) << "tick " << i;
    }
    EXPECT_FALSE(Gate().IsOpen());

    SetKeys({VK_LBUTTON});  // the record key goes up
    Tick();
    EXPECT_FALSE(Engine().Running());
    EXPECT_TRUE(Gate().IsOpen());
    Tick();
    EXPECT_EQ(FileLength(2), static_cast<long long>(12 * expected.size()));

    const std::vector<MacroSample> recorded = ReadSamples(2);
    ASSERT_EQ(recorded.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(recorded[i].x, expected[i].x) << i;
        EXPECT_EQ(recorded[i].y, expected[i].y) << i;
        EXPECT_EQ(recorded[i].left, expected[i].left) << i;
        EXPECT_EQ(recorded[i].right, expected[i].right) << i;
    }
}

TEST_F(MacroEngineTest, StartsThatCannotOpenTheFileLeaveTheEngineIdle)
{
    CloseGate();
    EXPECT_FALSE(MacroFileExists(0));
    EXPECT_FALSE(Engine().StartPlayback(0, true));
    EXPECT_FALSE(Engine().Running());

    WriteSamples(0, SamplesAt({path[0]}));
    HANDLE lock = CreateFileA(MacroFilePath(0).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(MacroFileExists(0));
    EXPECT_FALSE(Engine().StartPlayback(0, false));
    EXPECT_FALSE(Engine().StartRecording(0, VK_SHIFT));
    EXPECT_FALSE(Engine().Running());
    CloseHandle(lock);
    EXPECT_EQ(FileLength(0), 12) << "a failed recording truncates nothing";
    // A failed start is no operation that ended: the gate stays as the caller left it.
    EXPECT_FALSE(Gate().IsOpen());
    SendMessageA(panelWindow, WMU_TIMERGATE, 1, 0);
}

const int macroControls[18] = {
    IDC_MACRO1_ENABLED, IDC_MACRO1_REPEAT, IDC_MACRO1_EXECUTE, IDC_MACRO1_RECORD, IDC_GESTURE_MACRO1, IDC_HOTKEY_MACRO1,
    IDC_MACRO2_ENABLED, IDC_MACRO2_REPEAT, IDC_MACRO2_EXECUTE, IDC_MACRO2_RECORD, IDC_GESTURE_MACRO2, IDC_HOTKEY_MACRO2,
    IDC_MACRO3_ENABLED, IDC_MACRO3_REPEAT, IDC_MACRO3_EXECUTE, IDC_MACRO3_RECORD, IDC_GESTURE_MACRO3, IDC_HOTKEY_MACRO3,
};

int EnabledMacroControls()
{
    int n = 0;
    for (int id : macroControls) n += IsWindowEnabled(GetDlgItem(panelWindow, id)) ? 1 : 0;
    return n;
}

TEST_F(MacroEngineTest, CommandsCloseTheGateAndDisableEveryMacroControlUntilTheStop)
{
    // At start no slot has a file: only the three 記録 buttons are enabled.
    EXPECT_EQ(EnabledMacroControls(), 3);
    WriteSamples(0, SamplesAt({path[0]}));
    SetBox(IDC_MACRO1_ENABLED, true);
    SendMessageA(panelWindow, WM_COMMAND, IDC_MACRO1_ENABLED, 0);
    EXPECT_EQ(EnabledMacroControls(), 3 + 5);

    SendMessageA(panelWindow, WM_COMMAND, IDC_MACRO1_EXECUTE, 0);
    EXPECT_TRUE(Engine().Running());
    EXPECT_FALSE(Gate().IsOpen());
    EXPECT_EQ(EnabledMacroControls(), 0);
    // A menu or a dialog opened meanwhile holds the playback too.
    SetCursorPos(path[1].x, path[1].y);
    CloseGate();
    Tick();
    EXPECT_TRUE(At(path[1]));
    SendMessageA(panelWindow, WMU_TIMERGATE, 1, 0);
    Tick();
    EXPECT_TRUE(At(path[0]));
    Tick();
    EXPECT_FALSE(Engine().Running());
    EXPECT_TRUE(Gate().IsOpen());
    EXPECT_EQ(EnabledMacroControls(), 3 + 5);

    // The record key comes from the list: "Alt".
    Choose(IDC_RECORD_KEY, 2);
    SendMessageA(panelWindow, WM_COMMAND, IDC_MACRO2_RECORD, 0);
    EXPECT_TRUE(Engine().Running());
    EXPECT_FALSE(Gate().IsOpen());
    EXPECT_EQ(EnabledMacroControls(), 0);
    EXPECT_EQ(FileLength(1), 0);
    SetKeys({VK_SHIFT});
    Tick();
    Tick();
    EXPECT_EQ(FileLength(1), 0) << "Shift is not the chosen key";
    SetKeys({VK_MENU});
    Tick();
    Tick();
    EXPECT_EQ(FileLength(1), 12);
    // The forced stop, as its hotkey delivers it.
    SendMessageA(panelWindow, WM_HOTKEY, 8, 0);
    EXPECT_FALSE(Engine().Running());
    EXPECT_TRUE(Gate().IsOpen());
    EXPECT_EQ(EnabledMacroControls(), 3 + 5 + 4) << "slot 2 has a file now, its box is clear";
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(panelWindow, IDC_MACRO2_EXECUTE)));
}

// The left-handed setting: Windows maps synthetic input as it maps the
// mouse's own buttons, and the key state of VK_LBUTTON is "the state of the
// left physical mouse button, regardless of whether it is mapped to the left
// or right logical mouse button" (GetAsyncKeyState documentation). Wine
// swaps neither, so the physical button sent is the one that arrives here.
TEST_F(MacroEngineTest, WithSwappedButtonsThePlayersPrimaryButtonIsThePhysicalRight)
{
    keys_.swapped = true;
    TestWindow target("target", 40, 40);
    const POINT centre = target.Centre();
    SetCursorPos(centre.x, centre.y);
    // The left repeater clicks the player's primary button.
    TheLeftRepeater().OnTimer(TIMER_LEFTCLICK);
    TheLeftRepeater().LetGo();
    // A recorded primary press plays as one.
    WriteSamples(0, {{centre.x, centre.y, true, false}, {centre.x, centre.y, false, false}});
    ASSERT_TRUE(Engine().StartPlayback(0, false));
    for (int tick = 0; tick < 3; ++tick) Tick();
    ASSERT_FALSE(Engine().Running());
    PumpMessages();
    EXPECT_EQ(target.clicks(), "RrRr");
    // The physical right held while recording is the primary button.
    ASSERT_TRUE(Engine().StartRecording(1, VK_SHIFT));
    SetKeys({VK_SHIFT, VK_RBUTTON});
    Tick();
    Tick();
    SetKeys({});
    Tick();
    const std::vector<MacroSample> recorded = ReadSamples(1);
    ASSERT_EQ(recorded.size(), 1u);
    EXPECT_TRUE(recorded[0].left);
    EXPECT_FALSE(recorded[0].right);
}

// Prints what a tick costs; checks only that thousands of ticks keep the count.
TEST_F(MacroEngineTest, ThousandsOfTicksKeepTheirCountAndReportTheirCost)
{
    constexpr int TICKS = 3000;
    using Clock = std::chrono::steady_clock;
    SetCursorPos(path[0].x, path[0].y);
    ASSERT_TRUE(Engine().StartRecording(0, VK_SHIFT));
    SetKeys({VK_SHIFT});
    Tick();
    const auto recordStart = Clock::now();
    for (int i = 0; i < TICKS; ++i) Tick();
    const auto recordTime = Clock::now() - recordStart;
    EXPECT_EQ(FileLength(0), 12LL * TICKS);
    SetKeys({});
    Tick();
    ASSERT_FALSE(Engine().Running());

    ASSERT_TRUE(Engine().StartPlayback(0, false));
    const auto playStart = Clock::now();
    for (int i = 0; i < TICKS; ++i) Tick();
    const auto playTime = Clock::now() - playStart;
    EXPECT_TRUE(Engine().Running());
    Tick();
    EXPECT_FALSE(Engine().Running());

    auto micro = [](Clock::duration d) {
        return std::chrono::duration<double, std::micro>(d).count() / TICKS;
    };
    std::printf("[ measure  ] per tick: recording %.1f us, playing %.1f us (%d ticks each)\n",
                micro(recordTime), micro(playTime), TICKS);
}

}  // namespace
