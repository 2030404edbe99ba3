#include "triggers/gesture_sampling.h"

#include <mmsystem.h>

#include "core/triggers/gesture_sampler.h"
#include "win/key_state.h"

namespace {

// No key chosen, or the chosen key is down.
bool HoldKeyIsDown(const GestureState& gestures)
{
    const std::uint32_t key = GESTURE_HOLD_KEYS[gestures.holdKeyIndex];
    return key == 0 || KeyIsDown(static_cast<int>(key));
}

}  // namespace

int SampleGesture(GestureState& gestures, ActionState (&actions)[ACTION_COUNT])
{
    POINT pt;
    GetCursorPos(&pt);
    const GesturePoint cursor = {pt.x, pt.y};
    // Most ticks end here: the hold key is read only after a long enough move.
    if (!GestureSampleIsStep(gestures.recognition, cursor)) return -1;
    GestureSequence* sequences[ACTION_COUNT];
    for (int i = 0; i < ACTION_COUNT; ++i) sequences[i] = &actions[i].gesture;
    return TakeGestureSample(gestures.recognition, sequences, cursor, HoldKeyIsDown(gestures),
                             timeGetTime());
}
