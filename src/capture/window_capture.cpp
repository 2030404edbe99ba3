#include "capture/window_capture.h"

#include <shlwapi.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "capture/bmp_header.h"
#include "capture/image_file_name.h"
#include "capture/image_folder.h"
#include "capture/image_folder_text.h"
#include "res/resource.h"

static_assert(sizeof(BITMAPFILEHEADER) == BMP_FILE_HEADER_BYTES);
static_assert(sizeof(BITMAPINFOHEADER) == BMP_INFO_HEADER_BYTES);

namespace {

// The pixels of one capture: a memory context holding a bottom-up 24-bit
// section laid out exactly as the file's pixel rows. Everything it holds is
// given back when the capture ends.
class CaptureBitmap {
public:
    CaptureBitmap(HDC windowDc, LONG width, LONG height, DWORD imageSize)
        : memoryDc_(CreateCompatibleDC(windowDc))
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = height;  // positive: the bottom row first
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        info.bmiHeader.biCompression = BI_RGB;
        info.bmiHeader.biSizeImage = imageSize;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(windowDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<BYTE*>(bits);
        if (memoryDc_ && bitmap_) previous_ = SelectObject(memoryDc_, bitmap_);
    }
    ~CaptureBitmap()
    {
        if (previous_) SelectObject(memoryDc_, previous_);
        if (bitmap_) DeleteObject(bitmap_);
        if (memoryDc_) DeleteDC(memoryDc_);
    }
    CaptureBitmap(const CaptureBitmap&) = delete;
    CaptureBitmap& operator=(const CaptureBitmap&) = delete;

    bool usable() const { return memoryDc_ && bitmap_ && bits_ && previous_; }
    HDC dc() const { return memoryDc_; }
    BYTE* bits() const { return bits_; }

private:
    HDC memoryDc_;
    HBITMAP bitmap_ = nullptr;
    BYTE* bits_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

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
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            if (GetLastError() != ERROR_FILE_EXISTS) return false;
            lost.push_back(path);
            continue;
        }
        const bool whole =
            WriteWhole(file, header.data(), BMP_FILE_HEADER_BYTES) &&
            WriteWhole(file, header.data() + BMP_FILE_HEADER_BYTES, BMP_INFO_HEADER_BYTES) &&
            WriteWhole(file, pixels, imageSize);
        // A file whose header promises bytes it does not hold is no image.
        if (!CloseHandle(file) || !whole) {
            DeleteFileA(path.c_str());
            return false;
        }
        return true;
    }
    return false;
}

}  // namespace

void CaptureForegroundWindow(HWND panel)
{
    // Taken first: what the user looked at when the command came.
    HWND window = GetForegroundWindow();
    if (!window) return;
    const std::string directory = ImageDirectory(ResolveImageFolder(GetDlgItem(panel, IDC_IMAGE_FOLDER)));

    RECT client;
    if (!GetClientRect(window, &client)) return;
    const LONG width = client.right - client.left;
    const LONG height = client.bottom - client.top;
    BmpHeaderBytes header;
    if (!MakeBmpHeader(width, height, header)) return;  // empty, or too large for the file
    const auto imageSize = static_cast<DWORD>(BmpImageSize(width, height));

    HDC windowDc = GetDC(window);
    if (!windowDc) return;
    CaptureBitmap bitmap(windowDc, width, height, imageSize);
    if (!bitmap.usable()) {
        ReleaseDC(window, windowDc);
        return;
    }
    BitBlt(bitmap.dc(), 0, 0, width, height, windowDc, 0, 0, SRCCOPY);
    ReleaseDC(window, windowDc);
    GdiFlush();
    ClearRowPadding(bitmap.bits(), width, height);

    WriteNewBmpFile(directory, header, bitmap.bits(), imageSize);
}
