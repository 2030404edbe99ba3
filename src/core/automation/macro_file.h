// The macro files em0 to em2: headerless sequences of 12-byte samples, one per
// tick of the recording. A sample is cursor x and y (signed 32-bit,
// little-endian) at offsets 0 and 4, the left and right buttons (1 down, 0 up)
// at 8 and 9, and two bytes of padding, written as zeros, at 10 and 11.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/settings/settings_counts.h"

constexpr std::size_t MACRO_SAMPLE_BYTES = 12;

struct MacroSample {
    std::int32_t x = 0;  // screen pixels
    std::int32_t y = 0;
    bool left = false;   // button down
    bool right = false;
};

using MacroSampleBytes = std::array<std::uint8_t, MACRO_SAMPLE_BYTES>;

MacroSampleBytes EncodeMacroSample(const MacroSample& sample);

// Any non-zero button byte reads as down; the padding is not looked at.
MacroSample DecodeMacroSample(const MacroSampleBytes& bytes);

// Every whole sample of a file's contents, in order. A trailing piece shorter
// than a sample ends the file; an empty file holds no samples. data may be
// null when size is 0.
std::vector<MacroSample> DecodeMacroFile(const std::uint8_t* data, std::size_t size);
