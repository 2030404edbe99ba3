// The shades an owner-drawn button derives from its face colour: the rings of
// the raised bevel, the shadow of the pressed frame and the embossed caption
// of a disabled button.
#pragma once
#include "core/panel/colors.h"

// Ring 0 is the outermost of `rings` rings.
Colour BevelLightColour(Colour face, int ring, int rings);
Colour BevelDarkColour(Colour face, int ring, int rings);
// Top and left edge of a pressed button: each channel of the face halved.
Colour PressedShadowColour(Colour face);
// Caption of a disabled button: each channel two thirds of the face.
Colour DisabledCaptionColour(Colour face);
