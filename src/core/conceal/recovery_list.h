// The recovery file of the concealment: while windows are concealed (or a
// muted device has not had its earlier state back), their handles and show
// commands, and the devices the concealment muted, are kept beside the
// executable so that a start after a crash or a kill can show the windows
// again and give each device its earlier state back.
//
// Layout: the four bytes "PLH3"; a 32-bit little-endian count of windows and
// one 16-byte entry per window: the window handle (64-bit, little-endian),
// the id of the process that owned it (32-bit) and the show command it had
// before it was hidden (32-bit); then a 32-bit count of muted devices and
// per device a 32-bit word of flags (bit 0: it was muted before), the 32-bit
// length of its id and the id's bytes (UTF-8).
//
// Earlier versions are still read: "PLH2" had a word of flags (bit 0: the
// concealment muted the default device, bit 1: it was muted before) and the
// window entries up to the end; "PLHW" had the window entries alone.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/conceal/concealment_mute.h"

// The show commands a concealed window can come back with (the platform's
// SW_SHOWNORMAL, SW_SHOWMINIMIZED and SW_SHOWMAXIMIZED).
constexpr std::int32_t SHOW_COMMAND_NORMAL = 1;
constexpr std::int32_t SHOW_COMMAND_MINIMIZED = 2;
constexpr std::int32_t SHOW_COMMAND_MAXIMIZED = 3;

// A file longer than this many entries is damaged; only this many are read.
constexpr std::size_t RECOVERY_ENTRY_LIMIT = 4096;
constexpr std::size_t RECOVERY_ENTRY_BYTES = 16;
// A device id longer than this is damaged.
constexpr std::size_t RECOVERY_DEVICE_ID_LIMIT = 512;
// No valid file is longer than this.
constexpr std::size_t RECOVERY_FILE_LIMIT =
    12 + RECOVERY_ENTRY_LIMIT * RECOVERY_ENTRY_BYTES +
    MUTED_DEVICE_LIMIT * (8 + RECOVERY_DEVICE_ID_LIMIT);

struct StrandedWindow {
    std::uint64_t window = 0;
    std::uint32_t processId = 0;
    std::int32_t showCommand = SHOW_COMMAND_NORMAL;
};

struct RecoveryState {
    std::vector<StrandedWindow> windows;
    std::vector<MutedDevice> mutes;
    bool Empty() const { return windows.empty() && mutes.empty(); }
};

std::vector<std::uint8_t> EncodeRecoveryFile(const RecoveryState& state);

// Every whole entry of a file's contents, in order, at most
// RECOVERY_ENTRY_LIMIT windows and MUTED_DEVICE_LIMIT devices. A file
// without a known signature holds nothing; a cut or damaged part ends the
// reading, keeping what came before it; a show command other than minimised
// or maximised reads as normal, so that a damaged entry can never hide a
// window. data may be null when size is 0. `whole`, when given, tells
// whether the file had a known signature and every part it counts.
RecoveryState DecodeRecoveryFile(const std::uint8_t* data, std::size_t size, bool* whole = nullptr);
