// One sample of the cursor for gesture recognition: the recognition settings
// and state, the distance test, the hold key and the feeding of the step to
// every action in table order. The panel's gesture timer takes the cursor on
// every tick; only a move long enough for a step reads the hold key and
// feeds the sequences.
#pragma once
#include <cstdint>

#include "core/triggers/action_table.h"
#include "core/triggers/gesture_quantiser.h"
#include "core/triggers/gesture_sequence.h"

struct GestureRecognition {
    std::uint32_t gestureMinDistance = 64;  // D in pixels, from IDC_GESTURE_DISTANCE
    std::uint32_t gestureTimeWindow = 200;  // T in milliseconds, from IDC_GESTURE_TIME
    GesturePoint gestureAnchor;             // cursor position of the last accepted sample
    std::uint32_t gestureStartTime = 0;     // when a record last reached its second step
};

// Whether the cursor is far enough from the anchor for a step. Only then is
// the hold key worth reading.
bool GestureSampleIsStep(const GestureRecognition& recognition, GesturePoint cursor);

// Takes a sample at `now` (timeGetTime milliseconds) and returns the index of
// the record whose gesture it completes, or -1.
// - Too short a move: nothing changes.
// - A move while the hold key is wanted but up: every record's progress is
//   reset, the anchor stays, nothing fires.
// - Otherwise the anchor moves to the cursor and the step is fed to the
//   records in index order; the first that completes is returned and the
//   records after it are not fed this step.
int TakeGestureSample(GestureRecognition& recognition,
                      GestureSequence* const (&sequences)[ACTION_COUNT],
                      GesturePoint cursor, bool holdKeyDown, std::uint32_t now);
