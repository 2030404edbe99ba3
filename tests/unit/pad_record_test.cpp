#include "core/settings/pad_record.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes LengthBytes(std::uint32_t n)
{
    return {static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8),
            static_cast<std::uint8_t>(n >> 16), static_cast<std::uint8_t>(n >> 24)};
}

// Reads the record at offset as the settings file's reader does, and moves
// offset to where the reader stands afterwards.
bool ReadPadRecordAt(const Bytes& bytes, std::size_t& offset, std::string& path)
{
    ByteReader in(bytes.data(), bytes.size());
    if (!in.Skip(offset)) return false;
    const bool read = ReadPadRecord(in, path);
    offset = bytes.size() - in.Left();
    return read;
}

Bytes Record(std::uint32_t n, const std::string& body)
{
    Bytes bytes = LengthBytes(n);
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

TEST(PadRecord, WritesLengthThenPathWithoutTerminator)
{
    Bytes bytes;
    AppendPadRecord(bytes, "C:\\a.exe");
    EXPECT_EQ(bytes, Record(8, "C:\\a.exe"));

    bytes.clear();
    AppendPadRecord(bytes, "");
    EXPECT_EQ(bytes, Bytes(4, 0));

    // Records follow one another.
    AppendPadRecord(bytes, "x");
    EXPECT_EQ(bytes, (Bytes{0, 0, 0, 0, 1, 0, 0, 0, 'x'}));
}

TEST(PadRecord, PathOf259BytesIsKeptAndLongerOnesAreStoredEmpty)
{
    const std::string longest(259, 'p');
    Bytes bytes;
    AppendPadRecord(bytes, longest);
    ASSERT_EQ(bytes.size(), 4u + 259u);
    EXPECT_EQ(bytes, Record(259, longest));

    bytes.clear();
    AppendPadRecord(bytes, std::string(260, 'p'));
    EXPECT_EQ(bytes, Bytes(4, 0));
}

TEST(PadRecord, PathOf259BytesReadsBackWholeAndTheNextRecordFollows)
{
    const std::string longest(259, 'p');
    Bytes bytes;
    AppendPadRecord(bytes, longest);
    AppendPadRecord(bytes, "C:\\a.exe");
    std::size_t offset = 0;
    std::string path;
    ASSERT_TRUE(ReadPadRecordAt(bytes, offset, path));
    EXPECT_EQ(path, longest);
    EXPECT_EQ(offset, 263u);
    ASSERT_TRUE(ReadPadRecordAt(bytes, offset, path));
    EXPECT_EQ(path, "C:\\a.exe");
}

TEST(PadRecord, PathEndsAtItsFirstNul)
{
    Bytes bytes;
    AppendPadRecord(bytes, std::string("C:\\a\0junk", 9));
    EXPECT_EQ(bytes, Record(4, "C:\\a"));
}

TEST(PadRecord, ReadsRecordsOneAfterAnother)
{
    Bytes bytes;
    AppendPadRecord(bytes, "C:\\a.exe");
    AppendPadRecord(bytes, "");
    AppendPadRecord(bytes, "D:\\\x83\x51\x81\x5B\x83\x80\\b.exe");  // D:\ゲーム\b.exe

    std::size_t offset = 0;
    std::string path = "old";
    ASSERT_TRUE(ReadPadRecordAt(bytes, offset, path));
    EXPECT_EQ(path, "C:\\a.exe");
    EXPECT_EQ(offset, 12u);
    path = "old";
    ASSERT_TRUE(ReadPadRecordAt(bytes, offset, path));
    EXPECT_EQ(path, "");
    EXPECT_EQ(offset, 16u);
    ASSERT_TRUE(ReadPadRecordAt(bytes, offset, path));
    EXPECT_EQ(path, "D:\\\x83\x51\x81\x5B\x83\x80\\b.exe");
    EXPECT_EQ(offset, bytes.size());
    // At the end nothing more is read.
    EXPECT_FALSE(ReadPadRecordAt(bytes, offset, path));
    EXPECT_EQ(offset, bytes.size());
}

TEST(PadRecord, StoredNulEndsThePathButTheWholeRecordIsSkipped)
{
    const Bytes bytes = Record(6, std::string("ab\0cd\0", 6));
    std::size_t offset = 0;
    std::string path;
    ASSERT_TRUE(ReadPadRecordAt(bytes, offset, path));
    EXPECT_EQ(path, "ab");
    EXPECT_EQ(offset, 10u);
}

TEST(PadRecord, LengthOver259IsRejectedAndSkippedWhenItsBytesAreThere)
{
    Bytes bytes = Record(260, std::string(260, 'q'));
    AppendPadRecord(bytes, "next");
    std::size_t offset = 0;
    std::string path = "old";
    ASSERT_TRUE(ReadPadRecordAt(bytes, offset, path));
    EXPECT_EQ(path, "");
    EXPECT_EQ(offset, 264u);
    ASSERT_TRUE(ReadPadRecordAt(bytes, offset, path));
    EXPECT_EQ(path, "next");
}

TEST(PadRecord, HugeLengthEmptiesThePadAndEndsTheReading)
{
    // Exactly sized buffers: the sanitizers catch any read past them.
    for (const std::uint32_t n : {0xFFFFFFFFu, 0xFFFFFFFCu, 0x80000000u, 261u}) {
        const Bytes bytes = Record(n, "C:\\a.exe");
        std::size_t offset = 0;
        std::string path = "old";
        EXPECT_FALSE(ReadPadRecordAt(bytes, offset, path)) << n;
        EXPECT_EQ(path, "") << n;
        EXPECT_EQ(offset, 0u) << n;
    }
}

TEST(PadRecord, RecordCutByTheEndLeavesThePathAsItWas)
{
    const Bytes whole = Record(8, "C:\\a.exe");
    for (std::size_t size = 0; size < whole.size(); ++size) {
        const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
        std::size_t offset = 0;
        std::string path = "old";
        EXPECT_FALSE(ReadPadRecordAt(cut, offset, path)) << size;
        EXPECT_EQ(path, "old") << size;
        EXPECT_EQ(offset, 0u) << size;
    }
    // An offset beyond the data reads nothing.
    std::size_t offset = 20;
    std::string path = "old";
    EXPECT_FALSE(ReadPadRecordAt(whole, offset, path));
    EXPECT_EQ(path, "old");
}

}  // namespace
