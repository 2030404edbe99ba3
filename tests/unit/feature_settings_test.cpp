// Every feature's part of the settings file together, as the panel uses
// them: through the file's bytes and back, and a first start's states. A rule
// of one feature's part alone is tested with that feature
// (trigger_settings_test.cpp).
#include "core/automation/click_repeat_settings.h"
#include "core/automation/key_repeat_settings.h"
#include "core/automation/macro_settings.h"
#include "core/capture/image_folder_settings.h"
#include "core/conceal/conceal_settings.h"
#include "core/launcher/pad_settings.h"
#include "core/triggers/trigger_settings.h"

#include <gtest/gtest.h>

namespace {

// Every feature's state, as the panel's feature objects hold them.
struct States {
    ClickRepeatState left, right;
    KeyRepeatState keys;
    ActionState actions[ACTION_COUNT];
    GestureState gestures;
    MacroState macros;
    ConcealState conceal;
    std::string imageFolder;
    std::string padPaths[PAD_COUNT];
};

// A first start's states.
States Defaults(const std::string& imageFolder)
{
    States m;
    SetDefaultHotkeys(m.actions);
    m.imageFolder = imageFolder;
    return m;
}

SettingsValues SettingsOf(const States& m)
{
    SettingsValues values;
    StoreClickRepeat(ClickSide::Left, m.left, values);
    StoreClickRepeat(ClickSide::Right, m.right, values);
    StoreKeyRepeat(m.keys, values);
    StoreTriggers(m.actions, m.gestures, values);
    StoreMacros(m.macros, values);
    StoreConceal(m.conceal, values);
    StoreImageFolder(m.imageFolder, values);
    StorePads(m.padPaths, values);
    return values;
}

void ApplySettings(const SettingsValues& values, States& m)
{
    LoadClickRepeat(ClickSide::Left, values, m.left);
    LoadClickRepeat(ClickSide::Right, values, m.right);
    LoadKeyRepeat(values, m.keys);
    LoadTriggers(values, m.actions, m.gestures);
    LoadMacros(values, m.macros);
    LoadConceal(values, m.conceal);
    LoadImageFolder(values, m.imageFolder);
    LoadPads(values, m.padPaths);
}

// States with every setting away from its default, and run-time state that
// is no setting.
States Changed()
{
    States m = Defaults("C:\\Games\\image");
    m.left = {true, 50, true};
    m.right = {false, 7, false};
    m.keys.interval = 300;
    m.keys.held[3] = true;
    m.gestures.recognition.gestureMinDistance = 80;
    m.gestures.recognition.gestureTimeWindow = 500;
    m.gestures.holdKeyIndex = 2;
    m.actions[8].gesture = {{1, 4, 3, 2, 1, 0, 0, 0}, 5, 3};
    m.actions[8].modifiers = HOTKEY_MOD_CONTROL | HOTKEY_MOD_SHIFT;
    m.actions[8].virtualKey = 0x74;
    m.macros.slots[1] = {true, true};
    m.macros.recordKeyIndex = 2;
    m.conceal = {false, {{"speakers", true}}};
    m.imageFolder = "D:\\shots";
    m.padPaths[3] = "C:\\Game\\game.exe";
    return m;
}

TEST(FeatureSettings, EverySettingOfEveryFeatureIsStoredAndComesBack)
{
    const States saved = Changed();
    const SettingsValues values = SettingsOf(saved);
    EXPECT_TRUE(values.leftClickOn);
    EXPECT_EQ(values.leftClickInterval, 50u);
    EXPECT_EQ(values.rightClickInterval, 7u);
    EXPECT_EQ(values.keyRepeatInterval, 300u);
    EXPECT_FALSE(values.muteWhileConcealing);
    EXPECT_EQ(values.gestureKeyIndex, 2);
    EXPECT_EQ(values.actions[8].count, 5);
    EXPECT_EQ(values.actions[8].modifiers, 6u);

    // Through the file's bytes into fresh states (a matcher halfway through).
    States loaded = Defaults("elsewhere");
    loaded.actions[8].gesture.progress = 2;
    SettingsValues read = SettingsOf(loaded);
    const std::vector<std::uint8_t> bytes = WriteSettings(values);
    ReadSettings(bytes.data(), bytes.size(), read);
    ApplySettings(read, loaded);
    EXPECT_EQ(SettingsOf(loaded), values);
    EXPECT_TRUE(loaded.left.on);
    EXPECT_EQ(loaded.imageFolder, "D:\\shots");
    EXPECT_EQ(loaded.padPaths[3], "C:\\Game\\game.exe");
    EXPECT_TRUE(loaded.macros.slots[1].repeats);
    EXPECT_EQ(loaded.gestures.recognition.gestureTimeWindow, 500u);
    EXPECT_EQ(loaded.actions[8].virtualKey, 0x74u);
    // No setting: the phase, the held keys, the record key, a held mute, and
    // the matcher's progress, which starts over.
    EXPECT_FALSE(loaded.left.buttonDown);
    EXPECT_FALSE(loaded.keys.held[3]);
    EXPECT_EQ(loaded.macros.recordKeyIndex, 0);
    EXPECT_TRUE(loaded.conceal.mutes.empty());
    EXPECT_EQ(loaded.actions[8].gesture.progress, 0);
}

TEST(FeatureSettings, FirstStartDefaults)
{
    const States m = Defaults("X:\\image");
    EXPECT_FALSE(m.left.on || m.right.on);
    EXPECT_EQ(m.left.interval, 100u);
    EXPECT_EQ(m.keys.interval, 100u);
    EXPECT_EQ(m.gestures.recognition.gestureMinDistance, 64u);
    EXPECT_EQ(m.gestures.recognition.gestureTimeWindow, 200u);
    EXPECT_EQ(m.gestures.holdKeyIndex, 0);
    EXPECT_TRUE(m.conceal.muteWhileConcealing);
    EXPECT_EQ(m.imageFolder, "X:\\image");
    for (int i = 0; i < ACTION_COUNT; ++i) {
        EXPECT_EQ(m.actions[i].modifiers, actionDefinitions[i].defaultModifiers) << i;
        EXPECT_EQ(m.actions[i].virtualKey, actionDefinitions[i].defaultVirtualKey) << i;
        EXPECT_EQ(m.actions[i].gesture.count, 0) << i;
    }
    EXPECT_FALSE(m.keys.AnyHeld());
}

}  // namespace
