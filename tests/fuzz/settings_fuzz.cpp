// Arbitrary bytes as a settings file. The reader must neither crash nor read
// past the data, must hand on values the panel can take, and what it read
// must come back unchanged when written and read again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/settings/settings_codec.h"
#include "core/triggers/action_table.h"

namespace {

void Require(bool condition)
{
    if (!condition) std::abort();
}

// The values before the first read: what the panel holds at start.
SettingsValues StartValues()
{
    SettingsValues v;
    v.leftClickInterval = v.rightClickInterval = v.keyRepeatInterval = 100;
    v.imageFolder = "C:\\Tool\\image";
    v.gestureDistance = 30;
    v.gestureTime = 1000;
    v.gestureKeyIndex = 0;
    for (int i = 0; i < ACTION_COUNT; ++i) {
        v.actions[i].modifiers = actionDefinitions[i].defaultModifiers;
        v.actions[i].virtualKey = actionDefinitions[i].defaultVirtualKey;
    }
    return v;
}

// Different from StartValues in every field, so that the second read shows
// that the written file delivers every field.
SettingsValues OtherValues()
{
    SettingsValues v;
    v.leftClickOn = v.rightClickOn = v.muteWhileConcealing = true;
    v.leftClickInterval = v.rightClickInterval = v.keyRepeatInterval = 7;
    v.imageFolder = "other";
    for (bool& b : v.slotEnabled) b = true;
    for (bool& b : v.slotRepeats) b = true;
    v.gestureDistance = v.gestureTime = 7;
    v.gestureKeyIndex = 7;
    for (ActionSettings& a : v.actions) {
        a.count = 1;
        a.directions[0] = 9;
        a.modifiers = a.virtualKey = 0x7777;
    }
    for (std::string& path : v.padPaths) path = "other";
    return v;
}

void RequireUsable(const SettingsValues& v)
{
    Require(v.imageFolder.size() <= SETTINGS_FOLDER_MAX_BYTES);
    Require(v.imageFolder.find('\0') == std::string::npos);
    for (const ActionSettings& a : v.actions) {
        Require(a.count >= 0 && a.count <= GESTURE_MAX_STEPS);
        for (int i = 0; i < GESTURE_MAX_STEPS; ++i) Require((a.directions[i] != 0) == (i < a.count));
    }
    for (const std::string& path : v.padPaths) {
        Require(path.size() <= PAD_PATH_MAX_BYTES);
        Require(path.find('\0') == std::string::npos);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    SettingsValues first = StartValues();
    ReadSettings(data, size, first);
    RequireUsable(first);

    const std::vector<std::uint8_t> written = WriteSettings(first);
    std::size_t expectedSize = SETTINGS_PADS_OFFSET;
    for (const std::string& path : first.padPaths) expectedSize += 4 + path.size();
    Require(written.size() == expectedSize);

    SettingsValues second = OtherValues();
    ReadSettings(written.data(), written.size(), second);
    Require(second == first);
    Require(WriteSettings(second) == written);
    return 0;
}
