#include "core/base/exe_paths.h"

#include <gtest/gtest.h>

namespace {

TEST(ExePaths, NewNameAndExtensionBesideTheExecutable)
{
    EXPECT_EQ(PathBesideExecutable("C:\\Games\\Tool\\plovnikar.exe", "ini", "dat"),
              "C:\\Games\\Tool\\ini.dat");
    EXPECT_EQ(PathBesideExecutable("C:\\Games\\Tool\\plovnikar.exe", "em0", ""),
              "C:\\Games\\Tool\\em0");
    EXPECT_EQ(PathBesideExecutable("D:\\Games\\Tool\\p.exe", "image", ""), "D:\\Games\\Tool\\image");
    EXPECT_EQ(PathBesideExecutable("\\\\server\\share\\p.exe", "ini", ".dat"),
              "\\\\server\\share\\ini.dat");
}

TEST(ExePaths, DirectoryOfOddPaths)
{
    EXPECT_EQ(DirectoryOf("C:\\p.exe"), "C:\\");
    EXPECT_EQ(DirectoryOf("C:p.exe"), "C:");
    EXPECT_EQ(DirectoryOf("C:"), "C:");
    EXPECT_EQ(DirectoryOf("p.exe"), "");
    EXPECT_EQ(DirectoryOf("C:/a/b/p.exe"), "C:/a/b/");
}

TEST(ExePaths, DoubleByteCharacterEndingInABackslashByteIsNotASeparator)
{
    // "表" is 0x95 0x5C in code page 932: its second byte is the backslash.
    const std::string hyou = "\x95\x5C";
    const std::string exe = "C:\\" + hyou + "\\sub" + hyou + "\\p.exe";
    EXPECT_EQ(DirectoryOf(exe), "C:\\" + hyou + "\\sub" + hyou + "\\");
    // A file name ending in that character keeps it whole.
    EXPECT_EQ(DirectoryOf("C:\\dir\\a" + hyou), "C:\\dir\\");
}

}  // namespace
