// The capture's part of the settings file both ways: the image folder.
#pragma once
#include <string>

#include "core/settings/settings_codec.h"

void StoreImageFolder(const std::string& folder, SettingsValues& values);
void LoadImageFolder(const SettingsValues& values, std::string& folder);
