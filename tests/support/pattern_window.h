// A test-owned top-level window whose client area shows a known pattern, a
// different colour at nearly every pixel, so that a copy of it can be checked
// pixel by pixel (and a shifted, flipped or cut copy is told apart).
#pragma once
#include <windows.h>

#include <memory>

#include "support/test_window.h"

class PatternWindow {
public:
    PatternWindow(const char* title, int x, int y, int clientWidth, int clientHeight);
    ~PatternWindow();
    PatternWindow(const PatternWindow&) = delete;
    PatternWindow& operator=(const PatternWindow&) = delete;

    HWND handle() const { return window_->handle(); }
    bool TakeForeground() { return window_->TakeForeground(); }
    // The size the client area came out at.
    SIZE ClientSize() const;
    // True when the screen shows the whole pattern where the client area is.
    bool ShownOnScreen() const;

    static COLORREF Colour(int x, int y);

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    std::unique_ptr<TestWindow> window_;
};
