// Files and shortcuts that the launcher tests register: a fresh folder under
// the temporary directory, removed with everything in it.
#pragma once
#include <windows.h>

#include <string>

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "\\" + name; }
    // Creates (or replaces) a file with some bytes in it; returns its path.
    std::string Write(const std::string& name, const std::string& content = "x") const;

private:
    std::string path_;
};

// Saves a shortcut at linkPath that points at target, through the shell's
// link object; false when the shell refused.
bool MakeShortcut(const std::string& linkPath, const std::string& target);

// The directory of this test program, with a trailing separator.
std::string TestProgramDirectory();
