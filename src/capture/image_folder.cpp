#include "capture/image_folder.h"

#include "app/exe_paths.h"
#include "app/module_path.h"
#include "res/resource.h"

std::string DefaultImageFolder()
{
    return PathBesideExecutable(ModulePath(), "image", "");
}

void SetDefaultImageFolder(HWND panel)
{
    SetDlgItemTextA(panel, IDC_IMAGE_FOLDER, DefaultImageFolder().c_str());
}
