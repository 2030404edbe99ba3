#include "launcher/pad_menu.h"

#include <commdlg.h>

#include <cstdio>

#include "launcher/file_dialog_library.h"
#include "launcher/launcher_pad.h"
#include "launcher/pad_launch.h"
#include "win/scoped.h"

namespace {

void ChooseFileToRegister(cAppIconClass& pad)
{
    char file[MAX_PATH] = "";
    OPENFILENAMEA choice = {};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = pad.window;
    choice.lpstrFilter = "実行ファイル(*.exe)\0*.exe\0All files(*.*)\0*.*\0";
    choice.nFilterIndex = 1;
    choice.lpstrFile = file;
    choice.nMaxFile = sizeof file;
    choice.lpstrTitle = "ファイルの登録";
    choice.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    static_assert((OFN_FILEMUSTEXIST | OFN_HIDEREADONLY) == 0x1004);
    // A pad on no panel has a library of its own for the moment.
    FileDialogLibrary own;
    FileDialogLibrary& library = pad.host ? pad.host->FileDialog() : own;
    if (library.Open(choice)) RegisterPadFile(pad, file);
}

void ShowFileInfo(const cAppIconClass& pad)
{
    char text[1024];
    // The three fields fit: at most 259 + 259 + 79 bytes and the labels.
    wsprintfA(text, "場所：\t%s\n表示名：\t%s\nタイプ：\t%s", pad.path.c_str(),
              pad.iconInfo.szDisplayName, pad.iconInfo.szTypeName);
    MessageBoxA(pad.window, text, "ファイル情報", MB_OK);
}

}  // namespace

HMENU BuildPadMenu(const cAppIconClass& pad)
{
    const UINT needsFile = PadIsRegistered(pad) ? MF_ENABLED : MF_GRAYED;
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING | needsFile, PAD_OPEN, "開く");
    AppendMenuA(menu, MF_STRING | needsFile, PAD_FOLDER, "フォルダ");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING | needsFile, PAD_UNREGISTER, "登録解除");
    AppendMenuA(menu, MF_STRING | MF_ENABLED, PAD_REGISTER, "新規登録");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING | needsFile, PAD_INFO, "情報");
    return menu;
}

void ShowPadMenu(const cAppIconClass& pad)
{
    ScopedMenu menu(BuildPadMenu(pad));
    POINT cursor;
    GetCursorPos(&cursor);
    TrackPopupMenu(menu.get(), TPM_BOTTOMALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0,
                   pad.window, nullptr);
}

void RunPadCommand(cAppIconClass& pad, int command)
{
    if (command == PAD_REGISTER) {
        ChooseFileToRegister(pad);
        return;
    }
    if (!PadIsRegistered(pad)) return;
    switch (command) {
    case PAD_UNREGISTER:
        EmptyPad(pad);
        break;
    case PAD_INFO:
        ShowFileInfo(pad);
        break;
    case PAD_OPEN:
        LaunchPadFile(pad);
        break;
    case PAD_FOLDER:
        OpenPadFolder(pad);
        break;
    default:
        break;
    }
}
