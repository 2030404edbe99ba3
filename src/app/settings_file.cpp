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
                        static_cast<WPARAM>(values.gestureKeyIndex), 0);
    for (int i = 0; i < ACTION_COUNT; ++i) {
        ActionRecord& record = actionTable[i];
        const ActionSettings& action = values.actions[i];
        for (int step = 0; step < GESTURE_MAX_STEPS; ++step)
            record.gesture.directions[step] = action.directions[step];
        record.gesture.count = action.count;
        record.modifiers = action.modifiers;
        record.virtualKey = action.virtualKey;
    }
    // A registration is made anew, so the icon is fetched from the file as
    // it is now (and a file that has gone away says so).
    for (int pad = 0; pad < PAD_COUNT; ++pad) {
        cAppIconClass& target = LauncherPads()[pad];
        if (values.padPaths[pad] == PadPath(target)) continue;
        if (values.padPaths[pad].empty()) {
            EmptyPad(target);
        } else {
            RegisterPadFile(target, values.padPaths[pad].c_str());
        }
    }
}

bool LoadSettingsFile(HWND panel)
{
    HANDLE file = CreateFileA(SettingsFilePath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    std::vector<std::uint8_t> bytes(MAX_SETTINGS_BYTES);
    DWORD got = 0;
    if (!ReadFile(file, bytes.data(), MAX_SETTINGS_BYTES, &got, nullptr)) got = 0;
    CloseHandle(file);
    SettingsValues values = GatherSettings(panel);
    ReadSettings(bytes.data(), got, values);
    ApplySettings(panel, values);
    return true;
}

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
    return ReplaceFileContents(SettingsFilePath(), WriteSettings(GatherSettings(panel)));
}
