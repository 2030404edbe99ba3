// The macro engine: one recording or playback at a time, driven by the
// panel's macro timer (TIMER_MACRO), whose ticks the panel routes as it
// routes every other. A recording waits for the record key, then writes one
// sample per tick while the key is held; a playback replays one sample per
// tick, once or over and over. Whatever ends an operation, the panel hears
// of it by WMU_MACROSTOPPED before Stop returns.
#pragma once
#include <windows.h>

#include <string>

#include "win/desktop_rules.h"
#include "win/scoped.h"

// em0, em1 or em2 beside the executable.
std::string MacroFilePath(int slot);
bool MacroFileExists(int slot);

class MacroEngine {
public:
    explicit MacroEngine(DesktopRules& desktop);
    ~MacroEngine();
    MacroEngine(const MacroEngine&) = delete;
    MacroEngine& operator=(const MacroEngine&) = delete;

    // The panel whose timer drives the engine and which hears of the ends.
    void Attach(HWND panel) { panel_ = panel; }

    // Both first stop whatever runs. True when the slot's file is open and
    // the macro timer runs; on false nothing runs and no file is held.
    bool StartRecording(int slot, int recordKey);
    bool StartPlayback(int slot, bool repeat);

    // Ends the running operation, if any: lets go of any mouse button the
    // playback pressed, closes the file and sends the panel WMU_MACROSTOPPED
    // with the slot.
    void Stop();

    // True from a successful start until Stop.
    bool Running() const { return operation_ != Operation::Idle; }

    // One tick of the running operation; a tick when none runs (one already
    // queued when the timer was killed) does nothing.
    void Tick();

private:
    enum class Operation { Idle, Waiting, Recording, Playing };
    void WaitTick();
    void RecordTick();
    void PlayTick();
    bool StartOperation(HANDLE file, Operation operation);
    void ReleasePressedButtons();
    void FollowButton(bool primary, bool wanted, DWORD& heldUp);

    HWND panel_ = nullptr;
    DesktopRules& desktop_;
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
