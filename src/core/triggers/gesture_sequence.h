// A mouse gesture of up to eight steps and how far the matcher has got in it.
#pragma once
#include <cstdint>

#include "core/triggers/action_table.h"

// Direction codes of a gesture step.
enum GestureDirection : std::int32_t {
    GESTURE_NONE = 0,
    GESTURE_RIGHT = 1,
    GESTURE_UP = 2,
    GESTURE_LEFT = 3,
    GESTURE_DOWN = 4,

    // The same codes under the names the recogniser and the dialog use.
    DIR_RIGHT = GESTURE_RIGHT,
    DIR_UP = GESTURE_UP,
    DIR_LEFT = GESTURE_LEFT,
    DIR_DOWN = GESTURE_DOWN,
};

// A gesture needs at least this many steps; a shorter one is disabled.
constexpr std::int32_t GESTURE_MIN_STEPS = 3;

// Whether a stored entry is one of the four direction codes; 0 ends a stored
// sequence and any other value is invalid.
constexpr bool IsGestureDirection(std::int32_t code)
{
    return code >= DIR_RIGHT && code <= DIR_DOWN;
}

struct GestureSequence {
    // Only the first `count` entries belong to the gesture; later ones may
    // still hold steps of an earlier, longer gesture.
    std::int32_t directions[GESTURE_MAX_STEPS] = {};
    std::int32_t count = 0;     // fewer than 3 steps: the gesture is disabled
    std::int32_t progress = 0;  // index of the step the matcher expects next
};
