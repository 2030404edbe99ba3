// The 54 bytes in front of a captured image: the 14-byte file header and the
// 40-byte info header of an uncompressed 24-bit bitmap, rows bottom first,
// without a colour table.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

constexpr std::size_t BMP_FILE_HEADER_BYTES = 14;
constexpr std::size_t BMP_INFO_HEADER_BYTES = 40;
constexpr std::size_t BMP_HEADER_BYTES = BMP_FILE_HEADER_BYTES + BMP_INFO_HEADER_BYTES;

using BmpHeaderBytes = std::array<std::uint8_t, BMP_HEADER_BYTES>;

// Bytes per row: three per pixel, rounded up to a multiple of four. 0 for a
// width of 0 or less. Computed in 64 bits, so no width can overflow it.
std::uint64_t BmpRowStride(std::int32_t width);

// Row stride times height; 0 when either side is 0 or less.
std::uint64_t BmpImageSize(std::int32_t width, std::int32_t height);

// Fills both headers for an image of width by height pixels. Returns false,
// and leaves header alone, for an empty image or one whose file size does
// not fit the header's 32-bit field: such an image cannot be written.
bool MakeBmpHeader(std::int32_t width, std::int32_t height, BmpHeaderBytes& header);
