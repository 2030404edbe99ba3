// The notification-area icon: the click repeaters' state at a glance, the
// way back to the hidden frame and to concealed windows, and the menu
// (IDM_TRAY), whose items send the panel their commands.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "core/tray/tray_layout.h"
#include "win/desktop_rules.h"
#include "win/panel_feature.h"
#include "win/scoped.h"

// What the player asked for at the icon.
enum class TrayRequest {
    Nothing,
    Menu,   // the right button: the menu, with the features' state
    Frame,  // a double click: the frame back, unless windows are concealed
};

class Tray final : public PanelFeature {
public:
    explicit Tray(DesktopRules& desktop);
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

    // The shell is told only of a new picture.
    void ShowIcon(TrayIcon icon);
    // The shell has restarted and forgotten every icon, or was not ready when
    // the icon was first added: add it again, with the picture it should
    // show now.
    void ReAdd();
    // WMU_TRAYNOTIFY: what the mouse message asks for.
    static TrayRequest OnNotify(LPARAM mouseMessage);
    // The menu at the cursor, as `state` has the features; its items send
    // the panel their commands.
    void ShowMenu(const TrayState& state);
    // A warning beside the icon that goes by itself: what the player must
    // know while a game has the focus, where a message box would stop the
    // repeaters. Texts too long for the record are cut whole characters.
    void ShowBalloon(const std::string& title, const std::string& text);

    // The shell's "TaskbarCreated" message.
    UINT ShellRestartMessage() const { return shellRestart_; }
    // The menu as `state` has it. Returns the loaded menu (to destroy) and
    // gives its popup.
    HMENU BuildMenu(const TrayState& state, HMENU& popup);

private:
    friend struct PanelInternals;  // the in-process tests' view
    // Adds the icon; while the shell refuses (not ready yet at logon), it
    // is tried again every few seconds.
    void Add();

    DesktopRules& desktop_;
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
