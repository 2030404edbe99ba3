#include "e2e/program_under_test.h"

#include <cstdio>
#include <vector>

#include "support/wine_test_support.h"

std::string ProgramUnderTest::builtProgram;

namespace {

const char FRAME_CLASS[] = "PLOVNIKARClass";

struct FrameSearch {
    DWORD processId;
    HWND found;
    int count;
};

BOOL CALLBACK VisitTopLevel(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<FrameSearch*>(data);
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) != FRAME_CLASS) return TRUE;
    ++search->count;
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == search->processId) search->found = window;
    return TRUE;
}

}  // namespace

ProgramUnderTest::ProgramUnderTest() : exe_(folder_.File("plovnikar.exe"))
{
    Link();
}

ProgramUnderTest::ProgramUnderTest(const TempFolder::At& place)
    : folder_(place), exe_(folder_.File("plovnikar.exe"))
{
    Link();
}

void ProgramUnderTest::Link()
{
    // A link writes nothing (a test may run with files limited in size);
    // where links are not to be had, a copy.
    const std::string built = WindowsPathOf(builtProgram);
    if (!CreateHardLinkA(exe_.c_str(), built.c_str(), nullptr))
        CopyFileA(built.c_str(), exe_.c_str(), FALSE);
}

ProgramUnderTest::~ProgramUnderTest()
{
    if (process_.hProcess) {
        if (WaitForExit(0) == STILL_ACTIVE && Close() == STILL_ACTIVE) {
            TerminateProcess(process_.hProcess, 1);
            WaitForSingleObject(process_.hProcess, 5000);
        }
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }
}

bool ProgramUnderTest::Start()
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + exe_ + "\"";
    startFailure_.clear();
    if (!CreateProcessA(exe_.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder_.path().c_str(), &startup, &process_)) {
        startFailure_ = "CreateProcess failed with error " + std::to_string(GetLastError()) + " for " +
                        exe_ + (GetFileAttributesA(exe_.c_str()) == INVALID_FILE_ATTRIBUTES ? " (no such file)" : "");
        return false;
    }
    const bool shown = WaitUntil([&] {
        frame_ = FindFrameOfProcess(process_.dwProcessId);
        return frame_ && IsWindowVisible(frame_);
    });
    if (!shown) {
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        startFailure_ = code == STILL_ACTIVE ? "no visible frame in time"
                                             : "the process ended with " + std::to_string(code);
        return false;
    }
    panel_ = GetWindow(frame_, GW_CHILD);
    return panel_ != nullptr;
}

HANDLE ProgramUnderTest::StartAnother() const
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION other = {};
    std::string commandLine = "\"" + exe_ + "\" ignored arguments";
    if (!CreateProcessA(exe_.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder_.path().c_str(), &startup, &other)) {
        return nullptr;
    }
    CloseHandle(other.hThread);
    return other.hProcess;
}

DWORD ProgramUnderTest::WaitForExit(DWORD milliseconds) const
{
    // Keep this thread's windows answering while waiting: the program may
    // show or hide them on its way out and waits for them to answer.
    const bool ended = WaitUntil(
        [&] { return WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0; },
        std::chrono::milliseconds(milliseconds));
    if (!ended) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

void ProgramUnderTest::Kill()
{
    if (!process_.hProcess) return;
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 15000);
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
    process_ = {};
    frame_ = nullptr;
    panel_ = nullptr;
}

DWORD ProgramUnderTest::Close()
{
    if (frame_ && IsWindow(frame_)) PostMessageA(frame_, WM_CLOSE, 0, 0);
    return WaitForExit(15000);
}

HWND FindFrameOfProcess(DWORD processId)
{
    FrameSearch search = {processId, nullptr, 0};
    EnumWindows(VisitTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int CountProgramFrames()
{
    FrameSearch search = {0, nullptr, 0};
    EnumWindows(VisitTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.count;
}
