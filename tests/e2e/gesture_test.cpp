#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "e2e/e2e_fixture.h"
#include "res/resource.h"

namespace {

const char DISABLED[] = "ﾏｳｽｼﾞｪｽﾁｬ：無効";

// Lists 1 to 3 hold → ↑ ← ↓ at 0 to 3; lists 4 to 8 hold " " then the arrows.
enum Arrow { RIGHT = 1, UP = 2, LEFT = 3, DOWN = 4 };

class GestureTest : public ProgramTest {
protected:
    std::string Caption(int id) { return RemoteText(program_.Control(id)); }

    HWND OpenDialog(int buttonId)
    {
        PostMessageA(program_.panel(), WM_COMMAND, buttonId, 0);
        return WaitForProcessWindow(program_.processId(), "#32770", "マウスジェスチャ設定");
    }

    // Sets the dialog to the given steps (empty: the box cleared) and
    // applies the enabling rule as a click would.
    void Choose(HWND dialog, const std::vector<Arrow>& steps)
    {
        SendDlgItemMessageA(dialog, IDC_GESTURE_ENABLED, BM_SETCHECK,
                            steps.empty() ? BST_UNCHECKED : BST_CHECKED, 0);
        for (int i = 3; i < 8; ++i) SendDlgItemMessageA(dialog, IDC_GESTURE_STEP1 + i, CB_SETCURSEL, 0, 0);
        int i = 0;
        for (Arrow a : steps) {
            SendDlgItemMessageA(dialog, IDC_GESTURE_STEP1 + i, CB_SETCURSEL, i < 3 ? a - 1 : a, 0);
            ++i;
        }
        SendMessageA(dialog, WM_COMMAND, IDC_GESTURE_ENABLED, 0);
    }

    void Bind(int buttonId, const std::vector<Arrow>& steps)
    {
        HWND dialog = OpenDialog(buttonId);
        ASSERT_NE(dialog, nullptr);
        Choose(dialog, steps);
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    }

    // Moves the cursor in straight strokes of `length` pixels, paced like a
    // hand so that the program's sampling timer sees every corner. The
    // strokes stay low on the screen, where no window lies.
    void Stroke(const std::vector<Arrow>& steps, int length = 150)
    {
        POINT p = {400, 880};
        SetCursorPos(p.x, p.y);
        Pace();
        for (Arrow a : steps) {
            p.x += a == RIGHT ? length : a == LEFT ? -length : 0;
            p.y += a == DOWN ? length : a == UP ? -length : 0;
            SetCursorPos(p.x, p.y);
            Pace();
        }
    }
    static void Pace()
    {
        const DWORD until = GetTickCount() + 60;
        WaitUntil([&] { return GetTickCount() >= until; });
    }

    void SetUp() override
    {
        ProgramTest::SetUp();
        // No click may come out of a repeater switched on by a gesture; the
        // time window is wide enough for the pace of the strokes.
        SetRemoteText(program_.Control(IDC_LEFT_INTERVAL), "60000");
        SetRemoteText(program_.Control(IDC_GESTURE_TIME), "1000");
    }
};

TEST_F(GestureTest, ButtonsStartDisabledAndTheDialogStoresArrows)
{
    for (int id : {IDC_GESTURE_LEFT, IDC_GESTURE_RIGHT, IDC_GESTURE_CONCEAL, IDC_GESTURE_CAPTURE,
                   IDC_GESTURE_MACRO1, IDC_GESTURE_MACRO2, IDC_GESTURE_MACRO3, IDC_GESTURE_SHOWHIDE})
        EXPECT_EQ(Caption(id), DISABLED) << id;

    HWND dialog = OpenDialog(IDC_GESTURE_RIGHT);
    ASSERT_NE(dialog, nullptr);
    // A fresh gesture shows → ↑ ← and " " after them, with the lists off.
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_GESTURE_ENABLED), BST_UNCHECKED);
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_GESTURE_STEP1 + 2, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_GESTURE_STEP1 + 3, CB_GETCURSEL, 0, 0), 0);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_GESTURE_STEP1)));
    SendDlgItemMessageA(dialog, IDC_GESTURE_ENABLED, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(dialog, WM_COMMAND, IDC_GESTURE_ENABLED, 0);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    EXPECT_EQ(Caption(IDC_GESTURE_RIGHT), "→↑←");

    Bind(IDC_GESTURE_SHOWHIDE, {DOWN, RIGHT, DOWN, LEFT, UP});
    EXPECT_EQ(Caption(IDC_GESTURE_SHOWHIDE), "↓→↓←↑");
}

TEST_F(GestureTest, ListsAfterTheFirstBlankStepAreDisabled)
{
    HWND dialog = OpenDialog(IDC_GESTURE_LEFT);
    ASSERT_NE(dialog, nullptr);
    Choose(dialog, {RIGHT, UP, LEFT});
    auto enabled = [&](int step) { return IsWindowEnabled(GetDlgItem(dialog, IDC_GESTURE_STEP1 + step - 1)) != FALSE; };
    EXPECT_TRUE(enabled(3));
    EXPECT_TRUE(enabled(4));
    EXPECT_FALSE(enabled(5));
    EXPECT_FALSE(enabled(8));
    SendDlgItemMessageA(dialog, IDC_GESTURE_STEP1 + 3, CB_SETCURSEL, DOWN, 0);
    SendMessageA(dialog, WM_COMMAND, IDC_GESTURE_STEP1 + 3, 0);
    EXPECT_TRUE(enabled(5));
    EXPECT_FALSE(enabled(6));
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    EXPECT_EQ(Caption(IDC_GESTURE_LEFT), DISABLED);
}

TEST_F(GestureTest, EqualNeighboursAreRefusedAndTheDialogStaysOpen)
{
    HWND dialog = OpenDialog(IDC_GESTURE_LEFT);
    ASSERT_NE(dialog, nullptr);
    Choose(dialog, {RIGHT, RIGHT, UP});
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    HWND box = WaitForProcessWindow(program_.processId(), "#32770", "Error");
    ASSERT_NE(box, nullptr);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    EXPECT_TRUE(IsWindow(dialog));
    // Only neighbours must differ.
    Choose(dialog, {RIGHT, UP, RIGHT});
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    EXPECT_EQ(Caption(IDC_GESTURE_LEFT), "→↑→");
}

TEST_F(GestureTest, AStrokeFiresTheActionAndADisabledGestureDoesNot)
{
    Bind(IDC_GESTURE_LEFT, {RIGHT, UP, LEFT});
    Stroke({RIGHT, UP, LEFT});
    EXPECT_TRUE(WaitUntil([&] { return Caption(IDC_LEFT_TOGGLE) == "ON"; }));
    Stroke({RIGHT, UP, LEFT});
    EXPECT_TRUE(WaitUntil([&] { return Caption(IDC_LEFT_TOGGLE) == "OFF"; }));

    // A stroke too short to count: √2·64 is about 90.5 pixels.
    Stroke({RIGHT, UP, LEFT}, 88);
    EXPECT_TRUE(StaysTrue([&] { return Caption(IDC_LEFT_TOGGLE) == "OFF"; }));

    Bind(IDC_GESTURE_LEFT, {});
    EXPECT_EQ(Caption(IDC_GESTURE_LEFT), DISABLED);
    Stroke({RIGHT, UP, LEFT});
    EXPECT_TRUE(StaysTrue([&] { return Caption(IDC_LEFT_TOGGLE) == "OFF"; }));
}

TEST_F(GestureTest, HoldKeyMustBeDown)
{
    Bind(IDC_GESTURE_LEFT, {DOWN, LEFT, UP});
    ChooseRemoteItem(program_.Control(IDC_GESTURE_HOLD_KEY), 1);  // Shift
    Stroke({DOWN, LEFT, UP});
    EXPECT_TRUE(StaysTrue([&] { return Caption(IDC_LEFT_TOGGLE) == "OFF"; }));

    // Hold Shift while the cursor moves only where no window is.
    SetCursorPos(400, 880);
    Pace();
    keybd_event(VK_SHIFT, static_cast<BYTE>(MapVirtualKeyA(VK_SHIFT, 0)), 0, 0);
    Stroke({DOWN, LEFT, UP});
    const bool fired = WaitUntil([&] { return Caption(IDC_LEFT_TOGGLE) == "ON"; });
    keybd_event(VK_SHIFT, static_cast<BYTE>(MapVirtualKeyA(VK_SHIFT, 0)), KEYEVENTF_KEYUP, 0);
    EXPECT_TRUE(fired);
}

}  // namespace
