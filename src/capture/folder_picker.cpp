#include "capture/folder_picker.h"

#include <shlobj.h>

#include <cstring>
#include <string>

#include "core/capture/image_folder_text.h"
#include "res/resource.h"
#include "win/com_thread.h"
#include "win/scoped.h"

char browseFolderPath[MAX_PATH] = "";

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
void StoreChosenFolder(const char* path)
{
    std::string folder = ImageDirectory(path);
    if (folder.size() >= sizeof browseFolderPath) folder = path;
    std::memcpy(browseFolderPath, folder.c_str(), folder.size() + 1);
}

}  // namespace

int CALLBACK BrowseFolderCallback(HWND picker, UINT message, LPARAM lParam, LPARAM)
{
    switch (message) {
    case BFFM_INITIALIZED:
        SendMessageA(picker, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(browseFolderPath));
        ShowOnStatusLine(picker, browseFolderPath);
        return 0;
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

const char* BrowseImageFolder(HWND owner, const char* title)
{
    InitializeComOnThisThread();
    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.lpszTitle = title;
    info.ulFlags = PICKER_FLAGS;
    info.lpfn = BrowseFolderCallback;
    PIDLIST_ABSOLUTE item = SHBrowseForFolderA(&info);
    if (!item) return nullptr;

    ScopedComPtr<IMalloc> allocator;
    if (FAILED(SHGetMalloc(reinterpret_cast<IMalloc**>(allocator.out())))) {
        MessageBoxA(owner, "SHGetMalloc Error", "Error", MB_OK);
        CoTaskMemFree(item);
        return nullptr;
    }
    char path[MAX_PATH] = "";
    const bool hasPath = SHGetPathFromIDListA(item, path) != FALSE && path[0] != '\0';
    allocator->Free(item);
    if (!hasPath) return nullptr;
    StoreChosenFolder(path);
    return browseFolderPath;
}

void ChooseImageFolder(HWND panel, TimerGate& gate, std::string& imageFolder)
{
    ScopedTimerGate closed(gate);
    lstrcpynA(browseFolderPath, imageFolder.c_str(), sizeof browseFolderPath);
    if (const char* folder = BrowseImageFolder(panel, "画像保存先フォルダの指定")) {
        imageFolder = folder;
        SetDlgItemTextA(panel, IDC_IMAGE_FOLDER, folder);
    }
}
