// The window-owner helper process of the concealment tests: started with a
// log file in a test's folder, found by its windows, ended with the test.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

class WindowOwner {
public:
    explicit WindowOwner(const std::string& folder);
    ~WindowOwner();
    WindowOwner(const WindowOwner&) = delete;
    WindowOwner& operator=(const WindowOwner&) = delete;

    // True when the process runs and all four windows have appeared.
    bool Started() const { return started_; }

    HWND normal = nullptr;
    HWND maximised = nullptr;
    HWND minimised = nullptr;
    HWND untitled = nullptr;

    // Every line logged so far: "<title> show", "<title> hide",
    // "<title> closes", "<title> refuses-close".
    std::vector<std::string> Log() const;

private:
    std::string log_;
    PROCESS_INFORMATION process_ = {};
    bool started_ = false;
};
