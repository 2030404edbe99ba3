// The panel's hatched background and the colours of its static controls.
#pragma once
#include <windows.h>

// An 8 by 8 pattern brush: diagonal hatch lines on the panel colour.
HBRUSH CreatePanelBackgroundBrush();

// Answers a control-colour message: black text on the panel colour, painted
// over the background brush.
INT_PTR PanelControlColour(HDC dc, HBRUSH background);
