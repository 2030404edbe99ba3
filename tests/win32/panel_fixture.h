// A fixture that creates the program's frame (and with it the panel) in this
// process and destroys it after each test.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/frame.h"
#include "core/shell/panel_messages.h"
#include "app/settings_file.h"
#include "support/wine_test_support.h"

class PanelTest : public testing::Test {
protected:
    void SetUp() override
    {
        // Every test starts from the defaults; the panel writes its settings
        // beside this program when it ends.
        DeleteFileA(SettingsFilePath().c_str());
        SetUpKeepingSettings();
    }

    void TearDown() override
    {
        TearDownKeepingSettings();
        DeleteFileA(SettingsFilePath().c_str());
    }

    // A start and an end of the panel that leave ini.dat as they find it
    // (apart from what the panel itself writes when it ends).
    void SetUpKeepingSettings()
    {
        static bool registered = false;
        if (!registered) {
            ASSERT_TRUE(InitInstance(appInstance));
            registered = true;
        } else {
            ASSERT_NE(CreateWindowExA(0, FRAME_CLASS_NAME, FRAME_TITLE,
                                      WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0,
                                      nullptr, nullptr, appInstance, nullptr),
                      nullptr);
        }
        ASSERT_NE(frameWindow, nullptr);
        ASSERT_NE(panelWindow, nullptr);
        PumpMessages();
    }

    void TearDownKeepingSettings()
    {
        // Whatever a test left closed, the next test's panel starts open.
        while (!Gate().IsOpen() && panelWindow && IsWindow(panelWindow))
            SendMessageA(panelWindow, WMU_TIMERGATE, 1, 0);
        if (frameWindow && IsWindow(frameWindow)) DestroyWindow(frameWindow);
        // The frame posts WM_QUIT when it goes; this loop is the tests', so drop it.
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message != WM_QUIT) DispatchMessageA(&msg);
        }
        frameWindow = nullptr;
        panelWindow = nullptr;
    }

    HWND Control(int id) const { return GetDlgItem(panelWindow, id); }

    // As a player's click does: the check box changes, then tells the panel.
    void SetBox(int id, bool checked) const
    {
        CheckDlgButton(panelWindow, id, checked ? BST_CHECKED : BST_UNCHECKED);
        SendMessageA(panelWindow, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(Control(id)));
    }
    // As a player's choice in a drop-down list does.
    void Choose(int listId, int index) const
    {
        SendDlgItemMessageA(panelWindow, listId, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageA(panelWindow, WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(Control(listId)));
    }
};
