// The mute switches of the output devices. Where the system has the audio
// endpoint interface (Windows Vista and later), every output device is named
// by its endpoint id and muted through its endpoint; there the winmm mixer
// would reach only this program's own sound. Elsewhere there is one device,
// the mixer's speaker line on device 0, named by the empty id.
#pragma once
#include <windows.h>
#include <mmsystem.h>

#include <memory>
#include <string>
#include <vector>

#include "core/conceal/concealment_mute.h"
#include "win/scoped.h"

struct IAudioEndpointVolume;
struct IMMDevice;
struct IMMDeviceEnumerator;

// The speaker line's mute control of mixer device 0: the device is opened on
// first use and stays open; the control, once found, is not looked up again.
class SpeakerMixer {
public:
    SpeakerMixer() = default;
    ~SpeakerMixer() { Close(); }
    SpeakerMixer(const SpeakerMixer&) = delete;
    SpeakerMixer& operator=(const SpeakerMixer&) = delete;

    // Get stores the switch and returns true; on any failure it returns
    // false and leaves `muted` as it was. Set returns true when the system
    // accepted it.
    bool Get(bool& muted);
    bool Set(bool muted);
    void Close();

    static constexpr DWORD NOT_FOUND = 0xFFFFFFFF;

private:
    friend struct PanelInternals;  // the in-process tests' view
    bool FindControl();
    HMIXER mixer_ = nullptr;
    DWORD control_ = NOT_FOUND;
};

// The system's output devices. The device enumerator, once made, stays; so
// does the volume object of each device used, with its id.
class SystemOutputDevices final : public OutputDevices {
public:
    SystemOutputDevices();
    ~SystemOutputDevices();
    SystemOutputDevices(const SystemOutputDevices&) = delete;
    SystemOutputDevices& operator=(const SystemOutputDevices&) = delete;

    // Loads the audio stack and takes the default device's switch, so that
    // no concealment waits for them; run once the frame is on screen.
    void Prepare();

    bool DefaultDevice(std::string& id) override;
    bool ActiveDevices(std::vector<std::string>& ids) override;
    bool GetMute(const std::string& id, bool& muted) override;
    bool SetMute(const std::string& id, bool muted) override;
    bool Knows(const std::string& id) override;

private:
    friend struct PanelInternals;  // the in-process tests' view
    bool HaveEnumerator();
    IAudioEndpointVolume* VolumeOf(const std::string& id);
    // The volume object held for the device, or null.
    IAudioEndpointVolume* Held(const std::string& id) const;
    void Hold(const std::string& id, IMMDevice* device);
    void Drop(const std::string& id);
    template <typename Call>
    bool WithDevice(const std::string& id, Call call);

    bool enumeratorTried_ = false;
    ScopedComPtr<IMMDeviceEnumerator> devices_;
    struct HeldVolume {
        std::string id;
        ScopedComPtr<IAudioEndpointVolume> volume;
    };
    std::vector<std::unique_ptr<HeldVolume>> volumes_;
    SpeakerMixer mixer_;
};

