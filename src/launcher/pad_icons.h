// A pad's icon from the shell: the one call that asks for it, which files may
// be looked at on the way to the window, and the file's own icon fetched on a
// thread of its own.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

// Where the shell takes a file's icon and names from: the file itself, or its
// name's extension alone, without touching the disk.
enum class IconSource { File, Extension };

// The shell's large icon, display name and type name for `path`, written
// over `info` (which must hold no icon of ours). False, with `info` empty,
// when no icon came back.
bool ShellFileIcon(const std::string& path, IconSource source, SHFILEINFOA& info);

// True for a file that is there on a local fixed disk: looking at it is
// quick. A network path, a removable or optical drive may keep the caller
// waiting for the network's timeout or a disk's spin-up.
bool PadFileIsNearby(const std::string& path);

// Posted to a pad's control with a FetchedIcon (lParam) that the pad owns
// from then on.
constexpr UINT PAD_ICON_FETCHED = WM_APP + 1;

struct FetchedIcon {
    std::string path;  // the file the icon is of
    SHFILEINFOA info;  // the shell's icon and names
};

struct IconRequest {
    HWND pad;
    std::string path;
};

// Asks the shell for each file's icon on a new thread and posts each icon
// found to its pad; an icon whose pad has gone is destroyed there.
void FetchIconsInBackground(std::vector<IconRequest> requests);
