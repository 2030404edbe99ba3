#include "automation/macro_engine.h"

#include <shlwapi.h>

#include "core/base/exe_paths.h"
#include "win/module_path.h"
#include "core/shell/panel_messages.h"
#include "core/automation/macro_file.h"

namespace {

enum class MacroOperation { Idle, Waiting, Recording, Playing };

struct MacroEngine {
    HANDLE file = INVALID_HANDLE_VALUE;
    MacroObserver* observer = nullptr;
    int slot = 0;
    int recordKey = VK_SHIFT;
    bool repeat = false;
    MacroOperation operation = MacroOperation::Idle;
    // Buttons a playback pressed and has not let go yet.
    bool leftPressed = false;
    bool rightPressed = false;
};

MacroEngine engine;

bool KeyIsDown(int virtualKey) { return (GetKeyState(virtualKey) & 0x80) != 0; }
bool ButtonIsDown(int virtualKey) { return GetKeyState(virtualKey) < 0; }

// A tick of a callback that is no longer the operation's (one already queued
// when the timer was replaced or killed) does nothing.
bool TickBelongsTo(MacroOperation operation) { return engine.operation == operation; }

bool StartOperation(HWND panel, MacroObserver& observer, HANDLE file, MacroOperation operation,
                    TIMERPROC firstTick)
{
    engine.file = file;
    engine.observer = &observer;
    engine.operation = operation;
    if (SetTimer(panel, TIMER_MACRO, 0, firstTick) == 0) {
        CloseHandle(engine.file);
        engine.file = INVALID_HANDLE_VALUE;
        engine.operation = MacroOperation::Idle;
        return false;
    }
    return true;
}

// Presses or releases a button only where the sample differs from now, and
// remembers whether the playback holds it.
void FollowButton(int virtualKey, bool wanted, DWORD downEvent, DWORD upEvent, bool& pressed)
{
    const bool down = ButtonIsDown(virtualKey);
    if (down && !wanted) {
        mouse_event(upEvent, 0, 0, 0, 0);
        pressed = false;
    }
    if (!down && wanted) {
        mouse_event(downEvent, 0, 0, 0, 0);
        pressed = true;
    }
}

// A button the playback pressed is let go when the playback ends, whatever
// ends it; a button the player holds is left alone.
void ReleasePressedButtons()
{
    if (engine.leftPressed) mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    if (engine.rightPressed) mouse_event(MOUSEEVENTF_RIGHTUP, 0, 0, 0, 0);
    engine.leftPressed = engine.rightPressed = false;
}

}  // namespace

std::string MacroFilePath(int slot)
{
    return PathBesideExecutable(ModulePath(), "em" + std::to_string(slot), "");
}

bool MacroFileExists(int slot) { return PathFileExistsA(MacroFilePath(slot).c_str()) != FALSE; }

bool MacroOperationRunning() { return engine.operation != MacroOperation::Idle; }

bool StartRecording(HWND panel, MacroObserver& observer, int slot, int recordKey)
{
    StopMacro(panel);
    // An earlier recording of the slot is gone from here on, even when the
    // key never goes down.
    HANDLE file = CreateFileA(MacroFilePath(slot).c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    engine.slot = slot;
    engine.recordKey = recordKey;
    return StartOperation(panel, observer, file, MacroOperation::Waiting, WaitForRecordKey);
}

bool StartPlayback(HWND panel, MacroObserver& observer, int slot, bool repeat)
{
    StopMacro(panel);
    HANDLE file = CreateFileA(MacroFilePath(slot).c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    engine.slot = slot;
    engine.repeat = repeat;
    return StartOperation(panel, observer, file, MacroOperation::Playing, PlayTick);
}

void StopMacro(HWND panel)
{
    const bool wasRunning = MacroOperationRunning();
    if (wasRunning) {
        KillTimer(panel, TIMER_MACRO);
        engine.operation = MacroOperation::Idle;
    }
    ReleasePressedButtons();
    if (engine.file != INVALID_HANDLE_VALUE) {
        CloseHandle(engine.file);
        engine.file = INVALID_HANDLE_VALUE;
    }
    // The panel is restored before the caller goes on.
    if (wasRunning && engine.observer) engine.observer->MacroStopped(engine.slot);
}

void CALLBACK WaitForRecordKey(HWND panel, UINT, UINT_PTR, DWORD)
{
    if (!TickBelongsTo(MacroOperation::Waiting)) return;
    if (!KeyIsDown(engine.recordKey)) return;
    // The first sample is taken on the next tick.
    engine.operation = MacroOperation::Recording;
    if (SetTimer(panel, TIMER_MACRO, 0, RecordTick) == 0) StopMacro(panel);
}

void CALLBACK RecordTick(HWND panel, UINT, UINT_PTR, DWORD)
{
    if (!TickBelongsTo(MacroOperation::Recording)) return;
    if (!KeyIsDown(engine.recordKey)) {
        StopMacro(panel);
        return;
    }
    POINT cursor;
    // Without a position (a locked desktop) the tick is lost rather than a
    // jump to a made-up point recorded.
    if (!GetCursorPos(&cursor)) return;
    MacroSample sample;
    sample.x = cursor.x;
    sample.y = cursor.y;
    sample.left = ButtonIsDown(VK_LBUTTON);
    sample.right = ButtonIsDown(VK_RBUTTON);
    const MacroSampleBytes bytes = EncodeMacroSample(sample);
    // Written as taken; a write error loses the sample and nothing else.
    DWORD written = 0;
    WriteFile(engine.file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

void CALLBACK PlayTick(HWND panel, UINT, UINT_PTR, DWORD)
{
    if (!TickBelongsTo(MacroOperation::Playing)) return;
    MacroSampleBytes bytes;
    DWORD read = 0;
    // The end of the file, a trailing piece shorter than a sample and a read
    // error all end the pass.
    if (!ReadFile(engine.file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
        read < bytes.size()) {
        if (engine.repeat) {
            SetFilePointer(engine.file, 0, nullptr, FILE_BEGIN);
        } else {
            StopMacro(panel);
        }
        return;
    }
    const MacroSample sample = DecodeMacroSample(bytes);
    SetCursorPos(sample.x, sample.y);
    FollowButton(VK_LBUTTON, sample.left, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP,
                 engine.leftPressed);
    FollowButton(VK_RBUTTON, sample.right, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP,
                 engine.rightPressed);
}
