// Files and shortcuts that the launcher tests register: a fresh folder under
// the temporary directory, removed with everything in it.
#pragma once
#include <windows.h>

#include <string>

#include "support/test_files.h"

class ScratchFolder : public TempFolder {
public:
    ScratchFolder() : TempFolder("plov-w32") {}
};

// Saves a shortcut at linkPath that points at target, through the shell's
// link object; false when the shell refused.
bool MakeShortcut(const std::string& linkPath, const std::string& target);

// The directory of this test program, with a trailing separator.
std::string TestProgramDirectory();
