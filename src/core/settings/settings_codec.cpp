#include "core/settings/settings_codec.h"

#include <algorithm>
#include <cstring>

#include "core/base/byte_reader.h"
#include "core/base/cp932.h"

namespace {

// The folder text as the edit holds it: up to its first NUL, at most 259
// bytes, never ending in half a double-byte character.
std::string FolderText(const char* text, std::size_t fieldBytes)
{
    const void* nul = std::memchr(text, 0, fieldBytes);
    const std::size_t length =
        nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - text) : fieldBytes;
    return std::string(text, Cp932PrefixLength(text, length, SETTINGS_FOLDER_MAX_BYTES));
}

void AppendFlag(std::vector<std::uint8_t>& bytes, bool on) { bytes.push_back(on ? 1 : 0); }

void AppendAction(std::vector<std::uint8_t>& bytes, const ActionSettings& action)
{
    const std::int32_t count = std::clamp<std::int32_t>(action.count, 0, GESTURE_MAX_STEPS);
    for (std::int32_t i = 0; i < GESTURE_MAX_STEPS; ++i) {
        AppendLittleEndian32(bytes, i < count ? BitsOfInt32(action.directions[i]) : 0);
    }
    AppendLittleEndian32(bytes, action.modifiers);
    AppendLittleEndian32(bytes, action.virtualKey);
}

bool ReadFixedPart(ByteReader& reader, SettingsValues& values)
{
    if (!reader.Flag(values.leftClickOn) || !reader.Uint32(values.leftClickInterval)) return false;
    if (!reader.Flag(values.rightClickOn) || !reader.Uint32(values.rightClickInterval)) return false;
    if (!reader.Uint32(values.keyRepeatInterval) || !reader.Flag(values.muteWhileConcealing)) {
        return false;
    }
    const std::uint8_t* folder = reader.Take(SETTINGS_FOLDER_FIELD_BYTES);
    if (!folder) return false;
    values.imageFolder = FolderText(reinterpret_cast<const char*>(folder), SETTINGS_FOLDER_FIELD_BYTES);
    for (bool& enabled : values.slotEnabled) {
        if (!reader.Flag(enabled)) return false;
    }
    for (bool& repeats : values.slotRepeats) {
        if (!reader.Flag(repeats)) return false;
    }
    return reader.Uint32(values.gestureDistance) && reader.Uint32(values.gestureTime) &&
           reader.Int32(values.gestureKeyIndex);
}

// A record is taken whole or not at all. A record whose gesture block is
// there but whose hotkey is cut by the end of the file is not taken either:
// half a record would pair the stored gesture with the default hotkey, a
// binding that the user never made.
bool ReadActionRecord(ByteReader& reader, ActionSettings& action)
{
    const std::uint8_t* record = reader.Take(SETTINGS_ACTION_BYTES);
    if (!record) return false;
    // The gesture is the steps before the first 0 entry; entries after it are
    // not part of it and are cleared.
    std::int32_t count = 0;
    while (count < GESTURE_MAX_STEPS && GetLittleEndian32(record + 4 * count) != 0) ++count;
    for (std::int32_t i = 0; i < GESTURE_MAX_STEPS; ++i) {
        action.directions[i] = i < count ? Int32OfBits(GetLittleEndian32(record + 4 * i)) : 0;
    }
    action.count = count;
    action.modifiers = GetLittleEndian32(record + 32);
    action.virtualKey = GetLittleEndian32(record + 36);
    return true;
}

}  // namespace

bool operator==(const ActionSettings& a, const ActionSettings& b)
{
    return std::equal(std::begin(a.directions), std::end(a.directions), std::begin(b.directions)) &&
           a.count == b.count && a.modifiers == b.modifiers && a.virtualKey == b.virtualKey;
}

bool operator==(const SettingsValues& a, const SettingsValues& b)
{
    return a.leftClickOn == b.leftClickOn && a.leftClickInterval == b.leftClickInterval &&
           a.rightClickOn == b.rightClickOn && a.rightClickInterval == b.rightClickInterval &&
           a.keyRepeatInterval == b.keyRepeatInterval &&
           a.muteWhileConcealing == b.muteWhileConcealing && a.imageFolder == b.imageFolder &&
           std::equal(std::begin(a.slotEnabled), std::end(a.slotEnabled), std::begin(b.slotEnabled)) &&
           std::equal(std::begin(a.slotRepeats), std::end(a.slotRepeats), std::begin(b.slotRepeats)) &&
           a.gestureDistance == b.gestureDistance && a.gestureTime == b.gestureTime &&
           a.gestureKeyIndex == b.gestureKeyIndex &&
           std::equal(std::begin(a.actions), std::end(a.actions), std::begin(b.actions)) &&
           std::equal(std::begin(a.padPaths), std::end(a.padPaths), std::begin(b.padPaths));
}

std::vector<std::uint8_t> WriteSettings(const SettingsValues& values)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(SETTINGS_SIZE_WITH_EMPTY_PADS);
    AppendFlag(bytes, values.leftClickOn);
    AppendLittleEndian32(bytes, values.leftClickInterval);
    AppendFlag(bytes, values.rightClickOn);
    AppendLittleEndian32(bytes, values.rightClickInterval);
    AppendLittleEndian32(bytes, values.keyRepeatInterval);
    AppendFlag(bytes, values.muteWhileConcealing);

    const std::string folder = FolderText(values.imageFolder.c_str(), values.imageFolder.size());
    bytes.insert(bytes.end(), folder.begin(), folder.end());
    bytes.resize(bytes.size() + SETTINGS_FOLDER_FIELD_BYTES - folder.size(), 0);

    for (bool enabled : values.slotEnabled) AppendFlag(bytes, enabled);
    for (bool repeats : values.slotRepeats) AppendFlag(bytes, repeats);
    AppendLittleEndian32(bytes, values.gestureDistance);
    AppendLittleEndian32(bytes, values.gestureTime);
    AppendLittleEndian32(bytes, BitsOfInt32(values.gestureKeyIndex));

    for (const ActionSettings& action : values.actions) AppendAction(bytes, action);
    for (const std::string& path : values.padPaths) AppendPadRecord(bytes, path);
    return bytes;
}

void ReadSettings(const std::uint8_t* data, std::size_t size, SettingsValues& values)
{
    ByteReader reader(data, size);
    if (!ReadFixedPart(reader, values)) return;
    for (ActionSettings& action : values.actions) {
        if (!ReadActionRecord(reader, action)) return;
    }
    for (std::string& path : values.padPaths) {
        if (!ReadPadRecord(reader, path)) return;
    }
}
