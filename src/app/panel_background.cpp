#include "app/panel_background.h"

#include <cstring>

#include "core/panel/colors.h"
#include "core/panel/hatch_pattern.h"

namespace {

struct PatternBitmap {
    BITMAPINFOHEADER header;
    RGBQUAD colours[2];
    DWORD rows[HATCH_SIZE];  // one byte of pixels per row, padded to four
};

RGBQUAD ToQuad(Colour c)
{
    RGBQUAD q;
    q.rgbRed = static_cast<BYTE>(RedOf(c));
    q.rgbGreen = static_cast<BYTE>(GreenOf(c));
    q.rgbBlue = static_cast<BYTE>(BlueOf(c));
    q.rgbReserved = 0;
    return q;
}

}  // namespace

HBRUSH CreatePanelBackgroundBrush()
{
    PatternBitmap pattern;
    std::memset(&pattern, 0, sizeof pattern);
    pattern.header.biSize = sizeof(BITMAPINFOHEADER);
    pattern.header.biWidth = HATCH_SIZE;
    pattern.header.biHeight = HATCH_SIZE;  // positive: bottom row first
    pattern.header.biPlanes = 1;
    pattern.header.biBitCount = 1;
    pattern.header.biCompression = BI_RGB;
    pattern.header.biSizeImage = 64;
    pattern.header.biClrUsed = 2;
    pattern.header.biClrImportant = 2;
    pattern.colours[0] = ToQuad(COLOR_PANEL);
    pattern.colours[1] = ToQuad(COLOR_HATCH);
    for (int row = 0; row < HATCH_SIZE; ++row) pattern.rows[row] = hatchRowsBottomUp[row];
    return CreateDIBPatternBrushPt(&pattern, DIB_RGB_COLORS);
}

INT_PTR PanelControlColour(HDC dc, HBRUSH background)
{
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, COLOR_PANEL);
    return reinterpret_cast<INT_PTR>(background);
}
