#include "support/pattern_window.h"

#include <vector>

#include "support/wine_test_support.h"

namespace {

const char PREVIOUS_PROC[] = "PlovPatternPrevious";

}  // namespace

COLORREF PatternWindow::Colour(int x, int y)
{
    return RGB((x * 5 + y) & 0xFF, (y * 3 + 17) & 0xFF, (x ^ (y * 7)) & 0xFF);
}

PatternWindow::PatternWindow(const char* title, int x, int y, int clientWidth, int clientHeight)
    : window_(new TestWindow(title, x, y, clientWidth + 40, clientHeight + 60))
{
    HWND window = window_->handle();
    // Grow or shrink the frame by what the client area is off.
    RECT outer, client;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    SetWindowPos(window, nullptr, 0, 0,
                 (outer.right - outer.left) + clientWidth - client.right,
                 (outer.bottom - outer.top) + clientHeight - client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER);
    SetPropA(window, PREVIOUS_PROC,
             reinterpret_cast<HANDLE>(GetWindowLongPtrA(window, GWLP_WNDPROC)));
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc));
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
    PumpMessages();
}

PatternWindow::~PatternWindow()
{
    HWND window = window_->handle();
    if (IsWindow(window)) {
        SetWindowLongPtrA(window, GWLP_WNDPROC,
                          reinterpret_cast<LONG_PTR>(GetPropA(window, PREVIOUS_PROC)));
        RemovePropA(window, PREVIOUS_PROC);
    }
}

SIZE PatternWindow::ClientSize() const
{
    RECT client;
    GetClientRect(window_->handle(), &client);
    return SIZE{client.right, client.bottom};
}

bool PatternWindow::ShownOnScreen() const
{
    const SIZE size = ClientSize();
    POINT origin = {0, 0};
    ClientToScreen(window_->handle(), &origin);
    Canvas copy(size.cx, size.cy);
    HDC screen = GetDC(nullptr);
    BitBlt(copy.dc(), 0, 0, size.cx, size.cy, screen, origin.x, origin.y, SRCCOPY);
    ReleaseDC(nullptr, screen);
    for (int y = 0; y < size.cy; ++y) {
        for (int x = 0; x < size.cx; ++x) {
            if (copy.Pixel(x, y) != Colour(x, y)) return false;
        }
    }
    return true;
}

LRESULT CALLBACK PatternWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ERASEBKGND) return 1;  // the paint covers everything
    if (message == WM_PAINT) {
        RECT client;
        GetClientRect(window, &client);
        const int width = client.right, height = client.bottom;
        std::vector<DWORD> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const COLORREF c = Colour(x, y);
                pixels[static_cast<size_t>(y) * width + x] =
                    (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
            }
        }
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        SetDIBitsToDevice(dc, 0, 0, width, height, 0, 0, 0, height, pixels.data(), &info,
                          DIB_RGB_COLORS);
        EndPaint(window, &paint);
        return 0;
    }
    auto previous = reinterpret_cast<WNDPROC>(GetPropA(window, PREVIOUS_PROC));
    return CallWindowProcA(previous, window, message, wParam, lParam);
}
