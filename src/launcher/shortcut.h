// Reading a shortcut (.lnk) file's target with the shell's link object.
#pragma once
#include <windows.h>

// True with the shortcut's target path in target (empty for a shortcut
// without a file-system target); false, with target empty, when the link
// object cannot be had or the file cannot be loaded as a shortcut.
bool ResolveShortcut(const char* shortcutPath, char (&target)[MAX_PATH]);
