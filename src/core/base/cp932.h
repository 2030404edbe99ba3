// Walking text of code page 932 character by character: the second byte of a
// double-byte character may be 0x5C, the backslash, or any other ASCII value,
// so a byte-wise search for separators or a byte-wise cut can go wrong.
#pragma once
#include <cstddef>

bool IsCp932LeadByte(unsigned char c);

// Length of the longest start of text (length bytes) that is at most maxBytes
// long and does not end in the middle of a double-byte character.
std::size_t Cp932PrefixLength(const char* text, std::size_t length, std::size_t maxBytes);
