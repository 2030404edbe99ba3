#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "e2e/e2e_fixture.h"
#include "res/resource.h"

namespace {

constexpr int KEY_A = 1063;
constexpr int KEY_SHIFT = 1029;
constexpr int KEY_F5 = 1035;

class KeyRepeatTest : public ProgramTest {
protected:
    // "A+" for a down of A, "A-" for an up; only the keys given.
    static std::string Log(const TestWindow& window, const std::string& keys)
    {
        std::string log;
        for (const TestWindow::KeyEvent& e : window.keys()) {
            const char name = e.vk == VK_SHIFT ? 'S' : static_cast<char>(e.vk);
            if (keys.find(name) == std::string::npos) continue;
            log += name;
            log += e.up ? '-' : '+';
        }
        return log;
    }
    static int Count(const std::string& log, const std::string& event)
    {
        int n = 0;
        for (std::size_t at = log.find(event); at != std::string::npos; at = log.find(event, at + 2)) ++n;
        return n;
    }
    void Command(int id) { PostMessageA(program_.panel(), WM_COMMAND, id, 0); }
};

TEST_F(KeyRepeatTest, KeyButtonTwiceSendsOneDownAndOneUp)
{
    TestWindow target("keys", 40, 40);
    SetRemoteText(program_.Control(IDC_KEY_INTERVAL), "60000");
    ASSERT_TRUE(target.TakeForeground());
    Command(KEY_A);
    ASSERT_TRUE(WaitUntil([&] { return Log(target, "A") == "A+"; })) << Log(target, "A");
    Command(KEY_A);
    ASSERT_TRUE(WaitUntil([&] { return Log(target, "A") == "A+A-"; })) << Log(target, "A");
    EXPECT_TRUE(StaysTrue([&] { PumpMessages(); return Log(target, "A") == "A+A-"; }));
    for (const TestWindow::KeyEvent& e : target.keys()) EXPECT_FALSE(e.extended);

    // The arrows and the editing keys come with the extended flag, as from a
    // real keyboard; without it a game that reads scan codes takes ↑ for the
    // numeric pad's 8.
    for (int button : {1081 /* ↑ */, 1099 /* numeric pad's / */, 1100 /* Del */}) {
        target.Clear();
        Command(button);
        Command(button);
        ASSERT_TRUE(WaitUntil([&] { return target.keys().size() == 2; })) << button;
        EXPECT_TRUE(target.keys()[0].extended && target.keys()[1].extended) << button;
    }
}

TEST_F(KeyRepeatTest, TicksRepeatTheKeyIntoTheTargetAndNotIntoTheProgram)
{
    TestWindow target("keys", 40, 40);
    SetRemoteText(program_.Control(IDC_KEY_INTERVAL), "20");
    ASSERT_TRUE(target.TakeForeground());
    Command(KEY_A);
    ASSERT_TRUE(WaitUntil([&] { return Count(Log(target, "A"), "A+") >= 4; })) << Log(target, "A");
    EXPECT_EQ(Count(Log(target, "A"), "A-"), 0);

    ASSERT_TRUE(WaitUntil([&] {
        SetForegroundWindow(program_.frame());
        return GetForegroundWindow() == program_.frame();
    }));
    ASSERT_TRUE(target.TakeForeground());
    Command(KEY_A);
    ASSERT_TRUE(WaitUntil([&] { return Count(Log(target, "A"), "A-") == 1; })) << Log(target, "A");
}

TEST_F(KeyRepeatTest, ShiftComesBeforeTheLetterInEveryTick)
{
    TestWindow target("keys", 40, 40);
    SetRemoteText(program_.Control(IDC_KEY_INTERVAL), "60000");
    ASSERT_TRUE(target.TakeForeground());
    Command(KEY_A);
    Command(KEY_SHIFT);
    ASSERT_TRUE(WaitUntil([&] { return Log(target, "AS") == "A+S+"; })) << Log(target, "AS");
    target.Clear();
    SetRemoteText(program_.Control(IDC_KEY_INTERVAL), "30");  // restarts the timer
    ASSERT_TRUE(WaitUntil([&] { return Log(target, "AS").size() >= 12; })) << Log(target, "AS");
    const std::string log = Log(target, "AS");
    for (std::size_t i = 0; i + 4 <= 12; i += 4) EXPECT_EQ(log.substr(i, 4), "S+A+") << log;
    Command(KEY_A);
    Command(KEY_SHIFT);
    ASSERT_TRUE(WaitUntil([&] { return Count(Log(target, "AS"), "A-") == 1 && Count(Log(target, "AS"), "S-") == 1; }));
}

TEST_F(KeyRepeatTest, TrayKeyboardItemTogglesTheSameKeyAsItsButton)
{
    TestWindow target("keys", 40, 40);
    SetRemoteText(program_.Control(IDC_KEY_INTERVAL), "60000");
    ASSERT_TRUE(target.TakeForeground());
    // A tray item and the button send the same command id.
    Command(KEY_F5);
    ASSERT_TRUE(WaitUntil([&] { return target.keys().size() == 1; }));
    EXPECT_EQ(target.keys()[0].vk, static_cast<UINT>(VK_F5));
    EXPECT_FALSE(target.keys()[0].up);
    Command(KEY_F5);
    ASSERT_TRUE(WaitUntil([&] { return target.keys().size() == 2; }));
    EXPECT_TRUE(target.keys()[1].up);
}

TEST_F(KeyRepeatTest, EndingTheProgramReleasesKeysThatAreOn)
{
    TestWindow target("keys", 40, 40);
    SetRemoteText(program_.Control(IDC_KEY_INTERVAL), "60000");
    ASSERT_TRUE(target.TakeForeground());
    Command(KEY_SHIFT);
    Command(KEY_A);
    ASSERT_TRUE(WaitUntil([&] { return Log(target, "AS") == "S+A+"; }));
    EXPECT_NE(GetAsyncKeyState(VK_SHIFT) & 0x8000, 0);
    PostMessageA(program_.frame(), WM_CLOSE, 0, 0);
    EXPECT_EQ(program_.WaitForExit(15000), 0u);
    EXPECT_TRUE(WaitUntil([&] { return Count(Log(target, "AS"), "S-") == 1 && Count(Log(target, "AS"), "A-") == 1; }))
        << Log(target, "AS");
    EXPECT_EQ(GetAsyncKeyState(VK_SHIFT) & 0x8000, 0);
    EXPECT_EQ(GetAsyncKeyState('A') & 0x8000, 0);
}

TEST_F(KeyRepeatTest, EndOfSessionReleasesKeysThatAreOn)
{
    TestWindow target("keys", 40, 40);
    SetRemoteText(program_.Control(IDC_KEY_INTERVAL), "60000");
    ASSERT_TRUE(target.TakeForeground());
    Command(KEY_SHIFT);
    ASSERT_TRUE(WaitUntil([&] { return Log(target, "S") == "S+"; }));
    SendMessageA(program_.frame(), WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(WaitUntil([&] { return Log(target, "S") == "S+S-"; })) << Log(target, "S");
    EXPECT_EQ(GetAsyncKeyState(VK_SHIFT) & 0x8000, 0);
}

}  // namespace
