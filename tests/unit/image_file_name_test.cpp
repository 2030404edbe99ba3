#include "core/capture/image_file_name.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

// A folder whose files are the names in a set; every question is recorded.
struct FakeFolder {
    std::set<std::string> files;
    std::vector<std::string> asked;

    std::function<bool(const std::string&)> Exists()
    {
        return [this](const std::string& path) {
            asked.push_back(path);
            return files.count(path) != 0;
        };
    }
};

TEST(ImageFileName, FirstFreeNumberFromZero)
{
    FakeFolder folder;
    EXPECT_EQ(FindFreeImagePath("D:\\shots\\", folder.Exists()), "D:\\shots\\0.bmp");

    folder.files = {"D:\\shots\\0.bmp", "D:\\shots\\1.bmp"};
    folder.asked.clear();
    EXPECT_EQ(FindFreeImagePath("D:\\shots\\", folder.Exists()), "D:\\shots\\2.bmp");
    EXPECT_EQ(folder.asked,
              (std::vector<std::string>{"D:\\shots\\0.bmp", "D:\\shots\\1.bmp", "D:\\shots\\2.bmp"}));

    // After 0.bmp is deleted the gap is filled first.
    folder.files.erase("D:\\shots\\0.bmp");
    EXPECT_EQ(FindFreeImagePath("D:\\shots\\", folder.Exists()), "D:\\shots\\0.bmp");
}

TEST(ImageFileName, NumbersWithoutLeadingZeros)
{
    FakeFolder folder;
    for (int n = 0; n < 12; ++n) folder.files.insert("E:\\" + std::to_string(n) + ".bmp");
    EXPECT_EQ(FindFreeImagePath("E:\\", folder.Exists()), "E:\\12.bmp");
}

TEST(ImageFileName, SearchGivesUpAfterTheLimit)
{
    FakeFolder folder;
    int asked = 0;
    const std::string found = FindFreeImagePath("D:\\x\\", [&asked](const std::string&) {
        ++asked;
        return true;
    });
    EXPECT_EQ(found, "");
    EXPECT_EQ(asked, IMAGE_NUMBER_LIMIT);
}

TEST(ImageFileName, NamesLongerThan259BytesAreNeverFormed)
{
    // 254 bytes of directory and "0.bmp" make exactly 259.
    const std::string directory = "C:\\" + std::string(250, 'd') + "\\";
    ASSERT_EQ(directory.size(), 254u);
    FakeFolder folder;
    EXPECT_EQ(FindFreeImagePath(directory, folder.Exists()), directory + "0.bmp");

    // With 0 to 9 taken, "10.bmp" would make 260 bytes.
    for (int n = 0; n < 10; ++n) folder.files.insert(directory + std::to_string(n) + ".bmp");
    folder.asked.clear();
    EXPECT_EQ(FindFreeImagePath(directory, folder.Exists()), "");
    EXPECT_EQ(folder.asked.size(), 10u);

    folder.asked.clear();
    EXPECT_EQ(FindFreeImagePath(directory + "x", folder.Exists()), "");
    EXPECT_TRUE(folder.asked.empty());
}

}  // namespace
