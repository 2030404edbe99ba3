#include "launcher/shortcut.h"

#include <objbase.h>
#include <shlobj.h>

#include "win/com_thread.h"
#include "win/scoped.h"

bool ResolveShortcut(const char* shortcutPath, char (&target)[MAX_PATH])
{
    target[0] = '\0';
    InitializeComOnThisThread();
    ScopedComPtr<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                link.out())))
        return false;
    ScopedComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.out()))) return false;
    wchar_t widePath[MAX_PATH] = L"";
    bool resolved = false;
    if (MultiByteToWideChar(CP_ACP, 0, shortcutPath, -1, widePath, MAX_PATH) > 0 &&
        SUCCEEDED(file->Load(widePath, STGM_READ))) {
        WIN32_FIND_DATAA found = {};
        resolved = SUCCEEDED(link->GetPath(target, MAX_PATH, &found, SLGP_UNCPRIORITY));
    }
    if (!resolved) target[0] = '\0';
    return resolved;
}
