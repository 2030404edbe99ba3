#include "bench/bench_support.h"

#include "support/test_files.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cctype>
#include <cstdlib>

double Now()
{
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / frequency;
}

double Median(std::vector<double> values)
{
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::string Milliseconds(const std::vector<double>& seconds, int decimals)
{
    std::string text;
    for (double s : seconds) {
        char one[24];
        std::snprintf(one, sizeof one, " %.*f", decimals, s * 1000);
        text += one;
    }
    return text;
}

std::string BesideDriver(const std::string& name)
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    folder.erase(folder.find_last_of("\\/") + 1);
    return folder + name;
}

StartedProcess::~StartedProcess() { Close(); }

bool StartedProcess::Start(const std::string& exe, const std::string& arguments,
                           const std::string& folder)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    exe_ = exe;
    std::string commandLine = "\"" + exe + "\" " + arguments;
    return CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                          folder.empty() ? nullptr : folder.c_str(), &startup, &info_) != FALSE;
}

namespace {

BOOL CALLBACK CloseWindowOfProcess(HWND window, LPARAM processId)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == static_cast<DWORD>(processId)) PostMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
}

}  // namespace

void StartedProcess::Close(HWND window)
{
    if (!info_.hProcess) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        if (window) {
            PostMessageA(window, WM_CLOSE, 0, 0);
        } else {
            EnumWindows(CloseWindowOfProcess, static_cast<LPARAM>(info_.dwProcessId));
        }
        if (WaitForSingleObject(info_.hProcess, 15000) != WAIT_OBJECT_0) {
            TerminateProcess(info_.hProcess, 1);
            WaitForSingleObject(info_.hProcess, 5000);
        }
    }
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
    info_ = {};
}

namespace {

std::string Lower(std::string text)
{
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The whole of a file as text (the files of /proc, which give no size, too).
std::string ReadText(const std::string& path)
{
    const std::vector<std::uint8_t> bytes = ReadWholeFile(path);
    return std::string(bytes.begin(), bytes.end());
}

// The Linux process that runs `exe` under Wine: Wine starts each Windows
// process with the program's path as its first argument, and Linux's /proc
// shows on drive Z:. 0 when there is none (not under Wine).
unsigned long UnixPidOf(const std::string& exe)
{
    if (!GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version")) return 0;
    const std::string wanted = Lower(exe);
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA("Z:\\proc\\*", &entry);
    if (search == INVALID_HANDLE_VALUE) return 0;
    unsigned long found = 0;
    do {
        const unsigned long pid = std::strtoul(entry.cFileName, nullptr, 10);
        if (pid == 0) continue;
        const std::string arguments =
            ReadText("Z:\\proc\\" + std::string(entry.cFileName) + "\\cmdline");
        if (Lower(arguments.substr(0, arguments.find('\0'))) == wanted) found = pid;
    } while (!found && FindNextFileA(search, &entry));
    FindClose(search);
    return found;
}

// User plus system time from /proc/<pid>/stat; -1 when it cannot be read.
// Linux counts in ticks of 1/100 s.
double ProcStatCpuSeconds(unsigned long unixPid)
{
    const std::string text = ReadText("Z:\\proc\\" + std::to_string(unixPid) + "\\stat");
    // The fields after the command name in parentheses: the state, ten
    // more, then utime and stime.
    const std::size_t close = text.rfind(')');
    if (close == std::string::npos) return -1;
    unsigned long long field[12] = {};
    char state = 0;
    if (std::sscanf(text.c_str() + close + 1,
                    " %c %llu %llu %llu %llu %llu %llu %llu %llu %llu %llu %llu %llu", &state,
                    &field[0], &field[1], &field[2], &field[3], &field[4], &field[5], &field[6],
                    &field[7], &field[8], &field[9], &field[10], &field[11]) != 13) {
        return -1;
    }
    return static_cast<double>(field[10] + field[11]) / 100.0;
}

// The time on a CPU of all the process's threads, in seconds, from the first
// field of each thread's /proc/<pid>/task/<tid>/schedstat (nanoseconds); -1
// when none can be read.
double ProcTaskCpuSeconds(unsigned long unixPid)
{
    const std::string tasks = "Z:\\proc\\" + std::to_string(unixPid) + "\\task\\";
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((tasks + "*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return -1;
    double seconds = -1;
    do {
        if (std::strtoul(entry.cFileName, nullptr, 10) == 0) continue;
        const std::string text = ReadText(tasks + entry.cFileName + "\\schedstat");
        unsigned long long nanoseconds = 0;
        if (std::sscanf(text.c_str(), "%llu", &nanoseconds) != 1) continue;
        seconds = (seconds < 0 ? 0 : seconds) + static_cast<double>(nanoseconds) / 1e9;
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return seconds;
}

}  // namespace

double CpuSeconds(HANDLE process, const std::string& exe)
{
    // Wine gives the times of the calling process only. The threads' own
    // counts are exact to the nanosecond; the process's are in ticks of
    // 10 ms. A thread that has ended by the second reading is missed: at
    // rest no thread ends.
    if (const unsigned long unixPid = UnixPidOf(exe)) {
        double seconds = ProcTaskCpuSeconds(unixPid);
        if (seconds < 0) seconds = ProcStatCpuSeconds(unixPid);
        if (seconds >= 0) return seconds;
    }
    FILETIME created, ended, kernel, user;
    if (!GetProcessTimes(process, &created, &ended, &kernel, &user)) return 0;
    auto seconds = [](const FILETIME& t) {
        return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

double WorkingSetBytes(HANDLE process)
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process, &counters, sizeof counters)) return 0;
    return static_cast<double>(counters.WorkingSetSize);
}

double PrivateBytes(HANDLE process)
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process, &counters, sizeof counters)) return 0;
    return static_cast<double>(counters.PagefileUsage);
}

std::vector<double> ReadNumbers(const std::string& path)
{
    std::vector<double> numbers;
    FILE* in = std::fopen(path.c_str(), "r");
    if (!in) return numbers;
    double value;
    while (std::fscanf(in, "%lf", &value) == 1) numbers.push_back(value);
    std::fclose(in);
    return numbers;
}

void Result(const char* key, double value, double floor, const char* unit)
{
    std::printf("RESULT %s %.6g %.6g %s\n", key, value, floor, unit);
    std::fflush(stdout);
}

void Check(const char* key, bool holds, const std::string& detail)
{
    std::printf("CHECK %s %s %s\n", key, holds ? "yes" : "no", detail.c_str());
    std::fflush(stdout);
}
