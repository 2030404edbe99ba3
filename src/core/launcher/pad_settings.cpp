#include "core/launcher/pad_settings.h"

#include <algorithm>

void StorePads(const std::string (&paths)[PAD_COUNT], SettingsValues& values)
{
    std::copy(std::begin(paths), std::end(paths), std::begin(values.padPaths));
}

void LoadPads(const SettingsValues& values, std::string (&paths)[PAD_COUNT])
{
    std::copy(std::begin(values.padPaths), std::end(values.padPaths), std::begin(paths));
}
