// Telling a shortcut file by its name, and how far a chain of shortcuts is
// followed.
#pragma once
#include <string>

// A shortcut that points at another shortcut is followed again, this many
// times at most; a longer chain, or a cycle, ends at the shortcut reached.
constexpr int SHORTCUT_FOLLOW_LIMIT = 8;

// True when the last component of path has the extension ".lnk", in any
// case. Separators are found character by character in code page 932.
bool IsShortcutPath(const std::string& path);
