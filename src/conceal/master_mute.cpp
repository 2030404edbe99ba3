#include "conceal/master_mute.h"

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

MIXERCAPSA mixerCapabilities = {};  // read once the device is open; not used otherwise

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
        if (mixerGetDevCapsA(0, &mixerCapabilities, sizeof mixerCapabilities) != MMSYSERR_NOERROR)
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

bool GetMasterMute(int& muted)
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

bool SetMasterMute(int muted)
{
    if (!FindMuteControl()) return false;
    MIXERCONTROLDETAILS_BOOLEAN value = {};
    value.fValue = muted;
    MIXERCONTROLDETAILS details = MuteDetails(value);
    return mixerSetControlDetails(MixerObject(), &details,
                                  MIXER_OBJECTF_HMIXER | MIXER_SETCONTROLDETAILSF_VALUE) ==
           MMSYSERR_NOERROR;
}
