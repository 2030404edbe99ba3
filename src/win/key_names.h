// Names of keys as the keyboard layout gives them, and hotkey captions.
#pragma once
#include <cstdint>
#include <string>

// The system's name of a virtual key (at most 31 characters; empty when the
// layout has none).
std::string FormatKeyName(std::uint32_t virtualKey);

// The caption of a hotkey button for a combination; a combination without a
// key is off.
std::string FormatHotkeyCaption(std::uint32_t modifiers, std::uint32_t virtualKey);
