#include "conceal/recovery_file.h"

#include <algorithm>
#include <cstdint>

#include "core/base/exe_paths.h"
#include "win/file_contents.h"
#include "win/module_path.h"

namespace {

std::string RecoveryFilePath() { return PathBesideExecutable(ModulePath(), "hidden", "dat"); }

// The windows of `newer` count over those of `older` with the same handle.
void TakeNewerWindows(const RecoveryState& newer, RecoveryState& older)
{
    for (const StrandedWindow& w : newer.windows) {
        const auto same = std::find_if(older.windows.begin(), older.windows.end(),
                                       [&](const StrandedWindow& o) { return o.window == w.window; });
        if (same == older.windows.end()) {
            older.windows.push_back(w);
        } else {
            *same = w;
        }
    }
    if (!newer.mutes.empty()) older.mutes = newer.mutes;
}

}  // namespace

RecoveryState RecoveryFile::Read()
{
    kept_.clear();
    // A folder whose name the code page cannot write holds no file this
    // program could have written (the settings tell the player of it).
    if (!ModulePathFitsCodePage()) return {};
    auto readOne = [this](const std::string& path, RecoveryState& state, bool& whole) {
        std::vector<std::uint8_t> bytes;
        const FileRead outcome = ReadWholeFileWaiting(path, RECOVERY_FILE_LIMIT, bytes, FILE_SHARE_READ);
        if (outcome == FileRead::Failed) kept_.push_back(path);
        whole = false;
        if (outcome == FileRead::Read) state = DecodeRecoveryFile(bytes.data(), bytes.size(), &whole);
        return outcome;
    };
    const std::string path = RecoveryFilePath();
    RecoveryState newer;
    bool newerWhole = false;
    if (readOne(NewFilePath(path), newer, newerWhole) == FileRead::Read && newerWhole) return newer;
    RecoveryState older;
    bool olderWhole = false;
    readOne(path, older, olderWhole);
    TakeNewerWindows(newer, older);
    return older;
}

void RecoveryFile::Update(const RecoveryState& state)
{
    if (Kept()) return;
    const std::string path = RecoveryFilePath();
    if (state.Empty()) {
        DeleteFileA(path.c_str());
        DeleteFileA(NewFilePath(path).c_str());
        return;
    }
    ReplaceFileContents(path, EncodeRecoveryFile(state), Replace::Cached);
}

void RecoveryFile::ReportUnreadable(HWND owner) const
{
    if (!Kept()) return;
    std::string text =
        "前回の実行で隠したウィンドの記録を読み込めませんでした（ほかのプログラムが使用中の可能性が"
        "あります）。\n前回隠したウィンドが、まだ隠れたままかもしれません。\n\n";
    for (const std::string& path : kept_) text += path + "\n";
    text +=
        "\nこのファイルは消さずに残し、今回は記録を書きません。しばらくしてからプログラムを起動し"
        "直すと、記録にあるウィンドが表示されます。";
    MessageBoxA(owner, text.c_str(), kept_.front().c_str(), MB_OK | MB_ICONWARNING);
}
