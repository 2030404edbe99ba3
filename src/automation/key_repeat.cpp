#include "automation/key_repeat.h"

#include "core/shell/panel_messages.h"
#include "res/resource.h"

namespace {

void SendKeyEvent(std::uint8_t virtualKey, bool up)
{
    const auto scan = static_cast<BYTE>(MapVirtualKeyA(virtualKey, 0));
    keybd_event(virtualKey, scan, up ? KEYEVENTF_KEYUP : 0, 0);
}

// The key's button repaints in its new state's colour.
void SetHeld(HWND panel, KeyRepeatState& keys, int index, bool held)
{
    keys.held[index] = held;
    InvalidateRect(GetDlgItem(panel, keyTable[index].controlId), nullptr, FALSE);
}

void RestartKeyTimerIfAnyKeyHeld(HWND panel, const KeyRepeatState& keys)
{
    if (keys.AnyHeld()) SetTimer(panel, TIMER_KEYREPEAT, keys.interval, nullptr);
}

}  // namespace

void KeyStep(HWND panel, int commandId, KeyRepeatState& keys)
{
    KillTimer(panel, TIMER_KEYREPEAT);
    const int index = KeyIndexOfControl(commandId);
    if (index >= 0) {
        // The first key-down goes out at once, to whatever has the focus;
        // while the keys are let go for a pause, only the state changes.
        const bool hold = !keys.held[index];
        if (!keys.letGo) SendKeyEvent(keyTable[index].virtualKey, !hold);
        SetHeld(panel, keys, index, hold);
        if (!keys.AnyHeld()) keys.letGo = false;
    }
    RestartKeyTimerIfAnyKeyHeld(panel, keys);
}

void TakeKeyInterval(HWND panel, KeyRepeatState& keys)
{
    keys.interval = GetDlgItemInt(panel, IDC_KEY_INTERVAL, nullptr, FALSE);
    KillTimer(panel, TIMER_KEYREPEAT);
    RestartKeyTimerIfAnyKeyHeld(panel, keys);
}

void KeyRepeatTick(HWND panel, KeyRepeatState& keys)
{
    // After a pause the held keys go down again, and the next tick goes on.
    if (keys.letGo) {
        keys.letGo = false;
        for (int i = 0; i < KEY_COUNT; ++i) {
            if (keys.held[i]) SendKeyEvent(keyTable[i].virtualKey, false);
        }
        return;
    }
    // Table order: a held modifier's key-down comes before the other keys'.
    for (int i = 0; i < KEY_COUNT; ++i) {
        if (!keys.held[i]) continue;
        const std::uint8_t key = keyTable[i].virtualKey;
        if (GetKeyState(key) & 0x80) {
            SendKeyEvent(key, false);
        } else {
            SendKeyEvent(key, true);
            SetHeld(panel, keys, i, false);
        }
    }
}

void ReleaseAllKeys(HWND panel, KeyRepeatState& keys)
{
    for (int i = KEY_COUNT - 1; i >= 0; --i) {
        if (!keys.held[i]) continue;
        if (!keys.letGo) SendKeyEvent(keyTable[i].virtualKey, true);
        SetHeld(panel, keys, i, false);
    }
    keys.letGo = false;
}

void LetGoOfKeys(KeyRepeatState& keys)
{
    if (keys.letGo) return;
    for (int i = KEY_COUNT - 1; i >= 0; --i) {
        if (keys.held[i]) SendKeyEvent(keyTable[i].virtualKey, true);
    }
    keys.letGo = true;
}
