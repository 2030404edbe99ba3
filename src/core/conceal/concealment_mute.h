// The mute that a concealment holds: with "消音" ticked, every output device
// that plays when the windows are concealed is muted (not only the default
// one: a game may play on another, the player may switch), and so is one
// that appears while they stay concealed (a headset plugged in); each
// device muted is recorded (its id and its state before) until its earlier
// state has been given back. A device that cannot be reached when the windows come back (a
// headset unplugged meanwhile) stays recorded, and the next end of a
// concealment, or the next start after a crash, tries again.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

// The system's output devices, by id. An empty id stands for whatever device
// is the default when it is used (a record of an older recovery file, or a
// system that names no devices).
class OutputDevices {
public:
    // The id of the default output device now; false when there is none.
    virtual bool DefaultDevice(std::string& id) = 0;
    // The ids of every output device that can play now; false when the
    // system cannot list them (then only the default one is known).
    virtual bool ActiveDevices(std::vector<std::string>& ids) = 0;
    virtual bool GetMute(const std::string& id, bool& muted) = 0;
    // False when the device is not there or refused.
    virtual bool SetMute(const std::string& id, bool muted) = 0;
    // False when the system no longer knows the device at all (removed for
    // good, or a damaged id); true for one that is only unplugged or
    // disabled for now, and whenever the system cannot tell.
    virtual bool Knows(const std::string& id) = 0;

protected:
    ~OutputDevices() = default;
};

struct MutedDevice {
    std::string id;            // as OutputDevices names it (UTF-8)
    bool mutedBefore = false;  // its switch before the concealment muted it
};

// No more devices than this are recorded at once.
constexpr std::size_t MUTED_DEVICE_LIMIT = 32;

// Mutes every output device that can play (the default one where they
// cannot be listed); one recorded already is muted again and keeps the state
// from before the first pass. Nothing is muted whose switch cannot be read.
// A full list makes room: the oldest record of a device that cannot play
// now goes (it could not be given back anyway).
void MuteForConcealment(OutputDevices& devices, std::vector<MutedDevice>& mutes);

// While the windows stay concealed: mutes the devices that can play and have
// no record yet (plugged in meanwhile); the others are left as the player
// has them. True when a record was added.
bool MuteNewDevices(OutputDevices& devices, std::vector<MutedDevice>& mutes);

// Gives every recorded device its earlier state back, the last muted first;
// a device that refuses stays recorded, one the system no longer knows is
// dropped.
void EndConcealmentMutes(OutputDevices& devices, std::vector<MutedDevice>& mutes);
