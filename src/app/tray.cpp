#include "app/tray.h"

#include <shellapi.h>

#include "app/app_state.h"
#include "conceal/hidden_windows.h"
#include "core/shell/panel_messages.h"
#include "core/shell/tray_layout.h"
#include "res/resource.h"
#include "triggers/key_names.h"
#include "win/scoped.h"

namespace {

// The first version of the record: 88 bytes on the 32-bit program.
constexpr DWORD TRAY_RECORD_SIZE = NOTIFYICONDATAA_V1_SIZE;
#ifndef _WIN64
static_assert(TRAY_RECORD_SIZE == 88, "first-version tray record");
#endif

constexpr UINT TRAY_ICON_ID = 1;
const char TRAY_TIP[] = "ゲームを捨て，街に出よう";

NOTIFYICONDATAA trayRecord;
HICON trayIcons[4];  // resources 102 to 105
int shownIconId = IDI_TRAY_NONE;

HICON IconFor(int resourceId) { return trayIcons[resourceId - IDI_TRAY_NONE]; }

void CheckItem(HMENU menu, UINT id, bool on)
{
    CheckMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

void EnableItem(HMENU menu, UINT id, bool on)
{
    EnableMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
}

// The keys in table order, 20 to a level; each level but the last ends in
// an empty-captioned submenu holding the next.
void FillKeyboardSubmenu(HMENU keyboard, const KeyRepeatState& keys)
{
    DeleteMenu(keyboard, 0, MF_BYPOSITION);  // the placeholder
    HMENU level = keyboard;
    int levelIndex = 0;
    for (int i = 0; i < KEY_COUNT; ++i) {
        if (TrayKeyboardLevel(i) != levelIndex) {
            HMENU next = CreatePopupMenu();
            AppendMenuA(level, MF_POPUP, reinterpret_cast<UINT_PTR>(next), "");
            level = next;
            levelIndex = TrayKeyboardLevel(i);
        }
        const UINT state = keys.held[i] ? MF_CHECKED : MF_UNCHECKED;
        AppendMenuA(level, MF_STRING | state, static_cast<UINT_PTR>(keyTable[i].controlId),
                    FormatKeyName(keyTable[i].virtualKey));
    }
}

void ShowTrayMenu(HWND panel)
{
    // The menu runs a modal loop; a second right click while it is open must
    // not open another one.
    static bool open = false;
    if (open) return;
    open = true;
    HMENU popup = nullptr;
    {
        ScopedMenu menu(BuildTrayMenu(popup));
        POINT cursor;
        GetCursorPos(&cursor);
        SetForegroundWindow(panel);
        ScopedTimerGate closed(Gate());
        TrackPopupMenu(popup, TPM_RIGHTBUTTON | TPM_BOTTOMALIGN, cursor.x, cursor.y, 0, panel,
                       nullptr);
    }
    open = false;
}

}  // namespace

UINT TaskbarCreatedMessage()
{
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

void AddTrayIcon(HWND panel)
{
    for (int id = IDI_TRAY_NONE; id <= IDI_TRAY_BOTH; ++id) {
        trayIcons[id - IDI_TRAY_NONE] = static_cast<HICON>(
            LoadImageA(appInstance, MAKEINTRESOURCEA(id), IMAGE_ICON,
                       GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    }
    ZeroMemory(&trayRecord, sizeof trayRecord);
    trayRecord.cbSize = TRAY_RECORD_SIZE;
    trayRecord.hWnd = panel;
    trayRecord.uID = TRAY_ICON_ID;
    trayRecord.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    trayRecord.uCallbackMessage = WMU_TRAYNOTIFY;
    shownIconId = IDI_TRAY_NONE;
    trayRecord.hIcon = IconFor(shownIconId);
    lstrcpynA(trayRecord.szTip, TRAY_TIP, sizeof trayRecord.szTip);
    Shell_NotifyIconA(NIM_ADD, &trayRecord);
}

void UpdateTrayIcon()
{
    // A repeater restarts on every change of its interval, and start-up alone
    // asks for the icon six times: the shell is told only of a new picture.
    const int wanted = TrayIconFor(Model().left.on, Model().right.on);
    if (wanted == shownIconId) return;
    shownIconId = wanted;
    trayRecord.hIcon = IconFor(shownIconId);
    Shell_NotifyIconA(NIM_MODIFY, &trayRecord);
}

void ReAddTrayIcon()
{
    if (trayRecord.hWnd) Shell_NotifyIconA(NIM_ADD, &trayRecord);
}

void DeleteTrayIcon()
{
    Shell_NotifyIconA(NIM_DELETE, &trayRecord);
    for (HICON& icon : trayIcons) {
        if (icon) DestroyIcon(icon);
        icon = nullptr;
    }
    trayRecord.hWnd = nullptr;
}

int CurrentTrayIconId() { return shownIconId; }

HMENU BuildTrayMenu(HMENU& popup)
{
    const PanelModel& model = Model();
    HMENU menu = LoadMenuA(appInstance, MAKEINTRESOURCEA(IDM_TRAY));
    popup = GetSubMenu(menu, 0);
    FillKeyboardSubmenu(GetSubMenu(popup, 3), model.keys);

    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_TYPE | MIIM_ID;
    item.fType = MFT_STRING;
    item.wID = IDM_SHOW_HIDE;
    char showHide[32];
    lstrcpynA(showHide, IsWindowVisible(frameWindow) ? "メインウィンドを隠す" : "メインウィンドを表示",
              sizeof showHide);
    item.dwTypeData = showHide;
    SetMenuItemInfoA(popup, IDM_SHOW_HIDE, FALSE, &item);

    CheckItem(popup, IDM_LEFT_REPEAT, model.left.on);
    CheckItem(popup, IDM_RIGHT_REPEAT, model.right.on);
    const UINT slotItems[MACRO_SLOT_COUNT] = {IDM_MACRO1, IDM_MACRO2, IDM_MACRO3};
    for (int slot = 0; slot < MACRO_SLOT_COUNT; ++slot)
        EnableItem(popup, slotItems[slot], model.macros.slots[slot].enabled);
    const bool concealed = AnyWindowsHidden();
    EnableItem(popup, IDM_CONCEAL, !concealed);
    EnableItem(popup, IDM_SHOW_HIDE, !concealed);
    EnableItem(popup, IDM_SHOW_HIDDEN, concealed);
    EnableItem(popup, IDM_HIDDEN_DIALOG, concealed);
    return menu;
}

void OnTrayNotify(HWND panel, LPARAM mouseMessage)
{
    switch (mouseMessage) {
    case WM_RBUTTONDOWN:
        ShowTrayMenu(panel);
        break;
    case WM_LBUTTONDBLCLK:
        // While windows are concealed the frame stays with them.
        if (!AnyWindowsHidden()) ShowWindow(frameWindow, SW_SHOWNORMAL);
        break;
    default:
        break;
    }
}
