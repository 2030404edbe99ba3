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

bool ReadPadRecord(const std::uint8_t* data, std::size_t size, std::size_t& offset,
                   std::string& path)
{
    if (offset > size || size - offset < 4) return false;
    const std::uint32_t length = GetLittleEndian32(data + offset);
    const bool tooLong = length > PAD_PATH_MAX_BYTES;
    if (tooLong) path.clear();
    // Compared as remaining bytes, so that a length near 4 GiB cannot wrap
    // the sum on a 32-bit size_t.
    if (length > size - offset - 4) return false;
    if (!tooLong) {
        const char* text = reinterpret_cast<const char*>(data + offset + 4);
        const void* nul = std::memchr(text, 0, length);
        const std::size_t textLength =
            nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - text) : length;
        path.assign(text, textLength);
    }
    offset += 4 + static_cast<std::size_t>(length);
    return true;
}
