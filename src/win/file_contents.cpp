#include "win/file_contents.h"

#include <windows.h>

#include "win/scoped.h"

FileRead ReadWholeFile(const std::string& path, std::size_t maxBytes, std::vector<std::uint8_t>& bytes,
                       unsigned long share)
{
    bytes.clear();
    ScopedHandle file(CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? FileRead::Missing
                                                                                : FileRead::Failed;
    }
    bytes.resize(maxBytes);
    DWORD got = 0;
    if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(maxBytes), &got, nullptr)) {
        bytes.clear();
        return FileRead::Failed;
    }
    bytes.resize(got);
    return FileRead::Read;
}

void PauseBeforeRetry() { Sleep(100); }

FileRead ReadWholeFileWaiting(const std::string& path, std::size_t maxBytes,
                              std::vector<std::uint8_t>& bytes, unsigned long share)
{
    FileRead outcome = FileRead::Failed;
    RetryForASecond([&] {
        outcome = ReadWholeFile(path, maxBytes, bytes, share);
        return outcome != FileRead::Failed;
    });
    return outcome;
}

std::string NewFilePath(const std::string& path) { return path + ".new"; }

bool ReplaceFileContents(const std::string& path, const std::vector<std::uint8_t>& bytes,
                         Replace how)
{
    const std::string fresh = NewFilePath(path);
    ScopedHandle file(CreateFileA(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return false;
    DWORD written = 0;
    const bool durable = how == Replace::Durable;
    const bool whole = WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()),
                                 &written, nullptr) &&
                       written == bytes.size() && (!durable || FlushFileBuffers(file.get()));
    const bool closed = file.Close();
    if (!whole || !closed) {
        DeleteFileA(fresh.c_str());
        return false;
    }
    const DWORD moveFlags = MOVEFILE_REPLACE_EXISTING | (durable ? MOVEFILE_WRITE_THROUGH : 0);
    if (!MoveFileExA(fresh.c_str(), path.c_str(), moveFlags)) {
        if (durable) DeleteFileA(fresh.c_str());
        return false;
    }
    return true;
}
