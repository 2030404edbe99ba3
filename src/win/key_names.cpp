#include "win/key_names.h"

#include <windows.h>

#include "core/triggers/hotkey_caption.h"

std::string FormatKeyName(std::uint32_t virtualKey)
{
    const UINT scan = MapVirtualKeyA(virtualKey, 0);
    LONG lParam = static_cast<LONG>(scan << 16);
    if (KeyNameNeedsExtendedFlag(virtualKey)) lParam |= 1L << 24;
    char name[32] = "";
    GetKeyNameTextA(lParam, name, sizeof name);
    return name;
}

std::string FormatHotkeyCaption(std::uint32_t modifiers, std::uint32_t virtualKey)
{
    // Modifiers without a key are no combination: the button says it is off.
    return virtualKey == 0 ? ComposeHotkeyCaption(0, "")
                           : ComposeHotkeyCaption(modifiers, FormatKeyName(virtualKey));
}
