// ini.dat beside the executable: read once while the panel starts, written
// when the panel ends (and when the session ends).
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct SettingsValues;

// The state of the panel's controls and records, as the file keeps it.
SettingsValues GatherSettings(HWND panel);
// Puts every value into its control or record.
void ApplySettings(HWND panel, const SettingsValues& values);

enum class SettingsLoad {
    Loaded,      // the file's values are in the controls
    NoFile,      // no file yet (the first start): the defaults stay
    Unreadable,  // there, but held by another program or unreadable after
                 // about a second of retries: the defaults stay, and the
                 // file is never written over in this run
};

// Reads the file over the current state.
SettingsLoad LoadSettingsFile(HWND panel);
// Writes the current state; false when nothing was saved, either because it
// could not be or because the file could not be read at start and is kept.
bool SaveSettingsFile(HWND panel);

// Whether the file is kept because it could not be read at start.
bool StoredSettingsAreKept();
// Tells the player, once, that the settings on screen are the defaults and
// will not be saved.
void ReportUnreadableSettings(HWND owner);

// Writes `bytes` to a new file beside `path` and only then puts it in the
// place of `path`, so that a crash, a kill or a full disk midway leaves the
// old file whole. False, and the old file untouched, on any failure.
bool ReplaceFileContents(const std::string& path, const std::vector<std::uint8_t>& bytes);

std::string SettingsFilePath();
