#include "core/tray/tray_layout.h"

#include <gtest/gtest.h>

#include "core/automation/click_repeat_settings.h"
#include "core/automation/key_table.h"

namespace {

TEST(TrayLayout, OneIconForEachPairOfRepeaterStates)
{
    EXPECT_EQ(TrayIconFor(false, false), TrayIcon::Neither);
    EXPECT_EQ(TrayIconFor(true, false), TrayIcon::Left);
    EXPECT_EQ(TrayIconFor(false, true), TrayIcon::Right);
    EXPECT_EQ(TrayIconFor(true, true), TrayIcon::Both);
}

TEST(TrayLayout, KeyboardSubmenuLevelsHold20_20_20And21Keys)
{
    int perLevel[TRAY_KEYBOARD_LEVELS] = {};
    int previous = 0;
    for (int i = 0; i < KEY_COUNT; ++i) {
        const int level = TrayKeyboardLevel(i);
        ASSERT_GE(level, previous) << i;  // levels only ever go deeper
        ASSERT_LT(level, TRAY_KEYBOARD_LEVELS) << i;
        ++perLevel[level];
        previous = level;
    }
    EXPECT_EQ(perLevel[0], 20);
    EXPECT_EQ(perLevel[1], 20);
    EXPECT_EQ(perLevel[2], 20);
    EXPECT_EQ(perLevel[3], 21);
    EXPECT_EQ(TrayKeyboardLevel(19), 0);
    EXPECT_EQ(TrayKeyboardLevel(20), 1);
    EXPECT_EQ(TrayKeyboardLevel(80), 3);
}

}  // namespace
