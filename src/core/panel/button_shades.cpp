#include "core/panel/button_shades.h"

namespace {

template <typename F>
Colour PerChannel(Colour face, F shade)
{
    return MakeColour(shade(RedOf(face)), shade(GreenOf(face)), shade(BlueOf(face)));
}

}  // namespace

Colour BevelLightColour(Colour face, int ring, int rings)
{
    // From white on the outer ring towards the face colour on the inner ones.
    return PerChannel(face, [=](unsigned x) {
        return static_cast<unsigned>((255 * rings - ring * (255 - static_cast<int>(x))) / rings);
    });
}

Colour BevelDarkColour(Colour face, int ring, int rings)
{
    return PerChannel(face, [=](unsigned x) {
        return static_cast<unsigned>(((ring + 1) * static_cast<int>(x)) / (2 * rings));
    });
}

Colour PressedShadowColour(Colour face)
{
    return PerChannel(face, [](unsigned x) { return x / 2; });
}

Colour DisabledCaptionColour(Colour face)
{
    return PerChannel(face, [](unsigned x) { return x * 2 / 3; });
}
