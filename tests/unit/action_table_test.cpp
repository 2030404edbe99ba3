#include "core/triggers/action_table.h"

#include <gtest/gtest.h>

namespace {

TEST(ActionTable, IdsAndDefaultsInTableOrder)
{
    struct Row { unsigned mods, vk; };
    const Row rows[ACTION_COUNT] = {
        {HOTKEY_MOD_CONTROL, 'L'}, {HOTKEY_MOD_CONTROL, 'R'}, {HOTKEY_MOD_CONTROL, 'H'},
        {HOTKEY_MOD_CONTROL, 'I'}, {0, 0x70}, {0, 0x71}, {0, 0x72}, {HOTKEY_MOD_CONTROL, 'S'},
        {HOTKEY_MOD_CONTROL, 'J'},
    };
    for (int i = 0; i < ACTION_COUNT; ++i) {
        const ActionDefinition& def = actionDefinitions[i];
        EXPECT_EQ(def.hotkeyId, i + 1);
        EXPECT_EQ(def.defaultModifiers, rows[i].mods) << i;
        EXPECT_EQ(def.defaultVirtualKey, rows[i].vk) << i;
        EXPECT_EQ(def.kind, i == STOP_MACRO_ACTION ? ActionKind::StopMacro : ActionKind::SendCommand)
            << i;
    }
}

TEST(ActionTable, HotkeyIdsOutsideOneToNineFindNothing)
{
    EXPECT_EQ(FindActionByHotkeyId(0), -1);
    EXPECT_EQ(FindActionByHotkeyId(10), -1);
    EXPECT_EQ(FindActionByHotkeyId(-1), -1);
    for (int id = 1; id <= 9; ++id) EXPECT_EQ(FindActionByHotkeyId(id), id - 1);
}

}  // namespace
