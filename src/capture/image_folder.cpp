#include "capture/image_folder.h"

#include "core/base/exe_paths.h"
#include "core/capture/image_folder_text.h"
#include "res/resource.h"
#include "win/module_path.h"

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

void TakeImageFolder(HWND panel, std::string& imageFolder)
{
    char text[MAX_PATH] = "";
    GetDlgItemTextA(panel, IDC_IMAGE_FOLDER, text, sizeof text);
    imageFolder = text;
}

std::string ResolveImageFolder(HWND panel, std::string& imageFolder)
{
    std::string folder = TrimTrailingSeparators(imageFolder.c_str());
    // An existing directory is usable whatever the creation reports: a drive
    // root, for one, cannot be created and fails with access denied.
    if (!CreateDirectoryA(folder.c_str(), nullptr) && !IsExistingDirectory(folder)) {
        folder = DefaultImageFolder();
        CreateDirectoryA(folder.c_str(), nullptr);
    }
    imageFolder = folder;
    SetDlgItemTextA(panel, IDC_IMAGE_FOLDER, folder.c_str());
    return folder;
}
