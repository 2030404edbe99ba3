// Turns one cursor movement into a gesture step: too short to count, or one
// of the four directions.
#pragma once
#include <cstdint>

#include "core/triggers/gesture_sequence.h"

// A screen position (screen y grows downwards).
struct GesturePoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// The step from anchor to cursor with minimum distance D: GESTURE_NONE while
// dx² + dy² ≤ 2·D² (a step needs more than √2·D pixels); otherwise DIR_RIGHT
// or DIR_LEFT when |dx| > |dy|, else DIR_DOWN when dy ≥ 0 and DIR_UP when
// dy < 0, so an exact diagonal is vertical. Exact for every input.
GestureDirection QuantiseGestureMove(GesturePoint anchor, GesturePoint cursor,
                                     std::uint32_t minDistance);
