#include "core/base/cp932.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Cp932, LeadBytesOfBothRanges)
{
    EXPECT_FALSE(IsCp932LeadByte(0x5C));
    EXPECT_FALSE(IsCp932LeadByte(0x80));
    EXPECT_TRUE(IsCp932LeadByte(0x81));
    EXPECT_TRUE(IsCp932LeadByte(0x9F));
    EXPECT_FALSE(IsCp932LeadByte(0xA0));  // single-byte katakana range
    EXPECT_FALSE(IsCp932LeadByte(0xDF));
    EXPECT_TRUE(IsCp932LeadByte(0xE0));
    EXPECT_TRUE(IsCp932LeadByte(0xFC));
    EXPECT_FALSE(IsCp932LeadByte(0xFD));
}

TEST(Cp932, PrefixNeverEndsInHalfACharacter)
{
    const std::string hyou = "\x95\x5C";  // 表
    const std::string text = "ab" + hyou + "c";
    EXPECT_EQ(Cp932PrefixLength(text.data(), text.size(), 10), 5u);
    EXPECT_EQ(Cp932PrefixLength(text.data(), text.size(), 5), 5u);
    EXPECT_EQ(Cp932PrefixLength(text.data(), text.size(), 4), 4u);
    EXPECT_EQ(Cp932PrefixLength(text.data(), text.size(), 3), 2u);  // 表 does not fit
    EXPECT_EQ(Cp932PrefixLength(text.data(), text.size(), 0), 0u);
    // Single-byte katakana (0xB1) is one byte wide.
    EXPECT_EQ(Cp932PrefixLength("\xB1\xB1\xB1", 3, 2), 2u);
}

TEST(Cp932, LeadByteAtTheEndStandsAlone)
{
    // With no byte after it, a lead byte is one character of its own.
    EXPECT_EQ(Cp932PrefixLength("ab\x95", 3, 3), 3u);
    EXPECT_EQ(Cp932PrefixLength("ab\x95", 3, 2), 2u);
}

}  // namespace
