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

void CaptureForegroundWindow(HWND panel, std::string& imageFolder)
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

    ScopedWindowDC windowDc(window);
    if (!windowDc.get()) return;
    BYTE* bits = nullptr;
    ScopedMemoryDC memory(windowDc.get());
    ScopedGdiObject<HBITMAP> section(
        CreateCaptureSection(windowDc.get(), width, height, imageSize, &bits));
    if (!memory.get() || !section.get() || !bits) return;
    ScopedSelectObject select(memory.get(), section.get());
    BitBlt(memory.get(), 0, 0, width, height, windowDc.get(), 0, 0, SRCCOPY);
    windowDc.Release();
    GdiFlush();
    ClearRowPadding(bits, width, height);
    WriteNewBmpFile(directory, header, bits, imageSize);
}
