#include "core/settings/pad_record.h"

#include <cstring>

#include "core/base/byte_order.h"

void AppendPadRecord(std::vector<std::uint8_t>& bytes, const std::string& path)
{
    std::size_t length = std::strlen(path.c_str());
    if (length > PAD_PATH_MAX_BYTES) length = 0;
    AppendLittleEndian32(bytes, static_cast<std::uint32_t>(length));
    bytes.insert(bytes.end(), path.begin(), path.begin() + static_cast<std::ptrdiff_t>(length));
}

bool ReadPadRecord(ByteReader& in, std::string& path)
{
    ByteReader record = in;
    std::uint32_t length = 0;
    if (!record.Uint32(length)) return false;
    const bool tooLong = length > PAD_PATH_MAX_BYTES;
    if (tooLong) path.clear();
    // Taken as a count of the bytes left, so that a length near 4 GiB cannot
    // wrap a sum on a 32-bit size_t.
    const auto* text = reinterpret_cast<const char*>(record.Take(length));
    if (!text) return false;
    if (!tooLong) {
        const void* nul = std::memchr(text, 0, length);
        path.assign(text, nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - text) : length);
    }
    in = record;
    return true;
}
