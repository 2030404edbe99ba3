#include "conceal/master_mute.h"

#include <mmdeviceapi.h>
#include <endpointvolume.h>

#include "win/com_thread.h"
#include "win/scoped.h"

IAudioEndpointVolume* endpointVolume = nullptr;
HMIXER mixerHandle = nullptr;
DWORD muteControlId = MUTE_CONTROL_NOT_FOUND;

// The mixer records this program hands over, at their sizes in the 32-bit
// program.
static_assert(sizeof(MIXERCAPSA) == 48);
static_assert(sizeof(void*) != 4 || sizeof(MIXERLINEA) == 168);
static_assert(sizeof(void*) != 4 || sizeof(MIXERLINECONTROLSA) == 24);
static_assert(sizeof(void*) != 4 || sizeof(MIXERCONTROLA) == 148);
static_assert(sizeof(void*) != 4 || sizeof(MIXERCONTROLDETAILS) == 24);

namespace {

HMIXEROBJ MixerObject() { return reinterpret_cast<HMIXEROBJ>(mixerHandle); }

// Opens device 0 when it is not open yet and finds the speaker line's mute
// control when it has not been found yet; false when either failed.
bool FindMuteControl()
{
    if (muteControlId != MUTE_CONTROL_NOT_FOUND) return true;
    if (!mixerHandle) {
        HMIXER opened = nullptr;
        if (mixerOpen(&opened, 0, 0, 0, 0) != MMSYSERR_NOERROR) return false;
        mixerHandle = opened;
        // A device whose capabilities cannot be read is not used.
        MIXERCAPSA capabilities = {};
        if (mixerGetDevCapsA(0, &capabilities, sizeof capabilities) != MMSYSERR_NOERROR)
            return false;
    }

    MIXERLINEA line = {};
    line.cbStruct = sizeof line;
    line.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
    if (mixerGetLineInfoA(MixerObject(), &line,
                          MIXER_OBJECTF_HMIXER | MIXER_GETLINEINFOF_COMPONENTTYPE) !=
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
    if (mixerGetLineControlsA(MixerObject(), &controls,
                              MIXER_OBJECTF_HMIXER | MIXER_GETLINECONTROLSF_ONEBYTYPE) !=
        MMSYSERR_NOERROR) {
        return false;
    }
    muteControlId = control.dwControlID;
    return true;
}

// The default output device's volume object, found when none is held.
bool FindEndpoint()
{
    if (endpointVolume) return true;
    InitializeComOnThisThread();
    ScopedComPtr<IMMDeviceEnumerator> devices;
    if (FAILED(CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_INPROC_SERVER,
                                __uuidof(IMMDeviceEnumerator), devices.out())))
        return false;
    ScopedComPtr<IMMDevice> device;
    if (FAILED(devices->GetDefaultAudioEndpoint(eRender, eConsole,
                                                reinterpret_cast<IMMDevice**>(device.out()))))
        return false;
    ScopedComPtr<IAudioEndpointVolume> volume;
    if (FAILED(device->Activate(__uuidof(IAudioEndpointVolume), CLSCTX_INPROC_SERVER, nullptr,
                                volume.out())))
        return false;
    endpointVolume = volume.release();
    return true;
}

void DropEndpoint()
{
    if (endpointVolume) endpointVolume->Release();
    endpointVolume = nullptr;
}

// Runs `call` on the held object; a failure (a device unplugged, say) drops
// it, and the call is tried once more on the device that is now the default.
template <typename Call>
bool WithEndpoint(Call call)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!FindEndpoint()) return false;
        if (SUCCEEDED(call(endpointVolume))) return true;
        DropEndpoint();
    }
    return false;
}

// One value for all channels.
MIXERCONTROLDETAILS MuteDetails(MIXERCONTROLDETAILS_BOOLEAN& value)
{
    MIXERCONTROLDETAILS details = {};
    details.cbStruct = sizeof details;
    details.dwControlID = muteControlId;
    details.cChannels = 1;
    details.cMultipleItems = 0;
    details.cbDetails = sizeof value;
    details.paDetails = &value;
    return details;
}

}  // namespace

bool GetMixerMute(int& muted)
{
    if (!FindMuteControl()) return false;
    MIXERCONTROLDETAILS_BOOLEAN value = {};
    MIXERCONTROLDETAILS details = MuteDetails(value);
    if (mixerGetControlDetailsA(MixerObject(), &details,
                                MIXER_OBJECTF_HMIXER | MIXER_GETCONTROLDETAILSF_VALUE) !=
        MMSYSERR_NOERROR) {
        return false;
    }
    muted = static_cast<int>(value.fValue);
    return true;
}

bool SetMixerMute(int muted)
{
    if (!FindMuteControl()) return false;
    MIXERCONTROLDETAILS_BOOLEAN value = {};
    value.fValue = muted;
    MIXERCONTROLDETAILS details = MuteDetails(value);
    return mixerSetControlDetails(MixerObject(), &details,
                                  MIXER_OBJECTF_HMIXER | MIXER_SETCONTROLDETAILSF_VALUE) ==
           MMSYSERR_NOERROR;
}

bool GetEndpointMute(int& muted)
{
    BOOL value = FALSE;
    if (!WithEndpoint([&](IAudioEndpointVolume* volume) { return volume->GetMute(&value); }))
        return false;
    muted = value ? 1 : 0;
    return true;
}

bool SetEndpointMute(int muted)
{
    return WithEndpoint([&](IAudioEndpointVolume* volume) {
        return volume->SetMute(muted ? TRUE : FALSE, nullptr);
    });
}

bool GetMasterMute(int& muted)
{
    return FindEndpoint() ? GetEndpointMute(muted) : GetMixerMute(muted);
}

bool SetMasterMute(int muted)
{
    return FindEndpoint() ? SetEndpointMute(muted) : SetMixerMute(muted);
}
