// The macro engine: one recording or playback at a time, driven by the
// panel's macro timer (TIMER_MACRO, with a callback for each state of the
// operation). A recording waits for the record key, then writes one sample
// per tick while the key is held; a playback replays one sample per tick,
// once or over and over. The engine binds itself to the panel window, where
// the timer's callbacks find it.
#pragma once
#include <windows.h>

#include <string>

#include "win/desktop_rules.h"
#include "win/scoped.h"

// Told, before Stop returns, that the operation of a slot has ended,
// whatever ended it.
class MacroObserver {
public:
    virtual void MacroStopped(int slot) = 0;

protected:
    ~MacroObserver() = default;
};

// em0, em1 or em2 beside the executable.
std::string MacroFilePath(int slot);
bool MacroFileExists(int slot);

class MacroEngine {
public:
    MacroEngine(HWND panel, DesktopRules& desktop, MacroObserver& observer);
    ~MacroEngine();
    MacroEngine(const MacroEngine&) = delete;
    MacroEngine& operator=(const MacroEngine&) = delete;

    // The engine bound to the panel, or null.
    static MacroEngine* Of(HWND panel);

    // Both first stop whatever runs. True when the slot's file is open and
    // the macro timer runs; on false nothing runs and no file is held.
    bool StartRecording(int slot, int recordKey);
    bool StartPlayback(int slot, bool repeat);

    // Ends the running operation, if any: lets go of any mouse button the
    // playback pressed, closes the file and tells the observer before
    // returning.
    void Stop();

    // True from a successful start until Stop.
    bool Running() const { return operation_ != Operation::Idle; }

    // One tick of each state; a tick of a state that is no longer the
    // operation's (one already queued when the timer was replaced or
    // killed) does nothing.
    void WaitTick();
    void RecordTick();
    void PlayTick();

private:
    enum class Operation { Idle, Waiting, Recording, Playing };
    bool StartOperation(HANDLE file, Operation operation, TIMERPROC firstTick);
    void ReleasePressedButtons();
    void FollowButton(bool primary, bool wanted, DWORD& heldUp);

    HWND panel_;
    DesktopRules& desktop_;
    MacroObserver& observer_;
    ScopedHandle file_;
    int slot_ = 0;
    int recordKey_ = VK_SHIFT;
    bool repeat_ = false;
    Operation operation_ = Operation::Idle;
    // The ups of the buttons a playback pressed and has not let go yet (0:
    // none), the player's primary and secondary.
    DWORD primaryUp_ = 0;
    DWORD secondaryUp_ = 0;
};

// The macro timer's callbacks, one per operation state: each finds the
// panel's engine and runs its tick.
void CALLBACK WaitForRecordKey(HWND panel, UINT message, UINT_PTR timerId, DWORD time);
void CALLBACK RecordTick(HWND panel, UINT message, UINT_PTR timerId, DWORD time);
void CALLBACK PlayTick(HWND panel, UINT message, UINT_PTR timerId, DWORD time);
