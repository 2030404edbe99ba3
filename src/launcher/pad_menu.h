// A launcher pad's context menu and the commands it sends to the pad.
#pragma once
#include <windows.h>

struct cAppIconClass;

// Command ids of the pad's menu, as WM_COMMAND brings them to the pad.
enum PadCommand {
    PAD_UNREGISTER = 1,  // "登録解除"
    PAD_REGISTER = 2,    // "新規登録"
    PAD_INFO = 3,        // "情報"
    PAD_OPEN = 4,        // "開く", also a double-click
    PAD_FOLDER = 5,      // "フォルダ"
};

// The menu for the pad as it is now: "開く", "フォルダ", a separator,
// "登録解除", "新規登録", a separator, "情報"; every item but "新規登録" is
// greyed while nothing is registered. The caller destroys it.
HMENU BuildPadMenu(const cAppIconClass& pad);

// Shows the menu at the cursor, its bottom edge there, owned by the pad, so
// that a chosen command arrives at the pad; the menu is destroyed afterwards.
void ShowPadMenu(const cAppIconClass& pad);

// Runs a command of the menu. Every command but "新規登録" needs a
// registered file and does nothing on an empty pad; unknown ids do nothing.
void RunPadCommand(cAppIconClass& pad, int command);
