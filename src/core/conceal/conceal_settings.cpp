#include "core/conceal/conceal_settings.h"

void StoreConceal(const ConcealState& conceal, SettingsValues& values)
{
    values.muteWhileConcealing = conceal.muteWhileConcealing;
}

void LoadConceal(const SettingsValues& values, ConcealState& conceal)
{
    conceal.muteWhileConcealing = values.muteWhileConcealing;
}
