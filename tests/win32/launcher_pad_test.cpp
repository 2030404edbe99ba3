#include <windows.h>
#include <shellapi.h>
#include <commdlg.h>
#include <dlgs.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "launcher/pads.h"
#include "app/settings_file.h"
#include "launcher/shortcut.h"
#include "pad_test_files.h"
#include "panel_fixture.h"
#include "panel_internals.h"
#include "res/resource.h"
#include "support/message_box_catcher.h"
#include "support/test_window.h"

namespace {

// A drop of several files, as the shell hands it to a window: a DROPFILES
// header and the paths, each terminated, with one more terminator at the end.
HDROP MakeDrop(const std::vector<std::string>& paths)
{
    std::string list;
    for (const std::string& path : paths) list += path + '\0';
    list += '\0';
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + list.size());
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = FALSE;
    std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), list.data(), list.size());
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

std::string MenuText(HMENU menu, int position)
{
    char text[64] = "";
    GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
    return text;
}

class LauncherPadTest : public PanelTest {
protected:
    cAppIconClass& Pad(int index) { return ThePad(index); }
    HWND PadControl(int index) { return Control(IDC_PAD1 + index); }
    // As the pad's menu runs the command the player chose.
    void Command(int index, int command) { PanelInternals::RunPadCommand(ThePads(), index, command); }
    bool Register(int index, const std::string& path)
    {
        return RegisterPadFile(Pad(index), path.c_str());
    }

    ScratchFolder files_;
};

TEST_F(LauncherPadTest, EachPadTakesOverItsStaticAndLetsGoWhenDetached)
{
    for (int i = 0; i < PAD_COUNT; ++i) {
        HWND control = PadControl(i);
        EXPECT_EQ(Pad(i).window, control) << i;
        EXPECT_EQ(&Pad(i).owner, &ThePads()) << i;
        EXPECT_EQ(GetPropA(control, PAD_PROPERTY), &Pad(i)) << i;
        EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(control, GWLP_WNDPROC)), PadWndProc);
        EXPECT_NE(GetWindowLongPtrA(control, GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0) << i;
        EXPECT_FALSE(PadIsRegistered(Pad(i)));
        // The static class delivers double-clicks.
        EXPECT_NE(GetClassLongPtrA(control, GCL_STYLE) & CS_DBLCLKS, 0u);
        RECT outer;
        GetWindowRect(control, &outer);
        EXPECT_EQ(outer.right - outer.left, 34);
        EXPECT_EQ(outer.bottom - outer.top, 34);
    }
    // Attaching again keeps the control's own procedure as the one to pass on to.
    const WNDPROC own = Pad(1).previousProc;
    ASSERT_NE(own, nullptr);
    EXPECT_TRUE(AttachPad(Pad(1), PadControl(1)));
    EXPECT_EQ(Pad(1).previousProc, own);

    ASSERT_TRUE(Register(1, files_.Write("a.txt")));
    ASSERT_TRUE(DetachPad(Pad(1)));
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(PadControl(1), GWLP_WNDPROC)), own);
    EXPECT_EQ(GetPropA(PadControl(1), PAD_PROPERTY), nullptr);
    EXPECT_EQ(GetWindowLongPtrA(PadControl(1), GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0);
    EXPECT_EQ(Pad(1).window, nullptr);
    EXPECT_EQ(Pad(1).previousProc, nullptr);
    EXPECT_FALSE(PadIsRegistered(Pad(1)));
    EXPECT_EQ(Pad(1).iconInfo.hIcon, nullptr);
    EXPECT_FALSE(DetachPad(Pad(1)));
    EXPECT_FALSE(AttachPad(Pad(1), nullptr));
}

TEST_F(LauncherPadTest, ClosingThePanelDetachesAndEmptiesEveryPad)
{
    ASSERT_TRUE(Register(0, files_.Write("a.txt")));
    ASSERT_TRUE(Register(3, files_.Write("b.txt")));
    DestroyWindow(frameWindow);
    for (int i = 0; i < PAD_COUNT; ++i) {
        EXPECT_EQ(Pad(i).window, nullptr) << i;
        EXPECT_FALSE(PadIsRegistered(Pad(i))) << i;
        EXPECT_EQ(Pad(i).iconInfo.hIcon, nullptr) << i;
    }
}

TEST_F(LauncherPadTest, PadDetachesItselfWhenItsControlIsDestroyed)
{
    ASSERT_TRUE(Register(2, files_.Write("a.txt")));
    DestroyWindow(PadControl(2));
    EXPECT_EQ(Pad(2).window, nullptr);
    EXPECT_EQ(Pad(2).iconInfo.hIcon, nullptr);
    EXPECT_FALSE(PadIsRegistered(Pad(2)));
}

TEST_F(LauncherPadTest, DropOfThreeFilesRegistersOnlyTheFirstWithItsIcon)
{
    const std::string first = files_.Write("first.txt");
    const std::string second = files_.Write("second.txt");
    const std::string third = files_.Write("third.txt");
    MessageBoxCatcher boxes;
    SendMessageA(PadControl(2), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({first, second, third})), 0);
    EXPECT_EQ(Pad(2).path, first);
    EXPECT_NE(Pad(2).iconInfo.hIcon, nullptr);
    SHFILEINFOA expected = {};
    SHGetFileInfoA(first.c_str(), FILE_ATTRIBUTE_NORMAL, &expected, sizeof expected,
                   SHGFI_DISPLAYNAME | SHGFI_TYPENAME);
    EXPECT_STREQ(Pad(2).iconInfo.szDisplayName, expected.szDisplayName);
    EXPECT_STREQ(Pad(2).iconInfo.szTypeName, expected.szTypeName);
    EXPECT_TRUE(boxes.boxes().empty());
    for (int other : {0, 1, 3}) EXPECT_FALSE(PadIsRegistered(Pad(other))) << other;

    // A later drop replaces the registration.
    SendMessageA(PadControl(2), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({third})), 0);
    EXPECT_EQ(Pad(2).path, third);
}

TEST_F(LauncherPadTest, RegisteredIconIsPaintedAtTheTopLeftOfThePad)
{
    ASSERT_TRUE(Register(0, files_.Write("shown.txt")));
    HICON icon = Pad(0).iconInfo.hIcon;
    ASSERT_NE(icon, nullptr);
    // The icon's opaque pixels are those that come out the same on two grounds.
    Canvas onBlack(32, 32, RGB(0, 0, 0));
    Canvas onWhite(32, 32, RGB(255, 255, 255));
    DrawIcon(onBlack.dc(), 0, 0, icon);
    DrawIcon(onWhite.dc(), 0, 0, icon);
    UpdateWindow(PadControl(0));
    Canvas shown(32, 32);
    HDC padDc = GetDC(PadControl(0));
    BitBlt(shown.dc(), 0, 0, 32, 32, padDc, 0, 0, SRCCOPY);
    ReleaseDC(PadControl(0), padDc);
    int opaque = 0, matching = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (onBlack.Pixel(x, y) != onWhite.Pixel(x, y)) continue;
            ++opaque;
            if (shown.Pixel(x, y) == onBlack.Pixel(x, y)) ++matching;
        }
    }
    EXPECT_GT(opaque, 32);
    EXPECT_EQ(matching, opaque);
}

TEST_F(LauncherPadTest, ShortcutResolvesToItsTargetAndOtherFilesDoNot)
{
    const std::string target = files_.Write("game.txt");
    const std::string link = files_.File("game.lnk");
    ASSERT_TRUE(MakeShortcut(link, target));
    char resolved[MAX_PATH] = "junk";
    EXPECT_TRUE(ResolveShortcut(link.c_str(), resolved));
    EXPECT_STREQ(resolved, target.c_str());

    std::strcpy(resolved, "junk");
    EXPECT_FALSE(ResolveShortcut(files_.Write("not-a-link.lnk", "plain text").c_str(), resolved));
    EXPECT_STREQ(resolved, "");
    std::strcpy(resolved, "junk");
    EXPECT_FALSE(ResolveShortcut(files_.File("missing.lnk").c_str(), resolved));
    EXPECT_STREQ(resolved, "");
}

TEST_F(LauncherPadTest, DroppedShortcutIsRegisteredAsItsTarget)
{
    const std::string target = files_.Write("game.txt");
    const std::string link = files_.File("game.lnk");
    ASSERT_TRUE(MakeShortcut(link, target));
    MessageBoxCatcher boxes;
    SendMessageA(PadControl(0), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({link})), 0);
    EXPECT_EQ(Pad(0).path, target);
    EXPECT_NE(Pad(0).iconInfo.hIcon, nullptr);
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(LauncherPadTest, ChainOfShortcutsIsFollowedUpToEightSteps)
{
    const std::string target = files_.Write("game.txt");
    // s8 points at the file, s7 at s8, ... s0 at s1.
    std::string next = target;
    for (int i = 8; i >= 0; --i) {
        const std::string link = files_.File("s" + std::to_string(i) + ".LNK");
        ASSERT_TRUE(MakeShortcut(link, next)) << i;
        next = link;
    }
    // Eight shortcuts in a row lead to the file ...
    EXPECT_TRUE(Register(0, files_.File("s1.LNK")));
    EXPECT_EQ(Pad(0).path, target);
    // ... nine end at the ninth, which is registered as itself.
    MessageBoxCatcher boxes;
    EXPECT_TRUE(Register(1, files_.File("s0.LNK")));
    EXPECT_EQ(Pad(1).path, files_.File("s8.LNK"));
    EXPECT_NE(Pad(1).iconInfo.hIcon, nullptr);
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(LauncherPadTest, CycleOfShortcutsStopsAtAShortcut)
{
    const std::string a = files_.File("a.lnk");
    const std::string b = files_.File("b.lnk");
    ASSERT_TRUE(MakeShortcut(a, files_.Write("game.txt")));
    ASSERT_TRUE(MakeShortcut(b, a));
    ASSERT_TRUE(MakeShortcut(a, b));  // now a and b point at each other
    char resolved[MAX_PATH];
    ASSERT_TRUE(ResolveShortcut(a.c_str(), resolved));
    ASSERT_STREQ(resolved, b.c_str());

    MessageBoxCatcher boxes;
    EXPECT_TRUE(Register(0, a));
    // Eight steps from a end at a again, which is registered as itself.
    EXPECT_EQ(Pad(0).path, a);
    EXPECT_NE(Pad(0).iconInfo.hIcon, nullptr);
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(LauncherPadTest, UnreadableShortcutIsRegisteredAsItself)
{
    const std::string broken = files_.Write("broken.lnk", "not a shortcut");
    MessageBoxCatcher boxes;
    EXPECT_TRUE(Register(0, broken));
    EXPECT_EQ(Pad(0).path, broken);
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(LauncherPadTest, FileWithoutIconLeavesThePadEmptyAfterTheMessage)
{
    const std::string missing = files_.File("gone.exe");
    ASSERT_TRUE(Register(0, files_.Write("kept.txt")));
    MessageBoxCatcher boxes;
    EXPECT_TRUE(Register(0, missing));
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "アイコンの取得に失敗しました");
    EXPECT_EQ(boxes.boxes()[0].caption, missing);
    EXPECT_EQ(boxes.boxes()[0].owner, frameWindow);  // owned by the pad, so by its frame
    EXPECT_FALSE(PadIsRegistered(Pad(0)));
    EXPECT_EQ(Pad(0).iconInfo.hIcon, nullptr);

    // An empty path empties the pad quietly.
    ASSERT_TRUE(Register(0, files_.Write("kept.txt")));
    EXPECT_FALSE(Register(0, ""));
    EXPECT_FALSE(PadIsRegistered(Pad(0)));
    EXPECT_EQ(boxes.boxes().size(), 1u);
}

TEST_F(LauncherPadTest, MenuGreysWhatNeedsARegisteredFile)
{
    struct Item {
        UINT id;
        const char* text;
        bool needsFile;
    };
    const Item items[] = {{PAD_OPEN, "開く", true},       {PAD_FOLDER, "フォルダ", true},
                          {0, nullptr, false},             {PAD_UNREGISTER, "登録解除", true},
                          {PAD_REGISTER, "新規登録", false}, {0, nullptr, false},
                          {PAD_INFO, "情報", true}};
    for (const bool registered : {false, true}) {
        if (registered) {
            ASSERT_TRUE(Register(0, files_.Write("a.txt")));
        }
        HMENU menu = BuildPadMenu(Pad(0));
        ASSERT_EQ(GetMenuItemCount(menu), 7);
        for (int position = 0; position < 7; ++position) {
            const Item& item = items[position];
            const UINT state = GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION);
            if (!item.text) {
                EXPECT_NE(state & MF_SEPARATOR, 0u) << position;
                continue;
            }
            EXPECT_EQ(GetMenuItemID(menu, position), item.id) << position;
            EXPECT_EQ(MenuText(menu, position), item.text) << position;
            const bool enabled = (state & (MF_GRAYED | MF_DISABLED)) == 0;
            EXPECT_EQ(enabled, registered || !item.needsFile) << item.text << registered;
        }
        DestroyMenu(menu);
    }
}

TEST_F(LauncherPadTest, CommandsThatNeedAFileDoNothingOnAnEmptyPad)
{
    MessageBoxCatcher boxes;
    SendMessageA(PadControl(0), WM_LBUTTONDBLCLK, 0, MAKELPARAM(5, 5));
    for (int command : {int{PAD_UNREGISTER}, int{PAD_INFO}, int{PAD_OPEN}, int{PAD_FOLDER}, 0, 6, 0xFFFF})
        Command(0, command);
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_FALSE(PadIsRegistered(Pad(0)));
    EXPECT_EQ(SendMessageA(Control(IDC_TARGET_LIST), CB_GETCURSEL, 0, 0), 0);
}

std::string ComboItem(HWND combo, int index)
{
    char text[128] = "";
    if (SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0) < 128)
        SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
}

// What a person does in the file-open dialog: reads the file types, types a
// name and confirms. The dialog fills its lists after it comes up, so this
// runs from a timer of its modal loop rather than at once.
struct OpenDialogChoice {
    HWND dialog = nullptr;
    std::string file;
    std::vector<std::string> filters;
};
OpenDialogChoice* openDialogChoice = nullptr;

void CALLBACK ChooseInOpenDialog(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    OpenDialogChoice& choice = *openDialogChoice;
    HWND types = GetDlgItem(choice.dialog, cmb1);
    for (int i = 0; i < SendMessageA(types, CB_GETCOUNT, 0, 0); ++i)
        choice.filters.push_back(ComboItem(types, i));
    // The file name field is cmb13 or edt1, depending on the dialog's make.
    const auto name = reinterpret_cast<LPARAM>(choice.file.c_str());
    SendMessageA(choice.dialog, CDM_SETCONTROLTEXT, cmb13, name);
    SendMessageA(choice.dialog, CDM_SETCONTROLTEXT, edt1, name);
    PostMessageA(choice.dialog, WM_COMMAND, IDOK, 0);
    PostMessageA(choice.dialog, WM_COMMAND, IDCANCEL, 0);  // ends a dialog that refused the name
}

TEST_F(LauncherPadTest, NewRegistrationTakesTheFileChosenInTheOpenDialog)
{
    OpenDialogChoice choice;
    choice.file = files_.Write("chosen.exe", "MZ");
    openDialogChoice = &choice;
    MessageBoxCatcher dialogs;
    dialogs.WhileOpen([&](HWND dialog) {
        choice.dialog = dialog;
        SetTimer(nullptr, 0, 0, ChooseInOpenDialog);
    });
    Command(1, PAD_REGISTER);
    openDialogChoice = nullptr;
    ASSERT_EQ(dialogs.boxes().size(), 1u);
    EXPECT_EQ(dialogs.boxes()[0].caption, "ファイルの登録");
    EXPECT_EQ(choice.filters, (std::vector<std::string>{"実行ファイル(*.exe)", "All files(*.*)"}));
    EXPECT_EQ(Pad(1).path, choice.file);
    EXPECT_NE(Pad(1).iconInfo.hIcon, nullptr);
}

TEST_F(LauncherPadTest, CancelledOpenDialogLeavesTheRegistration)
{
    const std::string kept = files_.Write("kept.txt");
    ASSERT_TRUE(Register(1, kept));
    MessageBoxCatcher dialogs;
    dialogs.WhileOpen([](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    Command(1, PAD_REGISTER);
    ASSERT_EQ(dialogs.boxes().size(), 1u);
    EXPECT_EQ(Pad(1).path, kept);
}

TEST_F(LauncherPadTest, UnregisterForgetsTheFileAndItsIcon)
{
    ASSERT_TRUE(Register(3, files_.Write("a.txt")));
    Command(3, PAD_UNREGISTER);
    EXPECT_FALSE(PadIsRegistered(Pad(3)));
    EXPECT_EQ(Pad(3).iconInfo.hIcon, nullptr);
}

TEST_F(LauncherPadTest, InfoChosenInTheMenuShowsPathDisplayNameAndTypeOnThreeLines)
{
    const std::string file = files_.Write("info.txt");
    ASSERT_TRUE(Register(1, file));
    MessageBoxCatcher boxes;
    bool gateWhileOpen = true;
    boxes.WhileOpen([&](HWND) { gateWhileOpen = Gate().IsOpen(); });
    // The player right-clicks the pad and picks the menu's last item, "情報",
    // with the keyboard: up from no item, then Enter. A timer looks at the
    // gate from inside the menu's modal loop first; a menu left open ends
    // after five seconds.
    static bool gateInMenu = true;
    static HWND pad = nullptr;
    gateInMenu = true;
    pad = PadControl(1);
    SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR timer, DWORD) CALLBACK {
        KillTimer(nullptr, timer);
        gateInMenu = Gate().IsOpen();
        for (WPARAM key : {VK_UP, VK_RETURN}) PostMessageA(pad, WM_KEYDOWN, key, 0);
    });
    const UINT_PTR giveUp = SetTimer(nullptr, 0, 5000, [](HWND, UINT, UINT_PTR timer, DWORD) CALLBACK {
        KillTimer(nullptr, timer);
        EndMenu();
    });
    SendMessageA(PadControl(1), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    KillTimer(nullptr, giveUp);
    EXPECT_FALSE(gateInMenu);
    EXPECT_FALSE(gateWhileOpen);  // no click or key goes out while the box is up
    EXPECT_TRUE(Gate().IsOpen());
    ASSERT_EQ(boxes.boxes().size(), 1u);
    const std::string expected = "場所：\t" + file + "\n表示名：\t" + Pad(1).iconInfo.szDisplayName +
                                 "\nタイプ：\t" + Pad(1).iconInfo.szTypeName;
    EXPECT_EQ(boxes.boxes()[0].text, expected);
    EXPECT_EQ(boxes.boxes()[0].caption, "ファイル情報");
    EXPECT_EQ(boxes.boxes()[0].owner, frameWindow);
    EXPECT_TRUE(PadIsRegistered(Pad(1)));
}

TEST_F(LauncherPadTest, OpeningADeletedFileReportsItAndKeepsThePad)
{
    const std::string file = files_.Write("vanished.exe", "MZ");
    ASSERT_TRUE(Register(0, file));
    ASSERT_TRUE(PadIsRegistered(Pad(0)));
    ASSERT_TRUE(DeleteFileA(file.c_str()));
    MessageBoxCatcher boxes;
    Command(0, PAD_OPEN);
    // The shell may first report the failure in a box of its own (it does
    // unless told not to); the program's two carry the path as caption.
    std::vector<MessageBoxCatcher::Box> ours;
    for (const MessageBoxCatcher::Box& box : boxes.boxes()) {
        if (box.caption == file) ours.push_back(box);
    }
    EXPECT_LE(boxes.boxes().size(), 3u);
    ASSERT_EQ(ours.size(), 2u);
    EXPECT_EQ(ours[0].text, "ファイルが見つかりません");
    EXPECT_EQ(ours[0].owner, frameWindow);
    EXPECT_EQ(ours[1].text, "登録ファイルの起動に失敗しました");
    EXPECT_EQ(ours[1].owner, nullptr);
    EXPECT_EQ(boxes.boxes().back().caption, file);
    // The file may come back (a drive plugged in again): the pad keeps it.
    EXPECT_EQ(Pad(0).path, file);
}

struct LaunchedProgram {
    HWND window = nullptr;
    ~LaunchedProgram()
    {
        if (!window) return;
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, processId);
        PostMessageA(window, WM_CLOSE, 0, 0);
        if (process) {
            if (WaitForSingleObject(process, 10000) != WAIT_OBJECT_0) TerminateProcess(process, 1);
            CloseHandle(process);
        }
    }
};

TEST_F(LauncherPadTest, TheStartedProgramsOwnWindowBecomesTheTarget)
{
    const std::string program = TestProgramDirectory() + "launch_target.exe";
    ASSERT_NE(GetFileAttributesA(program.c_str()), INVALID_FILE_ATTRIBUTES) << program;
    ASSERT_EQ(FindWindowA("PlovLaunchTarget", nullptr), nullptr) << "left over from an earlier run";
    ASSERT_TRUE(Register(2, program));
    // The game loads for two seconds while another window is in front.
    TestWindow other("another window", 40, 40);
    ASSERT_TRUE(other.TakeForeground());
    SetEnvironmentVariableA("PLOV_LAUNCH_DELAY_MS", "2000");
    MessageBoxCatcher boxes;
    LaunchedProgram launched;
    SendMessageA(PadControl(2), WM_LBUTTONDBLCLK, 0, MAKELPARAM(5, 5));
    SetEnvironmentVariableA("PLOV_LAUNCH_DELAY_MS", nullptr);
    HWND list = Control(IDC_TARGET_LIST);
    auto selected = [&] {
        const LRESULT item = SendMessageA(list, CB_GETCURSEL, 0, 0);
        return reinterpret_cast<HWND>(SendMessageA(list, CB_GETITEMDATA, static_cast<WPARAM>(item), 0));
    };
    ASSERT_TRUE(WaitUntil([&] { return (launched.window = FindWindowA("PlovLaunchTarget", nullptr)) != nullptr; },
                          std::chrono::seconds(10)))
        << "the program did not start";
    EXPECT_TRUE(WaitUntil([&] { return selected() == launched.window; })) << "another window was chosen";
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_TRUE(PadIsRegistered(Pad(2)));
}

TEST_F(LauncherPadTest, SavedAndLoadedRecordsCarryThePaths)
{
    const std::string file = files_.Write("saved.txt");
    // A path of 259 bytes, the longest a pad holds.
    const std::string folder = files_.path() + "\\";
    const std::string longest = files_.Write(std::string(259 - folder.size(), 'n'));
    ASSERT_EQ(longest.size(), 259u);

    ASSERT_TRUE(Register(0, file));
    ASSERT_TRUE(Register(1, longest));
    PanelTest::TearDownKeepingSettings();
    const std::vector<std::uint8_t> saved = ReadWholeFile(SettingsFilePath());
    ASSERT_EQ(saved.size(), 653 + 4 + file.size() + 4 + 259 + 4 + 4);
    const std::uint8_t* pads = saved.data() + 653;
    EXPECT_EQ(pads[0], file.size());
    EXPECT_EQ(std::string(pads + 4, pads + 4 + file.size()), file);
    EXPECT_EQ(pads[4 + file.size()], 3u);  // 259 = 0x103
    EXPECT_EQ(pads[4 + file.size() + 1], 1u);

    MessageBoxCatcher boxes;
    PanelTest::SetUpKeepingSettings();
    EXPECT_EQ(Pad(0).path, file);
    EXPECT_NE(Pad(0).iconInfo.hIcon, nullptr);
    EXPECT_EQ(Pad(1).path, longest);
    EXPECT_FALSE(PadIsRegistered(Pad(2)));
    EXPECT_FALSE(PadIsRegistered(Pad(3)));
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(LauncherPadTest, AtStartOnlyALocalFileIsLookedAtAndTheOthersShowTheirTypeFirst)
{
    SettingsValues stored = CurrentSettings();
    stored.padPaths[0] = files_.Write("here.exe", "MZ");
    stored.padPaths[1] = "\\\\no-such-host\\share\\game.exe";  // a network path
    stored.padPaths[2] = files_.File("later.txt");             // not there yet
    PanelTest::TearDownKeepingSettings();
    WriteWholeFile(SettingsFilePath(), WriteSettings(stored));
    MessageBoxCatcher boxes;
    PanelTest::SetUpKeepingSettings();
    EXPECT_NE(Pad(0).iconInfo.hIcon, nullptr);
    EXPECT_FALSE(Pad(0).iconFetchPending);
    for (int pad : {1, 2}) {
        EXPECT_EQ(Pad(pad).path, stored.padPaths[pad]) << pad;
        EXPECT_NE(Pad(pad).iconInfo.hIcon, nullptr) << "no icon for pad " << pad;
        EXPECT_TRUE(Pad(pad).iconFetchPending) << pad;
    }
    // The file's own icon, fetched once the window is up, replaces the
    // type's.
    files_.Write("later.txt");
    ThePads().AfterShown();
    EXPECT_TRUE(WaitUntil([&] { return !Pad(2).iconFetchPending; }));
    EXPECT_NE(Pad(2).iconInfo.hIcon, nullptr);
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(LauncherPadTest, OverlongAndCutRecordsLeaveTheirPadsEmpty)
{
    const std::string file = files_.Write("kept.txt");
    std::vector<std::uint8_t> bytes = WriteSettings(CurrentSettings());
    bytes.resize(653);
    bytes.insert(bytes.end(), {4, 1, 0, 0});  // 260 bytes follow: too long for a pad
    bytes.insert(bytes.end(), 260, 'q');
    bytes.insert(bytes.end(), {static_cast<std::uint8_t>(file.size()), 0, 0, 0});
    bytes.insert(bytes.end(), file.begin(), file.end());
    bytes.insert(bytes.end(), {20, 0, 0, 0, 'C', ':'});  // cut short by the end

    PanelTest::TearDownKeepingSettings();
    WriteWholeFile(SettingsFilePath(), bytes);
    MessageBoxCatcher boxes;
    PanelTest::SetUpKeepingSettings();
    EXPECT_FALSE(PadIsRegistered(Pad(0)));
    EXPECT_EQ(Pad(1).path, file);
    EXPECT_NE(Pad(1).iconInfo.hIcon, nullptr);
    EXPECT_FALSE(PadIsRegistered(Pad(2)));
    EXPECT_FALSE(PadIsRegistered(Pad(3)));
    EXPECT_TRUE(boxes.boxes().empty());
}

}  // namespace
