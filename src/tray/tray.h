// The notification-area icon: the click repeaters' state at a glance, the
// way back to the hidden frame and to concealed windows, and the menu
// (IDM_TRAY), whose items send the panel their commands.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "core/automation/key_table.h"
#include "core/automation/macro_file.h"
#include "core/panel/timer_gate.h"
#include "core/tray/tray_layout.h"
#include "win/desktop_rules.h"
#include "win/panel_feature.h"
#include "win/scoped.h"

// What the menu shows, as the other features have it when it opens.
struct TrayMenuState {
    bool leftOn = false;
    bool rightOn = false;
    bool slotEnabled[MACRO_SLOT_COUNT] = {};
    bool keysHeld[KEY_COUNT] = {};
    bool concealed = false;
    bool frameVisible = false;
};

// What the tray asks of the panel.
class TrayHost {
public:
    virtual TrayMenuState MenuState() = 0;
    // A double click on the icon: the frame comes back, unless windows are
    // concealed (the frame stays with them).
    virtual void IconDoubleClicked() = 0;

protected:
    ~TrayHost() = default;
};

class Tray final : public PanelFeature {
public:
    Tray(HWND panel, TimerGate& gate, DesktopRules& desktop, TrayHost& host);
    Tray(const Tray&) = delete;
    Tray& operator=(const Tray&) = delete;

    // Fills the icon's record; the picture follows the repeaters from here.
    void SetUp() override;
    // The frame is on screen: the four state icons are loaded and the icon
    // is added. The frame does not wait for the shell, which takes a while
    // to answer the first icon of a program (under Wine it makes its tray
    // window then).
    void AddIcon();
    // TIMER_TRAY_ADD: the icon is added again until the shell takes it.
    std::vector<UINT_PTR> Timers() const override;
    void OnTimer(UINT_PTR id) override;
    // Removes the icon and releases the images.
    void ShutDown() override;

    // Chooses the icon from the two click repeaters; the shell is told only
    // of a new picture.
    void ShowRepeaters(bool leftOn, bool rightOn);
    // The shell has restarted and forgotten every icon, or was not ready when
    // the icon was first added: add it again, with the picture it should
    // show now.
    void ReAdd();
    // WMU_TRAYNOTIFY: the right button opens the menu, a double click tells
    // the host.
    void OnNotify(LPARAM mouseMessage);
    // A warning beside the icon that goes by itself: what the player must
    // know while a game has the focus, where a message box would stop the
    // repeaters. Texts too long for the record are cut whole characters.
    void ShowBalloon(const std::string& title, const std::string& text);

    // The shell's "TaskbarCreated" message.
    UINT ShellRestartMessage() const { return shellRestart_; }
    // The menu as it would be shown now. Returns the loaded menu (to
    // destroy) and gives its popup.
    HMENU BuildMenu(HMENU& popup);

private:
    friend struct PanelInternals;  // the in-process tests' view
    void ShowMenu();
    // Adds the icon; while the shell refuses (not ready yet at logon), it
    // is tried again every few seconds.
    void Add();

    HWND panel_;
    TimerGate& gate_;
    DesktopRules& desktop_;
    TrayHost& host_;
    const UINT shellRestart_;
    NOTIFYICONDATAA record_;
    // The last balloon the shell was given (the second version's record,
    // which carries one).
    NOTIFYICONDATAA balloon_;
    ScopedIcon icons_[TRAY_ICON_COUNT];
    TrayIcon shown_ = TrayIcon::Neither;
    bool wanted_ = false;  // from AddIcon to ShutDown
    bool added_ = false;
    bool menuOpen_ = false;
};
