// A launcher pad's record in the settings file: the path's length in bytes
// (32-bit, little-endian) followed by the path itself, without terminator.
// An empty pad is the length 0 alone.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/base/byte_reader.h"

constexpr int PAD_COUNT = 4;

// A pad keeps its path in a 260-byte buffer with the terminator.
constexpr std::size_t PAD_PATH_MAX_BYTES = 259;

// Appends the record of path. The path ends at its first NUL, as it does in
// the pad's buffer. A path longer than PAD_PATH_MAX_BYTES cannot be loaded
// again, and a cut one would name another file, so it is stored as an empty
// pad.
void AppendPadRecord(std::vector<std::uint8_t>& bytes, const std::string& path);

// Reads the record where the reader stands.
//
// Returns true when the whole record lies inside the data; the reader then
// stands past it and the next record can be read. path becomes the stored path up to
// its first NUL (the pad's buffer is terminated there), or empty when the
// stored length exceeds PAD_PATH_MAX_BYTES: such a record is rejected, its
// bytes skipped.
//
// Returns false when the data ends inside the record: the reader stays, and path
// is left as it was, unless the length is already known to be too large, in
// which case path is emptied as for any rejected record. Nothing past the
// data's end is read.
bool ReadPadRecord(ByteReader& in, std::string& path);
