// Files for the Windows tests: a fresh folder under the temporary directory
// that goes away with everything in it, and whole-file reads and writes.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

class TempFolder {
public:
    explicit TempFolder(const char* prefix = "plov-test");
    // A folder at exactly this path, made afresh (whatever stood there goes).
    struct At {
        std::string path;
    };
    explicit TempFolder(const At& place);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "\\" + name; }
    // Creates (or replaces) a file with some bytes in it; returns its path.
    std::string Write(const std::string& name, const std::string& content = "x") const;

private:
    std::string path_;
};

// The whole file, or nothing when it cannot be read (also while the program
// holds it open without sharing).
std::vector<std::uint8_t> ReadWholeFile(const std::string& path);
// Creates or replaces the file with exactly these bytes; false when it could
// not be written whole.
bool WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
