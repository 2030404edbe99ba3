// Helpers shared by the Windows test programs: bounded waits and a memory
// canvas whose pixels can be read back.
#pragma once
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

// How many times longer every wait may take: PLOV_WAIT_SCALE, set where an
// emulator runs the programs ten times slower; 1 otherwise.
int WaitScale();

// Pumps this thread's messages and polls `condition` until it holds or the
// timeout passes (scaled by WaitScale); returns the last result.
bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = std::chrono::seconds(10));

// Dispatches every message waiting for this thread.
void PumpMessages();

// A 32-bit top-down DIB section selected into a memory DC.
class Canvas {
public:
    Canvas(int width, int height, COLORREF fill = RGB(1, 2, 3));
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }
    COLORREF Pixel(int x, int y) const;  // as a COLORREF (0x00BBGGRR)
    int Count(COLORREF colour) const;    // pixels of exactly this colour

private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
    const DWORD* bits_;
};

// "/home/x/a.exe" as Wine sees it ("Z:\\home\\x\\a.exe"); Windows paths pass.
std::string WindowsPathOf(const std::string& path);

// Readable colour for failure messages.
std::string ColourText(COLORREF c);

// Wine starts its desktop process with the first window of a session, and
// that process may report the X pointer's old position after a test has moved
// the cursor. Showing a window and waiting until the cursor stays where it was
// put gets that over with before the first test.
void SettleDesktop();
