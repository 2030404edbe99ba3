#include "capture/window_capture.h"

#include <shlwapi.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "capture/image_folder.h"
#include "core/capture/bmp_header.h"
#include "core/capture/image_file_name.h"
#include "core/capture/image_folder_text.h"
#include "win/scoped.h"

namespace {

#ifndef PW_RENDERFULLCONTENT
#define PW_RENDERFULLCONTENT 0x00000002
#endif

// A bottom-up 24-bit section laid out exactly as the file's pixel rows.
HBITMAP CreateCaptureSection(HDC windowDc, LONG width, LONG height, DWORD imageSize, BYTE** bits)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // positive: the bottom row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biSizeImage = imageSize;
    void* section = nullptr;
    HBITMAP bitmap = CreateDIBSection(windowDc, &info, DIB_RGB_COLORS, &section, nullptr, 0);
    *bits = static_cast<BYTE*>(section);
    return bitmap;
}

// The bytes between a row's last pixel and the stride are zero in the file,
// whatever the copy left there.
void ClearRowPadding(BYTE* bits, LONG width, LONG height)
{
    const std::size_t stride = static_cast<std::size_t>(BmpRowStride(width));
    const std::size_t pixelBytes = static_cast<std::size_t>(width) * 3;
    if (stride == pixelBytes) return;
    for (LONG row = 0; row < height; ++row)
        std::memset(bits + static_cast<std::size_t>(row) * stride + pixelBytes, 0, stride - pixelBytes);
}

bool AllBlack(const BYTE* bits, LONG width, LONG height)
{
    const std::size_t stride = static_cast<std::size_t>(BmpRowStride(width));
    const std::size_t pixelBytes = static_cast<std::size_t>(width) * 3;
    for (LONG row = 0; row < height; ++row) {
        const BYTE* line = bits + static_cast<std::size_t>(row) * stride;
        if (std::any_of(line, line + pixelBytes, [](BYTE b) { return b != 0; })) return false;
    }
    return true;
}

// The client area into `memory` (its section `bits`). A window drawn with
// Direct3D or OpenGL, or presented in flip model, reads as black from its
// own device context: a copy that comes out all black is taken again as the
// window manager composes the window (Windows 8.1 and later), then from the
// screen where the client area is while the window is still in front. A
// window that really shows black is saved black.
void CopyClientArea(const DesktopRules& desktop, HWND window, HDC memory, BYTE* bits, LONG width,
                    LONG height)
{
    desktop.CopyFromWindow(window, memory, width, height);
    GdiFlush();
    if (!AllBlack(bits, width, height)) return;
    if (PrintWindow(window, memory, PW_CLIENTONLY | PW_RENDERFULLCONTENT)) {
        GdiFlush();
        if (!AllBlack(bits, width, height)) return;
    }
    if (GetForegroundWindow() != window) return;
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    ScopedWindowDC screen(nullptr);
    if (!screen.get()) return;
    BitBlt(memory, 0, 0, width, height, screen.get(), origin.x, origin.y, SRCCOPY);
    screen.Release();
    GdiFlush();
}

// A name taken by another program between the search and the creation is
// searched past: a capture never replaces a file.
constexpr int CREATE_ATTEMPTS = 16;

bool WriteWhole(HANDLE file, const void* bytes, DWORD size)
{
    DWORD written = 0;
    return WriteFile(file, bytes, size, &written, nullptr) && written == size;
}

// Creates the next free numbered file of the directory, which must not
// exist yet, and writes the image into it whole; a file that could not be
// written whole (a full disk) is removed again. False when no image file is
// left behind.
bool WriteNewBmpFile(const std::string& directory, const BmpHeaderBytes& header,
                     const BYTE* pixels, DWORD imageSize)
{
    std::vector<std::string> lost;  // names taken since they were found free
    for (int attempt = 0; attempt < CREATE_ATTEMPTS; ++attempt) {
        const std::string path = FindFreeImagePath(directory, [&](const std::string& name) {
            return PathFileExistsA(name.c_str()) != FALSE ||
                   std::find(lost.begin(), lost.end(), name) != lost.end();
        });
        if (path.empty()) return false;
        ScopedHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid()) {
            if (GetLastError() != ERROR_FILE_EXISTS) return false;
            lost.push_back(path);
            continue;
        }
        const bool whole =
            WriteWhole(file.get(), header.data(), BMP_FILE_HEADER_BYTES) &&
            WriteWhole(file.get(), header.data() + BMP_FILE_HEADER_BYTES, BMP_INFO_HEADER_BYTES) &&
            WriteWhole(file.get(), pixels, imageSize);
        // A file whose header promises bytes it does not hold is no image.
        if (!file.Close() || !whole) {
            DeleteFileA(path.c_str());
            return false;
        }
        return true;
    }
    return false;
}

}  // namespace

void CaptureForegroundWindow(const DesktopRules& desktop, HWND panel, std::string& imageFolder)
{
    // Taken first: what the user looked at when the command came.
    HWND window = GetForegroundWindow();
    if (!window) return;
    const std::string directory = ImageDirectory(ResolveImageFolder(panel, imageFolder));

    RECT client;
    if (!GetClientRect(window, &client)) return;
    const LONG width = client.right - client.left;
    const LONG height = client.bottom - client.top;
    BmpHeaderBytes header;
    if (!MakeBmpHeader(width, height, header)) return;  // empty, or too large for the file
    const auto imageSize = static_cast<DWORD>(BmpImageSize(width, height));

    BYTE* bits = nullptr;
    ScopedMemoryDC memory(nullptr);
    ScopedGdiObject<HBITMAP> section(CreateCaptureSection(nullptr, width, height, imageSize, &bits));
    if (!memory.get() || !section.get() || !bits) return;
    ScopedSelectObject select(memory.get(), section.get());
    CopyClientArea(desktop, window, memory.get(), bits, width, height);
    ClearRowPadding(bits, width, height);
    WriteNewBmpFile(directory, header, bits, imageSize);
}
