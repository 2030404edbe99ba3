#include "triggers/gesture_sampling.h"

#include <mmsystem.h>

#include "core/triggers/gesture_sampler.h"
#include "res/resource.h"

namespace {

// No key chosen, or the chosen key is down.
bool HoldKeyIsDown(const GestureState& gestures)
{
    const std::uint32_t key = GESTURE_HOLD_KEYS[gestures.holdKeyIndex];
    return key == 0 || (GetKeyState(static_cast<int>(key)) & 0x80) != 0;
}

}  // namespace

int SampleGesture(GestureState& gestures, ActionState (&actions)[ACTION_COUNT])
{
    POINT pt;
    GetCursorPos(&pt);
    const GesturePoint cursor = {pt.x, pt.y};
    // Most ticks end here: the hold key is read only after a long enough move.
    if (!GestureSampleIsStep(gestures.recognition, cursor)) return 0;
    GestureSequence* sequences[ACTION_COUNT];
    for (int i = 0; i < ACTION_COUNT; ++i) sequences[i] = &actions[i].gesture;
    const int fired = TakeGestureSample(gestures.recognition, sequences, cursor,
                                        HoldKeyIsDown(gestures), timeGetTime());
    return fired >= 0 ? actionDefinitions[fired].hotkeyId : 0;
}

void TakeGestureDistance(HWND panel, GestureState& gestures)
{
    gestures.recognition.gestureMinDistance = GetDlgItemInt(panel, IDC_GESTURE_DISTANCE, nullptr, FALSE);
}

void TakeGestureTime(HWND panel, GestureState& gestures)
{
    gestures.recognition.gestureTimeWindow = GetDlgItemInt(panel, IDC_GESTURE_TIME, nullptr, FALSE);
}

void TakeGestureHoldKey(HWND panel, GestureState& gestures)
{
    const LRESULT index = SendDlgItemMessageA(panel, IDC_GESTURE_HOLD_KEY, CB_GETCURSEL, 0, 0);
    gestures.holdKeyIndex =
        index >= 0 && index < GESTURE_KEY_CHOICES ? static_cast<std::int32_t>(index) : 0;
}
