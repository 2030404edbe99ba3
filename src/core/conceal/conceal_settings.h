// The concealment's state as plain values, and its part of the settings
// file both ways. Nothing here knows a window.
#pragma once
#include <vector>

#include "core/conceal/concealment_mute.h"
#include "core/settings/settings_codec.h"

// The concealment's mute: the "消音" box, and the devices a concealment has
// muted and not yet given their earlier state back.
struct ConcealState {
    bool muteWhileConcealing = true;
    std::vector<MutedDevice> mutes;
};

// The "消音" box; the devices a concealment holds muted are no setting.
void StoreConceal(const ConcealState& conceal, SettingsValues& values);
void LoadConceal(const SettingsValues& values, ConcealState& conceal);
