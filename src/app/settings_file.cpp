#include "app/settings_file.h"

#include <windows.h>

#include <vector>

#include "core/base/exe_paths.h"
#include "core/model/settings_mapping.h"
#include "win/file_contents.h"
#include "win/module_path.h"

namespace {

// A valid file is at most 669 + 4 * 259 bytes; anything past this is not
// settings and is not read.
constexpr std::size_t MAX_SETTINGS_BYTES = 64 * 1024;

// A virus scanner or a sync client holds a file for a moment: a file that
// is there but cannot be read is tried again for about a second.
constexpr int READ_ATTEMPTS = 10;
constexpr DWORD READ_RETRY_MS = 100;

// Set when the file was there but could not be read: it holds the player's
// settings, which the defaults on screen must never replace.
bool storedFileKept = false;

}  // namespace

std::string SettingsFilePath()
{
    return PathBesideExecutable(ModulePath(), "ini", "dat");
}

SettingsLoad LoadSettingsFile(PanelModel& model)
{
    storedFileKept = false;
    const std::string path = SettingsFilePath();
    std::vector<std::uint8_t> bytes;
    FileRead outcome = FileRead::Failed;
    for (int attempt = 0; attempt < READ_ATTEMPTS; ++attempt) {
        if (attempt > 0) Sleep(READ_RETRY_MS);
        outcome = ReadWholeFile(path, MAX_SETTINGS_BYTES, bytes);
        if (outcome != FileRead::Failed) break;
    }
    if (outcome == FileRead::Missing) return SettingsLoad::NoFile;
    if (outcome == FileRead::Failed) {
        storedFileKept = true;
        return SettingsLoad::Unreadable;
    }
    SettingsValues values = SettingsOf(model);
    ReadSettings(bytes.data(), bytes.size(), values);
    ApplySettings(values, model);
    return SettingsLoad::Loaded;
}

bool StoredSettingsAreKept() { return storedFileKept; }

bool SaveSettingsFile(const PanelModel& model)
{
    if (storedFileKept) return false;
    return ReplaceFileContents(SettingsFilePath(), WriteSettings(SettingsOf(model)));
}

void ReportUnreadableSettings(HWND owner)
{
    MessageBoxA(owner,
                "設定ファイルを読み込めませんでした（ほかのプログラムが使用中の可能性があります）。\n"
                "既定の設定で起動しました。ファイルを上書きしないよう、今回の設定は保存しません。",
                SettingsFilePath().c_str(), MB_OK | MB_ICONWARNING);
}
