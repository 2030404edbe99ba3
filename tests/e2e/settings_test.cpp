#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/settings/settings_codec.h"
#include "core/triggers/action_table.h"
#include "e2e/e2e_fixture.h"
#include "res/resource.h"

namespace {

std::uint32_t Dword(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

std::wstring WideOf(const std::string& text)
{
    wchar_t wide[MAX_PATH] = L"";
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide, MAX_PATH);
    return wide;
}

std::string KeyName(UINT vk)
{
    char name[32] = "";
    GetKeyNameTextA(static_cast<LONG>(MapVirtualKeyA(vk, 0) << 16), name, sizeof name);
    return name;
}

// The program's state when it has never been set: what a first start writes.
SettingsValues FirstStartValues(const std::string& folder)
{
    SettingsValues values;
    values.leftClickInterval = values.rightClickInterval = values.keyRepeatInterval = 100;
    values.muteWhileConcealing = true;
    values.imageFolder = folder + "\\image";
    values.gestureDistance = 64;
    values.gestureTime = 200;
    values.gestureKeyIndex = 0;
    for (int i = 0; i < ACTION_COUNT; ++i) {
        values.actions[i].modifiers = actionDefinitions[i].defaultModifiers;
        values.actions[i].virtualKey = actionDefinitions[i].defaultVirtualKey;
    }
    return values;
}

class SettingsTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(CountProgramFrames(), 0); }
    std::string IniPath() const { return program_.folder().File("ini.dat"); }
    std::string Caption(int id) { return RemoteText(program_.Control(id)); }

    HWND OpenDialog(int buttonId, const char* title)
    {
        PostMessageA(program_.panel(), WM_COMMAND, buttonId, 0);
        return WaitForProcessWindow(program_.processId(), "#32770", title);
    }
    void Finish(HWND dialog)
    {
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    }

    ProgramUnderTest program_;
};

TEST_F(SettingsTest, EverySettingSurvivesARestart)
{
    ASSERT_TRUE(program_.Start());
    SetRemoteText(program_.Control(IDC_LEFT_INTERVAL), "60000");
    PostMessageA(program_.panel(), WM_COMMAND, IDC_LEFT_TOGGLE, 0);
    ASSERT_TRUE(WaitUntil([&] { return Caption(IDC_LEFT_TOGGLE) == "ON"; }));
    SetRemoteText(program_.Control(IDC_RIGHT_INTERVAL), "300");
    SetRemoteText(program_.Control(IDC_KEY_INTERVAL), "");
    SetRemoteCheck(program_.Control(IDC_MUTE), false);
    SetRemoteText(program_.Control(IDC_IMAGE_FOLDER), "C:\\shots");
    SetRemoteCheck(program_.Control(IDC_MACRO2_REPEAT), true);
    SetRemoteText(program_.Control(IDC_GESTURE_DISTANCE), "80");
    SetRemoteText(program_.Control(IDC_GESTURE_TIME), "500");
    ChooseRemoteItem(program_.Control(IDC_GESTURE_HOLD_KEY), 3);

    HWND hotkey = OpenDialog(IDC_HOTKEY_RIGHT, "ホットキーの設定");
    ASSERT_NE(hotkey, nullptr);
    SendDlgItemMessageA(hotkey, IDC_HOTKEY_EDIT, HKM_SETHOTKEY, MAKEWORD(VK_F5, HOTKEYF_CONTROL | HOTKEYF_SHIFT), 0);
    Finish(hotkey);
    HWND gesture = OpenDialog(IDC_GESTURE_CONCEAL, "マウスジェスチャ設定");
    ASSERT_NE(gesture, nullptr);
    SendDlgItemMessageA(gesture, IDC_GESTURE_ENABLED, BM_SETCHECK, BST_CHECKED, 0);
    SendDlgItemMessageA(gesture, IDC_GESTURE_STEP1 + 0, CB_SETCURSEL, 0, 0);  // →
    SendDlgItemMessageA(gesture, IDC_GESTURE_STEP1 + 1, CB_SETCURSEL, 3, 0);  // ↓
    SendDlgItemMessageA(gesture, IDC_GESTURE_STEP1 + 2, CB_SETCURSEL, 2, 0);  // ←
    Finish(gesture);
    ASSERT_EQ(Caption(IDC_GESTURE_CONCEAL), "→↓←");

    ASSERT_EQ(program_.Close(), 0u);
    const std::vector<std::uint8_t> bytes = ReadWholeFile(IniPath());
    ASSERT_EQ(bytes.size(), 669u);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(Dword(bytes, 1), 60000u);
    EXPECT_EQ(bytes[5], 0);
    EXPECT_EQ(Dword(bytes, 6), 300u);
    EXPECT_EQ(Dword(bytes, 10), 0u);  // an empty edit is stored as 0
    EXPECT_EQ(bytes[14], 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[15])), "C:\\shots");
    EXPECT_EQ(bytes[279], 1);
    EXPECT_EQ(Dword(bytes, 281), 80u);
    EXPECT_EQ(Dword(bytes, 285), 500u);
    EXPECT_EQ(Dword(bytes, 289), 3u);
    EXPECT_EQ(Dword(bytes, 293 + 40 + 32), 6u);     // Ctrl+Shift
    EXPECT_EQ(Dword(bytes, 293 + 40 + 36), 0x74u);  // F5
    const std::uint32_t gestureSteps[8] = {1, 4, 3, 0, 0, 0, 0, 0};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(Dword(bytes, 293 + 80 + 4 * i), gestureSteps[i]) << i;

    ASSERT_TRUE(program_.Start());
    EXPECT_EQ(Caption(IDC_LEFT_TOGGLE), "ON");
    EXPECT_EQ(Caption(IDC_LEFT_INTERVAL), "60000");
    EXPECT_EQ(Caption(IDC_RIGHT_INTERVAL), "300");
    EXPECT_EQ(Caption(IDC_KEY_INTERVAL), "0");
    EXPECT_EQ(SendMessageA(program_.Control(IDC_MUTE), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(Caption(IDC_IMAGE_FOLDER), "C:\\shots");
    EXPECT_EQ(SendMessageA(program_.Control(IDC_MACRO2_REPEAT), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(Caption(IDC_GESTURE_DISTANCE), "80");
    EXPECT_EQ(Caption(IDC_GESTURE_TIME), "500");
    EXPECT_EQ(SendMessageA(program_.Control(IDC_GESTURE_HOLD_KEY), CB_GETCURSEL, 0, 0), 3);
    EXPECT_EQ(Caption(IDC_HOTKEY_RIGHT), "Ctrl + Shift + " + KeyName(VK_F5));
    EXPECT_EQ(Caption(IDC_GESTURE_CONCEAL), "→↓←");
    // The stored hotkey is the one registered.
    EXPECT_FALSE(RegisterHotKey(nullptr, 77, MOD_CONTROL | MOD_SHIFT, VK_F5));
    ASSERT_EQ(program_.Close(), 0u);
    EXPECT_EQ(ReadWholeFile(IniPath()), bytes);
}

TEST_F(SettingsTest, ARegisteredPadAndAStoredGestureComeBackByteForByte)
{
    SettingsValues values = FirstStartValues(program_.folder().path());
    values.padPaths[1] = program_.folder().File("plovnikar.exe");
    values.actions[8].directions[0] = 2;
    values.actions[8].directions[1] = 1;
    values.actions[8].directions[2] = 4;
    values.actions[8].directions[3] = 3;
    values.actions[8].count = 4;
    const std::vector<std::uint8_t> bytes = WriteSettings(values);
    WriteWholeFile(IniPath(), bytes);
    ASSERT_TRUE(program_.Start());
    EXPECT_EQ(Caption(IDC_GESTURE_SHOWHIDE), "↑→↓←");
    ASSERT_EQ(program_.Close(), 0u);
    EXPECT_EQ(ReadWholeFile(IniPath()), bytes);
}

TEST_F(SettingsTest, AnInvalidStepCutsTheGestureAndAShortOneIsDisabled)
{
    SettingsValues values = FirstStartValues(program_.folder().path());
    const std::int32_t steps[4] = {1, 2, 7, 3};
    for (int i = 0; i < 4; ++i) values.actions[0].directions[i] = steps[i];
    values.actions[0].count = 4;
    WriteWholeFile(IniPath(), WriteSettings(values));
    ASSERT_TRUE(program_.Start());
    EXPECT_EQ(Caption(IDC_GESTURE_LEFT), "ﾏｳｽｼﾞｪｽﾁｬ：無効");
    ASSERT_EQ(program_.Close(), 0u);
    const std::vector<std::uint8_t> bytes = ReadWholeFile(IniPath());
    ASSERT_GE(bytes.size(), 669u);
    // The two steps before the invalid one stay, and no more.
    const std::uint32_t kept[8] = {1, 2, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(Dword(bytes, 293 + 4 * i), kept[i]) << i;
}

TEST_F(SettingsTest, DamagedFilesNeverStopTheProgram)
{
    SettingsValues values = FirstStartValues(program_.folder().path());
    const std::vector<std::uint8_t> good = WriteSettings(values);
    std::vector<std::vector<std::uint8_t>> damaged = {{}};
    for (std::size_t cut : {1u, 5u, 100u, 292u, 300u, 500u, 668u}) damaged.emplace_back(good.begin(), good.begin() + cut);
    // The first pad's length is 0xFFFFFFFF.
    std::vector<std::uint8_t> hugePad(good.begin(), good.begin() + 653);
    hugePad.insert(hugePad.end(), {0xFF, 0xFF, 0xFF, 0xFF});
    hugePad.insert(hugePad.end(), good.begin() + 657, good.end());
    damaged.push_back(hugePad);
    std::vector<std::uint8_t> noise(5000);
    std::uint32_t seed = 99;
    for (auto& b : noise) b = static_cast<std::uint8_t>((seed = seed * 1664525u + 1013904223u) >> 24);
    damaged.push_back(noise);
    for (const auto& bytes : damaged) {
        WriteWholeFile(IniPath(), bytes);
        ASSERT_TRUE(program_.Start()) << "with a file of " << bytes.size() << " bytes";
        ASSERT_EQ(program_.Close(), 0u) << bytes.size();
        EXPECT_GE(ReadWholeFile(IniPath()).size(), 669u);
    }
}

TEST_F(SettingsTest, AFileHeldAtExitIsWaitedForAndALossIsToldOnceTheRestIsDone)
{
    // Held for a moment, as a virus scanner does: the save waits it out.
    WriteWholeFile(IniPath(), WriteSettings(FirstStartValues(program_.folder().path())));
    ASSERT_TRUE(program_.Start());
    SetRemoteText(program_.Control(IDC_RIGHT_INTERVAL), "777");
    HANDLE hold = CreateFileA(IniPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(hold, INVALID_HANDLE_VALUE);
    HANDLE release = CreateThread(nullptr, 0, [](LPVOID file) CALLBACK -> DWORD {
        Sleep(300);
        CloseHandle(static_cast<HANDLE>(file));
        return 0;
    }, hold, 0, nullptr);
    EXPECT_EQ(program_.Close(), 0u);
    WaitForSingleObject(release, INFINITE);
    CloseHandle(release);
    std::vector<std::uint8_t> saved = ReadWholeFile(IniPath());
    ASSERT_EQ(saved.size(), 669u);
    EXPECT_EQ(Dword(saved, 6), 777u);

    // Held all through the exit: the rest of the shutdown happens, then the
    // player is told, once, naming the file.
    ASSERT_TRUE(program_.Start());
    TestWindow target("keys", 40, 40);
    SetRemoteText(program_.Control(IDC_KEY_INTERVAL), "60000");
    ASSERT_TRUE(target.TakeForeground());
    PostMessageA(program_.panel(), WM_COMMAND, 1029, 0);  // Shift on
    ASSERT_TRUE(WaitUntil([&] { return !target.keys().empty(); }));
    WriteWholeFile(IniPath(), {1, 2, 3});
    HANDLE lock = CreateFileA(IniPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    SendMessageA(program_.panel(), WM_COMMAND, IDC_CONCEAL, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(target.handle()); }));
    PostMessageA(program_.frame(), WM_CLOSE, 0, 0);
    HWND box = WaitForProcessWindow(program_.processId(), "#32770", WindowsPathOf(IniPath()));
    ASSERT_NE(box, nullptr) << "the player is not told";
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(target.handle()) != FALSE; }));
    EXPECT_EQ(GetAsyncKeyState(VK_SHIFT) & 0x8000, 0);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    const DWORD code = program_.WaitForExit(15000);
    CloseHandle(lock);
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(ReadWholeFile(IniPath()), (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST_F(SettingsTest, EndOfSessionSavesTheSettings)
{
    ASSERT_TRUE(program_.Start());
    SetRemoteText(program_.Control(IDC_RIGHT_INTERVAL), "777");
    SendMessageA(program_.frame(), WM_QUERYENDSESSION, 0, 0);
    SendMessageA(program_.frame(), WM_ENDSESSION, TRUE, 0);
    const std::vector<std::uint8_t> bytes = ReadWholeFile(IniPath());
    ASSERT_EQ(bytes.size(), 669u);
    EXPECT_EQ(Dword(bytes, 6), 777u);
}

TEST_F(SettingsTest, AFileHeldByAnotherProgramIsReadOnceFreedAndNeverOverwritten)
{
    SettingsValues values = FirstStartValues(program_.folder().path());
    values.leftClickInterval = 777;
    values.gestureKeyIndex = 2;
    const std::vector<std::uint8_t> stored = WriteSettings(values);
    WriteWholeFile(IniPath(), stored);

    // Held for a moment, as a virus scanner does: the start waits it out.
    HANDLE hold = CreateFileA(IniPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(hold, INVALID_HANDLE_VALUE);
    HANDLE release = CreateThread(nullptr, 0, [](LPVOID file) CALLBACK -> DWORD {
        Sleep(300);
        CloseHandle(static_cast<HANDLE>(file));
        return 0;
    }, hold, 0, nullptr);
    ASSERT_TRUE(program_.Start());
    WaitForSingleObject(release, INFINITE);
    CloseHandle(release);
    EXPECT_EQ(Caption(IDC_LEFT_INTERVAL), "777");
    ASSERT_EQ(program_.Close(), 0u);

    // Held all through the start: the defaults are shown, the player is told
    // once, and the file is not written at exit.
    hold = CreateFileA(IniPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(hold, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(program_.Start());
    HWND box = WaitForProcessWindow(program_.processId(), "#32770", WindowsPathOf(IniPath()));
    CloseHandle(hold);
    ASSERT_NE(box, nullptr) << "the player is not told";
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    EXPECT_EQ(Caption(IDC_LEFT_INTERVAL), "100");
    SetRemoteText(program_.Control(IDC_RIGHT_INTERVAL), "555");
    SendMessageA(program_.frame(), WM_QUERYENDSESSION, 0, 0);
    SendMessageA(program_.frame(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(ReadWholeFile(IniPath()), stored);
    ASSERT_EQ(program_.Close(), 0u);
    EXPECT_EQ(ReadWholeFile(IniPath()), stored);
}

TEST_F(SettingsTest, APadWhoseFileIsAbsentAtStartKeepsItsRegistration)
{
    SettingsValues values = FirstStartValues(program_.folder().path());
    // A game on a drive that is not plugged in.
    values.padPaths[2] = program_.folder().File("unplugged\\game.exe");
    WriteWholeFile(IniPath(), WriteSettings(values));
    ASSERT_TRUE(program_.Start());
    EXPECT_TRUE(StaysTrue([&] {
        return !WaitForProcessWindow(program_.processId(), "#32770", values.padPaths[2], 0);
    }));
    ASSERT_EQ(program_.Close(), 0u);
    SettingsValues saved = FirstStartValues(program_.folder().path());
    const std::vector<std::uint8_t> bytes = ReadWholeFile(IniPath());
    ReadSettings(bytes.data(), bytes.size(), saved);
    EXPECT_EQ(saved.padPaths[2], values.padPaths[2]);
}

TEST_F(SettingsTest, AFolderNameOutsideShiftJisIsNamedOnceAndNothingIsWritten)
{
    // Korean letters have no Shift_JIS form: the program's ANSI path names
    // no file in such a folder.
    const std::wstring folder = WideOf(program_.folder().path()) + L"\\\uC138\uC774\uBE0C";
    const std::wstring exe = folder + L"\\plovnikar.exe";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    ASSERT_TRUE(CopyFileW(WideOf(WindowsPathOf(ProgramUnderTest::builtProgram)).c_str(), exe.c_str(), FALSE));
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::wstring commandLine = L"\"" + exe + L"\"";
    ASSERT_TRUE(CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                               folder.c_str(), &startup, &process));
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = ProcessWindow(process.dwProcessId, "#32770")) != nullptr; }));
    wchar_t caption[MAX_PATH] = L"";
    SendMessageW(box, WM_GETTEXT, MAX_PATH, reinterpret_cast<LPARAM>(caption));
    EXPECT_EQ(std::wstring(caption), folder + L"\\") << "the folder is not named";
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    HWND frame = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        frame = FindFrameOfProcess(process.dwProcessId);
        return frame && IsWindowVisible(frame) && !ProcessWindow(process.dwProcessId, "#32770");
    }));
    EXPECT_TRUE(StaysTrue([&] { return !ProcessWindow(process.dwProcessId, "#32770"); }))
        << "a second message";
    PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 15000), WAIT_OBJECT_0);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    EXPECT_EQ(GetFileAttributesW((folder + L"\\ini.dat").c_str()), INVALID_FILE_ATTRIBUTES);
    DeleteFileW(exe.c_str());
    RemoveDirectoryW(folder.c_str());
}

TEST_F(SettingsTest, AGestureKeyIndexOutsideTheListReadsAsNone)
{
    SettingsValues values = FirstStartValues(program_.folder().path());
    for (std::int32_t damaged : {4, -1}) {
        values.gestureKeyIndex = damaged;
        WriteWholeFile(IniPath(), WriteSettings(values));
        ASSERT_TRUE(program_.Start());
        EXPECT_EQ(SendMessageA(program_.Control(IDC_GESTURE_HOLD_KEY), CB_GETCURSEL, 0, 0), 0)
            << damaged;
        ASSERT_EQ(program_.Close(), 0u);
    }
}

}  // namespace
