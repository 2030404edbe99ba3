// Files that live beside the executable (the settings file, the macro files,
// the default image folder): the executable's drive and directory joined with
// a new name and extension.
#pragma once
#include <string>

// "C:\\Games\\Tool\\plovnikar.exe" with ("ini", "dat") gives
// "C:\\Games\\Tool\\ini.dat"; an empty extension adds no dot.
std::string PathBesideExecutable(const std::string& exePath, const std::string& name,
                                 const std::string& ext);

// The executable's drive and directory, ending in a separator ("C:\\Games\\Tool\\").
std::string DirectoryOf(const std::string& path);
