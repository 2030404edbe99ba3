// The rules of the gesture setting dialog over its plain values: the "有効"
// check box and the selected index of each of the eight step lists (steps 1
// to 8, index 0 to 7 here). A dialog fills each list from GestureListEntry,
// selects and checks what GestureDialogStateOf gives, enables the lists as
// GestureListEnabling says whenever the box or a list that can end the
// gesture changes (nothing else changes which lists are enabled), and on OK
// keeps what ApplyGestureDialog decides.
#pragma once
#include <cstdint>

#include "core/triggers/gesture_sequence.h"

// What the dialog shows: the check box and the list selections (-1: none).
struct GestureDialogState {
    bool enabled = false;
    int selections[GESTURE_MAX_STEPS] = {};
};

enum class GestureDialogOutcome {
    Stored,        // the steps read are now the gesture
    Disabled,      // the box was clear: count 0, the old steps stay in memory
    RepeatedStep,  // two neighbouring steps are equal: the record is unchanged
    MissingStep,   // one of the first three lists has no arrow selected: unchanged
};

extern const char GESTURE_REPEAT_MESSAGE[];  // "同じ動きを連続して登録する事は出来ません"
extern const char GESTURE_NO_STEP_ENTRY[];   // " ", the first entry of lists 4 to 8

// Lists 1 to 3 hold the four arrows; lists 4 to 8 hold " " (no further step)
// and then the four arrows. step is 0 to 7.
int GestureListSize(int step);
// Whether the step's list offers " ", which ends the gesture there (steps 4
// to 8).
bool GestureListCanEnd(int step);
const char* GestureListEntry(int step, int index);  // nullptr outside the list

// The list index that shows a direction code in a step's list, or -1 when the
// code is not a direction.
int GestureListIndexOfCode(int step, std::int32_t code);

// The direction code that a list index stands for, or GESTURE_NONE for " " and
// for an index outside the list.
std::int32_t GestureCodeOfListIndex(int step, int index);

// The dialog's first state for a gesture: steps 1 to 3 "→" "↑" "←" and " "
// after them, overwritten by the gesture's first count steps; the box is
// checked when the gesture has 3 steps or more.
GestureDialogState GestureDialogStateOf(const GestureSequence& gesture);

// Which lists are enabled: none while the box is clear; otherwise the first
// three, then the lists of steps 4 to 8 up to and including the first that
// shows " ".
void GestureListEnabling(const GestureDialogState& state,
                         bool (&listEnabled)[GESTURE_MAX_STEPS]);

// OK: with the box clear, count 0 and nothing else changes; otherwise the
// steps up to the first " " become the first entries of the gesture and its
// count, entries after them keep what they held. Refused (record unchanged)
// when two neighbouring steps are equal. The progress is never touched.
GestureDialogOutcome ApplyGestureDialog(const GestureDialogState& state,
                                        GestureSequence& gesture);
