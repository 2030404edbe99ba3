#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/panel/colors.h"
#include "core/panel/panel_messages.h"
#include "conceal/concealment.h"
#include "core/automation/key_table.h"
#include "panel_fixture.h"
#include "panel_internals.h"
#include "res/resource.h"
#include "tray/tray.h"
#include "win/key_names.h"

namespace {

std::string ItemText(HMENU menu, UINT id)
{
    char text[64] = "";
    GetMenuStringA(menu, id, text, sizeof text, MF_BYCOMMAND);
    return text;
}

// The layout's name of a key, with the extended-key bit for the arrows and
// the navigation block, which share their scan codes with the number pad.
std::string LayoutName(UINT vk)
{
    const bool extended = (vk >= VK_PRIOR && vk <= VK_DOWN) || vk == VK_INSERT || vk == VK_DELETE;
    char name[32] = "";
    GetKeyNameTextA(static_cast<LONG>((MapVirtualKeyA(vk, 0) << 16) | (extended ? 1u << 24 : 0u)),
                    name, sizeof name);
    return name;
}

bool Checked(HMENU menu, UINT id) { return (GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED) != 0; }
bool Greyed(HMENU menu, UINT id) { return (GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) != 0; }

using TrayTest = PanelTest;

HMENU BuildTrayMenu(HMENU& popup) { return TheTray().BuildMenu(TrayStateNow(), popup); }

TEST_F(TrayTest, MenuShowsTheKeysInFourNestedLevelsCheckedWhenOn)
{
    bool held[KEY_COUNT] = {};
    held[0] = true;   // Esc, first level
    held[29] = true;  // A, second level
    held[80] = true;  // PgDn, the last key of the fourth level
    TrayState state;
    for (int i = 0; i < KEY_COUNT; ++i) {
        if (held[i]) state.Check(keyTable[i].controlId, true);
    }
    Tray tray(SystemDesktop());
    tray.Attach(panelWindow);
    HMENU popup = nullptr;
    HMENU menu = tray.BuildMenu(state, popup);
    ASSERT_NE(menu, nullptr);
    HMENU level = GetSubMenu(popup, 3);
    int keyIndex = 0;
    for (int depth = 0; depth < 4; ++depth) {
        ASSERT_NE(level, nullptr) << depth;
        const int keysHere = depth < 3 ? 20 : 21;
        ASSERT_EQ(GetMenuItemCount(level), depth < 3 ? keysHere + 1 : keysHere) << depth;
        for (int i = 0; i < keysHere; ++i, ++keyIndex) {
            const KeyDefinition& key = keyTable[keyIndex];
            EXPECT_EQ(GetMenuItemID(level, i), static_cast<UINT>(key.controlId)) << keyIndex;
            EXPECT_EQ(ItemText(level, static_cast<UINT>(key.controlId)), LayoutName(key.virtualKey))
                << keyIndex;
            EXPECT_EQ(Checked(level, static_cast<UINT>(key.controlId)), held[keyIndex]) << keyIndex;
        }
        HMENU next = depth < 3 ? GetSubMenu(level, keysHere) : nullptr;
        if (depth < 3) {
            char caption[8] = "x";
            GetMenuStringA(level, static_cast<UINT>(keysHere), caption, sizeof caption, MF_BYPOSITION);
            EXPECT_STREQ(caption, "");
        }
        level = next;
    }
    EXPECT_EQ(keyIndex, 81);
    EXPECT_FALSE(FormatKeyName(VK_F5).empty());
    // Without the bit the arrow would be named as its number-pad key.
    char numberPad[32] = "";
    GetKeyNameTextA(static_cast<LONG>(MapVirtualKeyA(VK_LEFT, 0) << 16), numberPad, sizeof numberPad);
    EXPECT_NE(LayoutName(VK_LEFT), numberPad);
    DestroyMenu(menu);
}

TEST_F(TrayTest, MenuFollowsTheRepeatersMacrosAndTheFrame)
{
    SendMessageA(panelWindow, WM_COMMAND, IDC_LEFT_TOGGLE, 0);
    SetBox(IDC_MACRO2_ENABLED, true);
    HMENU popup = nullptr;
    HMENU menu = BuildTrayMenu(popup);
    EXPECT_TRUE(Checked(popup, IDM_LEFT_REPEAT));
    EXPECT_FALSE(Checked(popup, IDM_RIGHT_REPEAT));
    EXPECT_TRUE(Greyed(popup, IDM_MACRO1));
    EXPECT_FALSE(Greyed(popup, IDM_MACRO2));
    EXPECT_TRUE(Greyed(popup, IDM_MACRO3));
    EXPECT_EQ(ItemText(popup, IDM_SHOW_HIDE), "メインウィンドを隠す");
    // Nothing concealed: conceal and show/hide offered, the way back greyed.
    EXPECT_FALSE(Greyed(popup, IDM_CONCEAL));
    EXPECT_FALSE(Greyed(popup, IDM_SHOW_HIDE));
    EXPECT_TRUE(Greyed(popup, IDM_SHOW_HIDDEN));
    EXPECT_TRUE(Greyed(popup, IDM_HIDDEN_DIALOG));
    EXPECT_EQ(ItemText(popup, IDM_EXIT), "終了");
    DestroyMenu(menu);

    SendMessageA(panelWindow, WM_COMMAND, IDC_SHOW_HIDE, 0);
    menu = BuildTrayMenu(popup);
    EXPECT_EQ(ItemText(popup, IDM_SHOW_HIDE), "メインウィンドを表示");
    DestroyMenu(menu);
    SendMessageA(panelWindow, WM_COMMAND, IDC_LEFT_TOGGLE, 0);
}

TEST_F(TrayTest, IconFollowsTheRepeaters)
{
    EXPECT_EQ(PanelInternals::ShownIcon(TheTray()), TrayIcon::Neither);
    SendMessageA(panelWindow, WM_COMMAND, IDC_LEFT_TOGGLE, 0);
    EXPECT_EQ(PanelInternals::ShownIcon(TheTray()), TrayIcon::Left);
    SendMessageA(panelWindow, WM_COMMAND, IDM_RIGHT_REPEAT, 0);
    EXPECT_EQ(PanelInternals::ShownIcon(TheTray()), TrayIcon::Both);
    SendMessageA(panelWindow, WM_HOTKEY, 1, 0);
    EXPECT_EQ(PanelInternals::ShownIcon(TheTray()), TrayIcon::Right);
    SendMessageA(panelWindow, WM_COMMAND, IDC_RIGHT_TOGGLE, 0);
    EXPECT_EQ(PanelInternals::ShownIcon(TheTray()), TrayIcon::Neither);
}

TEST_F(TrayTest, DoubleClickShowsTheHiddenFrame)
{
    SendMessageA(panelWindow, WM_COMMAND, IDC_SHOW_HIDE, 0);
    ASSERT_FALSE(IsWindowVisible(frameWindow));
    SendMessageA(panelWindow, WMU_TRAYNOTIFY, 1, WM_LBUTTONDOWN);
    EXPECT_FALSE(IsWindowVisible(frameWindow));
    SendMessageA(panelWindow, WMU_TRAYNOTIFY, 1, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(frameWindow));
}

TEST_F(TrayTest, WhileConcealedOnlyTheWayBackIsOffered)
{
    SetBox(IDC_MUTE, false);
    SendMessageA(panelWindow, WM_COMMAND, IDC_CONCEAL, 0);
    ASSERT_TRUE(TheConcealment().Active());
    ASSERT_FALSE(IsWindowVisible(frameWindow));
    HMENU popup = nullptr;
    HMENU menu = BuildTrayMenu(popup);
    EXPECT_TRUE(Greyed(popup, IDM_CONCEAL));
    EXPECT_TRUE(Greyed(popup, IDM_SHOW_HIDE));
    EXPECT_FALSE(Greyed(popup, IDM_SHOW_HIDDEN));
    EXPECT_FALSE(Greyed(popup, IDM_HIDDEN_DIALOG));
    DestroyMenu(menu);
    // The double click leaves the frame with the other concealed windows.
    SendMessageA(panelWindow, WMU_TRAYNOTIFY, 1, WM_LBUTTONDBLCLK);
    EXPECT_FALSE(IsWindowVisible(frameWindow));
    SendMessageA(panelWindow, WM_COMMAND, IDM_SHOW_HIDDEN, 0);
    EXPECT_FALSE(TheConcealment().Active());
    EXPECT_TRUE(IsWindowVisible(frameWindow));
}

TEST_F(TrayTest, NoTickWhileTheMenuIsOpen)
{
    // The menu's modal loop runs with the gate closed; a timer callback
    // looks at the gate from inside that loop and then closes the menu.
    static bool gateSeenOpen = true;
    gateSeenOpen = true;
    SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR id, DWORD) CALLBACK {
        KillTimer(nullptr, id);
        gateSeenOpen = Gate().IsOpen();
        EndMenu();
    });
    SendMessageA(panelWindow, WMU_TRAYNOTIFY, 1, WM_RBUTTONDOWN);
    EXPECT_FALSE(gateSeenOpen);
    EXPECT_TRUE(Gate().IsOpen());
}

}  // namespace
