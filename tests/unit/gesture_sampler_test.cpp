#include "core/triggers/gesture_sampler.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>

namespace {

constexpr std::int32_t STROKE = 100;  // more than √2·64 pixels

class GestureSampler : public ::testing::Test {
protected:
    GestureRecognition recognition;
    GestureSequence records[ACTION_COUNT];
    GestureSequence* sequences[ACTION_COUNT];
    GesturePoint cursor;  // starts at the anchor (0, 0)
    std::uint32_t now = 1000;

    GestureSampler()
    {
        for (int i = 0; i < ACTION_COUNT; ++i) sequences[i] = &records[i];
    }

    void Bind(int index, std::initializer_list<std::int32_t> steps)
    {
        std::int32_t n = 0;
        for (std::int32_t step : steps) records[index].directions[n++] = step;
        records[index].count = n;
    }

    int SampleAt(GesturePoint at, bool holdKeyDown = true)
    {
        cursor = at;
        return TakeGestureSample(recognition, sequences, cursor, holdKeyDown, now);
    }

    // One full stroke from the current cursor position, ms milliseconds
    // after the previous one.
    int Stroke(std::int32_t direction, std::uint32_t ms = 10, bool holdKeyDown = true)
    {
        now += ms;
        GesturePoint to = cursor;
        switch (direction) {
        case DIR_RIGHT: to.x += STROKE; break;
        case DIR_UP: to.y -= STROKE; break;
        case DIR_LEFT: to.x -= STROKE; break;
        case DIR_DOWN: to.y += STROKE; break;
        }
        return SampleAt(to, holdKeyDown);
    }
};

TEST_F(GestureSampler, FirstSampleIsMeasuredFromTheOrigin)
{
    Bind(0, {DIR_DOWN, DIR_RIGHT, DIR_UP});
    EXPECT_EQ(SampleAt({5, 200}), -1);
    EXPECT_EQ(records[0].progress, 1);
    EXPECT_EQ(recognition.gestureAnchor.x, 5);
    EXPECT_EQ(recognition.gestureAnchor.y, 200);
}

TEST_F(GestureSampler, ShortMovesLeaveTheAnchorAndTheRecordsAlone)
{
    Bind(0, {DIR_RIGHT, DIR_DOWN, DIR_LEFT});
    EXPECT_FALSE(GestureSampleIsStep(recognition, {64, 64}));
    EXPECT_EQ(SampleAt({64, 64}), -1);
    EXPECT_EQ(recognition.gestureAnchor.x, 0);
    EXPECT_EQ(records[0].progress, 0);

    // Measured from the anchor, not from the last short sample: 65 more
    // pixels than the anchor make the step.
    EXPECT_TRUE(GestureSampleIsStep(recognition, {65, 64}));
    SampleAt({65, 64});
    EXPECT_EQ(records[0].progress, 1);
    EXPECT_EQ(recognition.gestureAnchor.x, 65);
    EXPECT_EQ(recognition.gestureAnchor.y, 64);

    // A short move with the hold key up resets nothing either.
    SampleAt({65 + 50, 64}, false);
    EXPECT_EQ(records[0].progress, 1);
}

TEST_F(GestureSampler, DistanceIsTheRecognitionSetting)
{
    recognition.gestureMinDistance = 0;
    EXPECT_TRUE(GestureSampleIsStep(recognition, {0, 1}));
    recognition.gestureMinDistance = 200;
    EXPECT_FALSE(GestureSampleIsStep(recognition, {STROKE, 0}));
    EXPECT_FALSE(GestureSampleIsStep(recognition, {200, 200}));
    EXPECT_TRUE(GestureSampleIsStep(recognition, {201, 200}));
}

TEST_F(GestureSampler, HoldKeyUpResetsEveryRecordAndKeepsTheAnchor)
{
    Bind(0, {DIR_RIGHT, DIR_UP, DIR_LEFT});
    for (GestureSequence& record : records) record.progress = 2;  // disabled ones too
    EXPECT_EQ(Stroke(DIR_LEFT, 10, false), -1);  // would complete record 0
    for (const GestureSequence& record : records) EXPECT_EQ(record.progress, 0);
    EXPECT_EQ(recognition.gestureAnchor.x, 0);
    EXPECT_EQ(recognition.gestureAnchor.y, 0);

    // The gesture drawn without the key: each sample is a step from the
    // anchor that stays at the origin, and none counts.
    EXPECT_EQ(SampleAt({STROKE, 0}, false), -1);
    EXPECT_EQ(SampleAt({0, -STROKE}, false), -1);
    EXPECT_EQ(SampleAt({-STROKE, 0}, false), -1);
    EXPECT_EQ(records[0].progress, 0);
    EXPECT_EQ(recognition.gestureAnchor.x, 0);
    EXPECT_EQ(recognition.gestureAnchor.y, 0);
}

TEST_F(GestureSampler, CompletedGestureReportsItsRecord)
{
    Bind(3, {DIR_RIGHT, DIR_UP, DIR_LEFT});
    EXPECT_EQ(Stroke(DIR_RIGHT), -1);
    EXPECT_EQ(Stroke(DIR_UP), -1);
    EXPECT_EQ(Stroke(DIR_LEFT), 3);
    EXPECT_EQ(records[3].progress, 0);
    // The last record (show or hide the window) is fed like every other.
    Bind(8, {DIR_DOWN, DIR_LEFT, DIR_UP});
    EXPECT_EQ(Stroke(DIR_DOWN), -1);
    EXPECT_EQ(records[8].progress, 1);
    EXPECT_EQ(Stroke(DIR_LEFT), -1);
    EXPECT_EQ(Stroke(DIR_UP), 8);
}

TEST_F(GestureSampler, LowerIndexWinsAndLaterRecordsMissTheStep)
{
    Bind(2, {DIR_RIGHT, DIR_UP, DIR_LEFT});
    Bind(5, {DIR_RIGHT, DIR_UP, DIR_LEFT});
    Bind(8, {DIR_LEFT, DIR_DOWN, DIR_RIGHT});
    Stroke(DIR_RIGHT);
    Stroke(DIR_UP);
    EXPECT_EQ(Stroke(DIR_LEFT), 2);
    EXPECT_EQ(records[5].progress, 2);  // not fed the completing step
    EXPECT_EQ(records[8].progress, 0);  // would have taken its first step

    // Record 5 still waits for its last step; record 2 starts from the beginning.
    EXPECT_EQ(Stroke(DIR_LEFT), 5);
}

TEST_F(GestureSampler, EveryRecordMatchesAgainstOneSharedClock)
{
    Bind(0, {DIR_DOWN, DIR_RIGHT, DIR_UP, DIR_LEFT});
    Bind(1, {DIR_RIGHT, DIR_UP, DIR_LEFT});
    now = 0;
    Stroke(DIR_DOWN, 0);    // record 0 at step 1
    Stroke(DIR_RIGHT, 100); // record 0 at step 2: clock 100
    EXPECT_EQ(recognition.gestureStartTime, 100u);
    Stroke(DIR_UP, 150);    // record 0 at step 3, record 1 at step 2: clock 250
    EXPECT_EQ(recognition.gestureStartTime, 250u);
    // 250 ms after record 0's second step, but only 100 after the clock.
    EXPECT_EQ(Stroke(DIR_UP, 100), -1);
    EXPECT_EQ(records[0].progress, 3);
    EXPECT_EQ(Stroke(DIR_LEFT, 10), 0);
}

TEST_F(GestureSampler, TimeWindowIsTheRecognitionSetting)
{
    recognition.gestureTimeWindow = 500;
    Bind(0, {DIR_RIGHT, DIR_UP, DIR_LEFT});
    Stroke(DIR_RIGHT);
    Stroke(DIR_UP);
    Stroke(DIR_UP, 499);
    EXPECT_EQ(records[0].progress, 2);
    Stroke(DIR_UP, 1);
    EXPECT_EQ(records[0].progress, 0);
}

TEST_F(GestureSampler, LongStrokesAndLateContinuation)
{
    Bind(0, {DIR_RIGHT, DIR_UP, DIR_LEFT});
    const std::int32_t strokes[] = {DIR_RIGHT, DIR_RIGHT, DIR_UP, DIR_UP};
    for (std::int32_t direction : strokes) EXPECT_EQ(Stroke(direction, 20), -1);
    EXPECT_EQ(Stroke(DIR_LEFT, 20), 0);

    Stroke(DIR_RIGHT, 20);
    Stroke(DIR_UP, 20);
    EXPECT_EQ(Stroke(DIR_UP, recognition.gestureTimeWindow), -1);
    EXPECT_EQ(records[0].progress, 0);
    EXPECT_EQ(Stroke(DIR_LEFT, 1), -1);
}

TEST_F(GestureSampler, TwoStepGestureNeverFires)
{
    Bind(0, {DIR_RIGHT, DIR_UP});
    for (int round = 0; round < 3; ++round) {
        EXPECT_EQ(Stroke(DIR_RIGHT), -1);
        EXPECT_EQ(Stroke(DIR_UP), -1);
    }
}

}  // namespace
