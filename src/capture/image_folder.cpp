#include "capture/image_folder.h"

#include "app/exe_paths.h"
#include "app/module_path.h"
#include "capture/image_folder_text.h"
#include "res/resource.h"

namespace {

bool IsExistingDirectory(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

std::string DefaultImageFolder()
{
    return PathBesideExecutable(ModulePath(), "image", "");
}

void SetDefaultImageFolder(HWND panel)
{
    SetDlgItemTextA(panel, IDC_IMAGE_FOLDER, DefaultImageFolder().c_str());
}

std::string ResolveImageFolder(HWND folderEdit)
{
    char text[MAX_PATH] = "";
    GetWindowTextA(folderEdit, text, sizeof text);
    std::string folder = TrimTrailingSeparators(text);
    // An existing directory is usable whatever the creation reports: a drive
    // root, for one, cannot be created and fails with access denied.
    if (!CreateDirectoryA(folder.c_str(), nullptr) && !IsExistingDirectory(folder)) {
        folder = DefaultImageFolder();
        CreateDirectoryA(folder.c_str(), nullptr);
    }
    SetWindowTextA(folderEdit, folder.c_str());
    return folder;
}
