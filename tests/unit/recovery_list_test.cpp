#include "conceal/recovery_list.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(RecoveryList, SignatureThenSixteenLittleEndianBytesPerWindow)
{
    StrandedWindow w;
    w.window = 0x0000000100020304ull;
    w.processId = 0x0A0B0C0D;
    w.showCommand = SHOW_COMMAND_MAXIMIZED;
    const Bytes expected = {'P', 'L', 'H', 'W',
                            0x04, 0x03, 0x02, 0x00, 0x01, 0x00, 0x00, 0x00,
                            0x0D, 0x0C, 0x0B, 0x0A,
                            0x03, 0x00, 0x00, 0x00};
    EXPECT_EQ(EncodeRecoveryList({w}), expected);
    EXPECT_EQ(EncodeRecoveryList({}), Bytes({'P', 'L', 'H', 'W'}));
}

TEST(RecoveryList, EntriesSurviveTheRoundTripInOrder)
{
    std::vector<StrandedWindow> windows(3);
    windows[0] = {0x10064ull, 1234, SHOW_COMMAND_NORMAL};
    windows[1] = {0xFFFFFFFFFFFFFFFEull, 0xFFFFFFFFu, SHOW_COMMAND_MINIMIZED};
    windows[2] = {0x2A, 0, SHOW_COMMAND_MAXIMIZED};
    const Bytes bytes = EncodeRecoveryList(windows);
    ASSERT_EQ(bytes.size(), 4u + 3 * 16);
    const std::vector<StrandedWindow> back = DecodeRecoveryList(bytes.data(), bytes.size());
    ASSERT_EQ(back.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(back[i].window, windows[i].window) << i;
        EXPECT_EQ(back[i].processId, windows[i].processId) << i;
        EXPECT_EQ(back[i].showCommand, windows[i].showCommand) << i;
    }
}

TEST(RecoveryList, DamagedFilesYieldOnlyWholeEntriesAndNeverAHideCommand)
{
    EXPECT_TRUE(DecodeRecoveryList(nullptr, 0).empty());
    const Bytes noSignature = {'P', 'L', 'H', 'X', 1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0};
    EXPECT_TRUE(DecodeRecoveryList(noSignature.data(), noSignature.size()).empty());
    const Bytes shortSignature = {'P', 'L'};
    EXPECT_TRUE(DecodeRecoveryList(shortSignature.data(), shortSignature.size()).empty());

    Bytes bytes = EncodeRecoveryList({{7, 8, SHOW_COMMAND_MINIMIZED}, {9, 10, SHOW_COMMAND_NORMAL}});
    bytes.resize(bytes.size() - 1);  // the second entry is cut
    std::vector<StrandedWindow> back = DecodeRecoveryList(bytes.data(), bytes.size());
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0].window, 7u);
    EXPECT_EQ(back[0].showCommand, SHOW_COMMAND_MINIMIZED);

    // 0 would hide the window again; other values are no show state a
    // concealed window can have.
    for (std::int32_t command : {0, 4, 5, 9, 11, -1, 0x7FFFFFFF}) {
        const Bytes one = EncodeRecoveryList({{1, 2, command}});
        back = DecodeRecoveryList(one.data(), one.size());
        ASSERT_EQ(back.size(), 1u);
        EXPECT_EQ(back[0].showCommand, SHOW_COMMAND_NORMAL) << command;
    }
}

TEST(RecoveryList, AnOverlongFileIsReadUpToTheLimit)
{
    std::vector<StrandedWindow> many(RECOVERY_ENTRY_LIMIT + 5);
    for (std::size_t i = 0; i < many.size(); ++i) many[i].window = i + 1;
    const Bytes bytes = EncodeRecoveryList(many);
    const std::vector<StrandedWindow> back = DecodeRecoveryList(bytes.data(), bytes.size());
    ASSERT_EQ(back.size(), RECOVERY_ENTRY_LIMIT);
    EXPECT_EQ(back.back().window, RECOVERY_ENTRY_LIMIT);
}

}  // namespace
