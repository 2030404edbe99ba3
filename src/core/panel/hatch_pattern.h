// The panel's background: an 8 by 8, one bit per pixel pattern, bottom row
// first, each row padded to four bytes. Colour 0 is the panel colour and
// colour 1 the hatch colour, so the set bits draw a one-pixel diagonal that
// rises from bottom left to top right every eight pixels.
#pragma once
#include <cstdint>

constexpr int HATCH_SIZE = 8;
constexpr std::uint8_t hatchRowsBottomUp[HATCH_SIZE] = {0x80, 0x40, 0x20, 0x10,
                                                        0x08, 0x04, 0x02, 0x01};

// Whether the pixel at (x, y), y counted from the top, is a hatch pixel.
constexpr bool IsHatchPixel(int x, int y)
{
    const int row = HATCH_SIZE - 1 - (y % HATCH_SIZE);
    return (hatchRowsBottomUp[row] & (0x80 >> (x % HATCH_SIZE))) != 0;
}
