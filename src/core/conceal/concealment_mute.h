// The mute that a concealment holds: with "消音" ticked, the output device in
// use when the windows are concealed is muted, and each device muted so is
// recorded (its id and its state before) until its earlier state has been
// given back. A device that cannot be reached when the windows come back (a
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
constexpr std::size_t MUTED_DEVICE_LIMIT = 8;

// Mutes the default output device, unless a record of it is held already
// (a second pass keeps the state from before the first). Nothing is muted
// when the device's switch cannot be read. A full list of records that
// could not be given back makes room: the oldest goes.
void MuteForConcealment(OutputDevices& devices, std::vector<MutedDevice>& mutes);

// Gives every recorded device its earlier state back, the last muted first;
// a device that refuses stays recorded, one the system no longer knows is
// dropped.
void EndConcealmentMutes(OutputDevices& devices, std::vector<MutedDevice>& mutes);
