#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "core/panel/colors.h"
#include "core/panel/panel_messages.h"
#include "automation/key_repeater.h"
#include "automation/repeat_target.h"
#include "core/automation/key_table.h"
#include "panel_fixture.h"
#include "panel_internals.h"
#include "res/resource.h"
#include "support/test_window.h"

namespace {

std::string ToggleText(int id)
{
    char text[16] = "";
    GetDlgItemTextA(panelWindow, id, text, sizeof text);
    return text;
}

bool Listed(HWND window)
{
    const auto count = SendDlgItemMessageA(panelWindow, IDC_TARGET_LIST, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        if (SendDlgItemMessageA(panelWindow, IDC_TARGET_LIST, CB_GETITEMDATA, i, 0) ==
            reinterpret_cast<LRESULT>(window))
            return true;
    }
    return false;
}

TEST_F(PanelTest, HotkeysOneAndTwoToggleTheRepeatersLikeTheirButtons)
{
    EXPECT_EQ(ToggleText(IDC_LEFT_TOGGLE), "OFF");
    SendMessageA(panelWindow, WM_HOTKEY, 1, 0);
    EXPECT_EQ(FaceOf(IDC_LEFT_TOGGLE), COLOR_ON);
    EXPECT_EQ(ToggleText(IDC_LEFT_TOGGLE), "ON");
    // Each tick flips the button; turning the repeater off lets go of it
    // and stops its timer.
    TestWindow under("under the cursor", 40, 40);
    const POINT centre = under.Centre();
    SetCursorPos(centre.x, centre.y);
    for (bool down : {true, false, true}) {
        TheLeftRepeater().OnTimer(TIMER_LEFTCLICK);
        EXPECT_EQ(GetAsyncKeyState(VK_LBUTTON) < 0, down);
    }
    SendMessageA(panelWindow, WM_COMMAND, IDM_LEFT_REPEAT, 0);
    EXPECT_GE(GetAsyncKeyState(VK_LBUTTON), 0);
    EXPECT_FALSE(KillTimer(panelWindow, TIMER_LEFTCLICK));
    EXPECT_EQ(FaceOf(IDC_LEFT_TOGGLE), COLOR_OFF);
    EXPECT_EQ(ToggleText(IDC_LEFT_TOGGLE), "OFF");
    SendMessageA(panelWindow, WM_HOTKEY, 2, 0);
    EXPECT_EQ(FaceOf(IDC_RIGHT_TOGGLE), COLOR_ON);
    SendMessageA(panelWindow, WM_COMMAND, IDC_RIGHT_TOGGLE, 0);
    EXPECT_EQ(FaceOf(IDC_RIGHT_TOGGLE), COLOR_OFF);
    EXPECT_EQ(FaceOf(IDC_LEFT_TOGGLE), COLOR_OFF);
}

TEST_F(PanelTest, HotkeyNineShowsAndHidesAndUnknownIdsDoNothing)
{
    SendMessageA(panelWindow, WM_HOTKEY, 9, 0);
    EXPECT_FALSE(IsWindowVisible(frameWindow));
    for (WPARAM id : {WPARAM{0}, WPARAM{10}, WPARAM{0x7FFF}, ~WPARAM{0}})
        SendMessageA(panelWindow, WM_HOTKEY, id, 0);
    EXPECT_FALSE(IsWindowVisible(frameWindow));
    EXPECT_EQ(FaceOf(IDC_LEFT_TOGGLE), COLOR_OFF);
    EXPECT_EQ(FaceOf(IDC_RIGHT_TOGGLE), COLOR_OFF);
    SendMessageA(panelWindow, WM_HOTKEY, 9, 0);
    EXPECT_TRUE(IsWindowVisible(frameWindow));
}

TEST_F(PanelTest, TargetListHoldsVisibleTitledWindowsButNotTheFrame)
{
    HWND titled = CreateWindowExA(0, "STATIC", "a titled window", WS_POPUP | WS_VISIBLE, 0, 0, 10,
                                  10, nullptr, nullptr, nullptr, nullptr);
    HWND untitled = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr,
                                    nullptr, nullptr, nullptr);
    HWND hidden = CreateWindowExA(0, "STATIC", "hidden one", WS_POPUP, 0, 0, 10, 10, nullptr,
                                  nullptr, nullptr, nullptr);
    SendMessageA(panelWindow, WM_COMMAND, IDC_TARGET_REFRESH, 0);
    EXPECT_TRUE(Listed(titled));
    EXPECT_FALSE(Listed(untitled));
    EXPECT_FALSE(Listed(hidden));
    EXPECT_FALSE(Listed(frameWindow));
    EXPECT_EQ(SendDlgItemMessageA(panelWindow, IDC_TARGET_LIST, CB_GETITEMDATA, 0, 0), 0);
    EXPECT_EQ(SendDlgItemMessageA(panelWindow, IDC_TARGET_LIST, CB_GETCURSEL, 0, 0), 0);
    DestroyWindow(titled);
    DestroyWindow(untitled);
    DestroyWindow(hidden);
}

TEST_F(PanelTest, KeyTicksWaitForTheGateAndTheChosenWindowAndLetGoOfAReleasedKey)
{
    // The focus stays on one window throughout: Wine reads the keyboard
    // anew from the X server when the focus moves, which would let go of
    // the held key.
    TestWindow chosen("chosen window", 420, 40);
    TestWindow front("window in front", 40, 40);
    SetDlgItemTextA(panelWindow, IDC_KEY_INTERVAL, "60000");  // only the ticks sent here
    ASSERT_TRUE(front.TakeForeground());
    SendMessageA(panelWindow, WMU_SELECTTARGET, reinterpret_cast<WPARAM>(chosen.handle()), 0);
    const int keyA = 29;
    SendMessageA(panelWindow, WM_COMMAND, keyTable[keyA].controlId, 0);
    PumpMessages();
    ASSERT_EQ(front.keys().size(), 1u);
    auto tick = [&] {
        front.Clear();
        SendMessageA(panelWindow, WM_TIMER, TIMER_KEYREPEAT, 0);
        PumpMessages();
    };

    // Another window than the chosen one in front: the key is let go there
    // and stays on; nothing more.
    tick();
    ASSERT_EQ(front.keys().size(), 1u);
    EXPECT_TRUE(front.keys()[0].up);
    EXPECT_TRUE(TheKeys().Held(keyA));
    tick();
    EXPECT_TRUE(front.keys().empty());
    // Switched off and on while let go, the key goes down at once; off, it
    // stops the timer with it.
    SendMessageA(panelWindow, WM_COMMAND, keyTable[keyA].controlId, 0);
    EXPECT_FALSE(KillTimer(panelWindow, TIMER_KEYREPEAT));
    front.Clear();
    SendMessageA(panelWindow, WM_COMMAND, keyTable[keyA].controlId, 0);
    PumpMessages();
    ASSERT_EQ(front.keys().size(), 1u);
    EXPECT_FALSE(front.keys()[0].up);
    tick();
    // Any window will do, but the gate is closed: nothing.
    Choose(IDC_TARGET_LIST, 0);
    ASSERT_EQ(PanelInternals::Chosen(TheTarget()), nullptr);
    SendMessageA(panelWindow, WMU_TIMERGATE, 0, 0);
    tick();
    EXPECT_TRUE(front.keys().empty());
    // The gate open: the key goes down again.
    SendMessageA(panelWindow, WMU_TIMERGATE, 1, 0);
    tick();
    ASSERT_EQ(front.keys().size(), 1u);
    EXPECT_EQ(front.keys()[0].vk, static_cast<UINT>('A'));
    EXPECT_FALSE(front.keys()[0].up);
    EXPECT_TRUE(TheKeys().Held(keyA));
    // After a pause the key pressed again goes to the game's thread, and
    // this thread's own key state still says it is up ("The key status
    // returned from this function changes as a thread reads key messages
    // from its message queue": GetKeyState documentation): it stays on.
    BYTE threadKeys[256] = {};
    GetKeyboardState(threadKeys);
    threadKeys['A'] = 0;
    SetKeyboardState(threadKeys);
    tick();
    ASSERT_EQ(front.keys().size(), 1u);
    EXPECT_FALSE(front.keys()[0].up);
    EXPECT_TRUE(TheKeys().Held(keyA));

    // Released by someone else: the tick lets it go too and turns it off.
    keybd_event('A', static_cast<BYTE>(MapVirtualKeyA('A', 0)), KEYEVENTF_KEYUP, 0);
    PumpMessages();
    tick();
    ASSERT_EQ(front.keys().size(), 1u);
    EXPECT_TRUE(front.keys()[0].up);
    EXPECT_FALSE(TheKeys().Held(keyA));
    EXPECT_EQ(FaceOf(keyTable[keyA].controlId), COLOR_OFF);
}

TEST_F(PanelTest, FilterRefusesTheFrameAndOtherWindowsThanTheTarget)
{
    HWND target = CreateWindowExA(0, "STATIC", "target", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10,
                                  nullptr, nullptr, nullptr, nullptr);
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 20, 0, 10, 10,
                                 nullptr, nullptr, nullptr, nullptr);
    auto foreground = [](HWND w) {
        return WaitUntil([&] {
            SetForegroundWindow(w);
            return GetForegroundWindow() == w;
        });
    };
    ASSERT_TRUE(foreground(frameWindow));
    EXPECT_FALSE(TheTarget().FilterPasses());  // all windows, but the frame is in front
    ASSERT_TRUE(foreground(other));
    EXPECT_TRUE(TheTarget().FilterPasses());
    SendMessageA(panelWindow, WMU_SELECTTARGET, reinterpret_cast<WPARAM>(target), 0);
    EXPECT_FALSE(TheTarget().FilterPasses());
    ASSERT_TRUE(foreground(target));
    EXPECT_TRUE(TheTarget().FilterPasses());
    DestroyWindow(target);
    DestroyWindow(other);
}

}  // namespace
