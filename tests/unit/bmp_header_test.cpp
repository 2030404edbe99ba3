#include "core/capture/bmp_header.h"

#include <gtest/gtest.h>

namespace {

std::uint32_t Dword(const BmpHeaderBytes& h, std::size_t offset)
{
    return h[offset] | (h[offset + 1] << 8) | (h[offset + 2] << 16) |
           (static_cast<std::uint32_t>(h[offset + 3]) << 24);
}

unsigned Word(const BmpHeaderBytes& h, std::size_t offset) { return h[offset] | (h[offset + 1] << 8); }

TEST(BmpHeader, RowStrideIsThreeBytesAPixelRoundedUpToFour)
{
    EXPECT_EQ(BmpRowStride(1), 4u);  // three pixel bytes and one zero byte
    EXPECT_EQ(BmpRowStride(2), 8u);
    EXPECT_EQ(BmpRowStride(3), 12u);
    EXPECT_EQ(BmpRowStride(4), 12u);
    EXPECT_EQ(BmpRowStride(5), 16u);
    EXPECT_EQ(BmpRowStride(203), 612u);
    EXPECT_EQ(BmpRowStride(640), 1920u);
    EXPECT_EQ(BmpRowStride(0), 0u);
    EXPECT_EQ(BmpRowStride(-5), 0u);
    // No overflow for the widest width.
    EXPECT_EQ(BmpRowStride(0x7FFFFFFF), 6442450944u);
}

TEST(BmpHeader, EveryFieldOf640By480)
{
    EXPECT_EQ(BmpImageSize(640, 480), 921600u);
    BmpHeaderBytes h{};
    ASSERT_TRUE(MakeBmpHeader(640, 480, h));
    EXPECT_EQ(h[0], 0x42);
    EXPECT_EQ(h[1], 0x4D);
    EXPECT_EQ(Dword(h, 2), 921654u);  // file size
    EXPECT_EQ(Word(h, 6), 0u);
    EXPECT_EQ(Word(h, 8), 0u);
    EXPECT_EQ(Dword(h, 10), 54u);     // pixel data offset
    EXPECT_EQ(Dword(h, 14), 40u);     // info header size
    EXPECT_EQ(Dword(h, 18), 640u);
    EXPECT_EQ(Dword(h, 22), 480u);    // positive: bottom row first
    EXPECT_EQ(Word(h, 26), 1u);       // planes
    EXPECT_EQ(Word(h, 28), 24u);      // bits per pixel
    EXPECT_EQ(Dword(h, 30), 0u);      // no compression
    EXPECT_EQ(Dword(h, 34), 921600u); // image size
    for (std::size_t offset = 38; offset < 54; offset += 4) EXPECT_EQ(Dword(h, offset), 0u) << offset;
}

TEST(BmpHeader, PaddedRowsCountInTheSizes)
{
    BmpHeaderBytes h{};
    ASSERT_TRUE(MakeBmpHeader(203, 7, h));
    EXPECT_EQ(Dword(h, 34), 612u * 7u);
    EXPECT_EQ(Dword(h, 2), 612u * 7u + 54u);
    EXPECT_EQ(Dword(h, 18), 203u);
    EXPECT_EQ(Dword(h, 22), 7u);
}

TEST(BmpHeader, EmptyOrOversizedImagesGetNoHeader)
{
    BmpHeaderBytes h{};
    h.fill(0xEE);
    EXPECT_FALSE(MakeBmpHeader(0, 480, h));
    EXPECT_FALSE(MakeBmpHeader(640, 0, h));
    EXPECT_FALSE(MakeBmpHeader(-1, 480, h));
    EXPECT_FALSE(MakeBmpHeader(640, -480, h));
    EXPECT_FALSE(MakeBmpHeader(65536, 65536, h));  // more than 4 GiB
    // No rows, no bytes, whatever the width.
    EXPECT_EQ(BmpImageSize(640, 0), 0u);
    EXPECT_EQ(BmpImageSize(640, -480), 0u);
    EXPECT_EQ(BmpImageSize(1, -1), 0u);
    EXPECT_EQ(BmpImageSize(1, 1), 4u);
    EXPECT_EQ(h[0], 0xEE);  // left alone

    // The largest file whose size fits 32 bits, and one row more.
    ASSERT_TRUE(MakeBmpHeader(1, 1073741810, h));
    EXPECT_EQ(Dword(h, 34), 4294967240u);
    EXPECT_EQ(Dword(h, 2), 4294967294u);
    EXPECT_FALSE(MakeBmpHeader(1, 1073741811, h));
}

}  // namespace
