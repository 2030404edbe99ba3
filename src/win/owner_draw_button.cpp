#include "win/owner_draw_button.h"

#include "core/panel/button_shades.h"
#include "win/scoped.h"

void DrawLineSegment(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour)
{
    ScopedGdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, colour));
    ScopedSelectObject select(dc, pen.get());
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

void DrawBevel(HDC dc, const RECT& rect, COLORREF face, int rings)
{
    for (int i = 0; i < rings; ++i) {
        const COLORREF light = BevelLightColour(face, i, rings);
        const COLORREF dark = BevelDarkColour(face, i, rings);
        DrawLineSegment(dc, rect.left + i, rect.top + i, rect.right - i, rect.top + i, light);
        DrawLineSegment(dc, rect.left + i, rect.top + i, rect.left + i, rect.bottom - i, light);
        DrawLineSegment(dc, rect.left + i + 1, rect.bottom - i - 1, rect.right - i,
                        rect.bottom - i - 1, dark);
        DrawLineSegment(dc, rect.right - i - 1, rect.top + i + 1, rect.right - i - 1,
                        rect.bottom - i, dark);
    }
}

namespace {

void DrawPressedFrame(HDC dc, const RECT& r, COLORREF face)
{
    const COLORREF shadow = PressedShadowColour(face);
    DrawLineSegment(dc, r.left, r.top, r.right, r.top, shadow);
    DrawLineSegment(dc, r.left, r.top, r.left, r.bottom, shadow);
    DrawLineSegment(dc, r.left + 1, r.bottom - 1, r.right, r.bottom - 1, RGB(255, 255, 255));
    DrawLineSegment(dc, r.right - 1, r.top + 1, r.right - 1, r.bottom, RGB(255, 255, 255));
}

// The face's frame: raised, or sunken while pressed with the focus, with the
// focus rectangle inside it.
void DrawFrame(HDC dc, const RECT& rect, COLORREF face, UINT state)
{
    if (!(state & ODS_FOCUS)) {
        // A pressed button without the focus still looks raised.
        DrawBevel(dc, rect, face, 2);
        return;
    }
    RECT focus = rect;
    if (state & ODS_SELECTED) {
        DrawPressedFrame(dc, rect, face);
        InflateRect(&focus, -1, -1);
    } else {
        DrawBevel(dc, rect, face, 2);
        InflateRect(&focus, -2, -2);
    }
    DrawFocusRect(dc, &focus);
}

}  // namespace

void DrawOwnerDrawButton(const DRAWITEMSTRUCT& item, COLORREF face, COLORREF text)
{
    HWND button = item.hwndItem;
    HDC dc = item.hDC;
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0));
    ScopedGdiObject<HBRUSH> faceBrush(CreateSolidBrush(face));
    char caption[255];
    GetWindowTextA(button, caption, sizeof caption);
    RECT rect;
    GetClientRect(button, &rect);
    ScopedSelectObject selectFont(dc, font);
    SetBkMode(dc, TRANSPARENT);

    FillRect(dc, &rect, faceBrush.get());
    DrawFrame(dc, rect, face, item.itemState);

    const UINT textFlags = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
    COLORREF captionColour = text;
    if (item.itemState & ODS_DISABLED) {
        RECT embossed = rect;
        OffsetRect(&embossed, 1, 1);
        SetTextColor(dc, RGB(255, 255, 255));
        DrawTextA(dc, caption, -1, &embossed, textFlags);
        captionColour = DisabledCaptionColour(face);
    }
    SetTextColor(dc, captionColour);
    DrawTextA(dc, caption, -1, &rect, textFlags);
}
