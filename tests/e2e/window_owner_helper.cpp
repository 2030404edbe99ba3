// A separate process that owns windows for the concealment tests: a normal, a
// maximised and a minimised titled window and an untitled one. It logs, one
// line each, every time one of its windows is shown or hidden, refuses or
// accepts to close, so that a test can read the order of these events:
//
//   window_owner_helper.exe LOGFILE
//
// "helper maximised" refuses WM_CLOSE, as a program with unsaved work would.
// WM_APP to any of its windows stalls its thread for wParam milliseconds, as
// a game that has stopped answering; WM_APP + 1 makes it hide that window
// itself, as a launcher does while its game runs. The helper ends when its
// thread receives WM_QUIT.
#include <windows.h>

#include <string>

namespace {

HANDLE logFile = INVALID_HANDLE_VALUE;

std::string TitleOf(HWND window)
{
    char title[256] = "";
    GetWindowTextA(window, title, sizeof title);
    return title[0] ? title : "untitled";
}

void Log(HWND window, const char* what)
{
    const std::string line = TitleOf(window) + " " + what + "\n";
    DWORD written = 0;
    WriteFile(logFile, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

LRESULT CALLBACK HelperProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_WINDOWPOSCHANGED: {
        // Every change of visibility passes here, whatever the show command.
        const UINT flags = reinterpret_cast<const WINDOWPOS*>(lParam)->flags;
        if (flags & SWP_SHOWWINDOW) Log(window, "show");
        if (flags & SWP_HIDEWINDOW) Log(window, "hide");
        break;
    }
    case WM_APP:
        Sleep(static_cast<DWORD>(wParam));
        return 0;
    case WM_APP + 1:
        ShowWindow(window, SW_HIDE);
        return 0;
    case WM_CLOSE:
        if (TitleOf(window) == "helper maximised") {
            Log(window, "refuses-close");
            return 0;
        }
        Log(window, "closes");
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND Create(const char* title, DWORD style, int x, int y)
{
    return CreateWindowExA(0, "PlovHelperWindow", title, style, x, y, 300, 200, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) return 2;
    logFile = CreateFileA(argv[1], FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (logFile == INVALID_HANDLE_VALUE) return 3;

    WNDCLASSA wc = {};
    wc.lpfnWndProc = HelperProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "PlovHelperWindow";
    RegisterClassA(&wc);

    // Far right, clear of the program's frame and the tests' own windows.
    ShowWindow(Create("helper maximised", WS_OVERLAPPEDWINDOW, 900, 60), SW_SHOWMAXIMIZED);
    ShowWindow(Create("helper minimised", WS_OVERLAPPEDWINDOW, 900, 300), SW_SHOWMINIMIZED);
    ShowWindow(Create("", WS_POPUP | WS_BORDER, 900, 540), SW_SHOWNOACTIVATE);
    ShowWindow(Create("helper normal", WS_OVERLAPPEDWINDOW, 900, 780), SW_SHOWNORMAL);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    CloseHandle(logFile);
    return 0;
}
