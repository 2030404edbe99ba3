#include "tray/tray.h"

#include "core/automation/key_table.h"
#include "core/base/cp932.h"
#include "core/panel/panel_messages.h"
#include "res/resource.h"
#include "win/key_names.h"
#include "win/module_path.h"
#include "win/panel_gate.h"

namespace {

// The first version of the record: 88 bytes on the 32-bit program.
constexpr DWORD TRAY_RECORD_SIZE = NOTIFYICONDATAA_V1_SIZE;
#ifndef _WIN64
static_assert(TRAY_RECORD_SIZE == 88, "first-version tray record");
#endif

constexpr UINT TRAY_ICON_ID = 1;
constexpr UINT ADD_RETRY_MS = 3000;
const char TRAY_TIP[] = "ゲームを捨て，街に出よう";

// The submenu that holds the keyboard's placeholder item.
HMENU KeyboardSubmenu(HMENU popup)
{
    for (int i = 0; i < GetMenuItemCount(popup); ++i) {
        HMENU submenu = GetSubMenu(popup, i);
        if (submenu && GetMenuItemID(submenu, 0) == IDM_KEYBOARD_PLACEHOLDER) return submenu;
    }
    return nullptr;
}

// The keys in table order, 20 to a level; each level but the last ends in
// an empty-captioned submenu holding the next.
void FillKeyboardSubmenu(HMENU keyboard)
{
    if (!keyboard) return;
    DeleteMenu(keyboard, IDM_KEYBOARD_PLACEHOLDER, MF_BYCOMMAND);
    HMENU level = keyboard;
    int levelIndex = 0;
    for (int i = 0; i < KEY_COUNT; ++i) {
        if (TrayKeyboardLevel(i) != levelIndex) {
            HMENU next = CreatePopupMenu();
            AppendMenuA(level, MF_POPUP, reinterpret_cast<UINT_PTR>(next), "");
            level = next;
            levelIndex = TrayKeyboardLevel(i);
        }
        AppendMenuA(level, MF_STRING, static_cast<UINT_PTR>(keyTable[i].controlId),
                    FormatKeyName(keyTable[i].virtualKey).c_str());
    }
}

}  // namespace

Tray::Tray(DesktopRules& desktop)
    : desktop_(desktop),
      shellRestart_(RegisterWindowMessageA("TaskbarCreated")),
      record_(), balloon_()
{
}

void Tray::SetUp()
{
    ZeroMemory(&record_, sizeof record_);
    record_.cbSize = TRAY_RECORD_SIZE;
    record_.hWnd = panel_;
    record_.uID = TRAY_ICON_ID;
    record_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record_.uCallbackMessage = WMU_TRAYNOTIFY;
    shown_ = TrayIcon::Neither;
    lstrcpynA(record_.szTip, TRAY_TIP, sizeof record_.szTip);
}

void Tray::AddIcon()
{
    for (int i = 0; i < TRAY_ICON_COUNT; ++i) {
        icons_[i].Reset(static_cast<HICON>(
            LoadImageA(ModuleInstance(), MAKEINTRESOURCEA(IDI_TRAY_NONE + i), IMAGE_ICON,
                       GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0)));
    }
    record_.hIcon = icons_[static_cast<int>(shown_)].get();
    wanted_ = true;
    Add();
}

std::vector<UINT_PTR> Tray::Timers() const { return {TIMER_TRAY_ADD}; }

void Tray::OnTimer(UINT_PTR) { Add(); }

void Tray::Add()
{
    if (!record_.hWnd || !wanted_) return;
    added_ = desktop_.NotifyIcon(NIM_ADD, record_);
    if (added_) {
        KillTimer(panel_, TIMER_TRAY_ADD);
    } else {
        SetTimer(panel_, TIMER_TRAY_ADD, ADD_RETRY_MS, nullptr);
    }
}

void Tray::ShutDown()
{
    KillTimer(panel_, TIMER_TRAY_ADD);
    desktop_.NotifyIcon(NIM_DELETE, record_);
    for (ScopedIcon& icon : icons_) icon.Reset(nullptr);
    record_.hWnd = nullptr;
    wanted_ = false;
}

void Tray::ShowIcon(TrayIcon wanted)
{
    // A repeater restarts on every change of its interval, and start-up alone
    // asks for the icon several times: the shell is told only of a new picture.
    if (wanted == shown_ || !record_.hWnd) return;
    shown_ = wanted;
    record_.hIcon = icons_[static_cast<int>(shown_)].get();
    if (added_) desktop_.NotifyIcon(NIM_MODIFY, record_);
}

namespace {

// Copies `text` into a field of `size` bytes, cut after a whole character.
template <std::size_t size>
void CopyWhole(char (&field)[size], const std::string& text)
{
    const std::size_t length = Cp932PrefixLength(text.c_str(), text.size(), size - 1);
    text.copy(field, length);
    field[length] = '\0';
}

}  // namespace

void Tray::ShowBalloon(const std::string& title, const std::string& text)
{
    if (!record_.hWnd) return;
    ZeroMemory(&balloon_, sizeof balloon_);
    balloon_.cbSize = NOTIFYICONDATAA_V2_SIZE;
    balloon_.hWnd = record_.hWnd;
    balloon_.uID = record_.uID;
    balloon_.uFlags = NIF_INFO;
    balloon_.dwInfoFlags = NIIF_WARNING;
    CopyWhole(balloon_.szInfoTitle, title);
    CopyWhole(balloon_.szInfo, text);
    desktop_.NotifyIcon(NIM_MODIFY, balloon_);
}

void Tray::ReAdd() { Add(); }

HMENU Tray::BuildMenu(const TrayState& state, HMENU& popup)
{
    HMENU menu = LoadMenuA(ModuleInstance(), MAKEINTRESOURCEA(IDM_TRAY));
    popup = GetSubMenu(menu, 0);
    FillKeyboardSubmenu(KeyboardSubmenu(popup));

    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_TYPE | MIIM_ID;
    item.fType = MFT_STRING;
    item.wID = IDM_SHOW_HIDE;
    char showHide[32];
    lstrcpynA(showHide, state.frameVisible ? "メインウィンドを隠す" : "メインウィンドを表示",
              sizeof showHide);
    item.dwTypeData = showHide;
    SetMenuItemInfoA(popup, IDM_SHOW_HIDE, FALSE, &item);

    // By command: the keys' items are found in their submenus too.
    for (const TrayState::Item& entry : state.items) {
        const auto id = static_cast<UINT>(entry.id);
        if (entry.checked) CheckMenuItem(popup, id, MF_BYCOMMAND | MF_CHECKED);
        if (!entry.enabled) EnableMenuItem(popup, id, MF_BYCOMMAND | MF_GRAYED);
    }
    return menu;
}

void Tray::ShowMenu(const TrayState& state)
{
    // The menu runs a modal loop; a second right click while it is open must
    // not open another one.
    if (menuOpen_) return;
    menuOpen_ = true;
    HMENU popup = nullptr;
    {
        ScopedMenu menu(BuildMenu(state, popup));
        POINT cursor;
        GetCursorPos(&cursor);
        // A menu closes when the player clicks elsewhere only while its
        // owner's top-level window is in front: the frame (hidden or not)
        // takes the front first.
        SetForegroundWindow(GetAncestor(panel_, GA_ROOT));
        ScopedPanelGate closed(panel_);
        desktop_.TrackPopupMenu(popup, TPM_RIGHTBUTTON | TPM_BOTTOMALIGN, cursor.x, cursor.y, panel_);
        // Without a message after it, the next menu from the icon would
        // close at once.
        PostMessageA(panel_, WM_NULL, 0, 0);
    }
    menuOpen_ = false;
}

TrayRequest Tray::OnNotify(LPARAM mouseMessage)
{
    switch (mouseMessage) {
    case WM_RBUTTONDOWN:
        return TrayRequest::Menu;
    case WM_LBUTTONDBLCLK:
        return TrayRequest::Frame;
    default:
        return TrayRequest::Nothing;
    }
}
