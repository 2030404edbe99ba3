#include "triggers/gesture_sampling.h"

#include <mmsystem.h>

#include "res/resource.h"
#include "triggers/action_records.h"
#include "triggers/gesture_sampler.h"

namespace {

GestureSequence* const gestureSequences[ACTION_COUNT] = {
    &actionTable[0].gesture, &actionTable[1].gesture, &actionTable[2].gesture,
    &actionTable[3].gesture, &actionTable[4].gesture, &actionTable[5].gesture,
    &actionTable[6].gesture, &actionTable[7].gesture, &actionTable[8].gesture,
};

// No key chosen, or the chosen key is down.
bool HoldKeyIsDown(HWND panel)
{
    const LRESULT index = SendDlgItemMessageA(panel, IDC_GESTURE_HOLD_KEY, CB_GETCURSEL, 0, 0);
    const LRESULT key = SendDlgItemMessageA(panel, IDC_GESTURE_HOLD_KEY, CB_GETITEMDATA,
                                            static_cast<WPARAM>(index), 0);
    if (key == 0) return true;
    return (GetKeyState(static_cast<int>(key)) & 0x80) != 0;
}

}  // namespace

void SampleGesture(HWND panel)
{
    POINT pt;
    GetCursorPos(&pt);
    const GesturePoint cursor = {pt.x, pt.y};
    // Most ticks end here: the list is read only after a long enough move.
    if (!GestureSampleIsStep(gestureRecognition, cursor)) return;
    const int fired = TakeGestureSample(gestureRecognition, gestureSequences, cursor,
                                        HoldKeyIsDown(panel), timeGetTime());
    if (fired >= 0) SendMessageA(panel, WM_HOTKEY, static_cast<WPARAM>(actionTable[fired].hotkeyId), 0);
}

void TakeGestureDistance(HWND panel)
{
    gestureRecognition.gestureMinDistance = GetDlgItemInt(panel, IDC_GESTURE_DISTANCE, nullptr, FALSE);
}

void TakeGestureTime(HWND panel)
{
    gestureRecognition.gestureTimeWindow = GetDlgItemInt(panel, IDC_GESTURE_TIME, nullptr, FALSE);
}
