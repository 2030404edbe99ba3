#include "launcher/file_dialog_library.h"

bool FileDialogLibrary::Open(OPENFILENAMEA& choice)
{
    if (!open_) {
        if (!library_.Load("comdlg32.dll")) return false;
        open_ = reinterpret_cast<GetOpenFileNameFunction>(
            reinterpret_cast<void (*)()>(GetProcAddress(library_.get(), "GetOpenFileNameA")));
    }
    return open_ && open_(&choice);
}
