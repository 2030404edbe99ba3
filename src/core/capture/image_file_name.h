// Naming a captured image: the first free name among 0.bmp, 1.bmp, 2.bmp, ...
// in the image directory, searched from 0 on every capture so that a gap left
// by a deleted file is filled first.
#pragma once
#include <cstddef>
#include <functional>
#include <string>

// The search gives up after this many names rather than keep the program busy
// with an endless run of existence checks (a folder that claims to hold
// every name, for instance).
constexpr int IMAGE_NUMBER_LIMIT = 100000;

// A path must fit the platform's 260-byte buffer with its terminator.
constexpr std::size_t IMAGE_PATH_MAX_BYTES = 259;

// directory ends in a separator (see ImageDirectory); exists tells whether a
// path is taken. Returns directory + n + ".bmp" for the smallest free n, or
// an empty string when the first IMAGE_NUMBER_LIMIT names are all taken or
// the next name would not fit IMAGE_PATH_MAX_BYTES: no image is written then.
std::string FindFreeImagePath(const std::string& directory,
                              const std::function<bool(const std::string&)>& exists);
