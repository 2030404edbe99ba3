#include "win/desktop_rules.h"

#include "win/scoped.h"
#include "win/window_show.h"

namespace {

// The window manager's cloak attribute (DWMWA_CLOAKED), asked through
// dwmapi where it exists (Windows Vista on; the attribute from Windows 8).
constexpr DWORD CLOAKED_ATTRIBUTE = 14;
using GetWindowAttribute = HRESULT(WINAPI*)(HWND, DWORD, void*, DWORD);

GetWindowAttribute FindWindowAttributeCall()
{
    HMODULE dwm = LoadLibraryA("dwmapi.dll");
    if (!dwm) return nullptr;
    return reinterpret_cast<GetWindowAttribute>(
        reinterpret_cast<void (*)()>(GetProcAddress(dwm, "DwmGetWindowAttribute")));
}

// The integrity level's relative identifier (untrusted 0 … system 0x4000),
// or the elevation where the level cannot be read; false when the token
// could not be read.
bool IntegrityOf(HANDLE token, DWORD& level)
{
    alignas(TOKEN_MANDATORY_LABEL) BYTE buffer[sizeof(TOKEN_MANDATORY_LABEL) + SECURITY_MAX_SID_SIZE];
    DWORD size = 0;
    if (GetTokenInformation(token, TokenIntegrityLevel, buffer, sizeof buffer, &size)) {
        PSID sid = reinterpret_cast<TOKEN_MANDATORY_LABEL*>(buffer)->Label.Sid;
        const UCHAR count = *GetSidSubAuthorityCount(sid);
        if (count == 0) return false;
        level = *GetSidSubAuthority(sid, count - 1u);
        return true;
    }
    TOKEN_ELEVATION elevation = {};
    if (!GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size)) return false;
    level = elevation.TokenIsElevated ? SECURITY_MANDATORY_HIGH_RID : SECURITY_MANDATORY_MEDIUM_RID;
    return true;
}

DWORD OwnIntegrity()
{
    DWORD level = SECURITY_MANDATORY_MEDIUM_RID;
    HANDLE token = nullptr;
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
        IntegrityOf(token, level);
        CloseHandle(token);
    }
    return level;
}

}  // namespace

bool DesktopRules::Cloaked(HWND window) const
{
    static const GetWindowAttribute getAttribute = FindWindowAttributeCall();
    if (!getAttribute) return false;
    DWORD cloaked = 0;
    return SUCCEEDED(getAttribute(window, CLOAKED_ATTRIBUTE, &cloaked, sizeof cloaked)) && cloaked != 0;
}

bool DesktopRules::OfHigherIntegrity(HWND window) const
{
    static const DWORD own = OwnIntegrity();
    DWORD processId = 0;
    if (!GetWindowThreadProcessId(window, &processId) || processId == GetCurrentProcessId()) return false;
    // Limited rights are what a process of lower integrity may ask for.
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process) return GetLastError() == ERROR_ACCESS_DENIED;
    HANDLE token = nullptr;
    bool higher = false;
    if (!OpenProcessToken(process, TOKEN_QUERY, &token)) {
        higher = GetLastError() == ERROR_ACCESS_DENIED;
    } else {
        DWORD level = 0;
        higher = IntegrityOf(token, level) && level > own;
        CloseHandle(token);
    }
    CloseHandle(process);
    return higher;
}

void DesktopRules::ShowWithoutWaiting(HWND window, int showCommand) const
{
    ShowWindowWithoutWaiting(window, showCommand);
}

bool DesktopRules::ButtonsSwapped() const { return GetSystemMetrics(SM_SWAPBUTTON) != 0; }

bool DesktopRules::CursorPosition(POINT& point) const { return GetCursorPos(&point) != FALSE; }

bool DesktopRules::KeyDown(int virtualKey) const { return (GetAsyncKeyState(virtualKey) & 0x8000) != 0; }

bool DesktopRules::RegisterHotKey(HWND window, int id, UINT modifiers, UINT virtualKey) const
{
    return ::RegisterHotKey(window, id, modifiers, virtualKey) != FALSE;
}

bool DesktopRules::NotifyIcon(DWORD message, NOTIFYICONDATAA& record) const
{
    return Shell_NotifyIconA(message, &record) != FALSE;
}

void DesktopRules::TrackPopupMenu(HMENU menu, UINT flags, int x, int y, HWND owner) const
{
    ::TrackPopupMenu(menu, flags, x, y, 0, owner, nullptr);
}

bool DesktopRules::CopyFromWindow(HWND window, HDC target, int width, int height) const
{
    ScopedWindowDC source(window);
    return source.get() && BitBlt(target, 0, 0, width, height, source.get(), 0, 0, SRCCOPY) != FALSE;
}

void DesktopRules::LetThroughFromLowerIntegrity(HWND window, UINT message) const
{
    HMODULE user = GetModuleHandleA("user32.dll");
    if (!user) return;
    constexpr DWORD ALLOW = 1;  // MSGFLT_ALLOW and MSGFLT_ADD
    using FilterForWindow = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    using FilterForProcess = BOOL(WINAPI*)(UINT, DWORD);
    const auto forWindow = reinterpret_cast<FilterForWindow>(
        reinterpret_cast<void (*)()>(GetProcAddress(user, "ChangeWindowMessageFilterEx")));
    const auto forProcess = reinterpret_cast<FilterForProcess>(
        reinterpret_cast<void (*)()>(GetProcAddress(user, "ChangeWindowMessageFilter")));
    if (forWindow) {
        forWindow(window, message, ALLOW, nullptr);
    } else if (forProcess) {
        forProcess(message, ALLOW);
    }
}

DesktopRules& SystemDesktop()
{
    static DesktopRules system;
    return system;
}
