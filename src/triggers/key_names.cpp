#include "triggers/key_names.h"

#include <windows.h>

#include <cstring>

#include "triggers/action_records.h"
#include "triggers/hotkey_caption.h"

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

void FormatHotkeyCaption(const ActionRecord& record, char caption[64])
{
    const std::string text = ComposeHotkeyCaption(record.modifiers, FormatKeyName(record.virtualKey));
    std::strncpy(caption, text.c_str(), 63);
    caption[63] = '\0';
}
