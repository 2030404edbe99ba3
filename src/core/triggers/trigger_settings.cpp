#include "core/triggers/trigger_settings.h"

#include <algorithm>

namespace {

std::int32_t UsableGestureKeyIndex(std::int32_t stored)
{
    return stored >= 0 && stored < GESTURE_KEY_CHOICES ? stored : 0;
}

}  // namespace

void SetDefaultHotkeys(ActionState (&actions)[ACTION_COUNT])
{
    for (int i = 0; i < ACTION_COUNT; ++i) {
        actions[i].modifiers = actionDefinitions[i].defaultModifiers;
        actions[i].virtualKey = actionDefinitions[i].defaultVirtualKey;
    }
}

void StoreTriggers(const ActionState (&actions)[ACTION_COUNT], const GestureState& gestures,
                   SettingsValues& values)
{
    values.gestureDistance = gestures.recognition.gestureMinDistance;
    values.gestureTime = gestures.recognition.gestureTimeWindow;
    values.gestureKeyIndex = gestures.holdKeyIndex;
    for (int i = 0; i < ACTION_COUNT; ++i) {
        const ActionState& action = actions[i];
        ActionSettings& stored = values.actions[i];
        std::copy(std::begin(action.gesture.directions), std::end(action.gesture.directions),
                  std::begin(stored.directions));
        stored.count = action.gesture.count;
        stored.modifiers = action.modifiers;
        stored.virtualKey = action.virtualKey;
    }
}

void LoadTriggers(const SettingsValues& values, ActionState (&actions)[ACTION_COUNT],
                  GestureState& gestures)
{
    gestures.recognition.gestureMinDistance = values.gestureDistance;
    gestures.recognition.gestureTimeWindow = values.gestureTime;
    gestures.holdKeyIndex = UsableGestureKeyIndex(values.gestureKeyIndex);
    for (int i = 0; i < ACTION_COUNT; ++i) {
        const ActionSettings& stored = values.actions[i];
        ActionState& action = actions[i];
        std::copy(std::begin(stored.directions), std::end(stored.directions),
                  std::begin(action.gesture.directions));
        action.gesture.count = stored.count;
        action.gesture.progress = 0;
        action.modifiers = stored.modifiers;
        action.virtualKey = stored.virtualKey;
    }
}
