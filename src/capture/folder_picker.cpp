#include "capture/folder_picker.h"

#include <shlobj.h>

#include <cstring>
#include <string>

#include "core/capture/image_folder_text.h"
#include "win/com_thread.h"
#include "win/scoped.h"

namespace {

constexpr UINT PICKER_FLAGS = BIF_STATUSTEXT | BIF_EDITBOX | BIF_VALIDATE;
static_assert(PICKER_FLAGS == 0x34);

void ShowOnStatusLine(HWND picker, const char* path)
{
    char shortPath[MAX_PATH] = "";
    const DWORD length = GetShortPathNameA(path, shortPath, sizeof shortPath);
    const bool haveShort = length > 0 && length < sizeof shortPath;
    SendMessageA(picker, BFFM_SETSTATUSTEXTA, 0,
                 reinterpret_cast<LPARAM>(haveShort ? shortPath : path));
}

// The path with exactly one trailing "\", when that fits the buffer.
void StoreChosenFolder(const char* path, PickedFolder& picked)
{
    std::string folder = ImageDirectory(path);
    if (folder.size() >= sizeof picked.path) folder = path;
    std::memcpy(picked.path, folder.c_str(), folder.size() + 1);
}

}  // namespace

int CALLBACK BrowseFolderCallback(HWND picker, UINT message, LPARAM lParam, LPARAM data)
{
    switch (message) {
    case BFFM_INITIALIZED: {
        const PickedFolder& folder = *reinterpret_cast<const PickedFolder*>(data);
        SendMessageA(picker, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(folder.path));
        ShowOnStatusLine(picker, folder.path);
        return 0;
    }
    case BFFM_SELCHANGED: {
        char path[MAX_PATH] = "";
        if (!SHGetPathFromIDListA(reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam), path)) path[0] = '\0';
        ShowOnStatusLine(picker, path);
        return 0;
    }
    case BFFM_VALIDATEFAILEDA:
        MessageBoxA(picker, "不正なフォルダです", "Error", MB_OK);
        return 1;  // the picker stays open
    default:
        return 0;
    }
}

bool BrowseImageFolder(HWND owner, const char* title, PickedFolder& folder)
{
    InitializeComOnThisThread();
    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.lpszTitle = title;
    info.ulFlags = PICKER_FLAGS;
    info.lpfn = BrowseFolderCallback;
    info.lParam = reinterpret_cast<LPARAM>(&folder);
    PIDLIST_ABSOLUTE item = SHBrowseForFolderA(&info);
    if (!item) return false;

    ScopedComPtr<IMalloc> allocator;
    if (FAILED(SHGetMalloc(reinterpret_cast<IMalloc**>(allocator.out())))) {
        MessageBoxA(owner, "SHGetMalloc Error", "Error", MB_OK);
        CoTaskMemFree(item);
        return false;
    }
    char path[MAX_PATH] = "";
    const bool hasPath = SHGetPathFromIDListA(item, path) != FALSE && path[0] != '\0';
    allocator->Free(item);
    if (!hasPath) return false;
    StoreChosenFolder(path, folder);
    return true;
}
