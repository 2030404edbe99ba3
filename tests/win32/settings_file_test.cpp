#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/panel/colors.h"
#include "core/settings/settings_codec.h"
#include "app/settings_file.h"
#include "win/file_contents.h"
#include "panel_fixture.h"
#include "panel_internals.h"
#include "triggers/triggers.h"
#include "support/test_files.h"
#include "support/test_window.h"
#include "res/resource.h"

namespace {

class ReplaceFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        char dir[MAX_PATH];
        GetTempPathA(sizeof dir, dir);
        path_ = std::string(dir) + "plov-replace-test.dat";
        Clean();
    }
    void TearDown() override { Clean(); }
    void Clean()
    {
        SetFileAttributesA((path_ + ".new").c_str(), FILE_ATTRIBUTE_NORMAL);
        RemoveDirectoryA((path_ + ".new").c_str());
        DeleteFileA((path_ + ".new").c_str());
        DeleteFileA(path_.c_str());
    }
    std::string path_;
};

TEST_F(ReplaceFileTest, NewContentsReplaceTheOldOnlyWhenWhole)
{
    const std::vector<std::uint8_t> old = {1, 2, 3};
    WriteWholeFile(path_, old);
    ASSERT_TRUE(ReplaceFileContents(path_, {9, 8, 7, 6}));
    EXPECT_EQ(ReadWholeFile(path_), (std::vector<std::uint8_t>{9, 8, 7, 6}));
    EXPECT_EQ(GetFileAttributesA((path_ + ".new").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(ReplaceFileTest, AFailedWriteLeavesTheOldFileWhole)
{
    WriteWholeFile(path_, {1, 2, 3});
    // The new file cannot be made: a folder stands in its place.
    ASSERT_TRUE(CreateDirectoryA((path_ + ".new").c_str(), nullptr));
    EXPECT_FALSE(ReplaceFileContents(path_, {9, 9}));
    EXPECT_EQ(ReadWholeFile(path_), (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST_F(ReplaceFileTest, ALockedFileIsLeftAsItIs)
{
    WriteWholeFile(path_, {1, 2, 3});
    HANDLE lock = CreateFileA(path_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(ReplaceFileContents(path_, {9, 9}));
    CloseHandle(lock);
    EXPECT_EQ(ReadWholeFile(path_), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(GetFileAttributesA((path_ + ".new").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(ReplaceFileTest, ALeftoverFromAKilledWriteDoesNotMatter)
{
    WriteWholeFile(path_, {1, 2, 3});
    WriteWholeFile(path_ + ".new", {4});  // a write that never finished
    EXPECT_EQ(ReadWholeFile(path_), (std::vector<std::uint8_t>{1, 2, 3}));
    ASSERT_TRUE(ReplaceFileContents(path_, {5, 6}));
    EXPECT_EQ(ReadWholeFile(path_), (std::vector<std::uint8_t>{5, 6}));
}

TEST_F(PanelTest, NoFileGivesTheDefaultsAndTheExitWritesThem)
{
    const SettingsValues values = CurrentSettings();
    EXPECT_FALSE(values.leftClickOn);
    EXPECT_EQ(values.leftClickInterval, 100u);
    EXPECT_EQ(values.keyRepeatInterval, 100u);
    EXPECT_TRUE(values.muteWhileConcealing);
    EXPECT_EQ(values.gestureDistance, 64u);
    EXPECT_EQ(values.gestureTime, 200u);
    EXPECT_EQ(values.gestureKeyIndex, 0);
    EXPECT_EQ(values.actions[0].modifiers, 2u);
    EXPECT_EQ(values.actions[0].virtualKey, static_cast<std::uint32_t>('L'));

    DestroyWindow(frameWindow);
    const std::vector<std::uint8_t> bytes = ReadWholeFile(SettingsFilePath());
    ASSERT_EQ(bytes.size(), 669u);
    EXPECT_EQ(bytes, WriteSettings(values));
}

TEST_F(PanelTest, StoredStateComesBackAtTheNextStart)
{
    // A hotkey and a gesture as an earlier run stored them.
    SettingsValues earlier = CurrentSettings();
    earlier.actions[1].modifiers = MOD_CONTROL | MOD_SHIFT;
    earlier.actions[1].virtualKey = VK_F5;
    earlier.actions[2] = ActionSettings{{1, 4, 3, 0, 0, 0, 0, 0}, 3, 0, 0};
    PanelTest::TearDownKeepingSettings();
    ASSERT_TRUE(WriteWholeFile(SettingsFilePath(), WriteSettings(earlier)));
    PanelTest::SetUpKeepingSettings();

    SetDlgItemTextA(panelWindow, IDC_LEFT_INTERVAL, "50");
    SendMessageA(panelWindow, WM_COMMAND, IDC_LEFT_TOGGLE, 0);
    SetDlgItemTextA(panelWindow, IDC_KEY_INTERVAL, "");  // stored as 0
    SetBox(IDC_MUTE, false);
    SetBox(IDC_MACRO2_REPEAT, true);
    Choose(IDC_GESTURE_HOLD_KEY, 2);
    DestroyWindow(frameWindow);

    const std::vector<std::uint8_t> bytes = ReadWholeFile(SettingsFilePath());
    ASSERT_GE(bytes.size(), 669u);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[1], 50);
    EXPECT_EQ(bytes[10], 0);
    EXPECT_EQ(bytes[14], 0);
    EXPECT_EQ(bytes[279], 1);
    EXPECT_EQ(bytes[289], 2);
    EXPECT_EQ(bytes[293 + 40 + 32], 6);     // Ctrl+Shift
    EXPECT_EQ(bytes[293 + 40 + 36], 0x74);  // F5
    const std::uint8_t gesture[32] = {1, 0, 0, 0, 4, 0, 0, 0, 3};
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 293 + 80, bytes.begin() + 293 + 112),
              std::vector<std::uint8_t>(gesture, gesture + 32));

    // The next start shows all of it.
    PanelTest::TearDownKeepingSettings();
    PanelTest::SetUpKeepingSettings();
    char text[16] = "";
    GetDlgItemTextA(panelWindow, IDC_LEFT_TOGGLE, text, sizeof text);
    EXPECT_STREQ(text, "ON");
    EXPECT_EQ(GetDlgItemInt(panelWindow, IDC_LEFT_INTERVAL, nullptr, FALSE), 50u);
    EXPECT_EQ(GetDlgItemInt(panelWindow, IDC_KEY_INTERVAL, nullptr, FALSE), 0u);
    EXPECT_EQ(IsDlgButtonChecked(panelWindow, IDC_MUTE), BST_UNCHECKED);
    EXPECT_EQ(IsDlgButtonChecked(panelWindow, IDC_MACRO2_REPEAT), BST_CHECKED);
    EXPECT_EQ(SendDlgItemMessageA(panelWindow, IDC_GESTURE_HOLD_KEY, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(PanelInternals::Action(TheTriggers(), 1).virtualKey, static_cast<UINT>(VK_F5));
    EXPECT_EQ(PanelInternals::Action(TheTriggers(), 2).gesture.count, 3);
    GetDlgItemTextA(panelWindow, IDC_GESTURE_CONCEAL, text, sizeof text);
    EXPECT_STREQ(text, "→↓←");
    // The repeater saved on does click, at its interval.
    TestWindow target("click target", 40, 40);
    ASSERT_TRUE(target.TakeForeground());
    EXPECT_TRUE(WaitUntil([&] { return target.clicks().size() >= 2; })) << target.clicks();
    SendMessageA(panelWindow, WM_COMMAND, IDC_LEFT_TOGGLE, 0);
}

TEST_F(PanelTest, DamagedFilesStartCleanly)
{
    std::vector<std::uint8_t> good = WriteSettings(CurrentSettings());
    std::vector<std::vector<std::uint8_t>> damaged;
    for (std::size_t cut : {0u, 1u, 14u, 200u, 292u, 293u, 300u, 652u, 660u}) damaged.emplace_back(good.begin(), good.begin() + cut);
    std::vector<std::uint8_t> hugePad = good;
    hugePad[653] = hugePad[654] = hugePad[655] = hugePad[656] = 0xFF;
    damaged.push_back(hugePad);
    std::vector<std::uint8_t> noise(3000);
    std::uint32_t seed = 12345;
    for (auto& b : noise) b = static_cast<std::uint8_t>((seed = seed * 1103515245u + 12345u) >> 24);
    damaged.push_back(noise);
    for (const auto& bytes : damaged) {
        PanelTest::TearDownKeepingSettings();
        WriteWholeFile(SettingsFilePath(), bytes);
        PanelTest::SetUpKeepingSettings();
        EXPECT_TRUE(IsWindow(panelWindow)) << bytes.size();
    }
}

}  // namespace
