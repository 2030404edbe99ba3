// Push buttons painted by the program: a face colour, a caption colour, a
// two-ring bevel shaded from the face, a sunken frame when pressed with the
// focus, an embossed caption when disabled. The colours come from whoever
// paints (the panel takes a toggle's face from its state); the button itself
// keeps none.
#pragma once
#include <windows.h>

// Paints the item of WM_DRAWITEM in these colours.
void DrawOwnerDrawButton(const DRAWITEMSTRUCT& item, COLORREF face, COLORREF text);

// The raised frame: `rings` rings shaded from the face colour.
void DrawBevel(HDC dc, const RECT& rect, COLORREF face, int rings);

// One line in its own one-pixel pen; the end point itself stays unpainted.
void DrawLineSegment(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour);
