// One sample of the cursor for gesture recognition: the recognition settings
// and state, the distance test, the hold key and the feeding of the step to
// every record in table order.
//
// The panel's timer tick (SampleGesture) uses it like this:
//
//     POINT pt;
//     GetCursorPos(&pt);
//     const GesturePoint cursor = {pt.x, pt.y};
//     if (!GestureSampleIsStep(gestureRecognition, cursor)) return;  // most ticks end here
//     const bool holdKeyDown = ...;  // no key selected in combo 1125, or that key is down
//     const int fired = TakeGestureSample(gestureRecognition, gestureSequences, cursor,
//                                         holdKeyDown, timeGetTime());
//     if (fired >= 0) SendMessageA(panel, WM_HOTKEY, actionTable[fired].hotkeyId, 0);
//
// where gestureSequences[i] points at actionTable[i].gesture.
#pragma once
#include <cstdint>

#include "triggers/action_table.h"
#include "triggers/gesture_quantiser.h"
#include "triggers/gesture_sequence.h"

struct GestureRecognition {
    std::uint32_t gestureMinDistance = 64;  // D in pixels, from edit 1121
    std::uint32_t gestureTimeWindow = 200;  // T in milliseconds, from edit 1123
    GesturePoint gestureAnchor;             // cursor position of the last accepted sample
    std::uint32_t gestureStartTime = 0;     // when a record last reached its second step
};

// The program's recognition state, owned by the main panel.
extern GestureRecognition gestureRecognition;

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
