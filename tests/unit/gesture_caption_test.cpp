#include "core/triggers/gesture_caption.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>

namespace {

GestureSequence Gesture(std::initializer_list<std::int32_t> entries, std::int32_t count)
{
    GestureSequence g;
    std::int32_t i = 0;
    for (std::int32_t entry : entries) g.directions[i++] = entry;
    g.count = count;
    return g;
}

std::string Hex(const std::string& text)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

TEST(GestureCaption, ArrowsAreTheCodePage932Arrows)
{
    EXPECT_EQ(Hex(GestureArrow(DIR_RIGHT)), "81A8");
    EXPECT_EQ(Hex(GestureArrow(DIR_UP)), "81AA");
    EXPECT_EQ(Hex(GestureArrow(DIR_LEFT)), "81A9");
    EXPECT_EQ(Hex(GestureArrow(DIR_DOWN)), "81AB");
    for (std::int32_t code : {0, 5, -1, 100}) EXPECT_EQ(GestureArrow(code), nullptr) << code;
}

TEST(GestureCaption, DisabledCaptionIsHalfWidthKatakana)
{
    EXPECT_EQ(Hex(GESTURE_DISABLED_CAPTION), "CFB3BDBCDEAABDC1AC814696B38CF8");
}

TEST(GestureCaption, OneArrowPerStepWithNothingBetween)
{
    struct Case { GestureSequence gesture; const char* caption; };
    const Case cases[] = {
        {Gesture({1, 2, 3}, 3), "→↑←"},
        {Gesture({2, 4, 2, 4}, 4), "↑↓↑↓"},
        {Gesture({4, 3, 2, 1, 4, 3, 2, 1}, 8), "↓←↑→↓←↑→"},
        // Entries after the count belong to an earlier gesture and are not shown.
        {Gesture({1, 2, 3, 4, 1, 2, 3, 4}, 3), "→↑←"},
    };
    for (const Case& c : cases) {
        char caption[GESTURE_CAPTION_SIZE];
        EXPECT_EQ(BuildGestureCaption(c.gesture, caption), c.gesture.count);
        EXPECT_STREQ(caption, c.caption);
    }
}

TEST(GestureCaption, FewerThanThreeStepsAreDisabled)
{
    for (std::int32_t count : {0, 1, 2}) {
        char caption[GESTURE_CAPTION_SIZE];
        EXPECT_EQ(BuildGestureCaption(Gesture({1, 2, 3, 4}, count), caption), count);
        EXPECT_STREQ(caption, "ﾏｳｽｼﾞｪｽﾁｬ：無効") << count;
    }
}

// The count the record must take; a null caption stands for the disabled text.
TEST(GestureCaption, CutBeforeTheFirstEntryThatIsNoDirection)
{
    struct Case { GestureSequence gesture; std::int32_t count; const char* caption; };
    const Case cases[] = {
        {Gesture({1, 2, 7, 3}, 4), 2, nullptr},
        {Gesture({1, 2, 3, 0}, 4), 3, "→↑←"},
        {Gesture({1, 2, 3, 4, 5, 1, 2, 3}, 8), 4, "→↑←↓"},
        {Gesture({1, 2, 3, 4, 1, 2, 3, -1}, 8), 7, "→↑←↓→↑←"},
        {Gesture({0, 1, 2}, 3), 0, nullptr},
        {Gesture({1, 2, 3, 4, 1, 2, 3, 4}, 9), 8, "→↑←↓→↑←↓"},  // damaged count
        // A disabled gesture is not validated: its count stays.
        {Gesture({7, 7}, 2), 2, nullptr},
        {Gesture({}, -5), -5, nullptr},
    };
    for (const Case& c : cases) {
        char caption[GESTURE_CAPTION_SIZE];
        EXPECT_EQ(BuildGestureCaption(c.gesture, caption), c.count);
        EXPECT_STREQ(caption, c.caption ? c.caption : GESTURE_DISABLED_CAPTION);
    }
}

TEST(GestureCaption, EndsRightAfterTheLastArrow)
{
    char caption[GESTURE_CAPTION_SIZE];
    std::memset(caption, 'x', sizeof caption);
    BuildGestureCaption(Gesture({1, 2, 1, 2, 1, 2, 1, 2}, 8), caption);
    EXPECT_EQ(std::strlen(caption), 16u);
}

}  // namespace
