// Names of keys as the keyboard layout gives them, and hotkey captions.
#pragma once
#include <cstdint>

// The system's name of a virtual key (at most 31 characters; empty when the
// layout has none). The text lives in one shared buffer until the next call.
const char* FormatKeyName(std::uint32_t virtualKey);

// The caption of a hotkey button for a combination.
void FormatHotkeyCaption(std::uint32_t modifiers, std::uint32_t virtualKey, char (&caption)[64]);
