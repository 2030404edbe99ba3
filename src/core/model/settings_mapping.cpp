#include "core/model/settings_mapping.h"

#include <algorithm>

namespace {

std::int32_t UsableGestureKeyIndex(std::int32_t stored)
{
    return stored >= 0 && stored < GESTURE_KEY_CHOICES ? stored : 0;
}

}  // namespace

void StoreClickRepeat(ClickSide side, const ClickRepeatState& state, SettingsValues& values)
{
    (side == ClickSide::Left ? values.leftClickOn : values.rightClickOn) = state.on;
    (side == ClickSide::Left ? values.leftClickInterval : values.rightClickInterval) = state.interval;
}

void LoadClickRepeat(ClickSide side, const SettingsValues& values, ClickRepeatState& state)
{
    state.on = side == ClickSide::Left ? values.leftClickOn : values.rightClickOn;
    state.interval = side == ClickSide::Left ? values.leftClickInterval : values.rightClickInterval;
}

void StoreKeyRepeat(const KeyRepeatState& keys, SettingsValues& values)
{
    values.keyRepeatInterval = keys.interval;
}

void LoadKeyRepeat(const SettingsValues& values, KeyRepeatState& keys)
{
    keys.interval = values.keyRepeatInterval;
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

void StoreMacros(const MacroState& macros, SettingsValues& values)
{
    for (int slot = 0; slot < MACRO_SLOT_COUNT; ++slot) {
        values.slotEnabled[slot] = macros.slots[slot].enabled;
        values.slotRepeats[slot] = macros.slots[slot].repeats;
    }
}

void LoadMacros(const SettingsValues& values, MacroState& macros)
{
    for (int slot = 0; slot < MACRO_SLOT_COUNT; ++slot) {
        macros.slots[slot].enabled = values.slotEnabled[slot];
        macros.slots[slot].repeats = values.slotRepeats[slot];
    }
}

void StoreConceal(const ConcealState& conceal, SettingsValues& values)
{
    values.muteWhileConcealing = conceal.muteWhileConcealing;
}

void LoadConceal(const SettingsValues& values, ConcealState& conceal)
{
    conceal.muteWhileConcealing = values.muteWhileConcealing;
}

void StoreImageFolder(const std::string& folder, SettingsValues& values) { values.imageFolder = folder; }

void LoadImageFolder(const SettingsValues& values, std::string& folder) { folder = values.imageFolder; }

void StorePads(const std::string (&paths)[PAD_COUNT], SettingsValues& values)
{
    std::copy(std::begin(paths), std::end(paths), std::begin(values.padPaths));
}

void LoadPads(const SettingsValues& values, std::string (&paths)[PAD_COUNT])
{
    std::copy(std::begin(values.padPaths), std::end(values.padPaths), std::begin(paths));
}
