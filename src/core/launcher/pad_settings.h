// The launcher pads' part of the settings file both ways: each pad's path.
#pragma once
#include <string>

#include "core/settings/pad_record.h"
#include "core/settings/settings_codec.h"

void StorePads(const std::string (&paths)[PAD_COUNT], SettingsValues& values);
void LoadPads(const SettingsValues& values, std::string (&paths)[PAD_COUNT]);
