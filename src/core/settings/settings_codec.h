// The settings file ini.dat as bytes: a fixed part of 293 bytes, nine action
// records of 40 bytes, then one variable-length record per launcher pad. No
// header, version or checksum; every integer is little-endian.
//
// Each feature stores its part into a SettingsValues before the file is
// written; the file is read into one that holds the features' defaults, so
// that whatever it does not deliver keeps them. Each feature's part, both
// ways, is with its state in its own core folder (for instance
// core/automation/click_repeat_settings.h).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/settings/pad_record.h"
#include "core/settings/settings_counts.h"

// An action record as the file keeps it: the gesture steps and the hotkey.
struct ActionSettings {
    // Only the first `count` entries belong to the gesture.
    std::int32_t directions[GESTURE_MAX_STEPS] = {};
    std::int32_t count = 0;
    std::uint32_t modifiers = 0;   // MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4
    std::uint32_t virtualKey = 0;
};

struct SettingsValues {
    bool leftClickOn = false;
    std::uint32_t leftClickInterval = 0;   // msec
    bool rightClickOn = false;
    std::uint32_t rightClickInterval = 0;  // msec
    std::uint32_t keyRepeatInterval = 0;   // msec
    bool muteWhileConcealing = false;
    std::string imageFolder;               // code page 932, at most 259 bytes are kept
    bool slotEnabled[MACRO_SLOT_COUNT] = {};
    bool slotRepeats[MACRO_SLOT_COUNT] = {};
    std::uint32_t gestureDistance = 0;     // pixels
    std::uint32_t gestureTime = 0;         // msec
    std::int32_t gestureKeyIndex = -1;     // selected item of the gesture key list; -1: none
    ActionSettings actions[ACTION_COUNT];
    std::string padPaths[PAD_COUNT];       // empty: the pad holds nothing
};

bool operator==(const ActionSettings& a, const ActionSettings& b);
bool operator==(const SettingsValues& a, const SettingsValues& b);
inline bool operator!=(const SettingsValues& a, const SettingsValues& b) { return !(a == b); }

constexpr std::size_t SETTINGS_FOLDER_FIELD_BYTES = 260;  // the folder text and its NUL padding
constexpr std::size_t SETTINGS_FOLDER_MAX_BYTES = 259;
constexpr std::size_t SETTINGS_ACTIONS_OFFSET = 293;
constexpr std::size_t SETTINGS_ACTION_BYTES = 40;
constexpr std::size_t SETTINGS_PADS_OFFSET = 653;
constexpr std::size_t SETTINGS_SIZE_WITH_EMPTY_PADS = 669;

// The whole file. Flags are written as 1 or 0. A gesture is written as its
// `count` steps followed by zeros, so that steps left over from an earlier,
// longer gesture never come back after a restart (a count outside 0 to 8 is
// taken as the nearest of the two). The folder text ends at its first NUL and
// is cut to 259 bytes without splitting a double-byte character. Pads are
// written as AppendPadRecord writes them.
std::vector<std::uint8_t> WriteSettings(const SettingsValues& values);

// Overwrites values with what data (size bytes) delivers completely, in file
// order, and leaves the rest as the caller set it:
// - the fixed fields one by one; the first field cut by the end of the data
//   keeps its value, and so does everything after it;
// - the action records one by one, each only when all of its 40 bytes are
//   there; the first incomplete record and every later one keep theirs;
// - the pads one by one as ReadPadRecord reads them, only after all nine
//   action records; an entry cut by the end keeps its pad and the later ones.
// Any non-zero flag byte reads as on. A gesture is the entries before its
// first 0 entry (at most 8), and the entries after its count are cleared;
// codes outside 1 to 4 are left for the gesture caption, which cuts the
// gesture before them. The folder text ends at the first NUL of its field, or
// after 259 bytes (never in the middle of a double-byte character) when the
// field holds none. Nothing outside data[0, size) is read; data may be null
// when size is 0.
void ReadSettings(const std::uint8_t* data, std::size_t size, SettingsValues& values);
