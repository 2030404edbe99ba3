#include "core/triggers/trigger_settings.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// The triggers' state as the triggers feature holds it at a first start.
struct Triggers {
    ActionState actions[ACTION_COUNT];
    GestureState gestures;
    Triggers() { SetDefaultHotkeys(actions); }
};

SettingsValues SettingsOf(const Triggers& t)
{
    SettingsValues values;
    StoreTriggers(t.actions, t.gestures, values);
    return values;
}

TEST(TriggerSettings, AGestureKeyIndexOutsideTheListReadsAsNone)
{
    // The list would be left without a selection and no gesture could fire.
    for (std::int32_t stored : {-1, 4, 255, INT32_MIN}) {
        Triggers t;
        t.gestures.holdKeyIndex = 3;
        SettingsValues values = SettingsOf(t);
        values.gestureKeyIndex = stored;
        LoadTriggers(values, t.actions, t.gestures);
        EXPECT_EQ(t.gestures.holdKeyIndex, 0) << stored;
    }
    for (std::int32_t stored : {0, 1, 2, 3}) {
        Triggers t;
        SettingsValues values = SettingsOf(t);
        values.gestureKeyIndex = stored;
        LoadTriggers(values, t.actions, t.gestures);
        EXPECT_EQ(t.gestures.holdKeyIndex, stored);
    }
}

}  // namespace
