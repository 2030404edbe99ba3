// The notification-area icon: the click repeaters' state at a glance, the
// way back to the hidden frame and to concealed windows, and the menu.
#pragma once
#include <windows.h>

// Loads the four state icons and adds the icon (panel initialisation).
void AddTrayIcon(HWND panel);
// Chooses the icon from the two click repeaters.
void UpdateTrayIcon();
// The shell has restarted and forgotten every icon, or was not ready when the
// icon was first added: add it again, with the picture it should show now.
void ReAddTrayIcon();
// Removes the icon and releases the images (panel shutdown).
void DeleteTrayIcon();

// The shell's notification: right button opens the menu, a double click
// shows the frame unless windows are concealed.
void OnTrayNotify(HWND panel, LPARAM mouseMessage);

// The menu as it would be shown now. Returns the loaded menu (to destroy)
// and gives its popup.
HMENU BuildTrayMenu(HMENU& popup);

// The icon resource currently shown, and the shell's restart message.
int CurrentTrayIconId();
UINT TaskbarCreatedMessage();
