#include "core/base/cp932.h"

bool IsCp932LeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

std::size_t Cp932PrefixLength(const char* text, std::size_t length, std::size_t maxBytes)
{
    std::size_t i = 0;
    while (i < length) {
        // A lead byte at the very end has no trail byte: it stands alone.
        const std::size_t width =
            (IsCp932LeadByte(static_cast<unsigned char>(text[i])) && i + 1 < length) ? 2 : 1;
        if (width > maxBytes - i) break;
        i += width;
    }
    return i;
}
