#include "core/triggers/gesture_matcher.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>

namespace {

constexpr std::uint32_t T = 200;
constexpr std::uint32_t UNTOUCHED = 0xDEADBEEF;

GestureSequence Gesture(std::initializer_list<std::int32_t> steps, std::int32_t progress = 0)
{
    GestureSequence g;
    std::int32_t i = 0;
    for (std::int32_t step : steps) g.directions[i++] = step;
    g.count = i;
    g.progress = progress;
    return g;
}

// One record fed by hand, with its own clock value.
struct Matcher {
    GestureSequence gesture;
    std::uint32_t startTime = UNTOUCHED;
    std::uint32_t timeWindow = T;

    bool Step(std::int32_t direction, std::uint32_t now)
    {
        return MatchGestureStep(gesture, static_cast<GestureDirection>(direction), timeWindow,
                                now, startTime);
    }
};

TEST(GestureMatcher, CompletesOnTheLastStepAndStartsOver)
{
    Matcher m{Gesture({DIR_RIGHT, DIR_UP, DIR_LEFT})};
    EXPECT_FALSE(m.Step(DIR_RIGHT, 0));
    EXPECT_EQ(m.gesture.progress, 1);
    EXPECT_FALSE(m.Step(DIR_UP, 10));
    EXPECT_EQ(m.gesture.progress, 2);
    EXPECT_TRUE(m.Step(DIR_LEFT, 20));
    EXPECT_EQ(m.gesture.progress, 0);
    // The next stroke begins a fresh match.
    EXPECT_FALSE(m.Step(DIR_RIGHT, 30));
    EXPECT_FALSE(m.Step(DIR_UP, 40));
    EXPECT_TRUE(m.Step(DIR_LEFT, 50));
}

TEST(GestureMatcher, EightStepsCompleteOnTheEighth)
{
    const std::int32_t steps[] = {DIR_DOWN, DIR_LEFT, DIR_UP, DIR_RIGHT,
                                  DIR_DOWN, DIR_RIGHT, DIR_UP, DIR_LEFT};
    Matcher m{Gesture({DIR_DOWN, DIR_LEFT, DIR_UP, DIR_RIGHT, DIR_DOWN, DIR_RIGHT, DIR_UP, DIR_LEFT})};
    for (int i = 0; i < 7; ++i) {
        EXPECT_FALSE(m.Step(steps[i], 10u * i)) << i;
        EXPECT_EQ(m.gesture.progress, i + 1);
    }
    EXPECT_TRUE(m.Step(steps[7], 70));
    EXPECT_EQ(m.gesture.progress, 0);
}

TEST(GestureMatcher, FewerThanThreeStepsNeverMatchAndKeepTheirProgress)
{
    for (std::int32_t count = 0; count < 3; ++count) {
        Matcher m{Gesture({DIR_RIGHT, DIR_UP, DIR_LEFT}, 1)};
        m.gesture.count = count;
        for (std::int32_t direction : {DIR_UP, DIR_LEFT, DIR_DOWN, DIR_RIGHT, DIR_UP}) {
            EXPECT_FALSE(m.Step(direction, 1000)) << "count " << count;
        }
        EXPECT_EQ(m.gesture.progress, 1) << "count " << count;
        EXPECT_EQ(m.startTime, UNTOUCHED) << "count " << count;
    }
}

TEST(GestureMatcher, OnlyTheSecondStepSetsTheClock)
{
    Matcher m{Gesture({DIR_RIGHT, DIR_UP, DIR_LEFT, DIR_DOWN})};
    m.Step(DIR_RIGHT, 100);
    EXPECT_EQ(m.startTime, UNTOUCHED);
    m.Step(DIR_UP, 150);
    EXPECT_EQ(m.startTime, 150u);
    m.Step(DIR_LEFT, 170);
    EXPECT_EQ(m.startTime, 150u);
    EXPECT_TRUE(m.Step(DIR_DOWN, 190));
    EXPECT_EQ(m.startTime, 150u);
}

TEST(GestureMatcher, MatchingStepIsNeverTooLate)
{
    Matcher m{Gesture({DIR_RIGHT, DIR_UP, DIR_LEFT, DIR_DOWN})};
    m.Step(DIR_RIGHT, 0);
    m.Step(DIR_UP, 10);
    EXPECT_FALSE(m.Step(DIR_LEFT, 10 + 100 * T));
    EXPECT_EQ(m.gesture.progress, 3);
    EXPECT_TRUE(m.Step(DIR_DOWN, 10 + 200 * T));
}

// After two steps, a stroke that goes on in the last matched direction is
// tolerated for less than T from the second step, and drops the sequence
// from T on.
TEST(GestureMatcher, TimeWindowBoundsTheToleranceAfterTheSecondStep)
{
    struct Case { std::uint32_t elapsed; std::int32_t progressAfter; };
    const Case cases[] = {{0, 2}, {T - 1, 2}, {T, 0}, {T + 1, 0}, {0xFFFFFFFFu, 0}};
    for (const Case& c : cases) {
        Matcher m{Gesture({DIR_RIGHT, DIR_UP, DIR_LEFT})};
        m.Step(DIR_RIGHT, 1000);
        m.Step(DIR_UP, 2000);
        EXPECT_FALSE(m.Step(DIR_UP, 2000 + c.elapsed));
        EXPECT_EQ(m.gesture.progress, c.progressAfter) << "elapsed " << c.elapsed;
    }
}

TEST(GestureMatcher, TimeWindowAlsoAppliesAfterLaterSteps)
{
    Matcher m{Gesture({DIR_RIGHT, DIR_UP, DIR_LEFT, DIR_DOWN})};
    m.Step(DIR_RIGHT, 0);
    m.Step(DIR_UP, 10);
    m.Step(DIR_LEFT, 20);
    EXPECT_FALSE(m.Step(DIR_LEFT, 10 + T - 1));
    EXPECT_EQ(m.gesture.progress, 3);
    EXPECT_FALSE(m.Step(DIR_LEFT, 10 + T));
    EXPECT_EQ(m.gesture.progress, 0);
}

TEST(GestureMatcher, TimeWindowIsMeasuredAcrossTheClockWrap)
{
    for (std::uint32_t window : {300u, 200u}) {
        Matcher m{Gesture({DIR_RIGHT, DIR_UP, DIR_LEFT}), UNTOUCHED, window};
        m.Step(DIR_RIGHT, 0xFFFFFF00u);
        m.Step(DIR_UP, 0xFFFFFF00u);
        m.Step(DIR_UP, 0x00000010u);  // 0x110 = 272 ms later
        EXPECT_EQ(m.gesture.progress, window > 272 ? 2 : 0) << "T " << window;
    }
}

TEST(GestureMatcher, FirstDirectionGoesOnWithoutTimeLimitBeforeTheSecondStep)
{
    Matcher m{Gesture({DIR_RIGHT, DIR_UP, DIR_LEFT})};
    m.startTime = 0;  // a clock long expired, set by some other record
    m.Step(DIR_RIGHT, 100);
    for (std::uint32_t now : {1000u, 50000u, 0x80000000u}) {
        EXPECT_FALSE(m.Step(DIR_RIGHT, now));
        EXPECT_EQ(m.gesture.progress, 1) << now;
    }
    m.Step(DIR_UP, 0x80000001u);
    EXPECT_TRUE(m.Step(DIR_LEFT, 0x80000002u));
}

TEST(GestureMatcher, MismatchBeforeAnyStepChangesNothing)
{
    Matcher m{Gesture({DIR_RIGHT, DIR_UP, DIR_LEFT})};
    for (std::int32_t direction : {DIR_UP, DIR_LEFT, DIR_DOWN}) {
        EXPECT_FALSE(m.Step(direction, 0));
        EXPECT_EQ(m.gesture.progress, 0);
    }
    EXPECT_EQ(m.startTime, UNTOUCHED);
}

TEST(GestureMatcher, OtherDirectionDropsTheSequence)
{
    struct Case { std::int32_t matched; std::int32_t breaking; };
    // A direction that is neither the expected one nor that of the step just
    // matched. Right after right, up and up after right, up, left repeat an
    // earlier step, which is no excuse.
    const Case cases[] = {{1, DIR_LEFT}, {1, DIR_DOWN}, {2, DIR_DOWN}, {2, DIR_RIGHT}, {3, DIR_UP}};
    for (const Case& c : cases) {
        Matcher m{Gesture({DIR_RIGHT, DIR_UP, DIR_LEFT, DIR_DOWN})};
        const std::int32_t steps[] = {DIR_RIGHT, DIR_UP, DIR_LEFT};
        for (std::int32_t i = 0; i < c.matched; ++i) m.Step(steps[i], 10);
        EXPECT_FALSE(m.Step(c.breaking, 20));
        EXPECT_EQ(m.gesture.progress, 0) << c.matched << " steps, then " << c.breaking;
    }
}

TEST(GestureMatcher, BreakingStepIsNotTriedAgainAsAFirstStep)
{
    Matcher m{Gesture({DIR_RIGHT, DIR_UP, DIR_LEFT})};
    m.Step(DIR_RIGHT, 0);
    m.Step(DIR_UP, 10);
    EXPECT_FALSE(m.Step(DIR_RIGHT, 20));  // expected left: breaks
    EXPECT_EQ(m.gesture.progress, 0);
    EXPECT_FALSE(m.Step(DIR_UP, 30));
    EXPECT_FALSE(m.Step(DIR_LEFT, 40));

    // The same when the break is a timed-out sample.
    Matcher late{Gesture({DIR_RIGHT, DIR_UP, DIR_LEFT})};
    late.Step(DIR_RIGHT, 0);
    late.Step(DIR_UP, 10);
    EXPECT_FALSE(late.Step(DIR_RIGHT, 10 + T));
    EXPECT_EQ(late.gesture.progress, 0);
}

// The five samples of the gesture right, up, left: right, right, up, up, left.
TEST(GestureMatcher, LongStrokesCompleteWithinTheWindow)
{
    Matcher m{Gesture({DIR_RIGHT, DIR_UP, DIR_LEFT})};
    EXPECT_FALSE(m.Step(DIR_RIGHT, 0));
    EXPECT_FALSE(m.Step(DIR_RIGHT, 30));
    EXPECT_FALSE(m.Step(DIR_UP, 60));
    EXPECT_FALSE(m.Step(DIR_UP, 60 + T - 1));
    EXPECT_TRUE(m.Step(DIR_LEFT, 60 + T + 500));

    Matcher slow{Gesture({DIR_RIGHT, DIR_UP, DIR_LEFT})};
    slow.Step(DIR_RIGHT, 0);
    slow.Step(DIR_UP, 60);
    EXPECT_FALSE(slow.Step(DIR_UP, 60 + T));
    EXPECT_FALSE(slow.Step(DIR_LEFT, 60 + T + 1));
    EXPECT_EQ(slow.gesture.progress, 0);
}

// Progress left from a longer gesture that the dialog has since shortened
// must not expect an entry that is no longer part of the gesture.
TEST(GestureMatcher, ProgressBeyondTheGestureStartsOver)
{
    Matcher m{Gesture({DIR_RIGHT, DIR_UP, DIR_LEFT, DIR_DOWN, DIR_RIGHT, DIR_UP, DIR_LEFT, DIR_DOWN}, 5)};
    m.gesture.count = 3;
    EXPECT_FALSE(m.Step(DIR_UP, 0));  // directions[5]
    EXPECT_EQ(m.gesture.progress, 0);
    EXPECT_FALSE(m.Step(DIR_RIGHT, 10));
    EXPECT_FALSE(m.Step(DIR_UP, 20));
    EXPECT_TRUE(m.Step(DIR_LEFT, 30));

    Matcher exactlyAtCount{Gesture({DIR_RIGHT, DIR_UP, DIR_LEFT, DIR_DOWN}, 3)};
    exactlyAtCount.gesture.count = 3;
    EXPECT_FALSE(exactlyAtCount.Step(DIR_DOWN, 0));
    EXPECT_EQ(exactlyAtCount.gesture.progress, 0);

    Matcher negative{Gesture({DIR_RIGHT, DIR_UP, DIR_LEFT}, -1)};
    EXPECT_FALSE(negative.Step(DIR_RIGHT, 0));
    EXPECT_EQ(negative.gesture.progress, 1);
}

TEST(GestureMatcher, DamagedCountReadsNoFurtherThanEightSteps)
{
    Matcher m{Gesture({DIR_RIGHT, DIR_UP, DIR_LEFT, DIR_DOWN, DIR_RIGHT, DIR_UP, DIR_LEFT, DIR_DOWN}, 7)};
    m.gesture.count = 100;
    EXPECT_TRUE(m.Step(DIR_DOWN, 0));
    EXPECT_EQ(m.gesture.progress, 0);
}

}  // namespace
