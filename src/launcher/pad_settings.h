// A launcher pad in the settings file: one record per pad, pads 1 to 4 in
// order, each the path's length (32-bit, little-endian) and its bytes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct cAppIconClass;

// Appends the pad's record; an empty pad is the length 0 alone.
void SavePadPath(const cAppIconClass& pad, std::vector<std::uint8_t>& bytes);

// Reads the record at offset of data (size bytes) and puts the path read
// back on the pad (LoadPadFile: the icon is fetched anew, and a file that is
// not there keeps its registration on a blank pad). An empty record, one
// longer than 259 bytes and one cut short by the end of the data leave the
// pad empty. Returns true, with offset past the record, when
// the whole record was there; false, with offset unchanged, when the data
// ended inside it and no later record can be read.
bool LoadPadPath(cAppIconClass& pad, const std::uint8_t* data, std::size_t size,
                 std::size_t& offset);

// The pad's registered path (empty for an empty pad), for a settings record
// built elsewhere; a path read that way is registered with RegisterPadFile.
std::string PadPath(const cAppIconClass& pad);
