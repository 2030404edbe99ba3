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

TEST(RecoveryList, SignatureWindowsThenTheMutedDevicesWithTheirIds)
{
    StrandedWindow w;
    w.window = 0x0000000100020304ull;
    w.processId = 0x0A0B0C0D;
    w.showCommand = SHOW_COMMAND_MAXIMIZED;
    RecoveryState state = Windows({w});
    state.mutes = {{"{0.0.0}.{ab}", true}};
    const Bytes expected = {'P', 'L', 'H', '3', 0x01, 0x00, 0x00, 0x00,
                            0x04, 0x03, 0x02, 0x00, 0x01, 0x00, 0x00, 0x00,
                            0x0D, 0x0C, 0x0B, 0x0A,
                            0x03, 0x00, 0x00, 0x00,
                            0x01, 0x00, 0x00, 0x00,
                            0x01, 0x00, 0x00, 0x00, 0x0C, 0x00, 0x00, 0x00,
                            '{', '0', '.', '0', '.', '0', '}', '.', '{', 'a', 'b', '}'};
    EXPECT_EQ(EncodeRecoveryFile(state), expected);
}

TEST(RecoveryList, EntriesAndMutedDevicesSurviveTheRoundTrip)
{
    RecoveryState state = Windows({{0x10064ull, 1234, SHOW_COMMAND_NORMAL},
                                   {0xFFFFFFFFFFFFFFFEull, 0xFFFFFFFFu, SHOW_COMMAND_MINIMIZED},
                                   {0x2A, 0, SHOW_COMMAND_MAXIMIZED}});
    for (const bool withWindows : {true, false}) {
        if (!withWindows) state.windows.clear();
        state.mutes = {{"speakers", false}, {"", true}, {std::string(RECOVERY_DEVICE_ID_LIMIT, 'h'), true}};
        const Bytes bytes = EncodeRecoveryFile(state);
        bool whole = false;
        const RecoveryState back = DecodeRecoveryFile(bytes.data(), bytes.size(), &whole);
        EXPECT_TRUE(whole);
        ASSERT_EQ(back.mutes.size(), 3u) << withWindows;
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(back.mutes[i].id, state.mutes[i].id) << i;
            EXPECT_EQ(back.mutes[i].mutedBefore, state.mutes[i].mutedBefore) << i;
        }
        ASSERT_EQ(back.windows.size(), state.windows.size());
        for (std::size_t i = 0; i < state.windows.size(); ++i) {
            EXPECT_EQ(back.windows[i].window, state.windows[i].window) << i;
            EXPECT_EQ(back.windows[i].processId, state.windows[i].processId) << i;
            EXPECT_EQ(back.windows[i].showCommand, state.windows[i].showCommand) << i;
        }
    }
}

TEST(RecoveryList, EarlierVersionsAreStillRead)
{
    // The second version: a flags word (the default device muted, muted
    // before), then windows to the end.
    const Bytes second = {'P', 'L', 'H', '2', 3, 0, 0, 0, 7, 0, 0, 0, 0, 0, 0, 0, 8, 0, 0, 0, 2, 0, 0, 0};
    RecoveryState back = DecodeRecoveryFile(second.data(), second.size());
    ASSERT_EQ(back.mutes.size(), 1u);
    EXPECT_EQ(back.mutes[0].id, "");
    EXPECT_TRUE(back.mutes[0].mutedBefore);
    ASSERT_EQ(back.windows.size(), 1u);
    EXPECT_EQ(back.windows[0].window, 7u);
    const Bytes secondUnmuted = {'P', 'L', 'H', '2', 0, 0, 0, 0};
    EXPECT_TRUE(DecodeRecoveryFile(secondUnmuted.data(), secondUnmuted.size()).mutes.empty());
    const Bytes secondMutedOnly = {'P', 'L', 'H', '2', 1, 0, 0, 0};
    back = DecodeRecoveryFile(secondMutedOnly.data(), secondMutedOnly.size());
    ASSERT_EQ(back.mutes.size(), 1u);
    EXPECT_FALSE(back.mutes[0].mutedBefore);

    const Bytes first = {'P', 'L', 'H', 'W', 7, 0, 0, 0, 0, 0, 0, 0, 8, 0, 0, 0, 2, 0, 0, 0};
    back = DecodeRecoveryFile(first.data(), first.size());
    EXPECT_TRUE(back.mutes.empty());
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
    EXPECT_TRUE(DecodeRecoveryFile(cutFlags.data(), cutFlags.size()).mutes.empty());
    // A device whose id runs past the end, or is longer than any id, is
    // damaged; the windows before it stay.
    RecoveryState muted = Windows({{7, 8, SHOW_COMMAND_NORMAL}});
    muted.mutes = {{"speakers", false}};
    Bytes cutId = EncodeRecoveryFile(muted);
    cutId.pop_back();
    bool whole = true;
    RecoveryState read = DecodeRecoveryFile(cutId.data(), cutId.size(), &whole);
    EXPECT_FALSE(whole);
    EXPECT_EQ(read.windows.size(), 1u);
    EXPECT_TRUE(read.mutes.empty());
    // Only bit 0 of a device's flags says it was muted before.
    Bytes otherFlag = EncodeRecoveryFile(muted);
    otherFlag[4 + 4 + 16 + 4] = 2;
    read = DecodeRecoveryFile(otherFlag.data(), otherFlag.size());
    ASSERT_EQ(read.mutes.size(), 1u);
    EXPECT_FALSE(read.mutes[0].mutedBefore);
    Bytes longId = EncodeRecoveryFile(muted);
    longId[4 + 4 + 16 + 4 + 4 + 2] = 1;  // the id's length, past any id
    read = DecodeRecoveryFile(longId.data(), longId.size());
    EXPECT_EQ(read.windows.size(), 1u);
    EXPECT_TRUE(read.mutes.empty());

    Bytes bytes = EncodeRecoveryFile(Windows({{7, 8, SHOW_COMMAND_MINIMIZED}, {9, 10, SHOW_COMMAND_NORMAL}}));
    bytes.resize(bytes.size() - 4 - 1);  // the device count goes, and the second entry is cut
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
    RecoveryState state = Windows(many);
    state.mutes = {{"speakers", true}};
    const Bytes bytes = EncodeRecoveryFile(state);
    RecoveryState back = DecodeRecoveryFile(bytes.data(), bytes.size());
    ASSERT_EQ(back.windows.size(), RECOVERY_ENTRY_LIMIT);
    EXPECT_EQ(back.windows.back().window, RECOVERY_ENTRY_LIMIT);
    ASSERT_EQ(back.mutes.size(), 1u) << "the devices after the windows past the limit";
    EXPECT_EQ(back.mutes[0].id, "speakers");

    // The earlier versions, whose windows run to the end.
    for (const Bytes& head : {Bytes{'P', 'L', 'H', 'W'}, Bytes{'P', 'L', 'H', '2', 0, 0, 0, 0}}) {
        Bytes older = head;
        older.insert(older.end(), bytes.begin() + 8, bytes.begin() + 8 + static_cast<std::ptrdiff_t>(
                                                                          many.size() * RECOVERY_ENTRY_BYTES));
        back = DecodeRecoveryFile(older.data(), older.size());
        ASSERT_EQ(back.windows.size(), RECOVERY_ENTRY_LIMIT) << head[3];
        EXPECT_EQ(back.windows.back().window, RECOVERY_ENTRY_LIMIT);
    }

    // A file that counts more devices than the limit: the limit is read.
    RecoveryState devices;
    for (std::size_t i = 0; i < MUTED_DEVICE_LIMIT; ++i) devices.mutes.push_back({"d" + std::to_string(i), false});
    Bytes overcounted = EncodeRecoveryFile(devices);
    overcounted[8] = static_cast<std::uint8_t>(MUTED_DEVICE_LIMIT + 2);
    const Bytes extra = {0, 0, 0, 0, 1, 0, 0, 0, 'x'};
    for (int i = 0; i < 2; ++i) overcounted.insert(overcounted.end(), extra.begin(), extra.end());
    back = DecodeRecoveryFile(overcounted.data(), overcounted.size());
    ASSERT_EQ(back.mutes.size(), MUTED_DEVICE_LIMIT);
    EXPECT_EQ(back.mutes.back().id, "d" + std::to_string(MUTED_DEVICE_LIMIT - 1));
}

}  // namespace
