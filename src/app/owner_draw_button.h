// A push button of the panel painted by the program: a face colour (which for
// the toggles is also their on/off state), a caption colour, a two-ring bevel.
#pragma once
#include <windows.h>

struct OwnerDrawButton {
    HWND window = nullptr;
    COLORREF face = 0;
    COLORREF text = 0;
};

// The whole style of an attached control: child, visible, owner-drawn.
constexpr LONG OWNER_DRAW_BUTTON_STYLE = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW;
static_assert(OWNER_DRAW_BUTTON_STYLE == 0x5000000B);

// Binds the object to the control and makes the control owner-drawn (its tab
// stop goes with the old style).
bool AttachOwnerDrawButton(OwnerDrawButton& button, HWND control);

// Attaches the panel's control `id` and gives the button its colours.
void AttachPanelControl(OwnerDrawButton& button, HWND panel, int id, COLORREF face,
                        COLORREF text);

// Paints the button when `item` is about its window; false when it is not.
bool DrawOwnerDrawButton(const OwnerDrawButton& button, const DRAWITEMSTRUCT& item);

// The raised frame: `rings` rings shaded from the face colour.
void DrawBevel(const OwnerDrawButton& button, HDC dc, const RECT& rect, int rings);

// One line in its own one-pixel pen; the end point itself stays unpainted.
void DrawLineSegment(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour);

// Sets a toggle's face colour and has the control repainted.
void SetButtonFace(OwnerDrawButton& button, COLORREF face);
