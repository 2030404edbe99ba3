#include "automation/key_repeat.h"

#include "app/colors.h"
#include "app/panel_messages.h"
#include "automation/key_buttons.h"
#include "res/resource.h"

namespace {

void SetKeyFace(KeyButton& key, COLORREF face)
{
    key.face = face;
    key.text = COLOR_BLACK;
    InvalidateRect(key.window, nullptr, FALSE);
}

bool AnyKeyOn()
{
    const KeyButton* keys = KeyButtons();
    for (int i = 0; i < KEY_COUNT; ++i) {
        if (keys[i].face == COLOR_ON) return true;
    }
    return false;
}

void RestartKeyTimerIfAnyKeyOn(HWND panel)
{
    if (AnyKeyOn()) {
        SetTimer(panel, TIMER_KEYREPEAT, GetDlgItemInt(panel, IDC_KEY_INTERVAL, nullptr, FALSE),
                 nullptr);
    }
}

}  // namespace

void KeyStep(HWND panel, int commandId)
{
    KillTimer(panel, TIMER_KEYREPEAT);
    KeyButton* keys = KeyButtons();
    for (int i = 0; i < KEY_COUNT; ++i) {
        KeyButton& key = keys[i];
        if (key.controlId != commandId) continue;
        // The first key-down goes out at once, to whatever has the focus.
        if (key.face == COLOR_OFF) {
            SendKeyEvent(key.virtualKey, false);
            SetKeyFace(key, COLOR_ON);
        } else {
            SendKeyEvent(key.virtualKey, true);
            SetKeyFace(key, COLOR_OFF);
        }
        break;
    }
    RestartKeyTimerIfAnyKeyOn(panel);
}

void KeyIntervalChanged(HWND panel)
{
    KillTimer(panel, TIMER_KEYREPEAT);
    RestartKeyTimerIfAnyKeyOn(panel);
}

void KeyRepeatTick()
{
    // Table order: a held modifier's key-down comes before the other keys'.
    KeyButton* keys = KeyButtons();
    for (int i = 0; i < KEY_COUNT; ++i) {
        KeyButton& key = keys[i];
        if (key.face != COLOR_ON) continue;
        if (GetKeyState(key.virtualKey) & 0x80) {
            SendKeyEvent(key.virtualKey, false);
        } else {
            SendKeyEvent(key.virtualKey, true);
            SetKeyFace(key, COLOR_OFF);
        }
    }
}

void ReleaseAllKeys()
{
    KeyButton* keys = KeyButtons();
    for (int i = KEY_COUNT - 1; i >= 0; --i) {
        if (keys[i].face != COLOR_ON) continue;
        SendKeyEvent(keys[i].virtualKey, true);
        SetKeyFace(keys[i], COLOR_OFF);
    }
}
