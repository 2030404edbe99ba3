#include "core/triggers/gesture_matcher.h"

bool MatchGestureStep(GestureSequence& sequence, GestureDirection direction,
                      std::uint32_t timeWindow, std::uint32_t now,
                      std::uint32_t& gestureStartTime)
{
    if (sequence.count < GESTURE_MIN_STEPS) return false;
    const std::int32_t count =
        sequence.count < GESTURE_MAX_STEPS ? sequence.count : GESTURE_MAX_STEPS;

    // The dialog may shorten a gesture halfway through a stroke; entries from
    // count on are no longer part of it and must not be expected.
    if (sequence.progress < 0 || sequence.progress >= count) sequence.progress = 0;
    const std::int32_t i = sequence.progress;

    if (direction == sequence.directions[i]) {
        sequence.progress = i + 1;
        if (sequence.progress == 2) gestureStartTime = now;
        if (sequence.progress >= count) {
            sequence.progress = 0;
            return true;
        }
        return false;
    }

    // Unsigned subtraction keeps the elapsed time right across the wrap of
    // the 32-bit millisecond clock.
    if (i >= 2 && now - gestureStartTime >= timeWindow) {
        sequence.progress = 0;
        return false;
    }
    if (i == 0) return false;
    // Several samples of one long stroke each quantise to the same step.
    if (direction == sequence.directions[i - 1]) return false;
    sequence.progress = 0;
    return false;
}
