// A pad's icon without waiting: which files may be looked at on the way to
// the window, the type icon that needs no disk, and the file's own icon
// fetched on a thread of its own.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

// True for a file that is there on a local fixed disk: looking at it is
// quick. A network path, a removable or optical drive may keep the caller
// waiting for the network's timeout or a disk's spin-up.
bool PadFileIsNearby(const std::string& path);

// The icon, display name and type name that the shell gives a file of this
// name, from its extension alone: the disk is not touched. An empty record
// when the shell has none.
void TakeTypeIcon(const std::string& path, SHFILEINFOA& info);

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
