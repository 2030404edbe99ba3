// Starting a pad's registered file and opening its folder.
#pragma once

struct cAppIconClass;

// Starts the registered file through the shell in its own folder. When the
// shell reports one of the listed errors, the user sees its message (owned
// by the pad, captioned with the path) and then "登録ファイルの起動に失敗しました";
// the pad keeps its file. Otherwise the started process (or none, when a
// running program took the file) is handed to the pad's host, which makes
// its window the repeaters' target.
void LaunchPadFile(cAppIconClass& pad);

// Opens the folder that holds the registered file; a failure is ignored.
void OpenPadFolder(const cAppIconClass& pad);
