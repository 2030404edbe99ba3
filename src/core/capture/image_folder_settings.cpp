#include "core/capture/image_folder_settings.h"

void StoreImageFolder(const std::string& folder, SettingsValues& values) { values.imageFolder = folder; }

void LoadImageFolder(const SettingsValues& values, std::string& folder) { folder = values.imageFolder; }
