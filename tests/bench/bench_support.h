// What the benchmark drivers share: a clock, medians, the reference programs
// beside the driver, and the lines that scripts/bench.sh reads.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Seconds on the performance counter.
double Now();

double Median(std::vector<double> values);

// Each time in milliseconds with this many decimals, one space before each.
std::string Milliseconds(const std::vector<double>& seconds, int decimals = 0);

// A reference program built beside this driver ("floor_window.exe", ...).
std::string BesideDriver(const std::string& name);

// A process started by a driver: ended when it goes out of scope, through
// WM_CLOSE to its windows first.
class StartedProcess {
public:
    StartedProcess() = default;
    ~StartedProcess();
    StartedProcess(const StartedProcess&) = delete;
    StartedProcess& operator=(const StartedProcess&) = delete;

    // Starts `exe` with `arguments` in `folder`; false when it did not start.
    bool Start(const std::string& exe, const std::string& arguments, const std::string& folder);
    // Posts WM_CLOSE to `window`, or to every top-level window of the
    // process when none is given, and waits for its end; ends it at once
    // when it does not go.
    void Close(HWND window = nullptr);

    HANDLE handle() const { return info_.hProcess; }
    const std::string& exe() const { return exe_; }
    DWORD id() const { return info_.dwProcessId; }

private:
    PROCESS_INFORMATION info_ = {};
    std::string exe_;
};

// User plus kernel time of a started process running `exe` (its full
// path), in seconds. Wine gives the times of the calling process only; under
// Wine they come from Linux's /proc.
double CpuSeconds(HANDLE process, const std::string& exe);
// Its working set in bytes (0 when it cannot be read).
double WorkingSetBytes(HANDLE process);
double PrivateBytes(HANDLE process);

// The numbers a text file holds, in order; empty when there is none.
std::vector<double> ReadNumbers(const std::string& path);

// A line for scripts/bench.sh: RESULT key value floor unit.
void Result(const char* key, double value, double floor, const char* unit);
// A line for scripts/bench.sh: CHECK key yes|no detail.
void Check(const char* key, bool holds, const std::string& detail);
