// The shell's file dialog, from a library loaded when a player first asks for
// it and then kept: imported at start, it and the printing libraries it
// brings would add megabytes to every session for a rarely used command.
#pragma once
#include <windows.h>
#include <commdlg.h>

#include "win/scoped.h"

class FileDialogLibrary {
public:
    // Runs the open dialog; false when the library cannot be had or the
    // player cancels.
    bool Open(OPENFILENAMEA& choice);

private:
    using GetOpenFileNameFunction = BOOL(WINAPI*)(LPOPENFILENAMEA);
    ScopedLibrary library_;
    GetOpenFileNameFunction open_ = nullptr;
};
