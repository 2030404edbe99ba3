#include "core/conceal/recovery_list.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

RecoveryState Windows(std::vector<StrandedWindow> windows)
{
    RecoveryState state;
    state.windows = std::move(windows);
    return state;
}

TEST(RecoveryList, SignatureMuteFlagsThenSixteenLittleEndianBytesPerWindow)
{
    StrandedWindow w;
    w.window = 0x0000000100020304ull;
    w.processId = 0x0A0B0C0D;
    w.showCommand = SHOW_COMMAND_MAXIMIZED;
    RecoveryState state = Windows({w});
    state.muted = true;
    const Bytes expected = {'P', 'L', 'H', '2', 0x01, 0x00, 0x00, 0x00,
                            0x04, 0x03, 0x02, 0x00, 0x01, 0x00, 0x00, 0x00,
                            0x0D, 0x0C, 0x0B, 0x0A,
                            0x03, 0x00, 0x00, 0x00};
    EXPECT_EQ(EncodeRecoveryFile(state), expected);
    state = Windows({});
    state.muted = state.mutedBefore = true;
    EXPECT_EQ(EncodeRecoveryFile(state), Bytes({'P', 'L', 'H', '2', 3, 0, 0, 0}));
}

TEST(RecoveryList, EntriesAndMuteStateSurviveTheRoundTrip)
{
    RecoveryState state = Windows({{0x10064ull, 1234, SHOW_COMMAND_NORMAL},
                                   {0xFFFFFFFFFFFFFFFEull, 0xFFFFFFFFu, SHOW_COMMAND_MINIMIZED},
                                   {0x2A, 0, SHOW_COMMAND_MAXIMIZED}});
    for (int flags = 0; flags < 4; ++flags) {
        state.muted = flags & 1;
        state.mutedBefore = flags & 2;
        const Bytes bytes = EncodeRecoveryFile(state);
        ASSERT_EQ(bytes.size(), 8u + 3 * 16);
        const RecoveryState back = DecodeRecoveryFile(bytes.data(), bytes.size());
        EXPECT_EQ(back.muted, state.muted) << flags;
        EXPECT_EQ(back.mutedBefore, state.mutedBefore) << flags;
        ASSERT_EQ(back.windows.size(), 3u);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(back.windows[i].window, state.windows[i].window) << i;
            EXPECT_EQ(back.windows[i].processId, state.windows[i].processId) << i;
            EXPECT_EQ(back.windows[i].showCommand, state.windows[i].showCommand) << i;
        }
    }
}

TEST(RecoveryList, AFileOfTheFirstVersionHasNoMuteWord)
{
    const Bytes first = {'P', 'L', 'H', 'W', 7, 0, 0, 0, 0, 0, 0, 0, 8, 0, 0, 0, 2, 0, 0, 0};
    const RecoveryState back = DecodeRecoveryFile(first.data(), first.size());
    EXPECT_FALSE(back.muted);
    ASSERT_EQ(back.windows.size(), 1u);
    EXPECT_EQ(back.windows[0].window, 7u);
    EXPECT_EQ(back.windows[0].processId, 8u);
    EXPECT_EQ(back.windows[0].showCommand, SHOW_COMMAND_MINIMIZED);
}

TEST(RecoveryList, DamagedFilesYieldOnlyWholeEntriesAndNeverAHideCommand)
{
    EXPECT_TRUE(DecodeRecoveryFile(nullptr, 0).windows.empty());
    const Bytes noSignature = {'P', 'L', 'H', 'X', 1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0};
    EXPECT_TRUE(DecodeRecoveryFile(noSignature.data(), noSignature.size()).windows.empty());
    const Bytes shortSignature = {'P', 'L'};
    EXPECT_TRUE(DecodeRecoveryFile(shortSignature.data(), shortSignature.size()).windows.empty());
    const Bytes cutFlags = {'P', 'L', 'H', '2', 1, 0};
    EXPECT_FALSE(DecodeRecoveryFile(cutFlags.data(), cutFlags.size()).muted);

    Bytes bytes = EncodeRecoveryFile(Windows({{7, 8, SHOW_COMMAND_MINIMIZED}, {9, 10, SHOW_COMMAND_NORMAL}}));
    bytes.resize(bytes.size() - 1);  // the second entry is cut
    RecoveryState back = DecodeRecoveryFile(bytes.data(), bytes.size());
    ASSERT_EQ(back.windows.size(), 1u);
    EXPECT_EQ(back.windows[0].window, 7u);
    EXPECT_EQ(back.windows[0].showCommand, SHOW_COMMAND_MINIMIZED);

    // 0 would hide the window again; other values are no show state a
    // concealed window can have.
    for (std::int32_t command : {0, 4, 5, 9, 11, -1, 0x7FFFFFFF}) {
        const Bytes one = EncodeRecoveryFile(Windows({{1, 2, command}}));
        back = DecodeRecoveryFile(one.data(), one.size());
        ASSERT_EQ(back.windows.size(), 1u);
        EXPECT_EQ(back.windows[0].showCommand, SHOW_COMMAND_NORMAL) << command;
    }
}

TEST(RecoveryList, AnOverlongFileIsReadUpToTheLimit)
{
    std::vector<StrandedWindow> many(RECOVERY_ENTRY_LIMIT + 5);
    for (std::size_t i = 0; i < many.size(); ++i) many[i].window = i + 1;
    const Bytes bytes = EncodeRecoveryFile(Windows(many));
    const RecoveryState back = DecodeRecoveryFile(bytes.data(), bytes.size());
    ASSERT_EQ(back.windows.size(), RECOVERY_ENTRY_LIMIT);
    EXPECT_EQ(back.windows.back().window, RECOVERY_ENTRY_LIMIT);
}

}  // namespace
