// The running executable: its module and its path.
#pragma once
#include <windows.h>

#include <string>

// The instance handle of the module this code is part of, which holds the
// program's resources (dialogs, menus, icons).
HINSTANCE ModuleInstance();

// The full path of the running executable.

std::string ModulePath();

// The executable's folder as the system names it (UTF-16), with a final
// separator.
std::wstring ModuleFolderWide();

// False when the executable's path has characters that the ANSI code page
// cannot write: its ANSI path then names no file, and nothing beside the
// executable can be read or written.
bool ModulePathFitsCodePage();
