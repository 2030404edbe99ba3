#include "core/triggers/gesture_dialog_rules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <string>

#include "core/triggers/gesture_caption.h"

namespace {

GestureSequence Gesture(std::initializer_list<std::int32_t> entries, std::int32_t count,
                        std::int32_t progress = 0)
{
    GestureSequence g;
    std::int32_t i = 0;
    for (std::int32_t entry : entries) g.directions[i++] = entry;
    g.count = count;
    g.progress = progress;
    return g;
}

GestureDialogState State(bool enabled, std::initializer_list<int> selections)
{
    GestureDialogState state;
    state.enabled = enabled;
    int i = 0;
    for (int s : selections) state.selections[i++] = s;
    return state;
}

void ExpectSame(const GestureSequence& a, const GestureSequence& b)
{
    EXPECT_EQ(a.count, b.count);
    EXPECT_EQ(a.progress, b.progress);
    for (int i = 0; i < GESTURE_MAX_STEPS; ++i) EXPECT_EQ(a.directions[i], b.directions[i]) << i;
}

std::string CaptionOf(const GestureSequence& gesture)
{
    char caption[GESTURE_CAPTION_SIZE];
    BuildGestureCaption(gesture, caption);
    return caption;
}

TEST(GestureDialogLists, FirstThreeHoldArrowsTheRestStartWithNoStep)
{
    const char* const arrows[] = {"→", "↑", "←", "↓"};
    for (int step = 0; step < GESTURE_MAX_STEPS; ++step) {
        const bool canEnd = step >= 3;
        ASSERT_EQ(GestureListSize(step), canEnd ? 5 : 4) << step;
        if (canEnd) {
            EXPECT_STREQ(GestureListEntry(step, 0), " ");
        }
        for (int a = 0; a < 4; ++a) {
            EXPECT_STREQ(GestureListEntry(step, a + (canEnd ? 1 : 0)), arrows[a]) << step;
        }
        EXPECT_EQ(GestureListEntry(step, GestureListSize(step)), nullptr);
        EXPECT_EQ(GestureListEntry(step, -1), nullptr);
    }
}

TEST(GestureDialogLists, IndexIsCodeMinusOneInTheFirstThreeAndCodeAfter)
{
    for (int step = 0; step < GESTURE_MAX_STEPS; ++step) {
        const int shift = step < 3 ? -1 : 0;
        for (std::int32_t code = DIR_RIGHT; code <= DIR_DOWN; ++code) {
            EXPECT_EQ(GestureListIndexOfCode(step, code), code + shift) << step;
            EXPECT_EQ(GestureCodeOfListIndex(step, code + shift), code) << step;
        }
        for (std::int32_t code : {0, 5, -1}) EXPECT_EQ(GestureListIndexOfCode(step, code), -1);
        EXPECT_EQ(GestureCodeOfListIndex(step, -1), GESTURE_NONE);
        EXPECT_EQ(GestureCodeOfListIndex(step, GestureListSize(step)), GESTURE_NONE);
    }
    EXPECT_EQ(GestureCodeOfListIndex(3, 0), GESTURE_NONE);  // " "
}

TEST(GestureDialogOpen, SelectionsAndCheckBoxFromTheRecord)
{
    struct Case { GestureSequence gesture; bool enabled; int selections[8]; };
    const Case cases[] = {
        {Gesture({}, 0), false, {0, 1, 2, 0, 0, 0, 0, 0}},
        {Gesture({4, 3, 2, 1, 4, 3, 2, 1}, 8), true, {3, 2, 1, 1, 4, 3, 2, 1}},
        {Gesture({2, 3, 4, 1, 2, 3, 4, 1}, 3), true, {1, 2, 3, 0, 0, 0, 0, 0}},
        {Gesture({2, 4, 1, 3}, 4), true, {1, 3, 0, 3, 0, 0, 0, 0}},
        // Disabled: the first count steps still show, the box is clear.
        {Gesture({4, 1, 4}, 2), false, {3, 0, 2, 0, 0, 0, 0, 0}},
        {Gesture({4, 3, 2, 1}, 0), false, {0, 1, 2, 0, 0, 0, 0, 0}},
        // An entry that is no direction keeps the preselection.
        {Gesture({7, 3}, 2), false, {0, 2, 2, 0, 0, 0, 0, 0}},
        {Gesture({1, 2, 3, 9}, 4), true, {0, 1, 2, 0, 0, 0, 0, 0}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const GestureDialogState state = GestureDialogStateOf(cases[i].gesture);
        EXPECT_EQ(state.enabled, cases[i].enabled) << "case " << i;
        for (int step = 0; step < 8; ++step) {
            EXPECT_EQ(state.selections[step], cases[i].selections[step]) << "case " << i << " step " << step;
        }
    }
}

TEST(GestureDialogLists, EnablingFollowsTheBoxAndTheFirstNoStep)
{
    struct Case { GestureDialogState state; bool enabled[8]; };
    const Case cases[] = {
        {State(false, {0, 1, 2, 1, 2, 3, 4, 1}), {0, 0, 0, 0, 0, 0, 0, 0}},
        {State(true, {0, 1, 2, 0, 0, 0, 0, 0}), {1, 1, 1, 1, 0, 0, 0, 0}},
        {State(true, {0, 1, 2, 1, 0, 0, 0, 0}), {1, 1, 1, 1, 1, 0, 0, 0}},
        {State(true, {0, 1, 2, 0, 2, 3, 4, 1}), {1, 1, 1, 1, 0, 0, 0, 0}},
        {State(true, {0, 1, 2, 1, 2, 3, 4, 0}), {1, 1, 1, 1, 1, 1, 1, 1}},
        {State(true, {0, 1, 2, 1, 2, 3, 4, 1}), {1, 1, 1, 1, 1, 1, 1, 1}},
        // Index 0 of the first three lists is an arrow, not " ".
        {State(true, {0, 0, 0, 1, 2, 0, 1, 2}), {1, 1, 1, 1, 1, 1, 0, 0}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        bool enabled[GESTURE_MAX_STEPS];
        GestureListEnabling(cases[i].state, enabled);
        for (int step = 0; step < 8; ++step) {
            EXPECT_EQ(enabled[step], cases[i].enabled[step]) << "case " << i << " step " << step;
        }
    }
}

TEST(GestureDialogOk, FreshGestureEnabledStoresRightUpLeft)
{
    GestureSequence gesture;
    GestureDialogState state = GestureDialogStateOf(gesture);
    state.enabled = true;
    EXPECT_EQ(ApplyGestureDialog(state, gesture), GestureDialogOutcome::Stored);
    ExpectSame(gesture, Gesture({1, 2, 3}, 3));
    EXPECT_EQ(CaptionOf(gesture), "→↑←");
}

TEST(GestureDialogOk, StepsUpToTheFirstNoStepBecomeTheGesture)
{
    struct Case { GestureDialogState state; GestureSequence stored; };
    const Case cases[] = {
        {State(true, {3, 2, 1, 0, 0, 0, 0, 0}), Gesture({4, 3, 2, 4, 4, 4, 4, 4}, 3)},
        {State(true, {0, 1, 0, 2, 1, 0, 0, 0}), Gesture({1, 2, 1, 2, 1, 4, 4, 4}, 5)},
        {State(true, {0, 1, 2, 4, 1, 2, 3, 4}), Gesture({1, 2, 3, 4, 1, 2, 3, 4}, 8)},
        // Arrows after a " " are not read, equal ones included.
        {State(true, {0, 1, 2, 0, 2, 2, 1, 1}), Gesture({1, 2, 3, 4, 4, 4, 4, 4}, 3)},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        GestureSequence gesture = Gesture({4, 4, 4, 4, 4, 4, 4, 4}, 8, 6);
        EXPECT_EQ(ApplyGestureDialog(cases[i].state, gesture), GestureDialogOutcome::Stored) << i;
        GestureSequence expected = cases[i].stored;
        expected.progress = 6;
        ExpectSame(gesture, expected);
    }
}

TEST(GestureDialogOk, EqualNeighboursAreRefusedAndChangeNothing)
{
    const GestureDialogState refused[] = {
        State(true, {0, 0, 1, 0, 0, 0, 0, 0}),  // right, right, up
        State(true, {0, 1, 1, 0, 0, 0, 0, 0}),
        State(true, {0, 1, 2, 3, 0, 0, 0, 0}),  // left in step 3 and, at index 3, in step 4
        State(true, {0, 1, 2, 1, 2, 3, 4, 4}),  // down, down at the end
    };
    for (std::size_t i = 0; i < std::size(refused); ++i) {
        const GestureSequence before = Gesture({2, 3, 4, 1, 2}, 5, 2);
        GestureSequence gesture = before;
        EXPECT_EQ(ApplyGestureDialog(refused[i], gesture), GestureDialogOutcome::RepeatedStep) << i;
        ExpectSame(gesture, before);
    }
    EXPECT_STREQ(GESTURE_REPEAT_MESSAGE, "同じ動きを連続して登録する事は出来ません");

    GestureSequence gesture;
    EXPECT_EQ(ApplyGestureDialog(State(true, {0, 1, 0, 0, 0, 0, 0, 0}), gesture),
              GestureDialogOutcome::Stored);  // right, up, right
    ExpectSame(gesture, Gesture({1, 2, 1}, 3));
}

TEST(GestureDialogOk, ClearBoxDisablesAndKeepsTheStepsInMemory)
{
    GestureSequence gesture = Gesture({4, 1, 2, 3, 4, 1, 2, 3}, 8, 4);
    const GestureDialogState state = State(false, {0, 1, 2, 1, 2, 3, 4, 1});
    EXPECT_EQ(ApplyGestureDialog(state, gesture), GestureDialogOutcome::Disabled);
    ExpectSame(gesture, Gesture({4, 1, 2, 3, 4, 1, 2, 3}, 0, 4));
    EXPECT_EQ(CaptionOf(gesture), GESTURE_DISABLED_CAPTION);
    // Reopened, the dialog shows the preselection, not the old steps.
    const GestureDialogState reopened = GestureDialogStateOf(gesture);
    EXPECT_FALSE(reopened.enabled);
    EXPECT_EQ(reopened.selections[0], 0);
    EXPECT_EQ(reopened.selections[3], 0);
}

TEST(GestureDialogOk, ShorteningLeavesTheOldStepsBehindTheCount)
{
    GestureSequence gesture = Gesture({1, 2, 3, 4, 1, 2, 3, 4}, 8);
    GestureDialogState state = GestureDialogStateOf(gesture);
    state.selections[2] = 3;  // down
    state.selections[3] = 0;
    EXPECT_EQ(ApplyGestureDialog(state, gesture), GestureDialogOutcome::Stored);
    ExpectSame(gesture, Gesture({1, 2, 4, 4, 1, 2, 3, 4}, 3));
    EXPECT_EQ(CaptionOf(gesture), "→↑↓");
}

TEST(GestureDialogOk, ReopeningAndOkGivesTheSameGesture)
{
    const GestureSequence gestures[] = {
        Gesture({1, 2, 3}, 3), Gesture({4, 3, 4, 3, 2}, 5), Gesture({2, 1, 4, 3, 2, 1, 4, 3}, 8),
    };
    for (const GestureSequence& original : gestures) {
        GestureSequence gesture = original;
        EXPECT_EQ(ApplyGestureDialog(GestureDialogStateOf(gesture), gesture),
                  GestureDialogOutcome::Stored);
        ExpectSame(gesture, original);
    }
}

TEST(GestureDialogOk, FirstThreeListsWithoutAnArrowChangeNothing)
{
    for (int step = 0; step < 3; ++step) {
        GestureDialogState state = State(true, {0, 1, 2, 0, 0, 0, 0, 0});
        state.selections[step] = -1;
        const GestureSequence before = Gesture({4, 3, 4}, 3, 1);
        GestureSequence gesture = before;
        EXPECT_EQ(ApplyGestureDialog(state, gesture), GestureDialogOutcome::MissingStep) << step;
        ExpectSame(gesture, before);
    }
}

}  // namespace
