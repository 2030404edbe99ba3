#include "core/conceal/concealment_mute.h"

#include <algorithm>

namespace {

bool Recorded(const std::vector<MutedDevice>& mutes, const std::string& id)
{
    return std::any_of(mutes.begin(), mutes.end(), [&](const MutedDevice& m) { return m.id == id; });
}

// The devices that can play now, or the default one.
std::vector<std::string> PlayingDevices(OutputDevices& devices)
{
    std::vector<std::string> ids;
    if (devices.ActiveDevices(ids)) return ids;
    ids.clear();
    std::string id;
    if (devices.DefaultDevice(id)) ids.push_back(id);
    return ids;
}

// Mutes a device without a record and records it; false when its switch
// cannot be read or set, or no record can be made for it.
bool MuteAndRecord(OutputDevices& devices, std::vector<MutedDevice>& mutes, const std::string& id,
                   const std::vector<std::string>& playing)
{
    if (mutes.size() >= MUTED_DEVICE_LIMIT) {
        const auto stale = std::find_if(mutes.begin(), mutes.end(), [&](const MutedDevice& m) {
            return std::find(playing.begin(), playing.end(), m.id) == playing.end();
        });
        if (stale == mutes.end()) return false;
        mutes.erase(stale);
    }
    bool before = false;
    if (!devices.GetMute(id, before) || !devices.SetMute(id, true)) return false;
    mutes.push_back({id, before});
    return true;
}

}  // namespace

void MuteForConcealment(OutputDevices& devices, std::vector<MutedDevice>& mutes)
{
    const std::vector<std::string> playing = PlayingDevices(devices);
    for (const std::string& id : playing) {
        if (Recorded(mutes, id)) {
            // The player may have switched it on meanwhile.
            devices.SetMute(id, true);
        } else {
            MuteAndRecord(devices, mutes, id, playing);
        }
    }
}

bool MuteNewDevices(OutputDevices& devices, std::vector<MutedDevice>& mutes)
{
    const std::vector<std::string> playing = PlayingDevices(devices);
    bool added = false;
    for (const std::string& id : playing) {
        if (!Recorded(mutes, id) && MuteAndRecord(devices, mutes, id, playing)) added = true;
    }
    return added;
}

void EndConcealmentMutes(OutputDevices& devices, std::vector<MutedDevice>& mutes)
{
    for (std::size_t i = mutes.size(); i-- > 0;) {
        if (devices.SetMute(mutes[i].id, mutes[i].mutedBefore) || !devices.Knows(mutes[i].id))
            mutes.erase(mutes.begin() + static_cast<std::ptrdiff_t>(i));
    }
}
