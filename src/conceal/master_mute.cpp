#include "conceal/master_mute.h"

#include <mmdeviceapi.h>
#include <endpointvolume.h>

#include <algorithm>

#include "win/com_thread.h"

// The mixer records this program hands over, at their sizes in the 32-bit
// program.
static_assert(sizeof(MIXERCAPSA) == 48);
static_assert(sizeof(void*) != 4 || sizeof(MIXERLINEA) == 168);
static_assert(sizeof(void*) != 4 || sizeof(MIXERLINECONTROLSA) == 24);
static_assert(sizeof(void*) != 4 || sizeof(MIXERCONTROLA) == 148);
static_assert(sizeof(void*) != 4 || sizeof(MIXERCONTROLDETAILS) == 24);

namespace {

std::string Utf8Of(const wchar_t* wide)
{
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 1) return std::string();
    std::string text(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, &text[0], bytes, nullptr, nullptr);
    text.resize(static_cast<std::size_t>(bytes - 1));
    return text;
}

std::wstring WideOf(const std::string& utf8)
{
    const int chars = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
    if (chars <= 1) return std::wstring();
    std::wstring text(static_cast<std::size_t>(chars), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, &text[0], chars);
    text.resize(static_cast<std::size_t>(chars - 1));
    return text;
}

// One value for all channels.
MIXERCONTROLDETAILS MuteDetails(DWORD control, MIXERCONTROLDETAILS_BOOLEAN& value)
{
    MIXERCONTROLDETAILS details = {};
    details.cbStruct = sizeof details;
    details.dwControlID = control;
    details.cChannels = 1;
    details.cMultipleItems = 0;
    details.cbDetails = sizeof value;
    details.paDetails = &value;
    return details;
}

}  // namespace

// Opens device 0 when it is not open yet and finds the speaker line's mute
// control when it has not been found yet; false when either failed.
bool SpeakerMixer::FindControl()
{
    if (control_ != NOT_FOUND) return true;
    if (!mixer_) {
        HMIXER opened = nullptr;
        if (mixerOpen(&opened, 0, 0, 0, 0) != MMSYSERR_NOERROR) return false;
        mixer_ = opened;
        // A device whose capabilities cannot be read is not used.
        MIXERCAPSA capabilities = {};
        if (mixerGetDevCapsA(0, &capabilities, sizeof capabilities) != MMSYSERR_NOERROR)
            return false;
    }
    const auto object = reinterpret_cast<HMIXEROBJ>(mixer_);
    MIXERLINEA line = {};
    line.cbStruct = sizeof line;
    line.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
    if (mixerGetLineInfoA(object, &line, MIXER_OBJECTF_HMIXER | MIXER_GETLINEINFOF_COMPONENTTYPE) !=
        MMSYSERR_NOERROR) {
        return false;
    }
    MIXERCONTROLA control = {};
    MIXERLINECONTROLSA controls = {};
    controls.cbStruct = sizeof controls;
    controls.dwLineID = line.dwLineID;
    controls.dwControlType = MIXERCONTROL_CONTROLTYPE_MUTE;
    controls.cControls = 1;
    controls.cbmxctrl = sizeof control;
    controls.pamxctrl = &control;
    if (mixerGetLineControlsA(object, &controls,
                              MIXER_OBJECTF_HMIXER | MIXER_GETLINECONTROLSF_ONEBYTYPE) !=
        MMSYSERR_NOERROR) {
        return false;
    }
    control_ = control.dwControlID;
    return true;
}

bool SpeakerMixer::Get(bool& muted)
{
    if (!FindControl()) return false;
    MIXERCONTROLDETAILS_BOOLEAN value = {};
    MIXERCONTROLDETAILS details = MuteDetails(control_, value);
    if (mixerGetControlDetailsA(reinterpret_cast<HMIXEROBJ>(mixer_), &details,
                                MIXER_OBJECTF_HMIXER | MIXER_GETCONTROLDETAILSF_VALUE) !=
        MMSYSERR_NOERROR) {
        return false;
    }
    muted = value.fValue != 0;
    return true;
}

bool SpeakerMixer::Set(bool muted)
{
    if (!FindControl()) return false;
    MIXERCONTROLDETAILS_BOOLEAN value = {};
    value.fValue = muted ? 1 : 0;
    MIXERCONTROLDETAILS details = MuteDetails(control_, value);
    return mixerSetControlDetails(reinterpret_cast<HMIXEROBJ>(mixer_), &details,
                                  MIXER_OBJECTF_HMIXER | MIXER_SETCONTROLDETAILSF_VALUE) ==
           MMSYSERR_NOERROR;
}

void SpeakerMixer::Close()
{
    if (mixer_) mixerClose(mixer_);
    mixer_ = nullptr;
    control_ = NOT_FOUND;
}

SystemOutputDevices::SystemOutputDevices() = default;

SystemOutputDevices::~SystemOutputDevices() = default;

bool SystemOutputDevices::HaveEnumerator()
{
    if (!enumeratorTried_) {
        enumeratorTried_ = true;
        InitializeComOnThisThread();
        CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_INPROC_SERVER,
                         __uuidof(IMMDeviceEnumerator), devices_.out());
    }
    return devices_.get() != nullptr;
}

void SystemOutputDevices::Prepare()
{
    // Reading the switch once makes the audio stack open its connection to
    // the device, which the first mute would otherwise wait for.
    std::string id;
    bool muted = false;
    if (DefaultDevice(id)) GetMute(id, muted);
}

bool SystemOutputDevices::DefaultDevice(std::string& id)
{
    if (HaveEnumerator()) {
        ScopedComPtr<IMMDevice> device;
        LPWSTR wide = nullptr;
        if (SUCCEEDED(devices_->GetDefaultAudioEndpoint(
                eRender, eConsole, reinterpret_cast<IMMDevice**>(device.out()))) &&
            SUCCEEDED(device->GetId(&wide))) {
            id = Utf8Of(wide);
            CoTaskMemFree(wide);
            // The device about to be muted: its switch is taken now.
            if (!Held(id)) Hold(id, device.get());
            return !id.empty();
        }
    }
    bool muted = false;
    if (!mixer_.Get(muted)) return false;
    id.clear();
    return true;
}

bool SystemOutputDevices::ActiveDevices(std::vector<std::string>& ids)
{
    ids.clear();
    if (!HaveEnumerator()) return false;
    ScopedComPtr<IMMDeviceCollection> collection;
    UINT count = 0;
    if (FAILED(devices_->EnumAudioEndpoints(eRender, DEVICE_STATE_ACTIVE,
                                            reinterpret_cast<IMMDeviceCollection**>(collection.out()))) ||
        FAILED(collection->GetCount(&count)))
        return false;
    for (UINT i = 0; i < count; ++i) {
        ScopedComPtr<IMMDevice> device;
        LPWSTR wide = nullptr;
        if (FAILED(collection->Item(i, reinterpret_cast<IMMDevice**>(device.out()))) ||
            FAILED(device->GetId(&wide)))
            continue;
        ids.push_back(Utf8Of(wide));
        CoTaskMemFree(wide);
    }
    return true;
}

IAudioEndpointVolume* SystemOutputDevices::Held(const std::string& id) const
{
    for (const auto& held : volumes_) {
        if (held->id == id) return held->volume.get();
    }
    return nullptr;
}

void SystemOutputDevices::Hold(const std::string& id, IMMDevice* device)
{
    auto held = std::make_unique<HeldVolume>();
    held->id = id;
    if (SUCCEEDED(device->Activate(__uuidof(IAudioEndpointVolume), CLSCTX_INPROC_SERVER, nullptr,
                                   held->volume.out())))
        volumes_.push_back(std::move(held));
}

void SystemOutputDevices::Drop(const std::string& id)
{
    volumes_.erase(std::remove_if(volumes_.begin(), volumes_.end(),
                                  [&](const std::unique_ptr<HeldVolume>& held) { return held->id == id; }),
                   volumes_.end());
}

IAudioEndpointVolume* SystemOutputDevices::VolumeOf(const std::string& id)
{
    if (IAudioEndpointVolume* held = Held(id)) return held;
    if (!HaveEnumerator()) return nullptr;
    ScopedComPtr<IMMDevice> device;
    DWORD state = 0;
    // A device that is unplugged or switched off has no switch to set now.
    if (FAILED(devices_->GetDevice(WideOf(id).c_str(), reinterpret_cast<IMMDevice**>(device.out()))) ||
        FAILED(device->GetState(&state)) || state != DEVICE_STATE_ACTIVE) {
        return nullptr;
    }
    Hold(id, device.get());
    return Held(id);
}

// Runs `call` on the device's volume object, or on the mixer for the empty
// id where the default device is the mixer's. A held object that fails (its
// device went away and came back, say) is dropped and the call tried once
// more on a fresh one.
template <typename Call>
bool SystemOutputDevices::WithDevice(const std::string& id, Call call)
{
    std::string device = id;
    // The empty id stands for the default device of the moment.
    if (device.empty() && !DefaultDevice(device)) return false;
    if (device.empty()) return call(nullptr);
    for (int attempt = 0; attempt < 2; ++attempt) {
        IAudioEndpointVolume* volume = VolumeOf(device);
        if (!volume) return false;
        if (call(volume)) return true;
        Drop(device);
    }
    return false;
}

bool SystemOutputDevices::GetMute(const std::string& id, bool& muted)
{
    return WithDevice(id, [&](IAudioEndpointVolume* volume) {
        if (!volume) return mixer_.Get(muted);
        BOOL value = FALSE;
        if (FAILED(volume->GetMute(&value))) return false;
        muted = value != FALSE;
        return true;
    });
}

bool SystemOutputDevices::SetMute(const std::string& id, bool muted)
{
    return WithDevice(id, [&](IAudioEndpointVolume* volume) {
        if (!volume) return mixer_.Set(muted);
        return SUCCEEDED(volume->SetMute(muted ? TRUE : FALSE, nullptr));
    });
}

bool SystemOutputDevices::Knows(const std::string& id)
{
    // The empty id is whatever device is the default; without the endpoint
    // interface nothing can be told.
    if (id.empty() || !HaveEnumerator()) return true;
    ScopedComPtr<IMMDevice> device;
    DWORD state = 0;
    if (FAILED(devices_->GetDevice(WideOf(id).c_str(), reinterpret_cast<IMMDevice**>(device.out()))))
        return false;
    return FAILED(device->GetState(&state)) || state != DEVICE_STATE_NOTPRESENT;
}
