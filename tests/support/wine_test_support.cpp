#include "support/wine_test_support.h"

#include <cstdio>
#include <cstdlib>

void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

int WaitScale()
{
    static const int scale = [] {
        char text[16] = "";
        const DWORD length = GetEnvironmentVariableA("PLOV_WAIT_SCALE", text, sizeof text);
        const int value = length > 0 && length < sizeof text ? std::atoi(text) : 1;
        return value >= 1 ? value : 1;
    }();
    return scale;
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout * WaitScale();
    for (;;) {
        PumpMessages();
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

Canvas::Canvas(int width, int height, COLORREF fill)
    : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)), bits_(nullptr)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<const DWORD*>(bits);
    previous_ = SelectObject(dc_, bitmap_);
    HBRUSH brush = CreateSolidBrush(fill);
    RECT all = {0, 0, width, height};
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
}

Canvas::~Canvas()
{
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

COLORREF Canvas::Pixel(int x, int y) const
{
    GdiFlush();
    const DWORD bgr = bits_[y * width_ + x];  // 0x00RRGGBB in memory order B, G, R
    return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
}

int Canvas::Count(COLORREF colour) const
{
    int n = 0;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            if (Pixel(x, y) == colour) ++n;
    return n;
}

std::string WindowsPathOf(const std::string& path)
{
    if (path.empty() || path[0] != '/') return path;
    std::string result = "Z:" + path;
    for (char& c : result)
        if (c == '/') c = '\\';
    return result;
}

std::string ColourText(COLORREF c)
{
    char text[32];
    std::snprintf(text, sizeof text, "RGB(%u,%u,%u)", GetRValue(c), GetGValue(c), GetBValue(c));
    return text;
}

void SettleDesktop()
{
    HWND window = CreateWindowExA(0, "STATIC", "settle", WS_POPUP | WS_VISIBLE, 0, 0, 64, 64,
                                  nullptr, nullptr, nullptr, nullptr);
    const POINT spot = {32, 32};
    auto stable = std::chrono::steady_clock::now();
    WaitUntil(
        [&] {
            POINT now;
            GetCursorPos(&now);
            if (now.x != spot.x || now.y != spot.y) {
                SetCursorPos(spot.x, spot.y);
                stable = std::chrono::steady_clock::now();
            }
            return std::chrono::steady_clock::now() - stable > std::chrono::milliseconds(500);
        },
        std::chrono::seconds(5));
    DestroyWindow(window);
    PumpMessages();
}
