// The image folder's text as the capture uses it. The text is taken as typed:
// no part of it is dropped other than trailing separators (a last component
// with a dot, such as D:\shots.new, stays whole).
#pragma once
#include <string>

// The folder without trailing separators ("\" or "/"), for creating it.
// Separators are found character by character in code page 932, so a
// double-byte character whose second byte is 0x5C stays whole.
std::string TrimTrailingSeparators(const std::string& folder);

// The directory that image files are named in: the folder with exactly one
// trailing "\".
std::string ImageDirectory(const std::string& folder);
