#include "app/settings_file.h"

#include <windows.h>

#include <vector>

#include "core/base/exe_paths.h"
#include "win/file_contents.h"
#include "win/module_path.h"

namespace {

// A valid file is at most 669 + 4 * 259 bytes; anything past this is not
// settings and is not read.
constexpr std::size_t MAX_SETTINGS_BYTES = 64 * 1024;

}  // namespace

std::string SettingsFilePath()
{
    return PathBesideExecutable(ModulePath(), "ini", "dat");
}

SettingsLoad SettingsFile::Read(SettingsValues& values)
{
    keptBecause_ = SettingsLoad::Loaded;
    if (!ModulePathFitsCodePage()) return keptBecause_ = SettingsLoad::BadFolder;
    const std::string path = SettingsFilePath();
    std::vector<std::uint8_t> bytes;
    const FileRead outcome = ReadWholeFileWaiting(path, MAX_SETTINGS_BYTES, bytes);
    if (outcome == FileRead::Missing) return SettingsLoad::NoFile;
    if (outcome == FileRead::Failed) return keptBecause_ = SettingsLoad::Unreadable;
    ReadSettings(bytes.data(), bytes.size(), values);
    return SettingsLoad::Loaded;
}

bool SettingsFile::Kept() const
{
    return keptBecause_ == SettingsLoad::Unreadable || keptBecause_ == SettingsLoad::BadFolder;
}

bool SettingsFile::Write(const SettingsValues& values) const
{
    if (Kept()) return false;
    const std::vector<std::uint8_t> bytes = WriteSettings(values);
    // Another program may hold the file for a moment.
    return RetryForASecond([&] { return ReplaceFileContents(SettingsFilePath(), bytes); });
}

void SettingsFile::ReportUnreadable(HWND owner) const
{
    if (keptBecause_ == SettingsLoad::BadFolder) {
        // The folder's name is shown as the system writes it: in the ANSI
        // code page it is exactly what cannot be written.
        MessageBoxW(owner,
                    L"このフォルダの名前には、プログラムが扱えない文字（Shift_JIS にない文字）が"
                    L"含まれています。\n設定ファイルやマウス操作の記録をこのフォルダに読み書き"
                    L"できないため、既定の設定で起動しました。今回の設定は保存しません。\n"
                    L"フォルダの名前を変えるか、別のフォルダに移してから起動してください。",
                    ModuleFolderWide().c_str(), MB_OK | MB_ICONWARNING);
        return;
    }
    MessageBoxA(owner,
                "設定ファイルを読み込めませんでした（ほかのプログラムが使用中の可能性があります）。\n"
                "既定の設定で起動しました。ファイルを上書きしないよう、今回の設定は保存しません。",
                SettingsFilePath().c_str(), MB_OK | MB_ICONWARNING);
}

void SettingsFile::ReportLost()
{
    MessageBoxA(nullptr,
                "設定ファイルを保存できませんでした（ほかのプログラムが使用中か、ディスクに空きが"
                "ない可能性があります）。\n今回変えた設定は失われました。",
                SettingsFilePath().c_str(), MB_OK | MB_ICONWARNING);
}
