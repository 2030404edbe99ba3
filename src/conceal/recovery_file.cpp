#include "conceal/recovery_file.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/exe_paths.h"
#include "app/module_path.h"
#include "conceal/hidden_windows.h"
#include "conceal/recovery_list.h"

namespace {

std::string RecoveryFilePath() { return PathBesideExecutable(ModulePath(), "hidden", "dat"); }

std::vector<StrandedWindow> CurrentList()
{
    std::vector<StrandedWindow> windows;
    for (const HiddenWindowRecord* record = hiddenWindows; record; record = record->next) {
        StrandedWindow w;
        w.window = reinterpret_cast<std::uintptr_t>(record->window);
        DWORD processId = 0;
        GetWindowThreadProcessId(record->window, &processId);
        w.processId = processId;
        w.showCommand = static_cast<std::int32_t>(record->placement.showCmd);
        windows.push_back(w);
    }
    return windows;
}

std::vector<std::uint8_t> ReadWholeFile(const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    bytes.resize(RECOVERY_HEADER_BYTES + RECOVERY_ENTRY_LIMIT * RECOVERY_ENTRY_BYTES);
    DWORD read = 0;
    if (!ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) read = 0;
    bytes.resize(read);
    CloseHandle(file);
    return bytes;
}

void RestoreOne(const StrandedWindow& entry)
{
    const auto window = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(entry.window));
    if (!IsWindow(window) || IsWindowVisible(window)) return;
    // A handle of a window that has gone may have been given to another one.
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == 0 || processId != entry.processId) return;
    ShowWindow(window, entry.showCommand);
}

}  // namespace

void UpdateRecoveryFile()
{
    const std::string path = RecoveryFilePath();
    if (!hiddenWindows) {
        DeleteFileA(path.c_str());
        return;
    }
    const std::vector<std::uint8_t> bytes = EncodeRecoveryList(CurrentList());
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

void RestoreStrandedWindows()
{
    const std::string path = RecoveryFilePath();
    const std::vector<std::uint8_t> bytes = ReadWholeFile(path);
    for (const StrandedWindow& entry : DecodeRecoveryList(bytes.data(), bytes.size()))
        RestoreOne(entry);
    DeleteFileA(path.c_str());
}
