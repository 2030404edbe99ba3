#include <windows.h>

#include <gtest/gtest.h>

#include "e2e/e2e_fixture.h"
#include "core/panel/panel_messages.h"
#include "res/resource.h"

namespace {

// Downs and ups of one button strictly alternate, starting with `first`.
::testing::AssertionResult Alternates(const std::string& clicks, char down, char up, char first)
{
    char expected = first;
    for (std::size_t i = 0; i < clicks.size(); ++i) {
        if (clicks[i] != expected)
            return ::testing::AssertionFailure() << "event " << i << " of \"" << clicks << "\"";
        expected = expected == down ? up : down;
    }
    return ::testing::AssertionSuccess();
}

class ClickRepeatTest : public ProgramTest {
protected:
    void SetInterval(int editId, const char* msec) { SetRemoteText(program_.Control(editId), msec); }
    std::string Caption(int id) { return RemoteText(program_.Control(id)); }
    HWND SelectedTarget()
    {
        HWND list = program_.Control(IDC_TARGET_LIST);
        const auto index = SendMessageA(list, CB_GETCURSEL, 0, 0);
        return reinterpret_cast<HWND>(SendMessageA(list, CB_GETITEMDATA, index, 0));
    }
    std::string SelectedTitle()
    {
        HWND list = program_.Control(IDC_TARGET_LIST);
        const auto index = SendMessageW(list, CB_GETCURSEL, 0, 0);
        wchar_t wide[300] = L"";
        SendMessageW(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(wide));
        char text[600] = "";
        WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
        return text;
    }
};

TEST_F(ClickRepeatTest, HotkeyTogglesLeftRepeatIntoTheForegroundWindow)
{
    TestWindow target("click target", 40, 40);
    SetInterval(IDC_LEFT_INTERVAL, "10");
    ASSERT_TRUE(target.TakeForeground());
    EXPECT_EQ(Caption(IDC_LEFT_TOGGLE), "OFF");
    // The program holds Ctrl+L.
    EXPECT_FALSE(RegisterHotKey(nullptr, 99, MOD_CONTROL, 'L'));

    PressCombination({VK_CONTROL}, 'L');
    ASSERT_TRUE(WaitUntil([&] { return target.clicks().size() >= 8; }))
        << "clicks: \"" << target.clicks() << "\"";
    EXPECT_EQ(Caption(IDC_LEFT_TOGGLE), "ON");
    EXPECT_TRUE(Alternates(target.clicks(), 'L', 'l', 'L'));

    PressCombination({VK_CONTROL}, 'L');
    ASSERT_TRUE(WaitUntil([&] { return Caption(IDC_LEFT_TOGGLE) == "OFF"; }));
    PumpMessages();
    const std::string stopped = target.clicks();
    EXPECT_TRUE(StaysTrue([&] { return target.clicks() == stopped; }));
    EXPECT_TRUE(Alternates(target.clicks(), 'L', 'l', 'L'));
}

TEST_F(ClickRepeatTest, NothingWhileTheProgramIsInFrontAndNoButtonStaysDown)
{
    TestWindow target("click target", 40, 40);
    SetInterval(IDC_RIGHT_INTERVAL, "10");
    ASSERT_TRUE(target.TakeForeground());
    PostMessageA(program_.panel(), WM_COMMAND, IDC_RIGHT_TOGGLE, 0);
    ASSERT_TRUE(WaitUntil([&] { return target.clicks().size() >= 3; }));

    ASSERT_TRUE(WaitUntil([&] {
        SetForegroundWindow(program_.frame());
        return GetForegroundWindow() == program_.frame();
    }));
    // The player's mouse over the program is not left with the button down.
    ASSERT_TRUE(WaitUntil([&] { PumpMessages(); return GetAsyncKeyState(VK_RBUTTON) >= 0; }));
    PumpMessages();
    const std::string before = target.clicks();
    EXPECT_TRUE(StaysTrue([&] {
        PumpMessages();
        return target.clicks() == before && GetAsyncKeyState(VK_RBUTTON) >= 0;
    }));

    ASSERT_TRUE(target.TakeForeground());
    ASSERT_TRUE(WaitUntil([&] { return target.clicks().size() >= before.size() + 4; }));
    EXPECT_TRUE(Alternates(target.clicks().substr(before.size()), 'R', 'r', 'R')) << target.clicks();
    PostMessageA(program_.panel(), WM_COMMAND, IDC_RIGHT_TOGGLE, 0);
    ASSERT_TRUE(WaitUntil([&] { return Caption(IDC_RIGHT_TOGGLE) == "OFF"; }));
}

TEST_F(ClickRepeatTest, ChosenTargetOnlyAndRefreshKeepsItByHandle)
{
    TestWindow target("chosen target", 40, 40);
    TestWindow other("another window", 400, 40);
    SendMessageA(program_.panel(), WMU_SELECTTARGET, reinterpret_cast<WPARAM>(target.handle()), 0);
    ASSERT_EQ(SelectedTarget(), target.handle());
    EXPECT_EQ(SelectedTitle(), "chosen target");

    SetInterval(IDC_LEFT_INTERVAL, "10");
    ASSERT_TRUE(other.TakeForeground());
    PostMessageA(program_.panel(), WM_COMMAND, IDM_LEFT_REPEAT, 0);  // the tray item's route
    ASSERT_TRUE(WaitUntil([&] { return Caption(IDC_LEFT_TOGGLE) == "ON"; }));
    EXPECT_TRUE(StaysTrue([&] { PumpMessages(); return other.clicks().empty() && target.clicks().empty(); }));

    ASSERT_TRUE(target.TakeForeground());
    ASSERT_TRUE(WaitUntil([&] { return target.clicks().size() >= 4; }));
    EXPECT_TRUE(Alternates(target.clicks(), 'L', 'l', 'L'));
    PostMessageA(program_.panel(), WM_COMMAND, IDM_LEFT_REPEAT, 0);
    ASSERT_TRUE(WaitUntil([&] { return Caption(IDC_LEFT_TOGGLE) == "OFF"; }));

    // A changed title is followed; the selection stays on the same window.
    SetWindowTextA(target.handle(), "renamed target");
    SendMessageA(program_.panel(), WM_COMMAND, IDC_TARGET_REFRESH, 0);
    EXPECT_EQ(SelectedTarget(), target.handle());
    EXPECT_EQ(SelectedTitle(), "renamed target");

    // An unlisted handle leaves the selection as the refresh left it.
    SendMessageA(program_.panel(), WMU_SELECTTARGET, 0x7FFF0, 0);
    EXPECT_EQ(SelectedTarget(), target.handle());

    // A target that has gone falls back to all windows.
    DestroyWindow(target.handle());
    SendMessageA(program_.panel(), WM_COMMAND, IDC_TARGET_REFRESH, 0);
    EXPECT_EQ(SelectedTarget(), nullptr);
    EXPECT_EQ(SelectedTitle(), "全てのウィンド");
}

TEST_F(ClickRepeatTest, SwitchingOffAfterADownLetsGoAtOnceAndTheNextOnStartsWithADown)
{
    TestWindow target("click target", 40, 40);
    SetInterval(IDC_LEFT_INTERVAL, "300");
    ASSERT_TRUE(target.TakeForeground());
    PostMessageA(program_.panel(), WM_COMMAND, IDC_LEFT_TOGGLE, 0);
    ASSERT_TRUE(WaitUntil([&] { return target.clicks() == "L"; }));
    PostMessageA(program_.panel(), WM_COMMAND, IDC_LEFT_TOGGLE, 0);
    ASSERT_TRUE(WaitUntil([&] { return Caption(IDC_LEFT_TOGGLE) == "OFF"; }));
    // The player's mouse is not left with its button down.
    EXPECT_TRUE(WaitUntil([&] { PumpMessages(); return target.clicks() == "Ll"; }));
    EXPECT_GE(GetAsyncKeyState(VK_LBUTTON), 0);
    EXPECT_TRUE(StaysTrue([&] { PumpMessages(); return target.clicks() == "Ll"; }, 700));

    PostMessageA(program_.panel(), WM_COMMAND, IDC_LEFT_TOGGLE, 0);
    ASSERT_TRUE(WaitUntil([&] { return target.clicks().size() >= 4; }));
    EXPECT_EQ(target.clicks().substr(0, 4), "LlLl");
    PostMessageA(program_.panel(), WM_COMMAND, IDC_LEFT_TOGGLE, 0);
    ASSERT_TRUE(WaitUntil([&] { return Caption(IDC_LEFT_TOGGLE) == "OFF"; }));
}

TEST_F(ClickRepeatTest, EndingTheProgramBetweenADownAndItsUpLetsGo)
{
    TestWindow target("click target", 40, 40);
    SetInterval(IDC_RIGHT_INTERVAL, "400");
    ASSERT_TRUE(target.TakeForeground());
    PostMessageA(program_.panel(), WM_COMMAND, IDC_RIGHT_TOGGLE, 0);
    ASSERT_TRUE(WaitUntil([&] { return target.clicks() == "R"; }));
    EXPECT_EQ(program_.Close(), 0u);
    EXPECT_TRUE(WaitUntil([&] { PumpMessages(); return target.clicks() == "Rr"; }));
    EXPECT_GE(GetAsyncKeyState(VK_RBUTTON), 0);
}

TEST_F(ClickRepeatTest, LeftAndRightTogetherEachWithItsOwnPhase)
{
    TestWindow target("click target", 40, 40);
    SetInterval(IDC_LEFT_INTERVAL, "10");
    SetInterval(IDC_RIGHT_INTERVAL, "25");
    ASSERT_TRUE(target.TakeForeground());
    PostMessageA(program_.panel(), WM_COMMAND, IDC_LEFT_TOGGLE, 0);
    PostMessageA(program_.panel(), WM_COMMAND, IDC_RIGHT_TOGGLE, 0);
    auto only = [&](const char* letters) {
        std::string out;
        for (char c : target.clicks())
            if (std::string(letters).find(c) != std::string::npos) out += c;
        return out;
    };
    ASSERT_TRUE(WaitUntil([&] { return only("Rr").size() >= 4 && only("Ll").size() >= 4; }))
        << target.clicks();
    PostMessageA(program_.panel(), WM_COMMAND, IDC_LEFT_TOGGLE, 0);
    PostMessageA(program_.panel(), WM_COMMAND, IDC_RIGHT_TOGGLE, 0);
    ASSERT_TRUE(WaitUntil([&] { return Caption(IDC_LEFT_TOGGLE) == "OFF" && Caption(IDC_RIGHT_TOGGLE) == "OFF"; }));
    EXPECT_TRUE(Alternates(only("Ll"), 'L', 'l', 'L'));
    EXPECT_TRUE(Alternates(only("Rr"), 'R', 'r', 'R'));
}

TEST_F(ClickRepeatTest, TheRateFollowsTheInterval)
{
    // Plausibility only (exact rates are the benchmarks'): one event a tick,
    // not several, and not one every few ticks.
    TestWindow target("click target", 40, 40);
    SetInterval(IDC_LEFT_INTERVAL, "100");
    ASSERT_TRUE(target.TakeForeground());
    PostMessageA(program_.panel(), WM_COMMAND, IDC_LEFT_TOGGLE, 0);
    ASSERT_TRUE(WaitUntil([&] { return !target.clicks().empty(); }));
    const std::size_t first = target.clicks().size();
    const DWORD start = GetTickCount();
    WaitUntil([&] { return GetTickCount() - start >= 1500; }, std::chrono::seconds(3));
    const std::size_t events = target.clicks().size() - first;
    const DWORD elapsed = GetTickCount() - start;
    PostMessageA(program_.panel(), WM_COMMAND, IDC_LEFT_TOGGLE, 0);
    ASSERT_TRUE(WaitUntil([&] { return Caption(IDC_LEFT_TOGGLE) == "OFF"; }));
    const double ticks = elapsed / 100.0;
    EXPECT_GE(events, static_cast<std::size_t>(ticks / 4)) << events << " events in " << elapsed << " ms";
    EXPECT_LE(events, static_cast<std::size_t>(ticks * 1.5 + 2)) << events << " events in " << elapsed << " ms";
    EXPECT_TRUE(Alternates(target.clicks(), 'L', 'l', 'L'));
}

TEST_F(ClickRepeatTest, EmptyIntervalGivesTheShortestPeriod)
{
    TestWindow target("click target", 40, 40);
    SetInterval(IDC_LEFT_INTERVAL, "60000");
    ASSERT_TRUE(target.TakeForeground());
    PostMessageA(program_.panel(), WM_COMMAND, IDC_LEFT_TOGGLE, 0);
    ASSERT_TRUE(WaitUntil([&] { return Caption(IDC_LEFT_TOGGLE) == "ON"; }));
    EXPECT_TRUE(StaysTrue([&] { PumpMessages(); return target.clicks().empty(); }, 300));
    SetInterval(IDC_LEFT_INTERVAL, "");  // restarts the timer with interval 0
    EXPECT_TRUE(WaitUntil([&] { return target.clicks().size() >= 6; }, std::chrono::seconds(3)));
    PostMessageA(program_.panel(), WM_COMMAND, IDC_LEFT_TOGGLE, 0);
    ASSERT_TRUE(WaitUntil([&] { return Caption(IDC_LEFT_TOGGLE) == "OFF"; }));
}

}  // namespace
