// The mute switch of the speaker output. Where the system has the audio
// endpoint interface (Windows Vista and later), it is the default output
// device's mute; there the winmm mixer would reach only this program's own
// sound. Elsewhere it is the mixer's speaker-line mute on device 0. Either
// way the object found first stays for the life of the process.
#pragma once
#include <windows.h>
#include <mmsystem.h>

struct IAudioEndpointVolume;

// The pair the program uses: the endpoint's mute when a default output
// device can be had, otherwise the mixer's. Get stores the switch (0 sound
// on, non-zero muted) and returns true; on any failure it returns false and
// leaves `muted` as it was. Set returns true when the system accepted it.
bool GetMasterMute(int& muted);
bool SetMasterMute(int muted);

// The default output device's volume object, held once found (a failing
// call drops it and the next call looks again), or null.
extern IAudioEndpointVolume* endpointVolume;
bool GetEndpointMute(int& muted);
bool SetEndpointMute(int muted);

// 0xFFFFFFFF while the speaker line's mute control has not been found.
constexpr DWORD MUTE_CONTROL_NOT_FOUND = 0xFFFFFFFF;

extern HMIXER mixerHandle;    // mixer device 0, or null while it could not be opened
extern DWORD muteControlId;   // the speaker line's mute control

// The mixer's switch: device 0 is opened on first use and stays open; the
// control, once found, is not looked up again.
bool GetMixerMute(int& muted);
bool SetMixerMute(int muted);
