// The 81 key objects of the on-screen keyboard, in key-table order.
#pragma once
#include <cstdint>

#include "app/owner_draw_button.h"
#include "automation/key_table.h"

struct KeyButton : OwnerDrawButton {
    std::uint8_t virtualKey = 0;
    int controlId = 0;

    KeyButton() = default;
    // A key that is still on when the process ends is released, so no key is
    // ever left held down in the game.
    ~KeyButton();
    KeyButton(const KeyButton&) = delete;
    KeyButton& operator=(const KeyButton&) = delete;
};

// The array lives from the first call until process exit.
KeyButton* KeyButtons();

// Fills every key from the key table and attaches it to its button, off.
void AttachKeyButtons(HWND panel);

// Sends one key event the way every key step and tick does.
void SendKeyEvent(std::uint8_t virtualKey, bool up);
