#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "core/shell/colors.h"
#include "app/panel_view.h"
#include "core/shell/panel_messages.h"
#include "automation/target_window.h"
#include "panel_fixture.h"
#include "res/resource.h"

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
    EXPECT_EQ(FaceOf(IDC_LEFT_TOGGLE, Model()), COLOR_ON);
    EXPECT_EQ(ToggleText(IDC_LEFT_TOGGLE), "ON");
    SendMessageA(panelWindow, WM_COMMAND, IDM_LEFT_REPEAT, 0);
    EXPECT_EQ(FaceOf(IDC_LEFT_TOGGLE, Model()), COLOR_OFF);
    EXPECT_EQ(ToggleText(IDC_LEFT_TOGGLE), "OFF");
    SendMessageA(panelWindow, WM_HOTKEY, 2, 0);
    EXPECT_EQ(FaceOf(IDC_RIGHT_TOGGLE, Model()), COLOR_ON);
    SendMessageA(panelWindow, WM_COMMAND, IDC_RIGHT_TOGGLE, 0);
    EXPECT_EQ(FaceOf(IDC_RIGHT_TOGGLE, Model()), COLOR_OFF);
    EXPECT_EQ(FaceOf(IDC_LEFT_TOGGLE, Model()), COLOR_OFF);
}

TEST_F(PanelTest, HotkeyNineShowsAndHidesAndUnknownIdsDoNothing)
{
    SendMessageA(panelWindow, WM_HOTKEY, 9, 0);
    EXPECT_FALSE(IsWindowVisible(frameWindow));
    for (WPARAM id : {WPARAM{0}, WPARAM{10}, WPARAM{0x7FFF}, ~WPARAM{0}})
        SendMessageA(panelWindow, WM_HOTKEY, id, 0);
    EXPECT_FALSE(IsWindowVisible(frameWindow));
    EXPECT_EQ(FaceOf(IDC_LEFT_TOGGLE, Model()), COLOR_OFF);
    EXPECT_EQ(FaceOf(IDC_RIGHT_TOGGLE, Model()), COLOR_OFF);
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
    EXPECT_FALSE(TargetFilterPasses(panelWindow, Model().target));  // all windows, but the frame is in front
    ASSERT_TRUE(foreground(other));
    EXPECT_TRUE(TargetFilterPasses(panelWindow, Model().target));
    SendMessageA(panelWindow, WMU_SELECTTARGET, reinterpret_cast<WPARAM>(target), 0);
    EXPECT_FALSE(TargetFilterPasses(panelWindow, Model().target));
    ASSERT_TRUE(foreground(target));
    EXPECT_TRUE(TargetFilterPasses(panelWindow, Model().target));
    DestroyWindow(target);
    DestroyWindow(other);
}

}  // namespace
