#include "core/conceal/concealment_mute.h"

void MuteForConcealment(OutputDevices& devices, std::vector<MutedDevice>& mutes)
{
    std::string id;
    if (!devices.DefaultDevice(id)) return;
    for (const MutedDevice& held : mutes) {
        if (held.id == id) {
            // The player may have switched it on meanwhile.
            devices.SetMute(id, true);
            return;
        }
    }
    bool before = false;
    if (!devices.GetMute(id, before) || !devices.SetMute(id, true)) return;
    if (mutes.size() >= MUTED_DEVICE_LIMIT) mutes.erase(mutes.begin());
    mutes.push_back({id, before});
}

void EndConcealmentMutes(OutputDevices& devices, std::vector<MutedDevice>& mutes)
{
    for (std::size_t i = mutes.size(); i-- > 0;) {
        if (devices.SetMute(mutes[i].id, mutes[i].mutedBefore) || !devices.Knows(mutes[i].id))
            mutes.erase(mutes.begin() + static_cast<std::ptrdiff_t>(i));
    }
}
