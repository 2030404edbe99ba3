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

// Reads the file over the current state; false when it could not be opened.
bool LoadSettingsFile(HWND panel);
// Writes the current state; false when nothing could be saved.
bool SaveSettingsFile(HWND panel);

// Writes `bytes` to a new file beside `path` and only then puts it in the
// place of `path`, so that a crash, a kill or a full disk midway leaves the
// old file whole. False, and the old file untouched, on any failure.
bool ReplaceFileContents(const std::string& path, const std::vector<std::uint8_t>& bytes);

std::string SettingsFilePath();
