#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/panel/colors.h"
#include "core/base/exe_paths.h"
#include "core/panel/hatch_pattern.h"
#include "win/module_path.h"
#include "app/panel.h"
#include "automation/key_repeater.h"
#include "triggers/action_controls.h"
#include "triggers/triggers.h"
#include "tray/tray.h"
#include "win/panel_feature.h"
#include "core/panel/panel_messages.h"
#include "core/automation/key_table.h"
#include "panel_fixture.h"
#include "panel_internals.h"
#include "res/resource.h"

namespace {

std::string TextOf(HWND window)
{
    char text[300] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string SelectedText(HWND combo)
{
    const auto index = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    char text[64] = "";
    SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
}

TEST_F(PanelTest, StartsWithTheDocumentedDefaults)
{
    EXPECT_EQ(TextOf(Control(IDC_LEFT_INTERVAL)), "100");
    EXPECT_EQ(TextOf(Control(IDC_RIGHT_INTERVAL)), "100");
    EXPECT_EQ(TextOf(Control(IDC_KEY_INTERVAL)), "100");
    EXPECT_EQ(TextOf(Control(IDC_GESTURE_DISTANCE)), "64");
    EXPECT_EQ(TextOf(Control(IDC_GESTURE_TIME)), "200");
    EXPECT_EQ(SelectedText(Control(IDC_GESTURE_HOLD_KEY)), "なし");
    EXPECT_EQ(SendMessageA(Control(IDC_GESTURE_HOLD_KEY), CB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(SendMessageA(Control(IDC_GESTURE_HOLD_KEY), CB_GETITEMDATA, 3, 0), VK_MENU);
    EXPECT_EQ(SelectedText(Control(IDC_RECORD_KEY)), "Shift");
    EXPECT_EQ(SendMessageA(Control(IDC_RECORD_KEY), CB_GETITEMDATA, 1, 0), VK_CONTROL);
    EXPECT_EQ(IsDlgButtonChecked(panelWindow, IDC_MUTE), BST_CHECKED);
    EXPECT_EQ(TextOf(Control(IDC_IMAGE_FOLDER)), PathBesideExecutable(ModulePath(), "image", ""));
    EXPECT_EQ(FaceOf(IDC_LEFT_TOGGLE), COLOR_OFF);
    EXPECT_EQ(FaceOf(IDC_RIGHT_TOGGLE), COLOR_OFF);
    EXPECT_EQ(FaceOf(IDC_CONCEAL), COLOR_PANEL);
    for (int i = 0; i < ACTION_COUNT; ++i) EXPECT_EQ(PanelInternals::Action(TheTriggers(), i).gesture.count, 0);
    EXPECT_EQ(PanelInternals::Action(TheTriggers(), 0).modifiers, static_cast<UINT>(MOD_CONTROL));
    EXPECT_EQ(PanelInternals::Action(TheTriggers(), 0).virtualKey, static_cast<UINT>('L'));
    // Spin ranges.
    int low = 0, high = 0;
    SendMessageA(Control(IDC_GESTURE_TIME_SPIN), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                 reinterpret_cast<LPARAM>(&high));
    EXPECT_EQ(low, 100);
    EXPECT_EQ(high, 1000);
}

TEST_F(PanelTest, EveryProgramButtonIsOwnerDrawn)
{
    // Every push button of the panel: 13 command buttons, 81 keys and the
    // actions' 9 hotkey and 8 gesture buttons (the forced stop has none).
    // Enabling is separate: the 実行 buttons of slots without a recording
    // start disabled.
    int ownerDrawn = 0;
    for (HWND child = GetWindow(panelWindow, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongPtrA(child, GWL_STYLE) & ~WS_DISABLED) == 0x5000000B) ++ownerDrawn;
    }
    EXPECT_EQ(ownerDrawn, 13 + 81 + 17);
    // The buttons carry the captions of the one list of the keys.
    const char* const captions[KEY_COUNT] = {
#define KEY(caption, id, virtualKey, x, y, width, height) caption,
#include "core/automation/keys.def"
#undef KEY
    };
    for (int i = 0; i < KEY_COUNT; ++i) {
        const int id = keyTable[i].controlId;
        EXPECT_EQ(GetWindowLongPtrA(Control(id), GWL_STYLE), 0x5000000B);
        EXPECT_EQ(FaceOf(id), COLOR_OFF);
        EXPECT_EQ(TextOf(Control(id)), captions[i]) << id;
    }
    for (const ActionControls& action : actionControls) {
        EXPECT_EQ(GetWindowLongPtrA(Control(action.hotkeyButton), GWL_STYLE) & ~WS_DISABLED, 0x5000000B);
        if (action.gestureButton != NO_GESTURE_BUTTON) {
            EXPECT_EQ(GetWindowLongPtrA(Control(action.gestureButton), GWL_STYLE) & ~WS_DISABLED,
                      0x5000000B);
        }
    }
}

// The route table: every control of the panel that has an id, and every item
// of the tray menu, belongs to exactly one feature, and no feature claims an
// id that is neither.
TEST_F(PanelTest, EveryControlAndMenuItemHasExactlyOneOwner)
{
    std::map<int, int> claims;
    for (PanelFeature* feature : FeatureOrder()) {
        for (int id : feature->RoutedCommands()) ++claims[id];
        for (int id : feature->InputCommands()) ++claims[id];
    }
    std::set<int> ids;
    for (HWND child = GetWindow(panelWindow, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const int id = GetDlgCtrlID(child);
        if (id != -1 && id != 0xFFFF) ids.insert(id);
    }
    HMENU popup = nullptr;
    HMENU menu = TheTray().BuildMenu(TrayStateNow(), popup);
    std::vector<HMENU> pending = {popup};
    while (!pending.empty()) {
        HMENU level = pending.back();
        pending.pop_back();
        for (int i = 0; i < GetMenuItemCount(level); ++i) {
            if (HMENU sub = GetSubMenu(level, i)) {
                pending.push_back(sub);
            } else if (const UINT id = GetMenuItemID(level, i); id != 0) {
                ids.insert(static_cast<int>(id));
            }
        }
    }
    DestroyMenu(menu);
    ids.insert(IDM_STOP_MACRO);  // the forced stop's command: its hotkey's alone
    ASSERT_GT(ids.size(), static_cast<std::size_t>(KEY_COUNT)) << "the panel's controls were not found";
    for (int id : ids) EXPECT_EQ(claims[id], 1) << id;
    for (const auto& [id, count] : claims) EXPECT_TRUE(ids.count(id)) << id << " is claimed but no control";
}

TEST_F(PanelTest, LauncherStaticsAre34PixelsSquare)
{
    for (int id = IDC_PAD1; id <= IDC_PAD4; ++id) {
        RECT r;
        GetWindowRect(Control(id), &r);
        EXPECT_EQ(r.right - r.left, 34) << id;
        EXPECT_EQ(r.bottom - r.top, 34) << id;
    }
}

TEST_F(PanelTest, StaticsAndButtonsGetBlackTextOnTheHatchedPanel)
{
    Canvas canvas(16, 16);
    SetTextColor(canvas.dc(), RGB(9, 9, 9));
    for (UINT message : {WM_CTLCOLORSTATIC, WM_CTLCOLORBTN, WM_CTLCOLORDLG,
                         WM_CTLCOLORSCROLLBAR, WM_CTLCOLORMSGBOX}) {
        const auto brush = reinterpret_cast<HBRUSH>(SendMessageA(
            panelWindow, message, reinterpret_cast<WPARAM>(canvas.dc()),
            reinterpret_cast<LPARAM>(Control(IDC_MUTE))));
        ASSERT_NE(brush, nullptr) << message;
        EXPECT_EQ(GetTextColor(canvas.dc()), RGB(0, 0, 0));
        EXPECT_EQ(GetBkColor(canvas.dc()), COLOR_PANEL);
    }
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageA(
        panelWindow, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(canvas.dc()), 0));
    RECT all = {0, 0, 16, 16};
    FillRect(canvas.dc(), &all, brush);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            EXPECT_EQ(canvas.Pixel(x, y), IsHatchPixel(x, y) ? COLOR_HATCH : COLOR_PANEL)
                << x << "," << y << " " << ColourText(canvas.Pixel(x, y));
}

TEST_F(PanelTest, EditsAndListsKeepTheSystemColours)
{
    // The panel leaves these messages to the default handling, which gives
    // the system's window colours, never the hatched brush.
    Canvas statics(4, 4);
    const auto panelBackgroundBrush = reinterpret_cast<HBRUSH>(
        SendMessageA(panelWindow, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(statics.dc()),
                     reinterpret_cast<LPARAM>(Control(IDC_MUTE))));
    ASSERT_NE(panelBackgroundBrush, nullptr);
    for (UINT message : {WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX}) {
        Canvas canvas(4, 4);
        SetBkColor(canvas.dc(), RGB(1, 2, 3));
        const auto brush = reinterpret_cast<HBRUSH>(
            SendMessageA(panelWindow, message, reinterpret_cast<WPARAM>(canvas.dc()),
                         reinterpret_cast<LPARAM>(Control(IDC_LEFT_INTERVAL))));
        EXPECT_NE(brush, panelBackgroundBrush) << message;
        EXPECT_EQ(GetBkColor(canvas.dc()), GetSysColor(COLOR_WINDOW)) << message;
    }
}

TEST_F(PanelTest, TimerGateCountsItsClosersAndOpensWithTheLast)
{
    EXPECT_TRUE(Gate().IsOpen());
    SendMessageA(panelWindow, WMU_TIMERGATE, 0, 0);
    EXPECT_FALSE(Gate().IsOpen());
    SendMessageA(panelWindow, WMU_TIMERGATE, 7, 0);
    EXPECT_TRUE(Gate().IsOpen());
    // A menu closed while a dialog is still open leaves the gate closed.
    SendMessageA(panelWindow, WMU_TIMERGATE, 0, 0);
    SendMessageA(panelWindow, WMU_TIMERGATE, 0, 0);
    SendMessageA(panelWindow, WMU_TIMERGATE, 1, 0);
    EXPECT_FALSE(Gate().IsOpen());
    SendMessageA(panelWindow, WMU_TIMERGATE, 1, 0);
    EXPECT_TRUE(Gate().IsOpen());
    // An open with nothing closed is not saved up for later.
    SendMessageA(panelWindow, WMU_TIMERGATE, 1, 0);
    SendMessageA(panelWindow, WMU_TIMERGATE, 0, 0);
    EXPECT_FALSE(Gate().IsOpen());
    SendMessageA(panelWindow, WMU_MACROSTOPPED, 2, 0);
    EXPECT_TRUE(Gate().IsOpen());
}

TEST_F(PanelTest, DrawItemReachesTheOwnerOfTheControl)
{
    struct Case { int id; COLORREF face; };
    TheKeys().Step(1063);  // "A" held
    for (const Case& c : {Case{1063, COLOR_ON}, Case{1025, COLOR_OFF}, Case{IDC_SHOW_HIDE, COLOR_PANEL},
                          Case{IDC_LEFT_TOGGLE, COLOR_OFF}, Case{IDC_HOTKEY_STOP, COLOR_PANEL},
                          Case{IDC_GESTURE_SHOWHIDE, COLOR_PANEL}}) {
        RECT r;
        GetClientRect(Control(c.id), &r);
        Canvas canvas(r.right, r.bottom, RGB(1, 2, 3));
        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_BUTTON;
        item.CtlID = static_cast<UINT>(c.id);
        item.hwndItem = Control(c.id);
        item.hDC = canvas.dc();
        item.rcItem = r;
        EXPECT_EQ(SendMessageA(panelWindow, WM_DRAWITEM, static_cast<WPARAM>(c.id),
                               reinterpret_cast<LPARAM>(&item)),
                  0);
        EXPECT_EQ(canvas.Pixel(2, 2), c.face) << c.id << " " << ColourText(canvas.Pixel(2, 2));
        EXPECT_EQ(canvas.Pixel(0, 0), RGB(255, 255, 255)) << c.id;
    }
    TheKeys().Step(1063);
}

TEST_F(PanelTest, ShowHideCommandsHideAndShowTheFrame)
{
    ASSERT_TRUE(IsWindowVisible(frameWindow));
    SendMessageA(panelWindow, WM_COMMAND, IDC_SHOW_HIDE, 0);
    EXPECT_FALSE(IsWindowVisible(frameWindow));
    SendMessageA(panelWindow, WM_COMMAND, IDM_SHOW_HIDE, 0);
    EXPECT_TRUE(IsWindowVisible(frameWindow));
    // The system menu item sends the same command.
    SendMessageA(frameWindow, WM_SYSCOMMAND, IDM_SHOW_HIDE, 0);
    EXPECT_FALSE(IsWindowVisible(frameWindow));
    SendMessageA(frameWindow, WM_SYSCOMMAND, IDM_SHOW_HIDE, 0);
    EXPECT_TRUE(IsWindowVisible(frameWindow));
    // The notification code in the high word is not looked at.
    SendMessageA(panelWindow, WM_COMMAND, MAKEWPARAM(IDC_SHOW_HIDE, BN_DOUBLECLICKED), 0);
    EXPECT_FALSE(IsWindowVisible(frameWindow));
}

TEST_F(PanelTest, SystemMenuEndsWithTheHideItem)
{
    HMENU menu = GetSystemMenu(frameWindow, FALSE);
    const int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    EXPECT_EQ(GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_SHOW_HIDE));
    EXPECT_EQ(GetMenuState(menu, static_cast<UINT>(count - 2), MF_BYPOSITION) & MF_SEPARATOR,
              static_cast<UINT>(MF_SEPARATOR));
    char text[64] = "";
    GetMenuStringA(menu, IDM_SHOW_HIDE, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ(text, "メインウィンドを隠す");
    // Its text stays when the frame is hidden.
    SendMessageA(frameWindow, WM_SYSCOMMAND, IDM_SHOW_HIDE, 0);
    GetMenuStringA(menu, IDM_SHOW_HIDE, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ(text, "メインウィンドを隠す");
}

TEST_F(PanelTest, FrameFitsThePanelAndRefitsOnActivation)
{
    RECT client, panel, frame;
    GetClientRect(frameWindow, &client);
    GetWindowRect(panelWindow, &panel);
    EXPECT_EQ(client.right, panel.right - panel.left);
    EXPECT_EQ(client.bottom, panel.bottom - panel.top);

    GetWindowRect(frameWindow, &frame);
    SetWindowPos(panelWindow, nullptr, 0, 0, panel.right - panel.left + 20,
                 panel.bottom - panel.top + 10, SWP_NOMOVE | SWP_NOZORDER);
    SendMessageA(frameWindow, WM_ACTIVATE, WA_ACTIVE, 0);
    RECT refitted;
    GetWindowRect(frameWindow, &refitted);
    GetClientRect(frameWindow, &client);
    EXPECT_EQ(client.right, panel.right - panel.left + 20);
    EXPECT_EQ(client.bottom, panel.bottom - panel.top + 10);
    EXPECT_EQ(refitted.left, frame.left);
    EXPECT_EQ(refitted.top, frame.top);
}

TEST_F(PanelTest, FrameIsCentredWithoutSizingBorderOrMaximiseBox)
{
    const LONG_PTR style = GetWindowLongPtrA(frameWindow, GWL_STYLE);
    EXPECT_EQ(style & WS_THICKFRAME, 0);
    EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
    EXPECT_NE(style & WS_MINIMIZEBOX, 0);
    RECT frame;
    GetWindowRect(frameWindow, &frame);
    EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - (frame.right - frame.left)) / 2);
    EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - (frame.bottom - frame.top)) / 2);
}

TEST_F(PanelTest, ExitCommandClosesTheFrame)
{
    HWND frame = frameWindow;
    SendMessageA(panelWindow, WM_COMMAND, IDM_EXIT, 0);
    EXPECT_FALSE(IsWindow(frame));
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
