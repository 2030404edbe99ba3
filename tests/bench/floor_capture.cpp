// The least a capture of a window's client area to a BMP file does: one
// BitBlt of the client area into a 24-bit DIB section, then the file's
// headers and pixels written to a new file. It waits for the driver on a
// hidden window of the class "PlovFloorCapture", as the program waits for its
// command: message WM_APP with wParam n captures to folder\floor<n>.bmp and
// returns 1 when the file was written whole.
//
//   floor_capture.exe window-handle-in-hex folder
#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

// True when the file was written whole.
bool CaptureOnce(HWND window, const std::string& path)
{
    RECT client;
    GetClientRect(window, &client);
    const int width = client.right, height = client.bottom;
    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    const DWORD imageSize = stride * static_cast<DWORD>(height);

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biSizeImage = imageSize;

    HDC windowDc = GetDC(window);
    HDC memoryDc = CreateCompatibleDC(windowDc);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(windowDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memoryDc, bitmap);
    BitBlt(memoryDc, 0, 0, width, height, windowDc, 0, 0, SRCCOPY);
    ReleaseDC(window, windowDc);
    GdiFlush();

    BITMAPFILEHEADER header = {};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    header.bfSize = header.bfOffBits + imageSize;
    DWORD written = 0, total = 0;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        WriteFile(file, &header, sizeof header, &written, nullptr);
        total += written;
        WriteFile(file, &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr);
        total += written;
        WriteFile(file, bits, imageSize, &written, nullptr);
        total += written;
        CloseHandle(file);
    }

    SelectObject(memoryDc, previous);
    DeleteObject(bitmap);
    DeleteDC(memoryDc);
    return total == header.bfSize;
}

struct Source {
    HWND window = nullptr;
    std::string folder;
};

Source source;

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_APP:
        return CaptureOnce(source.window, source.folder + "\\floor" + std::to_string(wParam) + ".bmp");
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    if (__argc < 3) return 2;
    source.window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::strtoull(__argv[1], nullptr, 16)));
    source.folder = __argv[2];
    if (!IsWindow(source.window)) return 1;

    WNDCLASSA wc = {};
    wc.lpfnWndProc = FloorProc;
    wc.hInstance = instance;
    wc.lpszClassName = "PlovFloorCapture";
    if (!RegisterClassA(&wc)) return 1;
    if (!CreateWindowExA(0, wc.lpszClassName, "floor capture", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                         nullptr, nullptr, instance, nullptr)) {
        return 1;
    }
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}
