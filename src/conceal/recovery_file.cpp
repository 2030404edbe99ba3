#include "conceal/recovery_file.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "core/base/exe_paths.h"
#include "win/file_contents.h"
#include "win/module_path.h"

namespace {

std::string RecoveryFilePath() { return PathBesideExecutable(ModulePath(), "hidden", "dat"); }

RecoveryState ReadOne(const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    ReadWholeFile(path, RECOVERY_FILE_LIMIT, bytes, FILE_SHARE_READ);
    return DecodeRecoveryFile(bytes.data(), bytes.size());
}

}  // namespace

void UpdateRecoveryFile(const RecoveryState& state)
{
    const std::string path = RecoveryFilePath();
    if (state.Empty()) {
        DeleteFileA(path.c_str());
        DeleteFileA(NewFilePath(path).c_str());
        return;
    }
    ReplaceFileContents(path, EncodeRecoveryFile(state), Replace::Cached);
}

RecoveryState ReadRecoveryFiles()
{
    const std::string path = RecoveryFilePath();
    RecoveryState state = ReadOne(path);
    // A new file left beside the old one is the newer of the two.
    const RecoveryState newer = ReadOne(NewFilePath(path));
    for (const StrandedWindow& w : newer.windows) {
        const bool listed = std::any_of(state.windows.begin(), state.windows.end(),
                                        [&](const StrandedWindow& o) { return o.window == w.window; });
        if (!listed) state.windows.push_back(w);
    }
    if (!newer.mutes.empty()) state.mutes = newer.mutes;
    return state;
}
