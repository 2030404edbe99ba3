#include "app/owner_draw_button.h"

#include "app/button_shades.h"
#include "app/scoped_gdi.h"

bool AttachOwnerDrawButton(OwnerDrawButton& button, HWND control)
{
    button.window = control;
    SetWindowLongPtrA(control, GWL_STYLE, OWNER_DRAW_BUTTON_STYLE);
    return true;
}

void AttachPanelControl(OwnerDrawButton& button, HWND panel, int id, COLORREF face,
                        COLORREF text)
{
    AttachOwnerDrawButton(button, GetDlgItem(panel, id));
    button.face = face;
    button.text = text;
}

void DrawLineSegment(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour)
{
    ScopedGdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, colour));
    ScopedSelectObject select(dc, pen.get());
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

void DrawBevel(const OwnerDrawButton& button, HDC dc, const RECT& rect, int rings)
{
    for (int i = 0; i < rings; ++i) {
        const COLORREF light = BevelLightColour(button.face, i, rings);
        const COLORREF dark = BevelDarkColour(button.face, i, rings);
        DrawLineSegment(dc, rect.left + i, rect.top + i, rect.right - i, rect.top + i, light);
        DrawLineSegment(dc, rect.left + i, rect.top + i, rect.left + i, rect.bottom - i, light);
        DrawLineSegment(dc, rect.left + i + 1, rect.bottom - i - 1, rect.right - i,
                        rect.bottom - i - 1, dark);
        DrawLineSegment(dc, rect.right - i - 1, rect.top + i + 1, rect.right - i - 1,
                        rect.bottom - i, dark);
    }
}

namespace {

void DrawPressedFrame(const OwnerDrawButton& button, HDC dc, const RECT& r)
{
    const COLORREF shadow = PressedShadowColour(button.face);
    DrawLineSegment(dc, r.left, r.top, r.right, r.top, shadow);
    DrawLineSegment(dc, r.left, r.top, r.left, r.bottom, shadow);
    DrawLineSegment(dc, r.left + 1, r.bottom - 1, r.right, r.bottom - 1, RGB(255, 255, 255));
    DrawLineSegment(dc, r.right - 1, r.top + 1, r.right - 1, r.bottom, RGB(255, 255, 255));
}

}  // namespace

bool DrawOwnerDrawButton(const OwnerDrawButton& button, const DRAWITEMSTRUCT& item)
{
    if (item.hwndItem != button.window) return false;

    HDC dc = item.hDC;
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(button.window, WM_GETFONT, 0, 0));
    ScopedGdiObject<HBRUSH> faceBrush(CreateSolidBrush(button.face));
    char caption[255];
    GetWindowTextA(button.window, caption, sizeof caption);
    RECT rect;
    GetClientRect(button.window, &rect);
    ScopedSelectObject selectFont(dc, font);
    SetBkMode(dc, TRANSPARENT);

    if (item.itemState & ODS_FOCUS) {
        FillRect(dc, &rect, faceBrush.get());
        RECT focus = rect;
        if (item.itemState & ODS_SELECTED) {
            DrawPressedFrame(button, dc, rect);
            InflateRect(&focus, -1, -1);
        } else {
            DrawBevel(button, dc, rect, 2);
            InflateRect(&focus, -2, -2);
        }
        DrawFocusRect(dc, &focus);
    } else {
        // A pressed button without the focus still looks raised.
        FillRect(dc, &rect, faceBrush.get());
        DrawBevel(button, dc, rect, 2);
    }

    const UINT textFlags = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
    COLORREF captionColour = button.text;
    if (item.itemState & ODS_DISABLED) {
        RECT embossed = rect;
        OffsetRect(&embossed, 1, 1);
        SetTextColor(dc, RGB(255, 255, 255));
        DrawTextA(dc, caption, -1, &embossed, textFlags);
        captionColour = DisabledCaptionColour(button.face);
    }
    SetTextColor(dc, captionColour);
    DrawTextA(dc, caption, -1, &rect, textFlags);
    return true;
}

void SetButtonFace(OwnerDrawButton& button, COLORREF face)
{
    button.face = face;
    InvalidateRect(button.window, nullptr, TRUE);
}
