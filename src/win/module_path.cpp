#include "win/module_path.h"

#include <windows.h>

// The linker's name for the start of the module's image.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

std::wstring ModulePathWide()
{
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

}  // namespace

HINSTANCE ModuleInstance() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

std::string ModulePath()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    return path;
}

std::wstring ModuleFolderWide()
{
    std::wstring path = ModulePathWide();
    const std::size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator + 1);
}

bool ModulePathFitsCodePage()
{
    const std::wstring path = ModulePathWide();
    BOOL lossy = FALSE;
    // Without best fit: a character written as another (é as e) names
    // another file just the same.
    const int bytes = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, path.c_str(), -1, nullptr,
                                          0, nullptr, &lossy);
    return bytes > 0 && bytes <= MAX_PATH && !lossy;
}
