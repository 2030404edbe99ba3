// The three mouse macro slots, used from outside: recording while a held key
// is sampled, playback into a test window, loops, forced stops, and what the
// panel offers around them.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "core/automation/macro_file.h"
#include "e2e/e2e_fixture.h"
#include "res/resource.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

struct SlotIds {
    int enabled, repeat, execute, record, gesture, hotkey, trayItem;
};

const SlotIds slotIds[3] = {
    {IDC_MACRO1_ENABLED, IDC_MACRO1_REPEAT, IDC_MACRO1_EXECUTE, IDC_MACRO1_RECORD,
     IDC_GESTURE_MACRO1, IDC_HOTKEY_MACRO1, IDM_MACRO1},
    {IDC_MACRO2_ENABLED, IDC_MACRO2_REPEAT, IDC_MACRO2_EXECUTE, IDC_MACRO2_RECORD,
     IDC_GESTURE_MACRO2, IDC_HOTKEY_MACRO2, IDM_MACRO2},
    {IDC_MACRO3_ENABLED, IDC_MACRO3_REPEAT, IDC_MACRO3_EXECUTE, IDC_MACRO3_RECORD,
     IDC_GESTURE_MACRO3, IDC_HOTKEY_MACRO3, IDM_MACRO3},
};

// The record-key list's items.
constexpr int RECORD_KEY_CONTROL = 1;

bool SamePoint(POINT a, POINT b) { return a.x == b.x && a.y == b.y; }

std::string PointText(POINT p)
{
    return "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
}

MacroSample Sample(POINT p, bool left = false, bool right = false)
{
    MacroSample s;
    s.x = p.x;
    s.y = p.y;
    s.left = left;
    s.right = right;
    return s;
}

Bytes FileOf(const std::vector<MacroSample>& samples)
{
    Bytes bytes;
    for (const MacroSample& s : samples) {
        const MacroSampleBytes one = EncodeMacroSample(s);
        bytes.insert(bytes.end(), one.begin(), one.end());
    }
    return bytes;
}

// The size without opening the file, so it can be watched while the program
// holds it open without sharing; -1 when there is no file.
long long FileSize(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// A key or mouse button held by the test, released however the test ends.
class Held {
public:
    static Held Key(BYTE vk) { return Held(vk, 0, 0); }
    static Held LeftButton() { return Held(0, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP); }

    // A modifier held as firmly as Wine allows: when a window gets the X
    // focus, Wine sets Ctrl, Shift and Alt to what the X server says, and the
    // server never saw a synthetic press. Such a focus event can still be on
    // its way when the key goes down; the key is pressed again until it stays.
    static Held Modifier(BYTE vk)
    {
        Held key = Key(vk);
        for (int attempt = 0; attempt < 5; ++attempt) {
            if (StaysTrue([&] { return GetAsyncKeyState(vk) < 0; }, 300)) break;
            key.Press();
        }
        return key;
    }

    Held(Held&& other) noexcept : vk_(other.vk_), down_(other.down_), up_(other.up_), held_(other.held_)
    {
        other.held_ = false;
    }
    ~Held() { Release(); }
    void Release()
    {
        if (!held_) return;
        held_ = false;
        if (vk_) keybd_event(vk_, static_cast<BYTE>(MapVirtualKeyA(vk_, 0)), KEYEVENTF_KEYUP, 0);
        else mouse_event(up_, 0, 0, 0, 0);
    }

private:
    Held(BYTE vk, DWORD down, DWORD up) : vk_(vk), down_(down), up_(up) { Press(); }
    void Press()
    {
        if (vk_) keybd_event(vk_, static_cast<BYTE>(MapVirtualKeyA(vk_, 0)), 0, 0);
        else mouse_event(down_, 0, 0, 0, 0);
    }
    BYTE vk_;
    DWORD down_, up_;
    bool held_ = true;
};

// Screen points that no window covers (the frame sits in the middle): the
// pointer entering a window would make Wine drop the held key.
std::vector<POINT> FreePoints()
{
    return {{1100, 850}, {1180, 872}, {1225, 931}, {1151, 983}, {1062, 960}, {1243, 1001}};
}

::testing::AssertionResult Uncovered(const std::vector<POINT>& points)
{
    for (const POINT& p : points) {
        if (WindowFromPoint(p) != GetDesktopWindow())
            return ::testing::AssertionFailure() << PointText(p) << " is covered by a window";
    }
    return ::testing::AssertionSuccess();
}

class MacroTest : public ProgramTest {
protected:
    // Files that must be there when the program starts.
    virtual void PrepareFolder() {}

    void SetUp() override
    {
        PrepareFolder();
        ProgramTest::SetUp();
    }

    std::string Em(int slot) const { return program_.folder().File("em" + std::to_string(slot)); }

    bool Enabled(int id) const { return IsWindowEnabled(program_.Control(id)) != FALSE; }
    bool Checked(int id) const
    {
        return SendMessageA(program_.Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    // As a click on the box does: the check mark flips, then the panel hears of it.
    void SetChecked(int id, bool checked) { SetRemoteCheck(program_.Control(id), checked); }
    void Command(int id) { SendMessageA(program_.panel(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    void ChooseRecordKey(int item) { ChooseRemoteItem(program_.Control(IDC_RECORD_KEY), item); }

    // Which of the slot's six controls are enabled, in the order 有効, 繰り返す,
    // 実行, 記録, gesture button, hotkey button ("1" enabled, "0" disabled).
    std::string SlotState(int slot) const
    {
        const SlotIds& s = slotIds[slot];
        std::string state;
        for (int id : {s.enabled, s.repeat, s.execute, s.record, s.gesture, s.hotkey})
            state += Enabled(id) ? '1' : '0';
        return state;
    }
    bool AllMacroControlsDisabled() const
    {
        return SlotState(0) == "000000" && SlotState(1) == "000000" && SlotState(2) == "000000";
    }
    // No operation runs exactly when the 記録 buttons are enabled.
    bool Idle() const { return Enabled(IDC_MACRO1_RECORD); }
    bool WaitForIdle() { return WaitUntil([&] { return Idle(); }); }

    // Waits for the end of a playback without pumping this thread's messages,
    // then pumps them. Under Wine a thread reads the X events of its windows
    // when it pumps, and takes the pointer motions that the program's cursor
    // warps produce for moves of its own, which put the cursor back where the
    // playback has just left it: landing between a sample's move and its
    // button event, such a move shifts where the button goes down. Read after
    // the playback, the pending motions end where the last sample put the cursor.
    bool WaitForPlaybackEnd(std::chrono::milliseconds timeout = std::chrono::seconds(10))
    {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (!Idle()) {
            if (std::chrono::steady_clock::now() >= deadline) return false;
            if (WaitForSingleObject(program_.process(), 10) == WAIT_OBJECT_0) return false;
        }
        PumpMessages();
        return true;
    }

    void ForcedStop() { PressCombination({VK_CONTROL}, 'S'); }

    bool MessageBoxShown() const
    {
        return ProcessWindow(program_.processId(), "#32770") != nullptr;
    }

    // Makes the slot playable: its 有効 box ticked after the file is there.
    void EnableSlot(int slot, bool repeat = false)
    {
        SetChecked(slotIds[slot].repeat, repeat);
        SetChecked(slotIds[slot].enabled, true);
        EXPECT_TRUE(Enabled(slotIds[slot].execute)) << "slot " << slot << ": " << SlotState(slot);
    }

    // Before the test holds a modifier: the focus settles on a test window
    // away from `points` and the cursor goes to the first point. A probe key
    // held until it stays down has let Wine handle the focus events still on
    // their way (see Held::Modifier), so none drops a key during the test.
    void SettleFocusBeforeHoldingKeys(TestWindow& keeper, const std::vector<POINT>& points)
    {
        ASSERT_TRUE(keeper.TakeForeground());
        SetCursorPos(points[0].x, points[0].y);
        ASSERT_TRUE(Uncovered(points));
        Held probe = Held::Modifier(VK_SHIFT);
        ASSERT_LT(GetAsyncKeyState(VK_SHIFT), 0) << "Wine keeps dropping a held key";
    }

    // The window in front with the cursor on it, and its log empty of what
    // that took.
    static void ReadyForPlayback(TestWindow& target)
    {
        ASSERT_TRUE(target.TakeForeground());
        PumpMessages();
        target.Clear();
    }

    // Points inside the client area of a test window, which the window
    // reports in screen coordinates.
    static POINT Inside(const TestWindow& window, int dx, int dy)
    {
        POINT p = {dx, dy};
        ClientToScreen(window.handle(), &p);
        return p;
    }

    ~MacroTest() override
    {
        // Nothing the test held stays held, whatever happened.
        for (BYTE vk : {VK_CONTROL, VK_SHIFT, VK_MENU})
            if (GetAsyncKeyState(vk) < 0) keybd_event(vk, static_cast<BYTE>(MapVirtualKeyA(vk, 0)), KEYEVENTF_KEYUP, 0);
        if (GetAsyncKeyState(VK_LBUTTON) < 0) mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
        if (GetAsyncKeyState(VK_RBUTTON) < 0) mouse_event(MOUSEEVENTF_RIGHTUP, 0, 0, 0, 0);
    }
};

// The subsequence test: every seen move is one of the samples' positions, in
// the samples' order (moves of one tick may merge, never reorder).
::testing::AssertionResult MovesFollow(const std::vector<POINT>& moves, const std::vector<POINT>& path)
{
    std::size_t next = 0;
    for (const POINT& m : moves) {
        while (next < path.size() && !SamePoint(path[next], m)) ++next;
        if (next == path.size())
            return ::testing::AssertionFailure() << "move to " << PointText(m) << " out of order";
    }
    return ::testing::AssertionSuccess();
}

// ---------------------------------------------------------------------------
// What a slot offers

class MacroSlotsTest : public MacroTest {
protected:
    void PrepareFolder() override { WriteWholeFile(Em(1), FileOf({Sample({5, 5})})); }
};

TEST_F(MacroSlotsTest, OnlyARecordedSlotCanBeEnabledAndExecuted)
{
    // At start: slot 2 has its file, slots 1 and 3 can only be recorded.
    EXPECT_EQ(SlotState(0), "000100");
    EXPECT_EQ(SlotState(1), "110111");
    EXPECT_EQ(SlotState(2), "000100");

    // A ticked box changes nothing for a slot without a file.
    SetChecked(IDC_MACRO1_ENABLED, true);
    EXPECT_EQ(SlotState(0), "000100");
    Command(IDC_MACRO1_EXECUTE);
    PostMessageA(program_.panel(), WM_HOTKEY, 5, 0);
    EXPECT_TRUE(StaysTrue([&] { return SlotState(0) == "000100" && Idle(); }));
    EXPECT_EQ(FileSize(Em(0)), -1);

    // 実行 follows the box of a recorded slot.
    SetChecked(IDC_MACRO2_ENABLED, true);
    EXPECT_EQ(SlotState(1), "111111");
    SetChecked(IDC_MACRO2_ENABLED, false);
    EXPECT_EQ(SlotState(1), "110111");

    // Files that come and go are noticed at the next refresh of the slot.
    ASSERT_TRUE(WriteWholeFile(Em(2), Bytes{}));
    ASSERT_TRUE(DeleteFileA(Em(1).c_str()));
    EXPECT_EQ(SlotState(1), "110111");
    EXPECT_EQ(SlotState(2), "000100");
    SetChecked(IDC_MACRO2_ENABLED, true);
    EXPECT_EQ(SlotState(1), "000100");
    SetChecked(IDC_MACRO3_ENABLED, true);
    EXPECT_EQ(SlotState(2), "111111");
}

// ---------------------------------------------------------------------------
// Recording

// One state of the recording: where the cursor is and which buttons are down.
struct Step {
    POINT at;
    bool left, right;
    bool operator==(const Step& o) const
    {
        return SamePoint(at, o.at) && left == o.left && right == o.right;
    }
};

std::string StepsText(const std::vector<Step>& steps)
{
    std::string text;
    for (const Step& s : steps)
        text += PointText(s.at) + (s.left ? "L" : "") + (s.right ? "R" : "") + " ";
    return text;
}

// The samples with runs of equal samples (ticks where nothing changed) merged.
std::vector<Step> DistinctSteps(const std::vector<MacroSample>& samples)
{
    std::vector<Step> steps;
    for (const MacroSample& s : samples) {
        const Step step = {{s.x, s.y}, s.left, s.right};
        if (steps.empty() || !(steps.back() == step)) steps.push_back(step);
    }
    return steps;
}

TEST_F(MacroTest, RecordingWhileControlIsHeldReplaysTheSamePathAndButtons)
{
    const std::vector<POINT> points = FreePoints();
    TestWindow keeper("focus keeper", 40, 40);
    ASSERT_NO_FATAL_FAILURE(SettleFocusBeforeHoldingKeys(keeper, points));
    ChooseRecordKey(RECORD_KEY_CONTROL);
    SetChecked(IDC_MACRO1_ENABLED, true);  // ticked before there is anything to play

    Command(IDC_MACRO1_RECORD);
    EXPECT_EQ(FileSize(Em(0)), 0);
    EXPECT_TRUE(AllMacroControlsDisabled());

    // Nothing is written before the key goes down, wherever the cursor goes.
    std::size_t wander = 0;
    EXPECT_TRUE(StaysTrue([&] {
        const POINT p = points[++wander % points.size()];
        SetCursorPos(p.x, p.y);
        return FileSize(Em(0)) == 0;
    }));
    SetCursorPos(points[0].x, points[0].y);

    // Each change is held for at least two ticks, so every state is sampled.
    long long size = 0;
    auto heldTwoTicks = [&] {
        const long long before = size;
        const bool grew = WaitUntil([&] { return (size = FileSize(Em(0))) >= before + 24; });
        return grew;
    };
    std::vector<Step> expected = {{points[0], false, false}};
    auto moveTo = [&](std::size_t i) {
        SetCursorPos(points[i].x, points[i].y);
        expected.push_back({points[i], expected.back().left, expected.back().right});
        return heldTwoTicks();
    };
    auto button = [&](DWORD event, bool left, bool right) {
        mouse_event(event, 0, 0, 0, 0);
        expected.push_back({expected.back().at, left, right});
        return heldTwoTicks();
    };

    const auto start = std::chrono::steady_clock::now();
    {
        Held control = Held::Modifier(VK_CONTROL);
        ASSERT_TRUE(heldTwoTicks()) << "no sample while the record key is down";
        ASSERT_TRUE(moveTo(1));
        ASSERT_TRUE(button(MOUSEEVENTF_LEFTDOWN, true, false));
        ASSERT_TRUE(moveTo(2));
        ASSERT_TRUE(button(MOUSEEVENTF_RIGHTDOWN, true, true));
        ASSERT_TRUE(moveTo(3));
        ASSERT_TRUE(button(MOUSEEVENTF_LEFTUP, false, true));
        ASSERT_TRUE(moveTo(4));
        ASSERT_TRUE(button(MOUSEEVENTF_RIGHTUP, false, false));
        ASSERT_TRUE(moveTo(5));
        control.Release();
        ASSERT_TRUE(WaitForIdle()) << "releasing the key did not end the recording";
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    const Bytes bytes = ReadWholeFile(Em(0));
    ASSERT_GT(bytes.size(), 0u);
    EXPECT_EQ(bytes.size() % 12, 0u);
    const std::vector<MacroSample> samples = DecodeMacroFile(bytes.data(), bytes.size());
    std::printf("[ measure  ] %zu samples in %.2f s while the key was held: %.0f samples per second\n",
                samples.size(), seconds, static_cast<double>(samples.size()) / seconds);
    const std::vector<Step> recorded = DistinctSteps(samples);
    EXPECT_EQ(recorded, expected) << "recorded: " << StepsText(recorded) << "\nexpected: " << StepsText(expected);

    // The slot is playable now, since its box was ticked.
    EXPECT_EQ(SlotState(0), "111111");

    // Played back into a window laid over the same points, with the hotkey.
    TestWindow target("macro target", 1000, 760, 280, 264);
    ASSERT_NO_FATAL_FAILURE(ReadyForPlayback(target));
    PressCombination({}, VK_F1);
    const auto pressed = std::chrono::steady_clock::now();
    while (Idle() && std::chrono::steady_clock::now() - pressed < std::chrono::seconds(5))
        WaitForSingleObject(program_.process(), 10);
    ASSERT_FALSE(Idle()) << "F1 did not start the playback";
    ASSERT_TRUE(WaitForPlaybackEnd());
    EXPECT_EQ(target.clicks(), "LRlr");
    const std::vector<POINT> clickAt = {points[1], points[2], points[3], points[4]};
    ASSERT_EQ(target.clickPoints().size(), clickAt.size());
    for (std::size_t i = 0; i < clickAt.size(); ++i)
        EXPECT_TRUE(SamePoint(target.clickPoints()[i], clickAt[i])) << i << ": " << PointText(target.clickPoints()[i]);
    EXPECT_FALSE(target.moves().empty());
    EXPECT_TRUE(MovesFollow(target.moves(), points));
    POINT cursor;
    GetCursorPos(&cursor);
    EXPECT_TRUE(SamePoint(cursor, points[5])) << PointText(cursor);
}

TEST_F(MacroTest, ForcedStopBeforeTheKeyLeavesAnEmptyFileAndAnIdleEngine)
{
    const std::vector<POINT> points = FreePoints();
    TestWindow keeper("focus keeper", 40, 40);
    ASSERT_NO_FATAL_FAILURE(SettleFocusBeforeHoldingKeys(keeper, points));
    ASSERT_TRUE(WriteWholeFile(Em(0), FileOf({Sample(points[1]), Sample(points[2])})));

    Command(IDC_MACRO1_RECORD);  // the record key is Shift
    // The earlier recording is gone at once.
    EXPECT_EQ(FileSize(Em(0)), 0);
    ForcedStop();
    ASSERT_TRUE(WaitForIdle());
    EXPECT_EQ(SlotState(0), "110111");
    EXPECT_EQ(SlotState(1), "000100");

    // The engine no longer waits: the key writes nothing.
    {
        Held shift = Held::Modifier(VK_SHIFT);
        EXPECT_TRUE(StaysTrue([&] {
            return FileSize(Em(0)) == 0 && Idle() && GetAsyncKeyState(VK_SHIFT) < 0;
        }));
    }

    // Played, the empty file sends nothing and ends at once; the slot stays enabled.
    EnableSlot(0);
    TestWindow target("macro target", 40, 40);
    ASSERT_NO_FATAL_FAILURE(ReadyForPlayback(target));
    const POINT centre = target.Centre();
    Command(IDC_MACRO1_EXECUTE);
    ASSERT_TRUE(WaitForIdle());
    EXPECT_TRUE(Checked(IDC_MACRO1_ENABLED));
    EXPECT_EQ(SlotState(0), "111111");
    PumpMessages();
    EXPECT_EQ(target.clicks(), "");
    POINT cursor;
    GetCursorPos(&cursor);
    EXPECT_TRUE(SamePoint(cursor, centre));
}

TEST_F(MacroTest, ForcedStopWhileRecordingKeepsTheSamplesTaken)
{
    const std::vector<POINT> points = FreePoints();
    TestWindow keeper("focus keeper", 40, 40);
    ASSERT_NO_FATAL_FAILURE(SettleFocusBeforeHoldingKeys(keeper, points));
    ChooseRecordKey(RECORD_KEY_CONTROL);
    Command(IDC_MACRO2_RECORD);
    ASSERT_TRUE(AllMacroControlsDisabled());

    Held control = Held::Modifier(VK_CONTROL);
    ASSERT_TRUE(WaitUntil([&] { return FileSize(Em(1)) >= 36; }));
    // Ctrl is the record key and half of the forced stop.
    keybd_event('S', static_cast<BYTE>(MapVirtualKeyA('S', 0)), 0, 0);
    keybd_event('S', static_cast<BYTE>(MapVirtualKeyA('S', 0)), KEYEVENTF_KEYUP, 0);
    ASSERT_TRUE(WaitForIdle());
    const long long kept = FileSize(Em(1));
    EXPECT_EQ(kept % 12, 0);
    std::size_t wander = 0;
    EXPECT_TRUE(StaysTrue([&] {
        const POINT p = points[++wander % points.size()];
        SetCursorPos(p.x, p.y);
        return FileSize(Em(1)) == kept;
    }));
    control.Release();
    EXPECT_EQ(SlotState(1), "110111");
    const Bytes bytes = ReadWholeFile(Em(1));
    for (const MacroSample& s : DecodeMacroFile(bytes.data(), bytes.size()))
        EXPECT_TRUE(SamePoint({s.x, s.y}, points[0]));
}

// ---------------------------------------------------------------------------
// Playback

TEST_F(MacroTest, PlaybackPressesAndReleasesWhereTheSamplesChangeAndLetsGoAtTheEnd)
{
    TestWindow target("macro target", 40, 40);
    std::vector<POINT> path;
    for (int i = 0; i < 7; ++i) path.push_back(Inside(target, 20 + 35 * i, 30 + 20 * (i % 3)));
    ASSERT_TRUE(WriteWholeFile(Em(2), FileOf({
        Sample(path[0]),
        Sample(path[1], true),
        Sample(path[2], true),
        Sample(path[3]),
        Sample(path[4], false, true),
        Sample(path[5]),
        Sample(path[5]),  // a tick where nothing changed
        Sample(path[6], true),
    })));
    EnableSlot(2);
    ASSERT_NO_FATAL_FAILURE(ReadyForPlayback(target));

    SendMessageA(program_.panel(), WM_COMMAND, IDM_MACRO3, 0);  // the tray item's route
    ASSERT_TRUE(WaitForPlaybackEnd());
    // The button that the last sample pressed is let go when the playback
    // ends, where the cursor stays.
    EXPECT_TRUE(WaitUntil([&] { PumpMessages(); return target.clicks() == "LlRrLl"; }));
    const std::vector<POINT> clickAt = {path[1], path[3], path[4], path[5], path[6], path[6]};
    ASSERT_EQ(target.clickPoints().size(), clickAt.size());
    for (std::size_t i = 0; i < clickAt.size(); ++i)
        EXPECT_TRUE(SamePoint(target.clickPoints()[i], clickAt[i])) << i << ": " << PointText(target.clickPoints()[i]);
    EXPECT_FALSE(target.moves().empty());
    EXPECT_TRUE(MovesFollow(target.moves(), path));
    POINT cursor;
    GetCursorPos(&cursor);
    EXPECT_TRUE(SamePoint(cursor, path[6])) << "the cursor stays at the last sample";
    EXPECT_TRUE(StaysTrue([&] { PumpMessages(); return target.clicks() == "LlRrLl"; }));
    EXPECT_GE(GetAsyncKeyState(VK_LBUTTON), 0);
    EXPECT_EQ(SlotState(2), "111111");
}

TEST_F(MacroTest, AButtonTheUserHoldsIsReleasedByASampleThatSaysUp)
{
    TestWindow target("macro target", 40, 40);
    const POINT a = Inside(target, 30, 40), b = Inside(target, 90, 60);
    ASSERT_TRUE(WriteWholeFile(Em(0), FileOf({Sample(a), Sample(b)})));
    EnableSlot(0);
    ASSERT_NO_FATAL_FAILURE(ReadyForPlayback(target));
    Held left = Held::LeftButton();
    ASSERT_TRUE(WaitUntil([&] { return target.clicks() == "L"; }));

    Command(IDC_MACRO1_EXECUTE);
    ASSERT_TRUE(WaitForPlaybackEnd());
    EXPECT_EQ(target.clicks(), "Ll");
    ASSERT_EQ(target.clickPoints().size(), 2u);
    EXPECT_TRUE(SamePoint(target.clickPoints()[1], a)) << "released at the first sample";
    EXPECT_TRUE(StaysTrue([&] { PumpMessages(); return target.clicks() == "Ll"; }));
}

TEST_F(MacroTest, RepeatLoopsOverTheWholeSamplesUntilTheForcedStop)
{
    TestWindow target("macro target", 40, 40);
    // One point for every sample: this test pumps messages during the
    // playback, and cursor moves could shift the button events (see
    // WaitForPlaybackEnd).
    const POINT a = Inside(target, 30, 40);
    Bytes file = FileOf({Sample(a), Sample(a, true), Sample(a)});
    file.insert(file.end(), {1, 2, 3, 4, 5});  // a trailing piece, not a sample
    ASSERT_TRUE(WriteWholeFile(Em(1), file));
    EnableSlot(1, true);
    ASSERT_NO_FATAL_FAILURE(ReadyForPlayback(target));

    PostMessageA(program_.panel(), WM_HOTKEY, 6, 0);  // the slot's action
    ASSERT_TRUE(WaitUntil([&] { return target.clicks().size() >= 6; })) << target.clicks();
    EXPECT_TRUE(AllMacroControlsDisabled());
    ForcedStop();
    ASSERT_TRUE(WaitForIdle());
    PumpMessages();
    const std::string clicks = target.clicks();
    EXPECT_TRUE(StaysTrue([&] { PumpMessages(); return target.clicks() == clicks; }))
        << clicks << " became " << target.clicks();
    ASSERT_EQ(clicks.size(), target.clickPoints().size());
    // Stopped between a press and its release, the playback lets go.
    EXPECT_EQ(clicks.size() % 2, 0u) << clicks;
    EXPECT_GE(GetAsyncKeyState(VK_LBUTTON), 0);
    for (std::size_t i = 0; i < clicks.size(); ++i) {
        EXPECT_EQ(clicks[i], i % 2 == 0 ? 'L' : 'l') << clicks;
        EXPECT_TRUE(SamePoint(target.clickPoints()[i], a)) << i;
    }
    EXPECT_EQ(SlotState(1), "111111");
    EXPECT_TRUE(Checked(IDC_MACRO2_ENABLED));
}

TEST_F(MacroTest, AFileWithATrailingPiecePlaysItsWholeSamplesAndEnds)
{
    TestWindow target("macro target", 40, 40);
    const POINT a = Inside(target, 30, 40), b = Inside(target, 90, 60);
    Bytes file = FileOf({Sample(a, false, true), Sample(b)});
    // Seven bytes that would read as a left press at (9,9) if taken for a sample.
    file.insert(file.end(), {9, 0, 0, 0, 9, 0, 0});
    ASSERT_TRUE(WriteWholeFile(Em(0), file));
    EnableSlot(0);
    ASSERT_NO_FATAL_FAILURE(ReadyForPlayback(target));

    Command(IDC_MACRO1_EXECUTE);
    ASSERT_TRUE(WaitForPlaybackEnd());
    EXPECT_EQ(target.clicks(), "Rr");
    POINT cursor;
    GetCursorPos(&cursor);
    EXPECT_TRUE(SamePoint(cursor, b)) << PointText(cursor);
    EXPECT_TRUE(Checked(IDC_MACRO1_ENABLED));
}

TEST_F(MacroTest, WhilePlayingOtherMacroCommandsRepeatersAndDialogsDoNothing)
{
    TestWindow target("macro target", 40, 40);
    const POINT a = Inside(target, 30, 40);
    // An empty file with 繰り返す plays until it is stopped; the other slots
    // would click the window.
    ASSERT_TRUE(WriteWholeFile(Em(0), Bytes{}));
    ASSERT_TRUE(WriteWholeFile(Em(1), FileOf({Sample(a, true), Sample(a)})));
    ASSERT_TRUE(WriteWholeFile(Em(2), FileOf({Sample(a, false, true), Sample(a)})));
    EnableSlot(0, true);
    EnableSlot(1);
    EnableSlot(2);
    SetRemoteText(program_.Control(IDC_LEFT_INTERVAL), "500");
    ASSERT_TRUE(target.TakeForeground());
    Command(IDC_LEFT_TOGGLE);
    ASSERT_TRUE(WaitUntil([&] { return target.clicks() == "L"; })) << target.clicks();

    // The repeater holds its button down between two ticks: the macro would
    // play as a drag. It lets go when the macro starts.
    Command(IDC_MACRO1_EXECUTE);
    ASSERT_TRUE(AllMacroControlsDisabled());
    EXPECT_TRUE(WaitUntil([&] { PumpMessages(); return target.clicks() == "Ll"; })) << target.clicks();
    EXPECT_GE(GetAsyncKeyState(VK_LBUTTON), 0);
    const std::string before = target.clicks();
    for (int id : {IDC_MACRO1_EXECUTE, IDC_MACRO2_EXECUTE, IDC_MACRO3_EXECUTE, IDM_MACRO1, IDM_MACRO2,
                   IDM_MACRO3, IDC_MACRO1_RECORD, IDC_MACRO2_RECORD, IDC_MACRO3_RECORD})
        PostMessageA(program_.panel(), WM_COMMAND, id, 0);
    for (WPARAM hotkey : {5, 6, 7}) PostMessageA(program_.panel(), WM_HOTKEY, hotkey, 0);
    PressCombination({}, VK_F2);
    EXPECT_TRUE(StaysTrue([&] {
        PumpMessages();
        return target.clicks() == before && AllMacroControlsDisabled() && FileSize(Em(1)) == 24 &&
               FileSize(Em(2)) == 24;
    }, 700)) << target.clicks();

    // A dialog that opens and closes the gate leaves the repeaters paused.
    PostMessageA(program_.panel(), WM_COMMAND, IDC_GESTURE_LEFT, 0);
    HWND dialog = WaitForProcessWindow(program_.processId(), "#32770", "マウスジェスチャ設定");
    ASSERT_NE(dialog, nullptr);
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    ASSERT_TRUE(target.TakeForeground());
    PumpMessages();
    EXPECT_TRUE(StaysTrue([&] { PumpMessages(); return target.clicks() == before; }));

    // The forced stop ends the playback and the repeater sends again,
    // starting with a press.
    ForcedStop();
    ASSERT_TRUE(WaitForIdle());
    EXPECT_TRUE(WaitUntil([&] { return target.clicks().size() >= before.size() + 2; }));
    EXPECT_EQ(target.clicks().substr(0, 4), "LlLl");
    Command(IDC_LEFT_TOGGLE);
    EXPECT_EQ(SlotState(0), "111111");
    EXPECT_EQ(SlotState(1), "111111");
    EXPECT_EQ(SlotState(2), "111111");
}

TEST_F(MacroTest, NoMacroPlaysWhileEveryWindowIsConcealedOrTheHotkeysAreReleased)
{
    TestWindow target("macro target", 40, 40);
    const POINT a = Inside(target, 30, 40);
    ASSERT_TRUE(WriteWholeFile(Em(0), FileOf({Sample(a, true), Sample(a)})));
    EnableSlot(0, true);
    auto playing = [&] {
        EXPECT_TRUE(target.TakeForeground());
        target.Clear();
        Command(IDC_MACRO1_EXECUTE);
        return WaitUntil([&] { return target.clicks().size() >= 2; });
    };
    // Stopped as the forced stop stops it: idle, no button left down.
    auto stopped = [&] {
        return WaitForIdle() && GetAsyncKeyState(VK_LBUTTON) >= 0;
    };
    // Neither the slot's hotkey nor its tray item starts it.
    auto nothingStarts = [&] {
        PostMessageA(program_.panel(), WM_HOTKEY, 5, 0);
        PostMessageA(program_.panel(), WM_COMMAND, IDM_MACRO1, 0);
        return StaysTrue([&] { return Idle(); });
    };

    // The boss key while a macro loops: the macro ends.
    ASSERT_TRUE(playing());
    PostMessageA(program_.panel(), WM_HOTKEY, 3, 0);  // the boss key's hotkey
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(program_.frame()); }));
    EXPECT_TRUE(stopped()) << "the macro plays on the bare desktop";
    EXPECT_TRUE(nothingStarts()) << "a macro started while concealed";
    PostMessageA(program_.panel(), WM_COMMAND, IDM_SHOW_HIDDEN, 0);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(target.handle()) != FALSE; }));

    // The hotkey dialog releases the forced stop's hotkey: the macro ends
    // when it opens, and none starts while it is open.
    ASSERT_TRUE(playing());
    PostMessageA(program_.panel(), WM_COMMAND, IDC_HOTKEY_LEFT, 0);
    HWND dialog = WaitForProcessWindow(program_.processId(), "#32770", "ホットキーの設定");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(stopped()) << "a macro nothing can stop";
    EXPECT_TRUE(nothingStarts()) << "a macro started while the hotkeys are released";
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
}

// ---------------------------------------------------------------------------
// Files that cannot be opened

TEST_F(MacroTest, ALockedFileFailsQuietlyAndClearsTheSlotForPlayback)
{
    TestWindow target("macro target", 40, 40);
    const POINT a = Inside(target, 30, 40);
    const Bytes recording = FileOf({Sample(a, true), Sample(a)});
    ASSERT_TRUE(WriteWholeFile(Em(0), recording));
    EnableSlot(0);
    ASSERT_NO_FATAL_FAILURE(ReadyForPlayback(target));

    HANDLE lock = CreateFileA(Em(0).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);

    Command(IDC_MACRO1_EXECUTE);
    EXPECT_FALSE(Checked(IDC_MACRO1_ENABLED));
    EXPECT_EQ(SlotState(0), "110111");
    EXPECT_EQ(SlotState(1), "000100");

    // Recording cannot truncate it either; the controls come back, the box stays.
    SetChecked(IDC_MACRO1_ENABLED, true);
    Command(IDC_MACRO1_RECORD);
    EXPECT_EQ(SlotState(0), "111111");
    EXPECT_TRUE(Checked(IDC_MACRO1_ENABLED));
    EXPECT_TRUE(StaysTrue([&] { PumpMessages(); return !MessageBoxShown() && target.clicks().empty(); }));
    CloseHandle(lock);
    EXPECT_EQ(ReadWholeFile(Em(0)), recording);

    // The gate is open again: a repeater sends at once.
    SetRemoteText(program_.Control(IDC_LEFT_INTERVAL), "10");
    Command(IDC_LEFT_TOGGLE);
    EXPECT_TRUE(WaitUntil([&] { return target.clicks().size() >= 2; }));
    Command(IDC_LEFT_TOGGLE);
}

}  // namespace
