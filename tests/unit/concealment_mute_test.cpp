#include "core/conceal/concealment_mute.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

// Output devices as a player's PC has them: a default one, others that can
// be plugged in and out.
class Devices : public OutputDevices {
public:
    std::string defaultId = "speakers";
    // The devices plugged in; one unplugged is known to the system still.
    std::map<std::string, bool> muted = {{"speakers", false}, {"headset", false}};
    std::set<std::string> refusing;   // plugged in, but their switch cannot be set
    std::set<std::string> forgotten;  // removed for good: the system knows them no more

    bool DefaultDevice(std::string& id) override
    {
        id = defaultId;
        return muted.count(id) != 0;
    }
    bool listed = true;  // false: a system that names only the default device
    bool ActiveDevices(std::vector<std::string>& ids) override
    {
        ids.clear();
        for (const auto& device : muted) ids.push_back(device.first);
        return listed;
    }
    bool GetMute(const std::string& id, bool& value) override
    {
        const auto device = muted.find(id.empty() ? defaultId : id);
        if (device == muted.end()) return false;
        value = device->second;
        return true;
    }
    bool SetMute(const std::string& id, bool value) override
    {
        const auto device = muted.find(id.empty() ? defaultId : id);
        if (device == muted.end() || refusing.count(device->first)) return false;
        device->second = value;
        return true;
    }
    bool Knows(const std::string& id) override { return forgotten.count(id) == 0; }
};

TEST(ConcealmentMute, EveryDeviceThatPlaysIsMutedAndEachIsGivenItsOwnStateBack)
{
    Devices devices;
    devices.muted["headset"] = true;
    std::vector<MutedDevice> mutes;
    MuteForConcealment(devices, mutes);
    EXPECT_TRUE(devices.muted["speakers"]);
    EXPECT_TRUE(devices.muted["headset"]);
    // A device plugged in while concealed is muted too; the player's own
    // switch on the others meanwhile is left alone.
    devices.muted["speakers"] = false;
    devices.muted["usb"] = false;
    EXPECT_TRUE(MuteNewDevices(devices, mutes));
    EXPECT_TRUE(devices.muted["usb"]);
    EXPECT_FALSE(devices.muted["speakers"]);
    EXPECT_FALSE(MuteNewDevices(devices, mutes));
    // A second pass mutes them all again and keeps each one's state from
    // before the first; the end gives each its own back.
    MuteForConcealment(devices, mutes);
    EXPECT_TRUE(devices.muted["speakers"]);
    EndConcealmentMutes(devices, mutes);
    EXPECT_FALSE(devices.muted["speakers"]);
    EXPECT_TRUE(devices.muted["headset"]) << "it was muted before the concealment";
    EXPECT_FALSE(devices.muted["usb"]);
    EXPECT_TRUE(mutes.empty());

    // Where the devices cannot be listed, the default one is muted.
    devices.listed = false;
    devices.defaultId = "usb";
    MuteForConcealment(devices, mutes);
    EXPECT_TRUE(devices.muted["usb"]);
    EXPECT_FALSE(devices.muted["speakers"]);
    EndConcealmentMutes(devices, mutes);

    // A device whose switch refuses is not recorded as muted.
    devices.defaultId = "headset";
    devices.refusing.insert("headset");
    MuteForConcealment(devices, mutes);
    EXPECT_TRUE(mutes.empty());
}

TEST(ConcealmentMute, ADeviceUnpluggedWhileConcealedStaysRecordedUntilItIsBack)
{
    Devices devices;
    std::vector<MutedDevice> mutes;
    devices.defaultId = "headset";
    MuteForConcealment(devices, mutes);
    devices.muted.erase("headset");
    devices.defaultId = "speakers";
    EndConcealmentMutes(devices, mutes);
    EXPECT_FALSE(devices.muted["speakers"]) << "the restore went to another device";
    ASSERT_EQ(mutes.size(), 1u);
    EXPECT_EQ(mutes[0].id, "headset");

    // Concealed again meanwhile: the speakers are muted too, and each gets
    // its own state back once it can be reached.
    MuteForConcealment(devices, mutes);
    EXPECT_TRUE(devices.muted["speakers"]);
    devices.muted["headset"] = true;  // plugged in again, as it was left
    EndConcealmentMutes(devices, mutes);
    EXPECT_FALSE(devices.muted["headset"]);
    EXPECT_FALSE(devices.muted["speakers"]);
    EXPECT_TRUE(mutes.empty());
}

TEST(ConcealmentMute, RecordsThatCanNeverBeGivenBackAreDroppedAndNeverStopTheMute)
{
    Devices devices;
    devices.listed = false;  // one device at a time, the default
    std::vector<MutedDevice> mutes;
    // A full list of devices muted, then unplugged: each stays recorded.
    for (std::size_t i = 0; i < MUTED_DEVICE_LIMIT; ++i) {
        devices.defaultId = "usb" + std::to_string(i);
        devices.muted[devices.defaultId] = false;
        MuteForConcealment(devices, mutes);
        devices.muted.erase(devices.defaultId);
        EndConcealmentMutes(devices, mutes);
    }
    ASSERT_EQ(mutes.size(), MUTED_DEVICE_LIMIT);
    // The next concealment still mutes the device in use; the oldest record goes.
    devices.defaultId = "speakers";
    MuteForConcealment(devices, mutes);
    EXPECT_TRUE(devices.muted["speakers"]);
    ASSERT_EQ(mutes.size(), MUTED_DEVICE_LIMIT);
    EXPECT_EQ(mutes.front().id, "usb1");
    EXPECT_EQ(mutes.back().id, "speakers");
    // Devices the system has forgotten are dropped when the windows come back.
    for (std::size_t i = 0; i < MUTED_DEVICE_LIMIT; ++i) devices.forgotten.insert("usb" + std::to_string(i));
    devices.forgotten.erase("usb5");
    EndConcealmentMutes(devices, mutes);
    EXPECT_FALSE(devices.muted["speakers"]);
    ASSERT_EQ(mutes.size(), 1u);
    EXPECT_EQ(mutes[0].id, "usb5");
}

}  // namespace
