// Choosing the image folder with the shell's folder picker.
#pragma once
#include <windows.h>

#include <string>

#include "core/shell/timer_gate.h"

// Shared by the picker and its callback: the folder to select when the
// picker opens, and the folder chosen, always ending in "\".
extern char browseFolderPath[MAX_PATH];

// Runs the picker (status line, edit field, validation of what is typed).
// Returns browseFolderPath holding the chosen folder, or null when the user
// cancels, the shell's allocator cannot be had ("SHGetMalloc Error") or the
// chosen item has no file-system path.
const char* BrowseImageFolder(HWND owner, const char* title);

// The picker's callback: selects browseFolderPath when the picker opens,
// shows the short form of the selected folder on the status line (its long
// form when there is no short one, nothing for an item without a path), and
// refuses a typed folder that does not exist with "不正なフォルダです".
int CALLBACK BrowseFolderCallback(HWND picker, UINT message, LPARAM lParam, LPARAM data);

// The panel's "参照" command, with the gate closed: the picker opens on the
// image folder, and a chosen folder becomes the image folder (and the text
// of edit 1016).
void ChooseImageFolder(HWND panel, TimerGate& gate, std::string& imageFolder);
