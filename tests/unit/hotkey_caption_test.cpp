#include "core/triggers/hotkey_caption.h"

#include <gtest/gtest.h>

#include "core/triggers/action_table.h"

namespace {

TEST(HotkeyConversion, EachModifierMapsToItsControlFlagAndBack)
{
    struct Case { std::uint32_t modifiers; std::uint8_t flags; };
    const Case cases[] = {
        {0, 0},
        {HOTKEY_MOD_ALT, HOTKEY_CONTROL_ALT},
        {HOTKEY_MOD_CONTROL, HOTKEY_CONTROL_CONTROL},
        {HOTKEY_MOD_SHIFT, HOTKEY_CONTROL_SHIFT},
        {HOTKEY_MOD_ALT | HOTKEY_MOD_SHIFT, HOTKEY_CONTROL_ALT | HOTKEY_CONTROL_SHIFT},
        {HOTKEY_MOD_CONTROL | HOTKEY_MOD_SHIFT, HOTKEY_CONTROL_CONTROL | HOTKEY_CONTROL_SHIFT},
        {7, 7},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HotkeyControlFlagsFromModifiers(c.modifiers), c.flags) << c.modifiers;
        EXPECT_EQ(ModifiersFromHotkeyControlFlags(c.flags), c.modifiers) << int(c.flags);
    }
    // Alt is 1 for RegisterHotKey but 4 for the control, Shift the other way round.
    EXPECT_EQ(HotkeyControlFlagsFromModifiers(1), 4);
    EXPECT_EQ(ModifiersFromHotkeyControlFlags(1), 4u);
}

TEST(HotkeyConversion, ExtendedFlagIsDropped)
{
    EXPECT_EQ(ModifiersFromHotkeyControlFlags(HOTKEY_CONTROL_EXT), 0u);
    EXPECT_EQ(ModifiersFromHotkeyControlFlags(HOTKEY_CONTROL_EXT | HOTKEY_CONTROL_CONTROL),
              HOTKEY_MOD_CONTROL);
    std::uint32_t modifiers = 99, key = 99;
    HotkeyFromControlValue(0x0A26, modifiers, key);  // Ctrl + extended Up
    EXPECT_EQ(modifiers, HOTKEY_MOD_CONTROL);
    EXPECT_EQ(key, 0x26u);
}

TEST(HotkeyConversion, ControlValueCarriesKeyInLowByteFlagsInHighByte)
{
    EXPECT_EQ(HotkeyControlValue(HOTKEY_MOD_CONTROL | HOTKEY_MOD_SHIFT, 0x74), 0x0374);
    EXPECT_EQ(HotkeyControlValue(0, 0x70), 0x0070);
    EXPECT_EQ(HotkeyControlValue(HOTKEY_MOD_ALT, 0x1FF), 0x04FF);  // only the low byte
    std::uint32_t modifiers = 1, key = 1;
    HotkeyFromControlValue(0, modifiers, key);
    EXPECT_EQ(modifiers, 0u);
    EXPECT_EQ(key, 0u);
}

TEST(HotkeyCaption, PrefixesAlwaysInTheOrderCtrlAltShift)
{
    EXPECT_EQ(ComposeHotkeyCaption(HOTKEY_MOD_CONTROL, "L"), "Ctrl + L");
    EXPECT_EQ(ComposeHotkeyCaption(HOTKEY_MOD_ALT, "L"), "Alt + L");
    EXPECT_EQ(ComposeHotkeyCaption(HOTKEY_MOD_SHIFT, "L"), "Shift + L");
    EXPECT_EQ(ComposeHotkeyCaption(HOTKEY_MOD_SHIFT | HOTKEY_MOD_ALT, "L"), "Alt + Shift + L");
    EXPECT_EQ(ComposeHotkeyCaption(HOTKEY_MOD_SHIFT | HOTKEY_MOD_CONTROL, "F5"), "Ctrl + Shift + F5");
    EXPECT_EQ(ComposeHotkeyCaption(HOTKEY_MOD_ALT | HOTKEY_MOD_CONTROL, "F5"), "Ctrl + Alt + F5");
    EXPECT_EQ(ComposeHotkeyCaption(7, "F1"), "Ctrl + Alt + Shift + F1");
}

TEST(HotkeyCaption, KeyAloneModifiersAloneAndNothing)
{
    EXPECT_EQ(ComposeHotkeyCaption(0, "F1"), "F1");
    EXPECT_EQ(ComposeHotkeyCaption(HOTKEY_MOD_CONTROL, ""), "Ctrl + ");
    EXPECT_EQ(ComposeHotkeyCaption(0, ""), "ﾎｯﾄｷｰ：無効");
    EXPECT_STREQ(HOTKEY_DISABLED_CAPTION, "\xCE\xAF\xC4\xB7\xB0\x81\x46\x96\xB3\x8C\xF8");
}

TEST(HotkeyCaption, FitsItsBuffer)
{
    const std::string longName(80, 'x');
    EXPECT_EQ(ComposeHotkeyCaption(7, longName).size(), 63u);
    EXPECT_EQ(ComposeHotkeyCaption(0, std::string(63, 'x')), std::string(63, 'x'));
}

TEST(KeyNames, ExtendedFlagForTheNavigationBlockArrowsAndRightHandKeys)
{
    for (std::uint32_t vk : {0xA3u, 0xA5u, 0x21u, 0x22u, 0x23u, 0x24u, 0x25u, 0x26u, 0x27u,
                             0x28u, 0x2Du, 0x2Eu}) {
        EXPECT_TRUE(KeyNameNeedsExtendedFlag(vk)) << vk;
    }
    for (std::uint32_t vk : {0u, 0x0Du, 0x10u, 0x11u, 0x12u, 0x20u, 0x29u, 0x2Cu, 0x2Fu, 0x6Fu,
                             0x90u, 0xA2u, 0xA4u, 0x4Cu}) {
        EXPECT_FALSE(KeyNameNeedsExtendedFlag(vk)) << vk;
    }
}

}  // namespace
