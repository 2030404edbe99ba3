// The full path of the running executable.
#pragma once
#include <string>

std::string ModulePath();

// The executable's folder as the system names it (UTF-16), with a final
// separator.
std::wstring ModuleFolderWide();

// False when the executable's path has characters that the ANSI code page
// cannot write: its ANSI path then names no file, and nothing beside the
// executable can be read or written.
bool ModulePathFitsCodePage();
