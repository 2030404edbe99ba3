// The recovery file of the concealment: while windows are concealed, their
// handles and show commands, and whether the concealment muted the speaker,
// are kept beside the executable so that a start after a crash or a kill can
// show them again and give the speaker its earlier state back.
//
// Layout: the four bytes "PLH2"; a 32-bit little-endian word of flags (bit 0:
// the concealment muted the output, bit 1: the output was muted before it);
// then one 16-byte entry per window: the window handle (64-bit,
// little-endian), the id of the process that owned it (32-bit) and the show
// command it had before it was hidden (32-bit). The first version, "PLHW",
// had no flags word; it is still read.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// The show commands a concealed window can come back with (the platform's
// SW_SHOWNORMAL, SW_SHOWMINIMIZED and SW_SHOWMAXIMIZED).
constexpr std::int32_t SHOW_COMMAND_NORMAL = 1;
constexpr std::int32_t SHOW_COMMAND_MINIMIZED = 2;
constexpr std::int32_t SHOW_COMMAND_MAXIMIZED = 3;

// A file longer than this many entries is damaged; only this many are read.
constexpr std::size_t RECOVERY_ENTRY_LIMIT = 4096;
constexpr std::size_t RECOVERY_SIGNATURE_BYTES = 4;
constexpr std::size_t RECOVERY_FLAGS_BYTES = 4;
constexpr std::size_t RECOVERY_ENTRY_BYTES = 16;

struct StrandedWindow {
    std::uint64_t window = 0;
    std::uint32_t processId = 0;
    std::int32_t showCommand = SHOW_COMMAND_NORMAL;
};

struct RecoveryState {
    std::vector<StrandedWindow> windows;
    bool muted = false;         // the concealment muted the output
    bool mutedBefore = false;   // and this was its state before
};

std::vector<std::uint8_t> EncodeRecoveryFile(const RecoveryState& state);

// Every whole entry of a file's contents, in order, at most
// RECOVERY_ENTRY_LIMIT, and the mute flags. A file without either signature
// holds nothing; a trailing piece shorter than an entry is ignored; a show
// command other than minimised or maximised reads as normal, so that a
// damaged entry can never hide a window. data may be null when size is 0.
RecoveryState DecodeRecoveryFile(const std::uint8_t* data, std::size_t size);
