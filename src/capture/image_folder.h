// The folder that captured images are written into: the text of edit 1016.
#pragma once
#include <windows.h>

#include <string>

// "image" beside the executable, without a trailing separator.
std::string DefaultImageFolder();

// Puts the default folder into the panel's folder edit.
void SetDefaultImageFolder(HWND panel);

// The folder a capture writes into, taken from the folder edit: its text
// without trailing separators, created one level deep when missing. A folder
// that cannot be created and is no existing directory (its parent is
// missing, a file has its name, the text is empty) gives way to the default
// folder, which is created. The edit is set to the folder returned, so it
// always shows the folder used last.
std::string ResolveImageFolder(HWND folderEdit);
