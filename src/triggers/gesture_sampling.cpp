#include "triggers/gesture_sampling.h"

#include <mmsystem.h>

#include "core/triggers/gesture_sampler.h"

namespace {

// No key chosen, or the chosen key is down (held in the game, whose thread
// reads it: the system's state, not this thread's).
bool HoldKeyIsDown(const DesktopRules& desktop, const GestureState& gestures)
{
    const std::uint32_t key = GESTURE_HOLD_KEYS[gestures.holdKeyIndex];
    return key == 0 || desktop.KeyDown(static_cast<int>(key));
}

}  // namespace

int SampleGesture(const DesktopRules& desktop, GestureState& gestures, ActionState (&actions)[ACTION_COUNT])
{
    POINT pt;
    // No position while the secure desktop is up: the tick is skipped
    // rather than a stroke to a made-up point taken.
    if (!desktop.CursorPosition(pt)) return -1;
    const GesturePoint cursor = {pt.x, pt.y};
    // Most ticks end here: the hold key is read only after a long enough move.
    if (!GestureSampleIsStep(gestures.recognition, cursor)) return -1;
    GestureSequence* sequences[ACTION_COUNT];
    for (int i = 0; i < ACTION_COUNT; ++i) sequences[i] = &actions[i].gesture;
    return TakeGestureSample(gestures.recognition, sequences, cursor, HoldKeyIsDown(desktop, gestures),
                             timeGetTime());
}
