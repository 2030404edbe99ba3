// The folder that captured images are written into: the capture's image
// folder, which IDC_IMAGE_FOLDER shows and the player may type into.
#pragma once
#include <windows.h>

#include <string>

// "image" beside the executable, without a trailing separator.
std::string DefaultImageFolder();

// The edit changed: the image folder follows its text.
void TakeImageFolder(HWND panel, std::string& imageFolder);

// The folder a capture writes into: the image folder without trailing
// separators, created one level deep when missing. A folder that cannot be
// created and is no existing directory (its parent is missing, a file has
// its name, the text is empty) gives way to the default folder, which is
// created. The image folder and its edit become the folder returned, so the
// edit always shows the folder used last.
std::string ResolveImageFolder(HWND panel, std::string& imageFolder);
