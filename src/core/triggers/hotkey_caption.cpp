#include "core/triggers/hotkey_caption.h"

#include "core/triggers/action_table.h"

const char HOTKEY_DISABLED_CAPTION[] = "ﾎｯﾄｷｰ：無効";

namespace {
constexpr std::size_t CAPTION_BUFFER = 64;
}

std::uint8_t HotkeyControlFlagsFromModifiers(std::uint32_t modifiers)
{
    std::uint8_t flags = 0;
    if (modifiers & HOTKEY_MOD_ALT) flags |= HOTKEY_CONTROL_ALT;
    if (modifiers & HOTKEY_MOD_CONTROL) flags |= HOTKEY_CONTROL_CONTROL;
    if (modifiers & HOTKEY_MOD_SHIFT) flags |= HOTKEY_CONTROL_SHIFT;
    return flags;
}

std::uint32_t ModifiersFromHotkeyControlFlags(std::uint8_t flags)
{
    std::uint32_t modifiers = 0;
    if (flags & HOTKEY_CONTROL_ALT) modifiers = HOTKEY_MOD_ALT;
    if (flags & HOTKEY_CONTROL_CONTROL) modifiers |= HOTKEY_MOD_CONTROL;
    if (flags & HOTKEY_CONTROL_SHIFT) modifiers |= HOTKEY_MOD_SHIFT;
    return modifiers;
}

std::uint16_t HotkeyControlValue(std::uint32_t modifiers, std::uint32_t virtualKey)
{
    return static_cast<std::uint16_t>((virtualKey & 0xFFu) |
                                      (HotkeyControlFlagsFromModifiers(modifiers) << 8));
}

void HotkeyFromControlValue(std::uint16_t value, std::uint32_t& modifiers,
                            std::uint32_t& virtualKey)
{
    modifiers = ModifiersFromHotkeyControlFlags(static_cast<std::uint8_t>(value >> 8));
    virtualKey = value & 0xFFu;
}

bool KeyNameNeedsExtendedFlag(std::uint32_t virtualKey)
{
    switch (virtualKey) {
    case 0xA3:  // right Ctrl
    case 0xA5:  // right Alt
    case 0x21: case 0x22: case 0x23: case 0x24:  // PgUp, PgDn, End, Home
    case 0x25: case 0x26: case 0x27: case 0x28:  // arrows
    case 0x2D: case 0x2E:                        // Insert, Delete
        return true;
    default:
        return false;
    }
}

std::string ComposeHotkeyCaption(std::uint32_t modifiers, const std::string& keyName)
{
    std::string caption;
    if (modifiers & HOTKEY_MOD_CONTROL) caption += "Ctrl + ";
    if (modifiers & HOTKEY_MOD_ALT) caption += "Alt + ";
    if (modifiers & HOTKEY_MOD_SHIFT) caption += "Shift + ";
    caption += keyName;
    if (caption.empty()) return HOTKEY_DISABLED_CAPTION;
    if (caption.size() > CAPTION_BUFFER - 1) caption.resize(CAPTION_BUFFER - 1);
    return caption;
}
