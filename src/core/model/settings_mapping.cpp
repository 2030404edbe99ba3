#include "core/model/settings_mapping.h"

#include <algorithm>

namespace {

std::int32_t UsableGestureKeyIndex(std::int32_t stored)
{
    return stored >= 0 && stored < GESTURE_KEY_CHOICES ? stored : 0;
}

}  // namespace

SettingsValues SettingsOf(const PanelModel& model)
{
    SettingsValues values;
    values.leftClickOn = model.left.on;
    values.leftClickInterval = model.left.interval;
    values.rightClickOn = model.right.on;
    values.rightClickInterval = model.right.interval;
    values.keyRepeatInterval = model.keys.interval;
    values.muteWhileConcealing = model.conceal.muteWhileConcealing;
    values.imageFolder = model.imageFolder;
    for (int slot = 0; slot < MACRO_SLOT_COUNT; ++slot) {
        values.slotEnabled[slot] = model.macros.slots[slot].enabled;
        values.slotRepeats[slot] = model.macros.slots[slot].repeats;
    }
    values.gestureDistance = model.gestures.recognition.gestureMinDistance;
    values.gestureTime = model.gestures.recognition.gestureTimeWindow;
    values.gestureKeyIndex = model.gestures.holdKeyIndex;
    for (int i = 0; i < ACTION_COUNT; ++i) {
        const ActionState& action = model.actions[i];
        ActionSettings& stored = values.actions[i];
        std::copy(std::begin(action.gesture.directions), std::end(action.gesture.directions),
                  std::begin(stored.directions));
        stored.count = action.gesture.count;
        stored.modifiers = action.modifiers;
        stored.virtualKey = action.virtualKey;
    }
    std::copy(std::begin(model.padPaths), std::end(model.padPaths), std::begin(values.padPaths));
    return values;
}

void ApplySettings(const SettingsValues& values, PanelModel& model)
{
    model.left.on = values.leftClickOn;
    model.left.interval = values.leftClickInterval;
    model.right.on = values.rightClickOn;
    model.right.interval = values.rightClickInterval;
    model.keys.interval = values.keyRepeatInterval;
    model.conceal.muteWhileConcealing = values.muteWhileConcealing;
    model.imageFolder = values.imageFolder;
    for (int slot = 0; slot < MACRO_SLOT_COUNT; ++slot) {
        model.macros.slots[slot].enabled = values.slotEnabled[slot];
        model.macros.slots[slot].repeats = values.slotRepeats[slot];
    }
    model.gestures.recognition.gestureMinDistance = values.gestureDistance;
    model.gestures.recognition.gestureTimeWindow = values.gestureTime;
    model.gestures.holdKeyIndex = UsableGestureKeyIndex(values.gestureKeyIndex);
    for (int i = 0; i < ACTION_COUNT; ++i) {
        const ActionSettings& stored = values.actions[i];
        ActionState& action = model.actions[i];
        std::copy(std::begin(stored.directions), std::end(stored.directions),
                  std::begin(action.gesture.directions));
        action.gesture.count = stored.count;
        action.gesture.progress = 0;
        action.modifiers = stored.modifiers;
        action.virtualKey = stored.virtualKey;
    }
    std::copy(std::begin(values.padPaths), std::end(values.padPaths), std::begin(model.padPaths));
}
