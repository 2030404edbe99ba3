#include "conceal/recovery_file.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/exe_paths.h"
#include "app/module_path.h"
#include "app/settings_file.h"
#include "app/window_show.h"
#include "conceal/concealment_mute.h"
#include "conceal/hidden_windows.h"
#include "conceal/master_mute.h"
#include "conceal/recovery_list.h"

namespace {

std::string RecoveryFilePath() { return PathBesideExecutable(ModulePath(), "hidden", "dat"); }

RecoveryState CurrentState()
{
    RecoveryState state;
    state.muted = ConcealmentMuteHeld();
    state.mutedBefore = MutedBeforeConcealment();
    std::vector<StrandedWindow>& windows = state.windows;
    for (const HiddenWindowRecord* record = hiddenWindows; record; record = record->next) {
        StrandedWindow w;
        w.window = reinterpret_cast<std::uintptr_t>(record->window);
        DWORD processId = 0;
        GetWindowThreadProcessId(record->window, &processId);
        w.processId = processId;
        w.showCommand = static_cast<std::int32_t>(record->placement.showCmd);
        windows.push_back(w);
    }
    return state;
}

std::vector<std::uint8_t> ReadWholeFile(const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    bytes.resize(RECOVERY_SIGNATURE_BYTES + RECOVERY_FLAGS_BYTES +
                 RECOVERY_ENTRY_LIMIT * RECOVERY_ENTRY_BYTES);
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
    // Posted: a program that has stopped answering must not hold up the start.
    ShowWindowWithoutWaiting(window, entry.showCommand);
}

}  // namespace

void UpdateRecoveryFile()
{
    const std::string path = RecoveryFilePath();
    if (!hiddenWindows) {
        DeleteFileA(path.c_str());
        return;
    }
    // Written beside and then put in place, as the settings are: a crash or
    // a full disk midway never leaves half a list. A file that could not be
    // written goes, so that no list of an earlier pass can mislead a start.
    if (!ReplaceFileContents(path, EncodeRecoveryFile(CurrentState()))) DeleteFileA(path.c_str());
}

void RestoreStrandedWindows()
{
    const std::string path = RecoveryFilePath();
    const std::vector<std::uint8_t> bytes = ReadWholeFile(path);
    const RecoveryState state = DecodeRecoveryFile(bytes.data(), bytes.size());
    for (const StrandedWindow& entry : state.windows) RestoreOne(entry);
    // The speaker that the crashed run muted gets its earlier state back.
    if (state.muted) SetMasterMute(state.mutedBefore ? 1 : 0);
    DeleteFileA(path.c_str());
}
