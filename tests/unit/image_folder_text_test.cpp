#include "core/capture/image_folder_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string HYOU = "\x95\x5C";  // 表: its second byte is the backslash

TEST(ImageFolderText, TrailingSeparatorsAreRemoved)
{
    EXPECT_EQ(TrimTrailingSeparators("D:\\shots\\"), "D:\\shots");
    EXPECT_EQ(TrimTrailingSeparators("D:\\shots\\\\\\"), "D:\\shots");
    EXPECT_EQ(TrimTrailingSeparators("D:\\shots/\\/"), "D:\\shots");
    EXPECT_EQ(TrimTrailingSeparators("D:\\shots"), "D:\\shots");
    EXPECT_EQ(TrimTrailingSeparators("D:\\a\\b"), "D:\\a\\b");
    EXPECT_EQ(TrimTrailingSeparators("\\\\"), "");
    EXPECT_EQ(TrimTrailingSeparators(""), "");
    // Taken as typed: a dot in the last component stays.
    EXPECT_EQ(TrimTrailingSeparators("D:\\shots.new\\"), "D:\\shots.new");
}

TEST(ImageFolderText, DoubleByteCharacterEndingInABackslashByteStays)
{
    EXPECT_EQ(TrimTrailingSeparators("D:\\" + HYOU), "D:\\" + HYOU);
    EXPECT_EQ(TrimTrailingSeparators("D:\\" + HYOU + "\\"), "D:\\" + HYOU);
    EXPECT_EQ(TrimTrailingSeparators("D:\\" + HYOU + HYOU + "\\\\"), "D:\\" + HYOU + HYOU);
    // Single-byte katakana (0xB1) is no lead byte: the backslash after it goes.
    EXPECT_EQ(TrimTrailingSeparators("D:\\\xB1\\"), "D:\\\xB1");
}

TEST(ImageFolderText, DirectoryEndsInExactlyOneSeparator)
{
    EXPECT_EQ(ImageDirectory("D:\\shots"), "D:\\shots\\");
    EXPECT_EQ(ImageDirectory("D:\\shots\\\\"), "D:\\shots\\");
    EXPECT_EQ(ImageDirectory("D:\\" + HYOU), "D:\\" + HYOU + "\\");
}

}  // namespace
