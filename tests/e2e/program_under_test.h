// Starts the real program from a fresh temporary folder and uses it from
// outside, as a person would; cleans up the process and the folder.
#pragma once
#include <windows.h>

#include <string>

#include "support/test_files.h"


class ProgramUnderTest {
public:
    // Where the built program is; set once from the command line.
    static std::string builtProgram;

    ProgramUnderTest();  // copies the program into its own temporary folder
    // The same in a folder at this path, as a player would keep it.
    explicit ProgramUnderTest(const TempFolder::At& place);
    ~ProgramUnderTest(); // closes or ends the process, removes the folder
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    // Starts the copy and waits for its frame to show; false after a bounded
    // wait, with the reason in StartFailure().
    bool Start();
    const std::string& StartFailure() const { return startFailure_; }
    // Starts the copy once more as a separate process and returns its handle.
    HANDLE StartAnother() const;

    HWND frame() const { return frame_; }
    HWND panel() const { return panel_; }
    HWND Control(int id) const { return GetDlgItem(panel_, id); }
    HANDLE process() const { return process_.hProcess; }
    DWORD processId() const { return process_.dwProcessId; }
    const TempFolder& folder() const { return folder_; }

    // Asks the frame to close and waits for the exit code; returns
    // STILL_ACTIVE when the process did not end in time.
    DWORD Close();
    DWORD WaitForExit(DWORD milliseconds) const;
    // Ends the process at once, as a crash would; Start may follow.
    void Kill();

private:
    void Link();
    TempFolder folder_;
    std::string exe_;
    PROCESS_INFORMATION process_ = {};
    HWND frame_ = nullptr;
    HWND panel_ = nullptr;
    std::string startFailure_;
};

// Every frame window of the program on the desktop.
int CountProgramFrames();
// The frame window of the program that runs in this process, or null.
HWND FindFrameOfProcess(DWORD processId);
