// The macro engine: one recording or playback at a time, driven by the
// panel's macro timer. A recording waits for the record key, then writes one
// sample per tick while the key is held; a playback replays one sample per
// tick, once or over and over.
#pragma once
#include <windows.h>

#include <string>

// Told, before StopMacro returns, that the operation of a slot has ended,
// whatever ended it: the panel restores its controls then.
class MacroObserver {
public:
    virtual void MacroStopped(int slot) = 0;

protected:
    ~MacroObserver() = default;
};

// em0, em1 or em2 beside the executable.
std::string MacroFilePath(int slot);
bool MacroFileExists(int slot);

// Both first stop whatever runs. True when the slot's file is open and the
// macro timer runs; on false nothing runs and no file is held. The observer
// hears of the operation's end.
bool StartRecording(HWND panel, MacroObserver& observer, int slot, int recordKey);
bool StartPlayback(HWND panel, MacroObserver& observer, int slot, bool repeat);

// Ends the running operation, if any: lets go of any mouse button the
// playback pressed, closes the file and tells the observer before returning.
void StopMacro(HWND panel);

// True from a successful start until StopMacro.
bool MacroOperationRunning();

// The macro timer's callbacks, one per operation state.
void CALLBACK WaitForRecordKey(HWND panel, UINT message, UINT_PTR timerId, DWORD time);
void CALLBACK RecordTick(HWND panel, UINT message, UINT_PTR timerId, DWORD time);
void CALLBACK PlayTick(HWND panel, UINT message, UINT_PTR timerId, DWORD time);
