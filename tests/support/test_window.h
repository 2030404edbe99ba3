// A plain top-level window owned by a test: it logs the mouse button and key
// messages it receives, so a test can see exactly what the program sent.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

class TestWindow {
public:
    TestWindow(const char* title, int x, int y, int width = 320, int height = 240);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND handle() const { return window_; }
    // 'L'/'l' left down/up, 'R'/'r' right down/up, in arrival order.
    const std::string& clicks() const { return clicks_; }
    // Screen position of each entry of clicks().
    const std::vector<POINT>& clickPoints() const { return clickPoints_; }
    // Screen positions of the mouse moves the window saw, in order.
    const std::vector<POINT>& moves() const { return moves_; }
    // Key messages: virtual key, whether it was a key-up, and whether it
    // came with the extended flag (bit 24 of the message's lParam).
    struct KeyEvent { UINT vk; bool up; bool extended; };
    const std::vector<KeyEvent>& keys() const { return keys_; }
    void Clear();

    // Makes the window the foreground window and puts the cursor on it;
    // false when that did not happen within a bounded wait.
    bool TakeForeground();
    POINT Centre() const;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window_ = nullptr;
    std::string clicks_;
    std::vector<POINT> clickPoints_;
    std::vector<POINT> moves_;
    std::vector<KeyEvent> keys_;
    bool mouseSeen_ = false;
};

// Posts keyboard input like a person pressing a combination: the modifiers
// down, the key down and up, the modifiers up.
void PressCombination(std::vector<BYTE> modifiers, BYTE key);

// Cross-process text of a control, through the wide messages that Wine
// marshals, converted to the ANSI code page.
std::string RemoteText(HWND window);
void SetRemoteText(HWND window, const std::string& text);

// The texts of a window's children, each followed by a line end: what a
// message box says.
std::string ChildTexts(HWND window);

// As a player's click or choice does: the control changes, then its dialog
// hears of it (BN_CLICKED, CBN_SELCHANGE).
void SetRemoteCheck(HWND box, bool checked);
void ChooseRemoteItem(HWND list, int index);

// The first top-level window of the process with this class, shown ones only
// unless told otherwise; null when there is none. It does not wait.
HWND ProcessWindow(DWORD processId, const char* className, bool shownOnly = true);

// A shown top-level window of the process with this class and title, waiting
// for it up to the timeout; null when none appeared.
HWND WaitForProcessWindow(DWORD processId, const char* className, const std::string& title,
                          int timeoutMs = 10000);
