#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/automation/key_table.h"
#include "e2e/e2e_fixture.h"
#include "res/resource.h"
#include "support/wine_test_support.h"

namespace {

class ShellTest : public ProgramTest {};

std::vector<int> PanelControlIds()
{
    std::vector<int> ids = {1001, 1002, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 1011, 1012,
                            1013, 1014, 1015, 1016, 1017, 1018, 1019, 1020, 1021, 1022, 1023,
                            1024, 1032, 1107, 1108, 1109, 1110, 1111, 1112, 1113, 1114, 1115,
                            1116, 1117, 1118, 1119, 1120, 1121, 1122, 1123, 1124, 1125, 1126,
                            1127, 1128, 1129, 1130, 1131, 1132, 1133, 1135, 1136, 1137, 1138};
    for (const KeyDefinition& key : keyTable) ids.push_back(key.controlId);
    return ids;
}

TEST_F(ShellTest, FrameHasItsTitleFixedSizeAndHoldsThePanelExactly)
{
    char title[64] = "";
    GetWindowTextA(program_.frame(), title, sizeof title);
    EXPECT_STREQ(title, "PLOVNIKAR Ver.1.0");
    const LONG style = GetWindowLongA(program_.frame(), GWL_STYLE);
    EXPECT_EQ(style & WS_THICKFRAME, 0);
    EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
    EXPECT_NE(style & WS_MINIMIZEBOX, 0);
    EXPECT_NE(style & WS_CAPTION, 0);

    RECT client, panel;
    GetClientRect(program_.frame(), &client);
    GetWindowRect(program_.panel(), &panel);
    EXPECT_EQ(client.right, panel.right - panel.left);
    EXPECT_EQ(client.bottom, panel.bottom - panel.top);
    EXPECT_GT(client.right, 400);
}

TEST_F(ShellTest, PanelHoldsEveryControl)
{
    for (int id : PanelControlIds()) EXPECT_NE(program_.Control(id), nullptr) << "control " << id;
    EXPECT_EQ(GetWindowLongA(program_.Control(IDC_LEFT_TOGGLE), GWL_STYLE), 0x5000000B);
    EXPECT_EQ(GetWindowLongA(program_.Control(1063), GWL_STYLE), 0x5000000B);
}

TEST_F(ShellTest, ShowHideButtonHidesAndShowsTheFrame)
{
    PostMessageA(program_.panel(), WM_COMMAND, IDC_SHOW_HIDE, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(program_.frame()); }));
    PostMessageA(program_.panel(), WM_COMMAND, IDM_SHOW_HIDE, 0);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(program_.frame()) != FALSE; }));
}

TEST_F(ShellTest, ClosingEndsTheProcessWithZero)
{
    EXPECT_EQ(program_.Close(), 0u);
    EXPECT_EQ(CountProgramFrames(), 0);
}

TEST_F(ShellTest, ExitCommandEndsTheProcessWithZero)
{
    PostMessageA(program_.panel(), WM_COMMAND, IDM_EXIT, 0);
    EXPECT_EQ(program_.WaitForExit(15000), 0u);
}

DWORD RunSecondInstance(const ProgramUnderTest& program)
{
    HANDLE second = program.StartAnother();
    if (!second) return 0xDEAD;
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(second, 15000) == WAIT_OBJECT_0) GetExitCodeProcess(second, &code);
    else TerminateProcess(second, 1);
    CloseHandle(second);
    return code;
}

TEST_F(ShellTest, SecondStartExitsWithZeroAndCreatesNoWindow)
{
    EXPECT_EQ(RunSecondInstance(program_), 0u);
    EXPECT_EQ(CountProgramFrames(), 1);
    EXPECT_TRUE(IsWindowVisible(program_.frame()));
}

TEST_F(ShellTest, SecondStartShowsAHiddenFrame)
{
    PostMessageA(program_.panel(), WM_COMMAND, IDC_SHOW_HIDE, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(program_.frame()); }));
    EXPECT_EQ(RunSecondInstance(program_), 0u);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(program_.frame()) != FALSE; }));
    EXPECT_EQ(CountProgramFrames(), 1);
}

TEST_F(ShellTest, SecondStartBringsAnOpenDialogForward)
{
    PostMessageA(program_.panel(), WM_COMMAND, IDC_HOTKEY_LEFT, 0);
    HWND dialog = WaitForProcessWindow(program_.processId(), "#32770", "ホットキーの設定");
    ASSERT_NE(dialog, nullptr);
    TestWindow other("in front", 40, 40);
    ASSERT_TRUE(other.TakeForeground());
    EXPECT_EQ(RunSecondInstance(program_), 0u);
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == dialog; }));
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
}

TEST_F(ShellTest, SecondStartRestoresAMinimisedFrame)
{
    ShowWindowAsync(program_.frame(), SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(program_.frame()) != FALSE; }));
    EXPECT_EQ(RunSecondInstance(program_), 0u);
    EXPECT_TRUE(WaitUntil([&] { return !IsIconic(program_.frame()); }));
    EXPECT_TRUE(IsWindowVisible(program_.frame()));
}

}  // namespace

namespace {

// Whether the shell holds the program's tray icon: a change of an icon that
// is not there is refused.
bool TrayIconPresent(HWND panel)
{
    NOTIFYICONDATAA icon = {};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = panel;
    icon.uID = 1;
    return Shell_NotifyIconA(NIM_MODIFY, &icon) != FALSE;
}

TEST_F(ShellTest, TrayIconComesBackWhenTheShellRestarts)
{
    ASSERT_TRUE(WaitUntil([&] { return TrayIconPresent(program_.panel()); }));
    // A restarted shell has forgotten every icon and says so to top-level
    // windows only.
    NOTIFYICONDATAA icon = {};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = program_.panel();
    icon.uID = 1;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &icon));
    ASSERT_FALSE(TrayIconPresent(program_.panel()));
    PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return TrayIconPresent(program_.panel()); }));
}

}  // namespace

namespace {

// Run only by tests/e2e/another_code_page.sh, which has started the program
// under a locale of another code page before this test.
TEST(AnotherCodePageTest, TheStartSaysSoOnceInJapaneseAndEnglishAndTheProgramRunsOn)
{
    if (!std::getenv("PLOV_STARTED_UNDER_ANOTHER_CODE_PAGE")) GTEST_SKIP() << "not started by another_code_page.sh";
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = FindWindowA("#32770", "PLOVNIKAR")) != nullptr; },
                          std::chrono::seconds(20)))
        << "the player is not told";
    const std::string text = ChildTexts(box);
    EXPECT_NE(text.find("日本語 (日本)"), std::string::npos) << text;
    EXPECT_NE(text.find("Japanese (Japan)"), std::string::npos) << text;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    HWND frame = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (frame = FindWindowA("PLOVNIKARClass", nullptr)) && IsWindowVisible(frame); },
                          std::chrono::seconds(20)))
        << "the program did not run on";
    EXPECT_EQ(FindWindowA("#32770", "PLOVNIKAR"), nullptr) << "told twice";
    PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(frame); }, std::chrono::seconds(20)));
}

}  // namespace
