#include "core/triggers/gesture_sampler.h"

#include "core/triggers/gesture_matcher.h"

bool GestureSampleIsStep(const GestureRecognition& recognition, GesturePoint cursor)
{
    return QuantiseGestureMove(recognition.gestureAnchor, cursor,
                               recognition.gestureMinDistance) != GESTURE_NONE;
}

int TakeGestureSample(GestureRecognition& recognition,
                      GestureSequence* const (&sequences)[ACTION_COUNT],
                      GesturePoint cursor, bool holdKeyDown, std::uint32_t now)
{
    const GestureDirection direction = QuantiseGestureMove(
        recognition.gestureAnchor, cursor, recognition.gestureMinDistance);
    if (direction == GESTURE_NONE) return -1;

    // Moving without the hold key is ordinary mouse work: whatever had been
    // matched so far was not meant as a gesture.
    if (!holdKeyDown) {
        for (GestureSequence* sequence : sequences) sequence->progress = 0;
        return -1;
    }

    recognition.gestureAnchor = cursor;
    for (int i = 0; i < ACTION_COUNT; ++i) {
        if (MatchGestureStep(*sequences[i], direction, recognition.gestureTimeWindow, now,
                             recognition.gestureStartTime)) {
            return i;
        }
    }
    return -1;
}
