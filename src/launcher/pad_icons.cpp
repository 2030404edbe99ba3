#include "launcher/pad_icons.h"

#include <objbase.h>

#include <memory>

#include "win/com_thread.h"

namespace {

DWORD WINAPI FetchIcons(LPVOID data)
{
    const std::unique_ptr<std::vector<IconRequest>> requests(
        static_cast<std::vector<IconRequest>*>(data));
    // The shell's file information needs the component library on the
    // thread that asks.
    const bool com = SUCCEEDED(CoInitialize(nullptr));
    for (const IconRequest& request : *requests) {
        auto fetched = std::make_unique<FetchedIcon>();
        fetched->path = request.path;
        if (!ShellFileIcon(request.path, IconSource::File, fetched->info)) continue;
        if (PostMessageA(request.pad, PAD_ICON_FETCHED, 0, reinterpret_cast<LPARAM>(fetched.get()))) {
            fetched.release();
        } else {
            DestroyIcon(fetched->info.hIcon);
        }
    }
    if (com) CoUninitialize();
    return 0;
}

}  // namespace

bool ShellFileIcon(const std::string& path, IconSource source, SHFILEINFOA& info)
{
    UINT flags = SHGFI_ICON | SHGFI_DISPLAYNAME | SHGFI_TYPENAME;
    if (source == IconSource::Extension) flags |= SHGFI_USEFILEATTRIBUTES;
    info = SHFILEINFOA{};
    if (!SHGetFileInfoA(path.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info, flags) || !info.hIcon) {
        // A failed call may leave a value in the icon field that is no icon
        // of ours: it is forgotten, never destroyed.
        info = SHFILEINFOA{};
        return false;
    }
    return true;
}

bool PadFileIsNearby(const std::string& path)
{
    if (path.size() < 3 || path[1] != ':' || (path[2] != '\\' && path[2] != '/')) return false;
    const char root[] = {path[0], ':', '\\', '\0'};
    const UINT type = GetDriveTypeA(root);
    return (type == DRIVE_FIXED || type == DRIVE_RAMDISK) &&
           GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void FetchIconsInBackground(std::vector<IconRequest> requests)
{
    if (requests.empty()) return;
    auto owned = std::make_unique<std::vector<IconRequest>>(std::move(requests));
    HANDLE thread = CreateThread(nullptr, 0, FetchIcons, owned.get(), 0, nullptr);
    if (!thread) return;
    owned.release();
    CloseHandle(thread);
}
