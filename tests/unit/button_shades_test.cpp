#include "core/panel/button_shades.h"

#include <gtest/gtest.h>

namespace {

TEST(ButtonShades, PanelColourGivesTheDocumentedBevel)
{
    EXPECT_EQ(BevelLightColour(COLOR_PANEL, 0, 2), MakeColour(255, 255, 255));
    EXPECT_EQ(BevelDarkColour(COLOR_PANEL, 0, 2), MakeColour(60, 58, 54));
    EXPECT_EQ(BevelLightColour(COLOR_PANEL, 1, 2), MakeColour(248, 245, 235));
    EXPECT_EQ(BevelDarkColour(COLOR_PANEL, 1, 2), MakeColour(121, 117, 108));
}

TEST(ButtonShades, PressedAndDisabledShadesOfThePanelColour)
{
    EXPECT_EQ(PressedShadowColour(COLOR_PANEL), MakeColour(121, 117, 108));
    EXPECT_EQ(DisabledCaptionColour(COLOR_PANEL), MakeColour(161, 156, 144));
}

TEST(ButtonShades, ToggleColours)
{
    // ON: 251,215,223. Inner light is halfway to white, rounding down.
    EXPECT_EQ(BevelLightColour(COLOR_ON, 1, 2), MakeColour(253, 235, 239));
    EXPECT_EQ(BevelDarkColour(COLOR_ON, 0, 2), MakeColour(62, 53, 55));
    EXPECT_EQ(BevelDarkColour(COLOR_ON, 1, 2), MakeColour(125, 107, 111));
    EXPECT_EQ(PressedShadowColour(COLOR_OFF), MakeColour(95, 101, 110));
    EXPECT_EQ(DisabledCaptionColour(COLOR_OFF), MakeColour(126, 134, 146));
}

TEST(ButtonShades, ChannelsStayApartAndInRange)
{
    // Each channel is shaded on its own: a pure colour never bleeds into the
    // other channels, and the extremes stay within a byte.
    const Colour red = MakeColour(255, 0, 0);
    EXPECT_EQ(BevelDarkColour(red, 1, 2), MakeColour(127, 0, 0));
    EXPECT_EQ(BevelLightColour(red, 1, 2), MakeColour(255, 127, 127));
    EXPECT_EQ(BevelLightColour(0, 0, 2), MakeColour(255, 255, 255));
    EXPECT_EQ(BevelLightColour(0, 1, 2), MakeColour(127, 127, 127));
    EXPECT_EQ(BevelDarkColour(MakeColour(255, 255, 255), 1, 2), MakeColour(127, 127, 127));
    // With one ring, the ring is white above and half the face below.
    EXPECT_EQ(BevelLightColour(COLOR_PANEL, 0, 1), MakeColour(255, 255, 255));
    EXPECT_EQ(BevelDarkColour(COLOR_PANEL, 0, 1), MakeColour(121, 117, 108));
}

TEST(Colours, ValuesAreCOLORREFs)
{
    EXPECT_EQ(RedOf(COLOR_HATCH), 226u);
    EXPECT_EQ(GreenOf(COLOR_HATCH), 220u);
    EXPECT_EQ(BlueOf(COLOR_HATCH), 202u);
    EXPECT_EQ(COLOR_ON, 0x00DFD7FBu);
}

}  // namespace
