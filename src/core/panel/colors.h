// Colours of the panel and its buttons, as 0x00BBGGRR values (the layout of a
// Windows COLORREF), kept free of <windows.h> so the arithmetic on them can be
// tested anywhere.
#pragma once
#include <cstdint>

using Colour = std::uint32_t;

constexpr Colour MakeColour(unsigned r, unsigned g, unsigned b)
{
    return (r & 0xFFu) | ((g & 0xFFu) << 8) | ((b & 0xFFu) << 16);
}
constexpr unsigned RedOf(Colour c) { return c & 0xFFu; }
constexpr unsigned GreenOf(Colour c) { return (c >> 8) & 0xFFu; }
constexpr unsigned BlueOf(Colour c) { return (c >> 16) & 0xFFu; }

constexpr Colour COLOR_PANEL = MakeColour(242, 235, 216);  // panel, frame, command buttons
constexpr Colour COLOR_OFF = MakeColour(190, 202, 220);    // a toggle that is off
constexpr Colour COLOR_ON = MakeColour(251, 215, 223);     // a toggle that is on
constexpr Colour COLOR_HATCH = MakeColour(226, 220, 202);  // lines of the background pattern
constexpr Colour COLOR_BLACK = 0;
constexpr Colour COLOR_WHITE = MakeColour(255, 255, 255);

static_assert(COLOR_PANEL == 0x00D8EBF2u);
static_assert(COLOR_OFF == 0x00DCCABEu);
static_assert(COLOR_ON == 0x00DFD7FBu);
