#include "triggers/key_names.h"

#include <windows.h>

#include <cstring>

#include "core/triggers/hotkey_caption.h"

namespace {
char keyNameBuffer[32];
}

const char* FormatKeyName(std::uint32_t virtualKey)
{
    const UINT scan = MapVirtualKeyA(virtualKey, 0);
    LONG lParam = static_cast<LONG>(scan << 16);
    if (KeyNameNeedsExtendedFlag(virtualKey)) lParam |= 1L << 24;
    keyNameBuffer[0] = '\0';
    GetKeyNameTextA(lParam, keyNameBuffer, sizeof keyNameBuffer);
    return keyNameBuffer;
}

void FormatHotkeyCaption(std::uint32_t modifiers, std::uint32_t virtualKey, char (&caption)[64])
{
    // Modifiers without a key are no combination: the button says it is off.
    const std::string text =
        virtualKey == 0 ? ComposeHotkeyCaption(0, "")
                        : ComposeHotkeyCaption(modifiers, FormatKeyName(virtualKey));
    std::strncpy(caption, text.c_str(), sizeof caption - 1);
    caption[sizeof caption - 1] = '\0';
}
