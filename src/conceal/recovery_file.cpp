#include "conceal/recovery_file.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "conceal/master_mute.h"
#include "core/base/exe_paths.h"
#include "win/file_contents.h"
#include "win/module_path.h"
#include "win/window_show.h"

namespace {

std::string RecoveryFilePath() { return PathBesideExecutable(ModulePath(), "hidden", "dat"); }

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

void UpdateRecoveryFile(const RecoveryState& state)
{
    const std::string path = RecoveryFilePath();
    // Written beside and then put in place, as the settings are: a crash or
    // a full disk midway never leaves half a list. A file that could not be
    // written goes, so that no list of an earlier pass can mislead a start.
    if (state.windows.empty() || !ReplaceFileContents(path, EncodeRecoveryFile(state)))
        DeleteFileA(path.c_str());
}

void RestoreStrandedWindows()
{
    const std::string path = RecoveryFilePath();
    std::vector<std::uint8_t> bytes;
    ReadWholeFile(path,
                  RECOVERY_SIGNATURE_BYTES + RECOVERY_FLAGS_BYTES +
                      RECOVERY_ENTRY_LIMIT * RECOVERY_ENTRY_BYTES,
                  bytes, FILE_SHARE_READ);
    const RecoveryState state = DecodeRecoveryFile(bytes.data(), bytes.size());
    for (const StrandedWindow& entry : state.windows) RestoreOne(entry);
    // The speaker that the crashed run muted gets its earlier state back.
    if (state.muted) SetMasterMute(state.mutedBefore ? 1 : 0);
    DeleteFileA(path.c_str());
}
