// Hotkeys as the program shows and edits them: the conversion between the
// RegisterHotKey modifier flags that a record holds and the flags of the
// hotkey control, and the caption of a hotkey button.
#pragma once
#include <cstdint>
#include <string>

// Flags of the hotkey control (the high byte of its value).
constexpr std::uint8_t HOTKEY_CONTROL_SHIFT = 1;
constexpr std::uint8_t HOTKEY_CONTROL_CONTROL = 2;
constexpr std::uint8_t HOTKEY_CONTROL_ALT = 4;
constexpr std::uint8_t HOTKEY_CONTROL_EXT = 8;  // has no modifier of its own: dropped

std::uint8_t HotkeyControlFlagsFromModifiers(std::uint32_t modifiers);
std::uint32_t ModifiersFromHotkeyControlFlags(std::uint8_t flags);

// The hotkey control's 16-bit value for a record, and back.
std::uint16_t HotkeyControlValue(std::uint32_t modifiers, std::uint32_t virtualKey);
void HotkeyFromControlValue(std::uint16_t value, std::uint32_t& modifiers,
                            std::uint32_t& virtualKey);

// Whether the key's name must be asked for with the extended-key bit: the
// right-hand Ctrl and Alt, the navigation block and the arrows.
bool KeyNameNeedsExtendedFlag(std::uint32_t virtualKey);

// "Ctrl + ", "Alt + ", "Shift + " in that order, then the key's name; the
// disabled caption when all of it is empty. The result fits a 64-byte buffer.
std::string ComposeHotkeyCaption(std::uint32_t modifiers, const std::string& keyName);

extern const char HOTKEY_DISABLED_CAPTION[];
