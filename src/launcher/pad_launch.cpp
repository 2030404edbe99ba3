#include "launcher/pad_launch.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "win/com_thread.h"
#include "core/base/exe_paths.h"
#include "core/launcher/launch_errors.h"
#include "launcher/launcher_pad.h"

#ifndef _WIN64
static_assert(sizeof(SHELLEXECUTEINFOA) == 60, "the shell's start record");
#endif

void LaunchPadFile(cAppIconClass& pad)
{
    InitializeComOnThisThread();
    // Copied: the pad may be emptied while a message box is open.
    const std::string path = pad.path;
    const std::string directory = DirectoryOf(path);
    SHELLEXECUTEINFOA start = {};
    start.cbSize = sizeof start;
    start.fMask = SEE_MASK_NOCLOSEPROCESS;
    start.hwnd = pad.window;
    start.lpVerb = "open";
    start.lpFile = path.c_str();
    start.lpDirectory = directory.c_str();
    start.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExA(&start)) {
        const char* message =
            LaunchErrorMessage(static_cast<long long>(reinterpret_cast<INT_PTR>(start.hInstApp)));
        if (message) {
            // The registration stays: a drive that is not plugged in or a
            // declined elevation prompt passes.
            MessageBoxA(pad.window, message, path.c_str(), MB_OK);
            MessageBoxA(nullptr, "登録ファイルの起動に失敗しました", path.c_str(), MB_OK);
            return;
        }
        start.hProcess = nullptr;
    }
    // No process comes back when a running program took the file (a
    // document opened by a program already running).
    if (pad.host) {
        pad.host->ProgramLaunched(start.hProcess);
    } else if (start.hProcess) {
        CloseHandle(start.hProcess);
    }
}

void OpenPadFolder(const cAppIconClass& pad)
{
    InitializeComOnThisThread();
    const std::string folder = DirectoryOf(pad.path);
    ShellExecuteA(pad.window, nullptr, folder.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
