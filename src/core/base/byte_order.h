// Little-endian fields of the program's files, read and written byte by byte
// so that a file's layout never depends on the compiler's struct layout or on
// the machine's byte order.
#pragma once
#include <cstdint>
#include <vector>

inline void PutLittleEndian16(std::uint8_t* out, std::uint16_t value)
{
    out[0] = static_cast<std::uint8_t>(value);
    out[1] = static_cast<std::uint8_t>(value >> 8);
}

inline void PutLittleEndian32(std::uint8_t* out, std::uint32_t value)
{
    out[0] = static_cast<std::uint8_t>(value);
    out[1] = static_cast<std::uint8_t>(value >> 8);
    out[2] = static_cast<std::uint8_t>(value >> 16);
    out[3] = static_cast<std::uint8_t>(value >> 24);
}

inline std::uint16_t GetLittleEndian16(const std::uint8_t* in)
{
    return static_cast<std::uint16_t>(in[0] | (in[1] << 8));
}

inline std::uint32_t GetLittleEndian32(const std::uint8_t* in)
{
    return static_cast<std::uint32_t>(in[0]) | (static_cast<std::uint32_t>(in[1]) << 8) |
           (static_cast<std::uint32_t>(in[2]) << 16) | (static_cast<std::uint32_t>(in[3]) << 24);
}

inline void AppendLittleEndian32(std::vector<std::uint8_t>& bytes, std::uint32_t value)
{
    // Byte by byte: GCC 12 at -O3 takes a four-byte range insert for an
    // overrun and fails the optimised build.
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<std::uint8_t>(value >> shift));
}

// Signed fields travel as their two's-complement bit pattern.
inline std::uint32_t BitsOfInt32(std::int32_t value) { return static_cast<std::uint32_t>(value); }
inline std::int32_t Int32OfBits(std::uint32_t bits)
{
    return bits <= 0x7FFFFFFFu ? static_cast<std::int32_t>(bits)
                               : -static_cast<std::int32_t>(~bits) - 1;
}
