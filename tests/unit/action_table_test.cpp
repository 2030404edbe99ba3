#include "core/triggers/action_table.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(ActionTable, IdsDefaultsAndTargetsInTableOrder)
{
    struct Row { int hotkeyButton, gestureButton; unsigned mods, vk; int command; };
    const Row rows[ACTION_COUNT] = {
        {1006, 1017, HOTKEY_MOD_CONTROL, 'L', 1132}, {1007, 1018, HOTKEY_MOD_CONTROL, 'R', 1133},
        {1011, 1019, HOTKEY_MOD_CONTROL, 'H', 1014}, {1008, 1020, HOTKEY_MOD_CONTROL, 'I', 1015},
        {1009, 1023, 0, 0x70, 1109},                 {1010, 1024, 0, 0x71, 1112},
        {1012, 1115, 0, 0x72, 1116},                 {1013, -1, HOTKEY_MOD_CONTROL, 'S', 0},
        {1130, 1032, HOTKEY_MOD_CONTROL, 'J', 40002},
    };
    for (int i = 0; i < ACTION_COUNT; ++i) {
        const ActionDefinition& def = actionDefinitions[i];
        EXPECT_EQ(def.hotkeyId, i + 1);
        EXPECT_EQ(def.hotkeyButtonId, rows[i].hotkeyButton) << i;
        EXPECT_EQ(def.gestureButtonId, rows[i].gestureButton) << i;
        EXPECT_EQ(def.defaultModifiers, rows[i].mods) << i;
        EXPECT_EQ(def.defaultVirtualKey, rows[i].vk) << i;
        EXPECT_EQ(def.kind, i == 7 ? ActionKind::StopMacro : ActionKind::SendCommand) << i;
        if (def.kind == ActionKind::SendCommand) {
            EXPECT_EQ(def.commandId, rows[i].command) << i;
        }
    }
}

TEST(ActionTable, HotkeyIdsOutsideOneToNineFindNothing)
{
    EXPECT_EQ(FindActionByHotkeyId(0), -1);
    EXPECT_EQ(FindActionByHotkeyId(10), -1);
    EXPECT_EQ(FindActionByHotkeyId(-1), -1);
    for (int id = 1; id <= 9; ++id) EXPECT_EQ(FindActionByHotkeyId(id), id - 1);
}

TEST(ActionTable, ButtonIdsAreDistinct)
{
    std::set<int> ids;
    int buttons = 0;
    for (const ActionDefinition& def : actionDefinitions) {
        ids.insert(def.hotkeyButtonId);
        ++buttons;
        if (def.gestureButtonId != -1) {
            ids.insert(def.gestureButtonId);
            ++buttons;
        }
    }
    EXPECT_EQ(buttons, 17);
    EXPECT_EQ(ids.size(), 17u);
}

}  // namespace
