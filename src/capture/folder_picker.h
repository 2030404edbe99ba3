// Choosing the image folder with the shell's folder picker.
#pragma once
#include <windows.h>

// What the picker and its callback share: the folder to select when the
// picker opens, and then the folder chosen, always ending in "\".
struct PickedFolder {
    char path[MAX_PATH] = "";
};

// Runs the picker (status line, edit field, validation of what is typed),
// opening on `folder`. True, with `folder` holding the chosen folder; false
// when the user cancels, the shell's allocator cannot be had ("SHGetMalloc
// Error") or the chosen item has no file-system path.
bool BrowseImageFolder(HWND owner, const char* title, PickedFolder& folder);

// The picker's callback (its data is the PickedFolder): selects the folder
// when the picker opens, shows the short form of the selected folder on the
// status line (its long form when there is no short one, nothing for an item
// without a path), and refuses a typed folder that does not exist with
// "不正なフォルダです".
int CALLBACK BrowseFolderCallback(HWND picker, UINT message, LPARAM lParam, LPARAM data);
