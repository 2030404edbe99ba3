#include "automation/key_buttons.h"

#include "app/colors.h"

void SendKeyEvent(std::uint8_t virtualKey, bool up)
{
    const auto scan = static_cast<BYTE>(MapVirtualKeyA(virtualKey, 0));
    keybd_event(virtualKey, scan, up ? KEYEVENTF_KEYUP : 0, 0);
}

KeyButton::~KeyButton()
{
    if (face == COLOR_ON) SendKeyEvent(virtualKey, true);
}

KeyButton* KeyButtons()
{
    static KeyButton keys[KEY_COUNT];
    return keys;
}

void AttachKeyButtons(HWND panel)
{
    KeyButton* keys = KeyButtons();
    for (int i = 0; i < KEY_COUNT; ++i) {
        keys[i].virtualKey = keyTable[i].virtualKey;
        keys[i].controlId = keyTable[i].controlId;
        AttachPanelControl(keys[i], panel, keyTable[i].controlId, COLOR_OFF, COLOR_BLACK);
    }
}
