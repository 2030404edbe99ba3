// Starts the program, opens each of its dialogs and the tray menu in turn and
// saves a picture of each as a BMP file in the folder given, for the guide:
//
//   screenshot_driver.exe plovnikar.exe output-folder
//
// The program runs from C:\PLOVNIKAR, as a player might keep it, so that the
// paths it shows are a player's paths and not a test folder's. The folder is
// made afresh for every run and removed afterwards.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "core/automation/macro_file.h"
#include "e2e/program_under_test.h"
#include "core/panel/panel_messages.h"
#include "res/resource.h"
#include "support/test_window.h"
#include "support/wine_test_support.h"

namespace {

// The screen's pixels under a window, as a 24-bit BMP file.
bool SaveWindowPicture(HWND window, const std::string& path)
{
    RECT r;
    GetWindowRect(window, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return false;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const DWORD stride = ((w * 24 + 31) & ~31) / 8;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + stride * h;
    HANDLE out = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(out, &file, sizeof file, &written, nullptr);
    WriteFile(out, &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr);
    WriteFile(out, bits, stride * h, &written, nullptr);
    CloseHandle(out);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return true;
}

// Lets the window finish painting: the picture is taken once two in a row agree.
void Settle()
{
    const DWORD until = GetTickCount() + 500;
    WaitUntil([&] { return GetTickCount() >= until; });
}

bool Shoot(HWND window, const std::string& folder, const char* name)
{
    Settle();
    const bool saved = window && SaveWindowPicture(window, folder + "\\" + name + ".bmp");
    std::printf("%s: %s\n", name, saved ? "saved" : "MISSING");
    return saved;
}

// A short recording for slot 1 (em0): the cursor moving right, no button
// down. It is never played; it makes the slot's controls and its tray menu
// item usable, as after a player's first recording.
std::vector<std::uint8_t> SampleRecording()
{
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < 20; ++i) {
        const MacroSampleBytes sample = EncodeMacroSample({400 + 5 * i, 300, false, false});
        bytes.insert(bytes.end(), sample.begin(), sample.end());
    }
    return bytes;
}

HWND FindMenuWindow()
{
    HWND menu = nullptr;
    WaitUntil([&] {
        menu = FindWindowA("#32768", nullptr);
        return menu && IsWindowVisible(menu);
    }, std::chrono::seconds(5));
    return menu;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: screenshot_driver plovnikar.exe output-folder\n");
        return 2;
    }
    const std::string folder = WindowsPathOf(argv[2]);
    SettleDesktop();
    // The program where a player would keep it, so that the pictures show
    // its image folder as C:\\PLOVNIKAR\\image.
    ProgramUnderTest::builtProgram = argv[1];
    ProgramUnderTest program(TempFolder::At{"C:\\PLOVNIKAR"});
    WriteWholeFile(program.folder().File("em0"), SampleRecording());
    if (!program.Start()) return 1;

    // Slot 1 holds a recording and is ticked "有効"; slots 2 and 3 have none.
    HWND enabled = GetDlgItem(program.panel(), IDC_MACRO1_ENABLED);
    SendMessageA(enabled, BM_SETCHECK, BST_CHECKED, 0);
    PostMessageA(program.panel(), WM_COMMAND, MAKEWPARAM(IDC_MACRO1_ENABLED, BN_CLICKED),
                 reinterpret_cast<LPARAM>(enabled));
    WaitUntil([&] { return IsWindowEnabled(GetDlgItem(program.panel(), IDC_MACRO1_EXECUTE)) != FALSE; });
    bool all = Shoot(program.frame(), folder, "main");

    PostMessageA(program.panel(), WM_COMMAND, IDC_HOTKEY_LEFT, 0);
    HWND dialog = WaitForProcessWindow(program.processId(), "#32770", "ホットキーの設定");
    all &= Shoot(dialog, folder, "hotkey");
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    WaitUntil([&] { return !IsWindow(dialog); });

    PostMessageA(program.panel(), WM_COMMAND, IDC_GESTURE_LEFT, 0);
    dialog = WaitForProcessWindow(program.processId(), "#32770", "マウスジェスチャ設定");
    SendDlgItemMessageA(dialog, IDC_GESTURE_ENABLED, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(dialog, WM_COMMAND, IDC_GESTURE_ENABLED, 0);
    all &= Shoot(dialog, folder, "gesture");
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    WaitUntil([&] { return !IsWindow(dialog); });

    // The tray menu and the hidden-window dialog are what a player uses while
    // windows are concealed: a few windows of our own stand for the game.
    TestWindow a("ゲーム本体", 50, 50), b("攻略メモ - メモ帳", 80, 80);
    PostMessageA(program.panel(), WM_COMMAND, IDC_CONCEAL, 0);
    WaitUntil([&] { return !IsWindowVisible(a.handle()) && !IsWindowVisible(program.frame()); });

    // The tray menu, opened as a right click on the icon opens it.
    SetCursorPos(900, 1000);
    PostMessageA(program.panel(), WMU_TRAYNOTIFY, 1, WM_RBUTTONDOWN);
    HWND menu = FindMenuWindow();
    all &= Shoot(menu, folder, "tray_menu");
    keybd_event(VK_ESCAPE, 0, 0, 0);
    keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0);
    WaitUntil([&] { return !IsWindowVisible(menu); }, std::chrono::seconds(5));

    PostMessageA(program.panel(), WM_COMMAND, IDM_HIDDEN_DIALOG, 0);
    dialog = WaitForProcessWindow(program.processId(), "#32770", "非表示状態のウィンド");
    all &= Shoot(dialog, folder, "hidden");
    PostMessageA(dialog, WM_COMMAND, IDC_HIDDEN_SHOW_ALL, 0);
    WaitUntil([&] { return IsWindowVisible(a.handle()) != FALSE; });
    return all && program.Close() == 0 ? 0 : 1;
}
