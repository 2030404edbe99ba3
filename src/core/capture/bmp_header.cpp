#include "core/capture/bmp_header.h"

#include "core/base/byte_order.h"

std::uint64_t BmpRowStride(std::int32_t width)
{
    if (width <= 0) return 0;
    return ((static_cast<std::uint64_t>(width) * 24 + 31) & ~std::uint64_t{31}) / 8;
}

std::uint64_t BmpImageSize(std::int32_t width, std::int32_t height)
{
    if (height <= 0) return 0;
    return BmpRowStride(width) * static_cast<std::uint64_t>(height);
}

bool MakeBmpHeader(std::int32_t width, std::int32_t height, BmpHeaderBytes& header)
{
    const std::uint64_t imageSize = BmpImageSize(width, height);
    if (imageSize == 0 || imageSize > 0xFFFFFFFFu - BMP_HEADER_BYTES) return false;

    BmpHeaderBytes bytes{};  // reserved fields, resolutions and colour counts stay 0
    // File header.
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutLittleEndian32(&bytes[2], static_cast<std::uint32_t>(BMP_HEADER_BYTES + imageSize));
    PutLittleEndian32(&bytes[10], static_cast<std::uint32_t>(BMP_HEADER_BYTES));
    // Info header; a positive height stores the bottom row first.
    PutLittleEndian32(&bytes[14], static_cast<std::uint32_t>(BMP_INFO_HEADER_BYTES));
    PutLittleEndian32(&bytes[18], BitsOfInt32(width));
    PutLittleEndian32(&bytes[22], BitsOfInt32(height));
    PutLittleEndian16(&bytes[26], 1);   // planes
    PutLittleEndian16(&bytes[28], 24);  // bits per pixel
    PutLittleEndian32(&bytes[34], static_cast<std::uint32_t>(imageSize));
    header = bytes;
    return true;
}
