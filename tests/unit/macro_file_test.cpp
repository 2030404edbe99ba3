#include "core/automation/macro_file.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes FileOf(const std::vector<MacroSample>& samples)
{
    Bytes bytes;
    for (const MacroSample& s : samples) {
        const MacroSampleBytes one = EncodeMacroSample(s);
        bytes.insert(bytes.end(), one.begin(), one.end());
    }
    return bytes;
}

void ExpectSameSample(const MacroSample& a, const MacroSample& b, int index)
{
    EXPECT_EQ(a.x, b.x) << index;
    EXPECT_EQ(a.y, b.y) << index;
    EXPECT_EQ(a.left, b.left) << index;
    EXPECT_EQ(a.right, b.right) << index;
}

TEST(MacroFile, SampleIsTwelveLittleEndianBytes)
{
    MacroSample s;
    s.x = 0x01020304;
    s.y = -2;
    s.left = true;
    const MacroSampleBytes expected = {0x04, 0x03, 0x02, 0x01, 0xFE, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0};
    EXPECT_EQ(EncodeMacroSample(s), expected);

    s = MacroSample{};
    s.x = 1280;
    s.y = 1024;
    s.right = true;
    const MacroSampleBytes second = {0x00, 0x05, 0, 0, 0x00, 0x04, 0, 0, 0, 1, 0, 0};
    EXPECT_EQ(EncodeMacroSample(s), second);
}

TEST(MacroFile, SamplesSurviveTheRoundTrip)
{
    // Negative coordinates come from monitors left of or above the primary one.
    std::vector<MacroSample> samples(6);
    samples[0] = {0, 0, false, false};
    samples[1] = {-1, -1, true, false};
    samples[2] = {-1920, 540, false, true};
    samples[3] = {INT_MIN, INT_MAX, true, true};
    samples[4] = {INT_MAX, INT_MIN, false, false};
    samples[5] = {3839, -2160, true, true};
    const Bytes bytes = FileOf(samples);
    ASSERT_EQ(bytes.size(), 72u);
    const std::vector<MacroSample> back = DecodeMacroFile(bytes.data(), bytes.size());
    ASSERT_EQ(back.size(), samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) ExpectSameSample(back[i], samples[i], static_cast<int>(i));
}

TEST(MacroFile, TrailingPieceEndsTheFile)
{
    std::vector<MacroSample> samples(3);
    samples[0] = {1, 2, true, false};
    samples[1] = {3, 4, false, true};
    samples[2] = {5, 6, true, true};
    const Bytes whole = FileOf(samples);
    for (std::size_t size = 0; size <= whole.size(); ++size) {
        // An exactly sized buffer, so the sanitizers see a read past its end.
        const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
        const std::vector<MacroSample> back = DecodeMacroFile(cut.data(), cut.size());
        ASSERT_EQ(back.size(), size / 12) << size;
        for (std::size_t i = 0; i < back.size(); ++i) ExpectSameSample(back[i], samples[i], static_cast<int>(i));
    }
}

TEST(MacroFile, EmptyFileHoldsNoSamples)
{
    EXPECT_TRUE(DecodeMacroFile(nullptr, 0).empty());
}

TEST(MacroFile, AnyNonZeroButtonByteIsDownAndPaddingIsIgnored)
{
    MacroSampleBytes bytes = {10, 0, 0, 0, 20, 0, 0, 0, 0x02, 0xFF, 0xAB, 0xCD};
    MacroSample s = DecodeMacroSample(bytes);
    EXPECT_EQ(s.x, 10);
    EXPECT_EQ(s.y, 20);
    EXPECT_TRUE(s.left);
    EXPECT_TRUE(s.right);

    bytes[8] = 0;
    bytes[9] = 0x80;
    s = DecodeMacroSample(bytes);
    EXPECT_FALSE(s.left);
    EXPECT_TRUE(s.right);

    // Written again, the buttons are plain 1 or 0 and the padding is zero.
    const MacroSampleBytes again = EncodeMacroSample(s);
    EXPECT_EQ(again[8], 0);
    EXPECT_EQ(again[9], 1);
    EXPECT_EQ(again[10], 0);
    EXPECT_EQ(again[11], 0);
}

}  // namespace
