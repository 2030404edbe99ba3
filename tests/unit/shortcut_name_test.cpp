#include "core/launcher/shortcut_name.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ShortcutName, LnkExtensionInAnyCase)
{
    EXPECT_TRUE(IsShortcutPath("C:\\Games\\game.lnk"));
    EXPECT_TRUE(IsShortcutPath("C:\\Games\\game.LNK"));
    EXPECT_TRUE(IsShortcutPath("C:\\Games\\game.Lnk"));
    EXPECT_TRUE(IsShortcutPath("game.lnk"));
    EXPECT_TRUE(IsShortcutPath("C:\\a.b\\c.exe.lnk"));
    EXPECT_TRUE(IsShortcutPath(".lnk"));
}

TEST(ShortcutName, OtherNamesAreNoShortcuts)
{
    EXPECT_FALSE(IsShortcutPath(""));
    EXPECT_FALSE(IsShortcutPath("C:\\Games\\game.exe"));
    EXPECT_FALSE(IsShortcutPath("C:\\Games\\game.lnk2"));
    EXPECT_FALSE(IsShortcutPath("C:\\Games\\game.ln"));
    EXPECT_FALSE(IsShortcutPath("C:\\Games\\gamelnk"));
    EXPECT_FALSE(IsShortcutPath("C:\\Games\\lnk"));
    // The dot belongs to a folder, not to the file.
    EXPECT_FALSE(IsShortcutPath("C:\\x.lnk\\game"));
    EXPECT_FALSE(IsShortcutPath("C:\\x.lnk/game"));
}

TEST(ShortcutName, DoubleByteCharactersAreWalkedWhole)
{
    // 表 ends in the byte of a backslash.
    EXPECT_TRUE(IsShortcutPath("C:\\\x95\x5C.lnk"));
    EXPECT_TRUE(IsShortcutPath("C:\\\x95\x5C\\\x83\x51.lnk"));
    // 0x82 0x6C is a double-byte character whose trail byte is 'l'.
    EXPECT_FALSE(IsShortcutPath("C:\\a.\x82lnk"));
    EXPECT_FALSE(IsShortcutPath("C:\\a.\x82l\x82n"));
    // A lead byte takes the next byte with it, even a dot: there is no ".lnk"
    // here, though a search for the last dot finds one.
    EXPECT_FALSE(IsShortcutPath("C:\\game\x81.lnk"));
    EXPECT_TRUE(IsShortcutPath("C:\\game\x81\x40.lnk"));
}

}  // namespace
