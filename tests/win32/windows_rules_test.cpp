// What Windows 7 to 11 answer otherwise than Wine, each through the one call
// that differs: a panel asks its questions of a desktop that answers as
// Windows does (each answer names its rule and where it is written down),
// and the test sees what the program does with the answer.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "capture/window_capture.h"
#include "conceal_fixture.h"
#include "core/panel/panel_messages.h"
#include "panel_internals.h"
#include "res/resource.h"
#include "support/pattern_window.h"
#include "support/test_files.h"
#include "support/test_window.h"

namespace {

bool Has(const std::vector<HWND>& windows, HWND window)
{
    return std::find(windows.begin(), windows.end(), window) != windows.end();
}

class WindowsRules : public DesktopRules {
public:
    // DwmGetWindowAttribute(DWMWA_CLOAKED) is non-zero for a window of a
    // suspended store app or of another virtual desktop, which
    // IsWindowVisible calls visible (DWMWINDOWATTRIBUTE documentation,
    // Windows 8 on). Wine answers E_NOTIMPL.
    std::vector<HWND> cloaked;
    bool Cloaked(HWND window) const override { return Has(cloaked, window); }

    // A window of a process run as administrator: input sent to it "is
    // blocked by UIPI" and "neither GetLastError nor the return value will
    // indicate the failure" (SendInput documentation); a show command posted
    // to it is dropped as silently (User Interface Privilege Isolation:
    // "SendMessage or PostMessage to higher privilege application windows
    // ... return success but silently drop the window message"). Wine has
    // no integrity levels.
    std::vector<HWND> elevated;
    bool OfHigherIntegrity(HWND window) const override { return Has(elevated, window); }
    void ShowWithoutWaiting(HWND window, int showCommand) const override
    {
        if (!Has(elevated, window)) DesktopRules::ShowWithoutWaiting(window, showCommand);
    }

    // GetCursorPos fails while the input desktop is not the program's own
    // (a UAC prompt, the lock screen): "The input desktop must be the
    // current desktop when you call GetCursorPos" (its documentation).
    bool secureDesktop = false;
    bool CursorPosition(POINT& point) const override
    {
        if (secureDesktop) return false;
        return DesktopRules::CursorPosition(point);
    }

    // RegisterHotKey: "Windows Vista: This flag [MOD_NOREPEAT] is not
    // supported" (its documentation).
    bool vista = false;
    mutable std::vector<UINT> hotkeyModifiers;  // every attempt's
    bool RegisterHotKey(HWND window, int id, UINT modifiers, UINT virtualKey) const override
    {
        hotkeyModifiers.push_back(modifiers);
        if (vista && (modifiers & 0x4000)) return false;
        return DesktopRules::RegisterHotKey(window, id, modifiers, virtualKey);
    }

    // At logon the program may start before the taskbar: Shell_NotifyIcon
    // fails until it is up (the shell registers "TaskbarCreated" when it
    // is; Shell_NotifyIcon documentation and the taskbar's restart notes).
    mutable int shellRefusals = 0;
    mutable int iconsAdded = 0;
    bool NotifyIcon(DWORD message, NOTIFYICONDATAA& record) const override
    {
        if (message == NIM_ADD && shellRefusals > 0) {
            --shellRefusals;
            return false;
        }
        if (message == NIM_ADD) ++iconsAdded;
        return DesktopRules::NotifyIcon(message, record);
    }

    // A notification icon's menu closes when the player clicks elsewhere
    // only if its owner is the foreground window, and the next one opens
    // only after a message has followed it (KB Q135788, "Menus for
    // Notification Icons Do Not Work Correctly"). The menu is not run here.
    mutable std::vector<bool> menuOwnerInFront;
    void TrackPopupMenu(HMENU, UINT, int, int, HWND owner) const override
    {
        menuOwnerInFront.push_back(GetForegroundWindow() == GetAncestor(owner, GA_ROOT));
    }

    // A window drawn with Direct3D or OpenGL, or presented in flip model,
    // reads as black from its device context; PW_RENDERFULLCONTENT
    // (Windows 8.1 on) or the screen show it (PrintWindow documentation).
    std::vector<HWND> drawnWithDirect3D;
    bool CopyFromWindow(HWND window, HDC target, int width, int height) const override
    {
        if (!Has(drawnWithDirect3D, window)) return DesktopRules::CopyFromWindow(window, target, width, height);
        return PatBlt(target, 0, 0, width, height, BLACKNESS) != FALSE;
    }

    // Run as administrator, a window hears a lower-integrity program (such
    // as Explorer dropping a file) only for the messages let through
    // (ChangeWindowMessageFilterEx documentation); a drop takes
    // WM_DROPFILES, WM_COPYDATA and WM_COPYGLOBALDATA.
    mutable std::vector<std::pair<HWND, UINT>> letThrough;
    void LetThroughFromLowerIntegrity(HWND window, UINT message) const override
    {
        letThrough.push_back({window, message});
    }
};

class WindowsRulesTest : public ConcealTest {
protected:
    void SetUp() override
    {
        desktop_ = &rules_;
        ConcealTest::SetUp();
    }
    // The panel starts again, with what the rules say now.
    void Restart()
    {
        TearDownKeepingSettings();
        SetUpKeepingSettings();
    }
    std::string Balloon() { return PanelInternals::Balloon(TheTray()); }
    WindowsRules rules_;
};

TEST_F(WindowsRulesTest, CloakedWindowsAreNeitherConcealedNorOfferedAsTarget)
{
    ProbeWindow seen("probe seen", SW_SHOWNORMAL);
    ProbeWindow cloaked("probe on another desktop", SW_SHOWNORMAL);
    rules_.cloaked = {cloaked.handle()};
    SendMessageA(panelWindow, WM_COMMAND, IDC_TARGET_REFRESH, 0);
    std::vector<HWND> listed;
    for (LRESULT i = 0; i < SendDlgItemMessageA(panelWindow, IDC_TARGET_LIST, CB_GETCOUNT, 0, 0); ++i)
        listed.push_back(reinterpret_cast<HWND>(SendDlgItemMessageA(panelWindow, IDC_TARGET_LIST, CB_GETITEMDATA, i, 0)));
    EXPECT_TRUE(Has(listed, seen.handle()));
    EXPECT_FALSE(Has(listed, cloaked.handle()));

    SendMessageA(panelWindow, WM_COMMAND, IDC_CONCEAL, 0);
    EXPECT_NE(RecordOf(seen.handle()), nullptr);
    EXPECT_EQ(RecordOf(cloaked.handle()), nullptr);
    EXPECT_TRUE(IsWindowVisible(cloaked.handle()));
}

TEST_F(WindowsRulesTest, AWindowRunAsAdministratorIsToldOfOnceAndNotRecordedAsConcealed)
{
    // The repeaters' ticks: the player hears once that input cannot reach it.
    TestWindow game("elevated game", 40, 40);
    rules_.elevated = {game.handle()};
    ASSERT_TRUE(game.TakeForeground());
    SendMessageA(panelWindow, WM_COMMAND, IDC_LEFT_TOGGLE, 0);
    SendMessageA(panelWindow, WM_TIMER, TIMER_LEFTCLICK, 0);
    EXPECT_NE(Balloon().find("elevated game"), std::string::npos) << Balloon();
    PanelInternals::ClearBalloon(TheTray());
    for (int tick = 0; tick < 3; ++tick) SendMessageA(panelWindow, WM_TIMER, TIMER_LEFTCLICK, 0);
    SendMessageA(panelWindow, WM_COMMAND, IDC_LEFT_TOGGLE, 0);
    EXPECT_EQ(Balloon(), "");

    // The boss key: it stays on screen, is left out of the list, and the
    // player hears of it once.
    ProbeWindow other("probe", SW_SHOWNORMAL);
    SendMessageA(panelWindow, WM_COMMAND, IDC_CONCEAL, 0);
    EXPECT_TRUE(IsWindowVisible(game.handle()));
    EXPECT_EQ(RecordOf(game.handle()), nullptr);
    EXPECT_NE(RecordOf(other.handle()), nullptr);
    for (const StrandedWindow& w : ReadRecoveryFile())
        EXPECT_NE(w.window, reinterpret_cast<std::uintptr_t>(game.handle()));
    EXPECT_NE(Balloon().find("elevated game"), std::string::npos) << Balloon();
    PanelInternals::ClearBalloon(TheTray());
    SendMessageA(panelWindow, WM_COMMAND, IDC_CONCEAL, 0);
    EXPECT_EQ(Balloon(), "");
}

TEST_F(WindowsRulesTest, PadsTakeDropsFromExplorerWhenRunAsAdministrator)
{
    for (int pad = IDC_PAD1; pad <= IDC_PAD4; ++pad) {
        for (UINT message : {static_cast<UINT>(WM_DROPFILES), static_cast<UINT>(WM_COPYDATA), 0x0049u}) {
            EXPECT_TRUE(std::find(rules_.letThrough.begin(), rules_.letThrough.end(),
                                  std::make_pair(Control(pad), message)) != rules_.letThrough.end())
                << pad << " " << message;
        }
    }
}

TEST_F(WindowsRulesTest, TheTrayIconComesOnceTheShellIsUpAndItsMenuBehaves)
{
    rules_.shellRefusals = 2;
    rules_.iconsAdded = 0;
    Restart();
    EXPECT_EQ(rules_.iconsAdded, 0);
    SendMessageA(panelWindow, WM_TIMER, TIMER_TRAY_ADD, 0);
    SendMessageA(panelWindow, WM_TIMER, TIMER_TRAY_ADD, 0);
    EXPECT_EQ(rules_.iconsAdded, 1) << "added once the shell took it";
    EXPECT_FALSE(KillTimer(panelWindow, TIMER_TRAY_ADD)) << "nor tried again after";

    TestWindow elsewhere("elsewhere", 40, 40);
    ASSERT_TRUE(elsewhere.TakeForeground());
    for (int open = 0; open < 2; ++open) {
        SendMessageA(panelWindow, WMU_TRAYNOTIFY, 1, WM_RBUTTONDOWN);
        bool followed = false;
        MSG after;
        while (PeekMessageA(&after, panelWindow, 0, 0, PM_REMOVE)) followed |= after.message == WM_NULL;
        EXPECT_TRUE(followed) << "no message after the menu";
    }
    EXPECT_EQ(rules_.menuOwnerInFront, std::vector<bool>({true, true}));
}

TEST_F(WindowsRulesTest, HotkeysAskForNoAutoRepeatAndAreRegisteredWhereItIsRefused)
{
    rules_.vista = true;
    rules_.hotkeyModifiers.clear();
    Restart();
    ASSERT_FALSE(rules_.hotkeyModifiers.empty());
    EXPECT_EQ(rules_.hotkeyModifiers[0], static_cast<UINT>(MOD_CONTROL | 0x4000));
    // The program holds Ctrl+H all the same.
    EXPECT_FALSE(RegisterHotKey(nullptr, 0x7F00, MOD_CONTROL, 'H'));
}

TEST_F(WindowsRulesTest, NoGestureStepWhileTheSecureDesktopHidesTheCursor)
{
    const GestureRecognition& recognition = PanelInternals::Gestures(TheTriggers()).recognition;
    SetCursorPos(400, 880);
    SendMessageA(panelWindow, WM_TIMER, TIMER_GESTURE, 0);
    const GesturePoint before = recognition.gestureAnchor;
    rules_.secureDesktop = true;
    SetCursorPos(700, 880);
    SendMessageA(panelWindow, WM_TIMER, TIMER_GESTURE, 0);
    EXPECT_EQ(recognition.gestureAnchor.x, before.x);
    EXPECT_EQ(recognition.gestureAnchor.y, before.y);
}

TEST_F(WindowsRulesTest, AGameThatCopiesAsBlackIsSavedAsItShows)
{
    TempFolder images;
    SetDlgItemTextA(panelWindow, IDC_IMAGE_FOLDER, images.path().c_str());
    PatternWindow game("drawn with Direct3D", 20, 20, 64, 48);
    rules_.drawnWithDirect3D = {game.handle()};
    ASSERT_TRUE(game.TakeForeground());
    SendMessageA(panelWindow, WM_COMMAND, IDC_CAPTURE, 0);
    const std::vector<std::uint8_t> bmp = ReadWholeFile(images.File("0.bmp"));
    const SIZE size = game.ClientSize();
    const std::size_t stride = (static_cast<std::size_t>(size.cx) * 3 + 3) & ~std::size_t{3};
    ASSERT_EQ(bmp.size(), 54 + stride * static_cast<std::size_t>(size.cy));
    // The top left pixel is the last row's first (bottom-up), blue green red.
    const std::uint8_t* topLeft = bmp.data() + 54 + (static_cast<std::size_t>(size.cy) - 1) * stride;
    const COLORREF expected = PatternWindow::Colour(0, 0);
    EXPECT_EQ(topLeft[2], GetRValue(expected));
    EXPECT_EQ(topLeft[1], GetGValue(expected));
    EXPECT_EQ(topLeft[0], GetBValue(expected));
}

}  // namespace
