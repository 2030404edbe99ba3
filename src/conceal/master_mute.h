// The mute switch of the sound card's speaker output, through the platform's
// audio mixer (device 0). The device is opened on first use and stays open;
// the mute control, once found, is not looked up again.
#pragma once
#include <windows.h>
#include <mmsystem.h>

// 0xFFFFFFFF while the speaker line's mute control has not been found.
constexpr DWORD MUTE_CONTROL_NOT_FOUND = 0xFFFFFFFF;

extern HMIXER mixerHandle;    // mixer device 0, or null while it could not be opened
extern DWORD muteControlId;   // the speaker line's mute control

// Stores the switch (0 sound on, non-zero muted) in `muted` and returns true;
// on any failure returns false and leaves `muted` as it was.
bool GetMasterMute(int& muted);

// Sets the switch to `muted` (0 or 1); true when the mixer accepted it.
bool SetMasterMute(int muted);
