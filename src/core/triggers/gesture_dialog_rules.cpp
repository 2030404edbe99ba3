#include "core/triggers/gesture_dialog_rules.h"

#include "core/triggers/gesture_caption.h"

const char GESTURE_REPEAT_MESSAGE[] = "同じ動きを連続して登録する事は出来ません";
const char GESTURE_NO_STEP_ENTRY[] = " ";

bool GestureListCanEnd(int step) { return step >= GESTURE_MIN_STEPS; }

namespace {

// The first three lists have no " ", which is what makes 3 the least number
// of steps the dialog can store.
int FirstArrowIndex(int step)
{
    return GestureListCanEnd(step) ? 1 : 0;
}

}  // namespace

int GestureListSize(int step)
{
    return FirstArrowIndex(step) + (DIR_DOWN - DIR_RIGHT + 1);
}

const char* GestureListEntry(int step, int index)
{
    if (GestureListCanEnd(step) && index == 0) return GESTURE_NO_STEP_ENTRY;
    return GestureArrow(GestureCodeOfListIndex(step, index));
}

int GestureListIndexOfCode(int step, std::int32_t code)
{
    if (!IsGestureDirection(code)) return -1;
    return FirstArrowIndex(step) + (code - DIR_RIGHT);
}

std::int32_t GestureCodeOfListIndex(int step, int index)
{
    const std::int32_t code = DIR_RIGHT + (index - FirstArrowIndex(step));
    return IsGestureDirection(code) ? code : GESTURE_NONE;
}

GestureDialogState GestureDialogStateOf(const GestureSequence& gesture)
{
    GestureDialogState state;
    const std::int32_t preselected[GESTURE_MIN_STEPS] = {DIR_RIGHT, DIR_UP, DIR_LEFT};
    for (int step = 0; step < GESTURE_MAX_STEPS; ++step) {
        state.selections[step] =
            step < GESTURE_MIN_STEPS ? GestureListIndexOfCode(step, preselected[step]) : 0;
    }
    const std::int32_t count =
        gesture.count < GESTURE_MAX_STEPS ? gesture.count : GESTURE_MAX_STEPS;
    for (std::int32_t step = 0; step < count; ++step) {
        // An entry that is no direction (a short gesture is never validated
        // by its caption) has no list index; the step keeps its preselection
        // rather than showing no selection, which OK would store as a step.
        const int index = GestureListIndexOfCode(step, gesture.directions[step]);
        if (index >= 0) state.selections[step] = index;
    }
    state.enabled = gesture.count >= GESTURE_MIN_STEPS;
    return state;
}

void GestureListEnabling(const GestureDialogState& state,
                         bool (&listEnabled)[GESTURE_MAX_STEPS])
{
    bool open = state.enabled;
    for (int step = 0; step < GESTURE_MAX_STEPS; ++step) {
        listEnabled[step] = open;
        if (GestureListCanEnd(step) && state.selections[step] == 0) open = false;
    }
}

GestureDialogOutcome ApplyGestureDialog(const GestureDialogState& state,
                                        GestureSequence& gesture)
{
    if (!state.enabled) {
        gesture.count = 0;
        return GestureDialogOutcome::Disabled;
    }

    std::int32_t codes[GESTURE_MAX_STEPS] = {};
    std::int32_t n = 0;
    while (n < GESTURE_MAX_STEPS) {
        const std::int32_t code = GestureCodeOfListIndex(n, state.selections[n]);
        if (code == GESTURE_NONE) break;
        codes[n++] = code;
    }
    if (n < GESTURE_MIN_STEPS) return GestureDialogOutcome::MissingStep;
    for (std::int32_t j = 1; j < n; ++j) {
        if (codes[j] == codes[j - 1]) return GestureDialogOutcome::RepeatedStep;
    }

    for (std::int32_t j = 0; j < n; ++j) gesture.directions[j] = codes[j];
    gesture.count = n;
    return GestureDialogOutcome::Stored;
}
