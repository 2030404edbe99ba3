#include "e2e/window_owner.h"

#include "support/test_window.h"
#include "support/wine_test_support.h"

namespace {

// window_owner_helper.exe is built beside the test program.
std::string HelperPath()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder = path;
    folder.erase(folder.find_last_of("\\/") + 1);
    return folder + "window_owner_helper.exe";
}

}  // namespace

WindowOwner::WindowOwner(const std::string& folder) : log_(folder + "\\helper.log")
{
    const std::string exe = HelperPath();
    std::string commandLine = "\"" + exe + "\" \"" + log_ + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process_)) {
        return;
    }
    const DWORD id = process_.dwProcessId;
    normal = WaitForProcessWindow(id, "PlovHelperWindow", "helper normal");
    maximised = WaitForProcessWindow(id, "PlovHelperWindow", "helper maximised");
    minimised = WaitForProcessWindow(id, "PlovHelperWindow", "helper minimised");
    untitled = WaitForProcessWindow(id, "PlovHelperWindow", "");
    started_ = normal && maximised && minimised && untitled &&
               WaitUntil([&] { return IsZoomed(maximised) && IsIconic(minimised); });
}

WindowOwner::~WindowOwner()
{
    if (!process_.hProcess) return;
    PostThreadMessageA(process_.dwThreadId, WM_QUIT, 0, 0);
    if (WaitForSingleObject(process_.hProcess, 5000) != WAIT_OBJECT_0) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
}

std::vector<std::string> WindowOwner::Log() const
{
    std::vector<std::string> lines;
    HANDLE file = CreateFileA(log_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return lines;
    std::string text;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) text.append(buffer, read);
    CloseHandle(file);
    std::string::size_type start = 0, end;
    while ((end = text.find('\n', start)) != std::string::npos) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}
