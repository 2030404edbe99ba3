// The recovery file of the concealment: while windows are concealed, their
// handles and show commands are kept beside the executable so that a start
// after a crash or a kill can show them again.
//
// Layout: the four bytes "PLHW", then one 16-byte entry per window: the window
// handle (64-bit, little-endian), the id of the process that owned it (32-bit)
// and the show command it had before it was hidden (32-bit).
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
constexpr std::size_t RECOVERY_HEADER_BYTES = 4;
constexpr std::size_t RECOVERY_ENTRY_BYTES = 16;

struct StrandedWindow {
    std::uint64_t window = 0;
    std::uint32_t processId = 0;
    std::int32_t showCommand = SHOW_COMMAND_NORMAL;
};

std::vector<std::uint8_t> EncodeRecoveryList(const std::vector<StrandedWindow>& windows);

// Every whole entry of a file's contents, in order, at most
// RECOVERY_ENTRY_LIMIT. A file without the signature holds nothing; a trailing
// piece shorter than an entry is ignored; a show command other than minimised
// or maximised reads as normal, so that a damaged entry can never hide a
// window. data may be null when size is 0.
std::vector<StrandedWindow> DecodeRecoveryList(const std::uint8_t* data, std::size_t size);
