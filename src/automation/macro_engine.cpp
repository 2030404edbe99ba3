#include "automation/macro_engine.h"

#include <shlwapi.h>

#include "core/automation/macro_file.h"
#include "core/base/exe_paths.h"
#include "core/panel/panel_messages.h"
#include "win/module_path.h"
#include "win/mouse_buttons.h"

std::string MacroFilePath(int slot)
{
    return PathBesideExecutable(ModulePath(), "em" + std::to_string(slot), "");
}

bool MacroFileExists(int slot) { return PathFileExistsA(MacroFilePath(slot).c_str()) != FALSE; }

MacroEngine::MacroEngine(DesktopRules& desktop) : desktop_(desktop) {}

MacroEngine::~MacroEngine()
{
    if (Running()) {
        KillTimer(panel_, TIMER_MACRO);
        operation_ = Operation::Idle;
    }
    ReleasePressedButtons();
}

bool MacroEngine::StartOperation(HANDLE file, Operation operation)
{
    file_.Reset(file);
    operation_ = operation;
    if (SetTimer(panel_, TIMER_MACRO, 0, nullptr) == 0) {
        file_.Close();
        operation_ = Operation::Idle;
        return false;
    }
    return true;
}

bool MacroEngine::StartRecording(int slot, int recordKey)
{
    Stop();
    // An earlier recording of the slot is gone from here on, even when the
    // key never goes down.
    HANDLE file = CreateFileA(MacroFilePath(slot).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    slot_ = slot;
    recordKey_ = recordKey;
    return StartOperation(file, Operation::Waiting);
}

bool MacroEngine::StartPlayback(int slot, bool repeat)
{
    Stop();
    HANDLE file = CreateFileA(MacroFilePath(slot).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    slot_ = slot;
    repeat_ = repeat;
    return StartOperation(file, Operation::Playing);
}

void MacroEngine::Stop()
{
    const bool wasRunning = Running();
    if (wasRunning) {
        KillTimer(panel_, TIMER_MACRO);
        operation_ = Operation::Idle;
    }
    ReleasePressedButtons();
    file_.Close();
    // Sent: the panel is restored and its gate opened before the caller
    // goes on.
    if (wasRunning) SendMessageA(panel_, WMU_MACROSTOPPED, static_cast<WPARAM>(slot_), 0);
}

// A button the playback pressed is let go when the playback ends, whatever
// ends it; a button the player holds is left alone.
void MacroEngine::ReleasePressedButtons()
{
    for (DWORD* up : {&primaryUp_, &secondaryUp_}) {
        if (*up) mouse_event(*up, 0, 0, 0, 0);
        *up = 0;
    }
}

// Presses or releases the player's primary or secondary button only where
// the sample differs from now, and remembers the up of a button the playback
// holds. The buttons are the physical ones the player's setting maps them to.
void MacroEngine::FollowButton(bool primary, bool wanted, DWORD& heldUp)
{
    const PhysicalButton button = PhysicalButtonFor(primary, desktop_.ButtonsSwapped());
    const bool down = desktop_.KeyDown(button.virtualKey);
    if (down && !wanted) {
        mouse_event(button.upEvent, 0, 0, 0, 0);
        heldUp = 0;
    }
    if (!down && wanted) {
        mouse_event(button.downEvent, 0, 0, 0, 0);
        heldUp = button.upEvent;
    }
}

void MacroEngine::Tick()
{
    switch (operation_) {
    case Operation::Waiting:
        WaitTick();
        break;
    case Operation::Recording:
        RecordTick();
        break;
    case Operation::Playing:
        PlayTick();
        break;
    case Operation::Idle:
        break;
    }
}

// The first sample is taken on the tick after the key went down.
void MacroEngine::WaitTick()
{
    if (desktop_.KeyDown(recordKey_)) operation_ = Operation::Recording;
}

void MacroEngine::RecordTick()
{
    if (!desktop_.KeyDown(recordKey_)) {
        Stop();
        return;
    }
    POINT cursor;
    // Without a position (a locked desktop) the tick is lost rather than a
    // jump to a made-up point recorded.
    if (!desktop_.CursorPosition(cursor)) return;
    MacroSample sample;
    sample.x = cursor.x;
    sample.y = cursor.y;
    // The file keeps the player's primary and secondary buttons.
    const bool swapped = desktop_.ButtonsSwapped();
    sample.left = desktop_.KeyDown(PhysicalButtonFor(true, swapped).virtualKey);
    sample.right = desktop_.KeyDown(PhysicalButtonFor(false, swapped).virtualKey);
    const MacroSampleBytes bytes = EncodeMacroSample(sample);
    // Written as taken; a write error loses the sample and nothing else.
    DWORD written = 0;
    WriteFile(file_.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

void MacroEngine::PlayTick()
{
    MacroSampleBytes bytes;
    DWORD read = 0;
    // The end of the file, a trailing piece shorter than a sample and a read
    // error all end the pass.
    if (!ReadFile(file_.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
        read < bytes.size()) {
        if (repeat_) {
            SetFilePointer(file_.get(), 0, nullptr, FILE_BEGIN);
        } else {
            Stop();
        }
        return;
    }
    const MacroSample sample = DecodeMacroSample(bytes);
    SetCursorPos(sample.x, sample.y);
    FollowButton(true, sample.left, primaryUp_);
    FollowButton(false, sample.right, secondaryUp_);
}
