// Whole files: read at once, and replaced so that a crash, a kill or a full
// disk midway never leaves half a file.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

enum class FileRead { Read, Missing, Failed };

// Reads at most maxBytes of the file into `bytes`. Missing when there is no
// such file (or folder); Failed when it is there but could not be opened or
// read (another program holds it, access is denied, a read error), with
// `bytes` empty. `share` is the sharing mode the file is opened with.
FileRead ReadWholeFile(const std::string& path, std::size_t maxBytes, std::vector<std::uint8_t>& bytes,
                       unsigned long share = 0);

// A virus scanner or a sync client holds a file for a moment: a file that is
// there but cannot be read is tried again for about a second before Failed.
FileRead ReadWholeFileWaiting(const std::string& path, std::size_t maxBytes,
                              std::vector<std::uint8_t>& bytes, unsigned long share = 0);

// The same wait for anything else: tries `attempt` until it returns true,
// for about a second.
void PauseBeforeRetry();
template <typename Attempt>
bool RetryForASecond(Attempt attempt)
{
    constexpr int ATTEMPTS = 10;
    for (int i = 0; i < ATTEMPTS; ++i) {
        if (i > 0) PauseBeforeRetry();
        if (attempt()) return true;
    }
    return false;
}

enum class Replace {
    // Flushed to the medium and moved in write-through; on any failure the
    // new file goes again.
    Durable,
    // Left to the system's cache; a whole new file that cannot be moved in
    // stays beside the old one.
    Cached,
};

// Writes `bytes` to a new file beside `path` (NewFilePath) and only then
// puts it in the place of `path`. False, and the old file untouched, on any
// failure.
bool ReplaceFileContents(const std::string& path, const std::vector<std::uint8_t>& bytes,
                         Replace how = Replace::Durable);

// Where ReplaceFileContents writes before it moves in: the name and ".new".
std::string NewFilePath(const std::string& path);

