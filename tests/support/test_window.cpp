#include "support/test_window.h"

#include "support/wine_test_support.h"

namespace {
const char CLASS_NAME[] = "PlovTestWindow";
}

TestWindow::TestWindow(const char* title, int x, int y, int width, int height)
{
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = CLASS_NAME;
        RegisterClassA(&wc);
        registered = true;
    }
    window_ = CreateWindowExA(0, CLASS_NAME, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, width,
                              height, nullptr, nullptr, GetModuleHandleA(nullptr), this);
    PumpMessages();
}

TestWindow::~TestWindow()
{
    if (IsWindow(window_)) DestroyWindow(window_);
    PumpMessages();
}

void TestWindow::Clear()
{
    clicks_.clear();
    clickPoints_.clear();
    moves_.clear();
    keys_.clear();
}

POINT TestWindow::Centre() const
{
    RECT r;
    GetWindowRect(window_, &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

bool TestWindow::TakeForeground()
{
    const POINT centre = Centre();
    SetCursorPos(centre.x, centre.y);
    mouseSeen_ = false;
    // Wait until the window has the focus and has seen the pointer, and has
    // kept both for a moment: Wine re-reads the keyboard state from the X
    // server when the focus arrives, which would undo keys pressed before.
    auto since = std::chrono::steady_clock::now();
    return WaitUntil([&] {
        if (GetForegroundWindow() != window_) SetForegroundWindow(window_);
        if (!mouseSeen_) SetCursorPos(centre.x, centre.y);
        const bool ready = GetForegroundWindow() == window_ && GetFocus() == window_ && mouseSeen_;
        if (!ready) since = std::chrono::steady_clock::now();
        return ready && std::chrono::steady_clock::now() - since > std::chrono::milliseconds(150);
    });
}

LRESULT CALLBACK TestWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<TestWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self) {
        // Mouse messages carry the client position in lParam.
        auto where = [&] {
            POINT at = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            ClientToScreen(window, &at);
            return at;
        };
        auto click = [&](char what) {
            self->clicks_ += what;
            self->clickPoints_.push_back(where());
        };
        switch (message) {
        case WM_MOUSEMOVE:
            self->mouseSeen_ = true;
            self->moves_.push_back(where());
            break;
        case WM_LBUTTONDOWN: click('L'); break;
        case WM_LBUTTONUP: click('l'); break;
        case WM_RBUTTONDOWN: click('R'); break;
        case WM_RBUTTONUP: click('r'); return 0;  // no context menu
        case WM_KEYDOWN: case WM_SYSKEYDOWN:
            self->keys_.push_back({static_cast<UINT>(wParam), false, ((lParam >> 24) & 1) != 0});
            break;
        case WM_KEYUP: case WM_SYSKEYUP:
            self->keys_.push_back({static_cast<UINT>(wParam), true, ((lParam >> 24) & 1) != 0});
            break;
        default: break;
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void PressCombination(std::vector<BYTE> modifiers, BYTE key)
{
    for (BYTE m : modifiers) keybd_event(m, static_cast<BYTE>(MapVirtualKeyA(m, 0)), 0, 0);
    keybd_event(key, static_cast<BYTE>(MapVirtualKeyA(key, 0)), 0, 0);
    keybd_event(key, static_cast<BYTE>(MapVirtualKeyA(key, 0)), KEYEVENTF_KEYUP, 0);
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it)
        keybd_event(*it, static_cast<BYTE>(MapVirtualKeyA(*it, 0)), KEYEVENTF_KEYUP, 0);
}

std::string RemoteText(HWND window)
{
    wchar_t wide[512] = L"";
    SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(wide));
    char text[1024] = "";
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

void SetRemoteCheck(HWND box, bool checked)
{
    SendMessageA(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    SendMessageA(GetParent(box), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), BN_CLICKED),
                 reinterpret_cast<LPARAM>(box));
}

void ChooseRemoteItem(HWND list, int index)
{
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
}

void SetRemoteText(HWND window, const std::string& text)
{
    wchar_t wide[512] = L"";
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide, 512);
    SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide));
}

std::string ChildTexts(HWND window)
{
    std::string text;
    EnumChildWindows(window, [](HWND child, LPARAM data) CALLBACK -> BOOL {
        *reinterpret_cast<std::string*>(data) += RemoteText(child) + "\n";
        return TRUE;
    }, reinterpret_cast<LPARAM>(&text));
    return text;
}

namespace {

struct WindowSearch {
    DWORD processId;
    const char* className;
    const std::string* title;  // null: any
    bool shownOnly;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<WindowSearch*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != search->processId || (search->shownOnly && !IsWindowVisible(window))) return TRUE;
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) != search->className) return TRUE;
    if (search->title && RemoteText(window) != *search->title) return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

HWND ProcessWindow(DWORD processId, const char* className, bool shownOnly)
{
    WindowSearch search = {processId, className, nullptr, shownOnly, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForProcessWindow(DWORD processId, const char* className, const std::string& title,
                          int timeoutMs)
{
    WindowSearch search = {processId, className, &title, true, nullptr};
    WaitUntil(
        [&] {
            EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        std::chrono::milliseconds(timeoutMs));
    return search.found;
}
