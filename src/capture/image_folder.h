// The folder that captured images are written into: the text of edit 1016.
#pragma once
#include <windows.h>

#include <string>

// "image" beside the executable, without a trailing separator.
std::string DefaultImageFolder();

// Puts the default folder into the panel's folder edit.
void SetDefaultImageFolder(HWND panel);
