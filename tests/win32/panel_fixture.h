// A fixture that creates the program's frame (and with it the panel and its
// Panel object) in this process and destroys it after each test.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include "app/frame.h"
#include "app/panel.h"
#include "app/settings_file.h"
#include "core/panel/panel_messages.h"
#include "core/settings/settings_codec.h"
#include "support/wine_test_support.h"

// The frame and panel of the running test (null between tests), and the
// object that runs the panel.
extern HWND frameWindow;
extern HWND panelWindow;
Panel& ThePanel();

// The face the panel paints an owner-drawn button of its features with.
COLORREF FaceOf(int controlId);
// What the features would save now.
SettingsValues CurrentSettings();

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
    void SetUpKeepingSettings();
    void TearDownKeepingSettings();

    HWND Control(int id) const { return GetDlgItem(panelWindow, id); }

    // What the next panel asks its questions on other programs and input of:
    // the system, unless a test puts in one that answers as Windows does
    // where Wine does not.
    DesktopRules* desktop_ = nullptr;

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
