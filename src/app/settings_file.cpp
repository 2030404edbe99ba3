#include "app/settings_file.h"

#include "app/colors.h"
#include "app/exe_paths.h"
#include "app/module_path.h"
#include "app/panel_buttons.h"
#include "app/settings_codec.h"
#include "launcher/launcher_pad.h"
#include "launcher/pad_settings.h"
#include "res/resource.h"
#include "triggers/action_records.h"

namespace {

// A valid file is at most 669 + 4 * 259 bytes; anything past this is not
// settings and is not read.
constexpr DWORD MAX_SETTINGS_BYTES = 64 * 1024;

// A virus scanner or a sync client holds a file for a moment: a file that
// is there but cannot be read is tried again for about a second.
constexpr int READ_ATTEMPTS = 10;
constexpr DWORD READ_RETRY_MS = 100;

// Set when the file was there but could not be read: it holds the player's
// settings, which the defaults on screen must never replace.
bool storedFileKept = false;

const int slotEnabledIds[MACRO_SLOT_COUNT] = {IDC_MACRO1_ENABLED, IDC_MACRO2_ENABLED,
                                              IDC_MACRO3_ENABLED};
const int slotRepeatIds[MACRO_SLOT_COUNT] = {IDC_MACRO1_REPEAT, IDC_MACRO2_REPEAT,
                                             IDC_MACRO3_REPEAT};

bool Checked(HWND panel, int id) { return IsDlgButtonChecked(panel, id) == BST_CHECKED; }
void Check(HWND panel, int id, bool on) { CheckDlgButton(panel, id, on ? BST_CHECKED : BST_UNCHECKED); }
std::uint32_t NumberIn(HWND panel, int id) { return GetDlgItemInt(panel, id, nullptr, FALSE); }

}  // namespace

std::string SettingsFilePath()
{
    return PathBesideExecutable(ModulePath(), "ini", "dat");
}

SettingsValues GatherSettings(HWND panel)
{
    SettingsValues values;
    values.leftClickOn = PanelButton(IDC_LEFT_TOGGLE).face == COLOR_ON;
    values.leftClickInterval = NumberIn(panel, IDC_LEFT_INTERVAL);
    values.rightClickOn = PanelButton(IDC_RIGHT_TOGGLE).face == COLOR_ON;
    values.rightClickInterval = NumberIn(panel, IDC_RIGHT_INTERVAL);
    values.keyRepeatInterval = NumberIn(panel, IDC_KEY_INTERVAL);
    values.muteWhileConcealing = Checked(panel, IDC_MUTE);
    char folder[MAX_PATH] = "";
    GetDlgItemTextA(panel, IDC_IMAGE_FOLDER, folder, sizeof folder);
    values.imageFolder = folder;
    for (int slot = 0; slot < MACRO_SLOT_COUNT; ++slot) {
        values.slotEnabled[slot] = Checked(panel, slotEnabledIds[slot]);
        values.slotRepeats[slot] = Checked(panel, slotRepeatIds[slot]);
    }
    values.gestureDistance = NumberIn(panel, IDC_GESTURE_DISTANCE);
    values.gestureTime = NumberIn(panel, IDC_GESTURE_TIME);
    values.gestureKeyIndex = static_cast<std::int32_t>(
        SendDlgItemMessageA(panel, IDC_GESTURE_HOLD_KEY, CB_GETCURSEL, 0, 0));
    for (int i = 0; i < ACTION_COUNT; ++i) {
        const ActionRecord& record = actionTable[i];
        ActionSettings& action = values.actions[i];
        for (int step = 0; step < GESTURE_MAX_STEPS; ++step)
            action.directions[step] = record.gesture.directions[step];
        action.count = record.gesture.count;
        action.modifiers = record.modifiers;
        action.virtualKey = record.virtualKey;
    }
    for (int pad = 0; pad < PAD_COUNT; ++pad) values.padPaths[pad] = PadPath(LauncherPads()[pad]);
    return values;
}

void ApplySettings(HWND panel, const SettingsValues& values)
{
    PanelButton(IDC_LEFT_TOGGLE).face = values.leftClickOn ? COLOR_ON : COLOR_OFF;
    SetDlgItemInt(panel, IDC_LEFT_INTERVAL, values.leftClickInterval, FALSE);
    PanelButton(IDC_RIGHT_TOGGLE).face = values.rightClickOn ? COLOR_ON : COLOR_OFF;
    SetDlgItemInt(panel, IDC_RIGHT_INTERVAL, values.rightClickInterval, FALSE);
    SetDlgItemInt(panel, IDC_KEY_INTERVAL, values.keyRepeatInterval, FALSE);
    Check(panel, IDC_MUTE, values.muteWhileConcealing);
    SetDlgItemTextA(panel, IDC_IMAGE_FOLDER, values.imageFolder.c_str());
    for (int slot = 0; slot < MACRO_SLOT_COUNT; ++slot) {
        Check(panel, slotEnabledIds[slot], values.slotEnabled[slot]);
        Check(panel, slotRepeatIds[slot], values.slotRepeats[slot]);
    }
    SetDlgItemInt(panel, IDC_GESTURE_DISTANCE, values.gestureDistance, FALSE);
    SetDlgItemInt(panel, IDC_GESTURE_TIME, values.gestureTime, FALSE);
    SendDlgItemMessageA(panel, IDC_GESTURE_HOLD_KEY, CB_SETCURSEL,
                        static_cast<WPARAM>(UsableGestureKeyIndex(values.gestureKeyIndex)), 0);
    for (int i = 0; i < ACTION_COUNT; ++i) {
        ActionRecord& record = actionTable[i];
        const ActionSettings& action = values.actions[i];
        for (int step = 0; step < GESTURE_MAX_STEPS; ++step)
            record.gesture.directions[step] = action.directions[step];
        record.gesture.count = action.count;
        record.modifiers = action.modifiers;
        record.virtualKey = action.virtualKey;
    }
    // The icon is fetched from the file as it is now; a file that is not
    // there keeps its registration on a blank pad.
    for (int pad = 0; pad < PAD_COUNT; ++pad) {
        cAppIconClass& target = LauncherPads()[pad];
        if (values.padPaths[pad] == PadPath(target)) continue;
        LoadPadFile(target, values.padPaths[pad]);
    }
}

namespace {

enum class ReadOutcome { Read, Missing, Failed };

// One attempt at the whole file.
ReadOutcome ReadSettingsBytes(const std::string& path, std::vector<std::uint8_t>& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? ReadOutcome::Missing
                                                                                : ReadOutcome::Failed;
    }
    bytes.resize(MAX_SETTINGS_BYTES);
    DWORD got = 0;
    const bool read = ReadFile(file, bytes.data(), MAX_SETTINGS_BYTES, &got, nullptr) != FALSE;
    CloseHandle(file);
    bytes.resize(read ? got : 0);
    return read ? ReadOutcome::Read : ReadOutcome::Failed;
}

}  // namespace

SettingsLoad LoadSettingsFile(HWND panel)
{
    const std::string path = SettingsFilePath();
    std::vector<std::uint8_t> bytes;
    ReadOutcome outcome = ReadOutcome::Failed;
    for (int attempt = 0; attempt < READ_ATTEMPTS; ++attempt) {
        if (attempt > 0) Sleep(READ_RETRY_MS);
        outcome = ReadSettingsBytes(path, bytes);
        if (outcome != ReadOutcome::Failed) break;
    }
    if (outcome == ReadOutcome::Missing) return SettingsLoad::NoFile;
    if (outcome == ReadOutcome::Failed) {
        storedFileKept = true;
        return SettingsLoad::Unreadable;
    }
    SettingsValues values = GatherSettings(panel);
    ReadSettings(bytes.data(), bytes.size(), values);
    ApplySettings(panel, values);
    return SettingsLoad::Loaded;
}

bool StoredSettingsAreKept() { return storedFileKept; }

bool ReplaceFileContents(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    const std::string fresh = path + ".new";
    HANDLE file = CreateFileA(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool whole = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                                 nullptr) &&
                       written == bytes.size() && FlushFileBuffers(file);
    CloseHandle(file);
    if (!whole || !MoveFileExA(fresh.c_str(), path.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(fresh.c_str());
        return false;
    }
    return true;
}

bool SaveSettingsFile(HWND panel)
{
    if (storedFileKept) return false;
    return ReplaceFileContents(SettingsFilePath(), WriteSettings(GatherSettings(panel)));
}

void ReportUnreadableSettings(HWND owner)
{
    MessageBoxA(owner,
                "設定ファイルを読み込めませんでした（ほかのプログラムが使用中の可能性があります）。\n"
                "既定の設定で起動しました。ファイルを上書きしないよう、今回の設定は保存しません。",
                SettingsFilePath().c_str(), MB_OK | MB_ICONWARNING);
}
