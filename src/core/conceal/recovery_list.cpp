#include "core/conceal/recovery_list.h"

#include <algorithm>

#include "core/base/byte_reader.h"

namespace {

constexpr std::size_t SIGNATURE_BYTES = 4;
const std::uint8_t SIGNATURE[SIGNATURE_BYTES] = {'P', 'L', 'H', '3'};
const std::uint8_t SECOND_SIGNATURE[SIGNATURE_BYTES] = {'P', 'L', 'H', '2'};
const std::uint8_t FIRST_SIGNATURE[SIGNATURE_BYTES] = {'P', 'L', 'H', 'W'};
constexpr std::uint32_t FLAG_MUTED = 1;         // the second version's flags word
constexpr std::uint32_t FLAG_MUTED_BEFORE = 2;
constexpr std::uint32_t DEVICE_MUTED_BEFORE = 1;  // a device entry's flags

std::int32_t SafeShowCommand(std::int32_t command)
{
    if (command == SHOW_COMMAND_MINIMIZED || command == SHOW_COMMAND_MAXIMIZED) return command;
    return SHOW_COMMAND_NORMAL;
}

bool ReadWindow(ByteReader& in, StrandedWindow& w)
{
    const std::uint8_t* entry = in.Take(RECOVERY_ENTRY_BYTES);
    if (!entry) return false;
    w.window = static_cast<std::uint64_t>(GetLittleEndian32(entry)) |
               (static_cast<std::uint64_t>(GetLittleEndian32(entry + 4)) << 32);
    w.processId = GetLittleEndian32(entry + 8);
    w.showCommand = SafeShowCommand(Int32OfBits(GetLittleEndian32(entry + 12)));
    return true;
}

// True when the entries end where the file does (or at the limit).
bool ReadWindowsToTheEnd(ByteReader& in, RecoveryState& state)
{
    StrandedWindow w;
    while (state.windows.size() < RECOVERY_ENTRY_LIMIT && ReadWindow(in, w)) state.windows.push_back(w);
    return in.Left() == 0 || state.windows.size() == RECOVERY_ENTRY_LIMIT;
}

// True when every part the file counts is there.
bool ReadThirdVersion(ByteReader& in, RecoveryState& state)
{
    std::uint32_t windows = 0;
    if (!in.Uint32(windows)) return false;
    StrandedWindow w;
    for (std::uint32_t i = 0; i < windows; ++i) {
        if (i >= RECOVERY_ENTRY_LIMIT) {
            if (!in.Skip(RECOVERY_ENTRY_BYTES)) return false;
            continue;
        }
        if (!ReadWindow(in, w)) return false;
        state.windows.push_back(w);
    }
    std::uint32_t devices = 0;
    if (!in.Uint32(devices)) return false;
    for (std::uint32_t i = 0; i < devices && i < MUTED_DEVICE_LIMIT; ++i) {
        std::uint32_t flags = 0, length = 0;
        MutedDevice device;
        if (!in.Uint32(flags) || !in.Uint32(length) || length > RECOVERY_DEVICE_ID_LIMIT ||
            !in.Text(length, device.id))
            return false;
        device.mutedBefore = (flags & DEVICE_MUTED_BEFORE) != 0;
        state.mutes.push_back(device);
    }
    return true;
}

}  // namespace

std::vector<std::uint8_t> EncodeRecoveryFile(const RecoveryState& state)
{
    std::vector<std::uint8_t> bytes(SIGNATURE, SIGNATURE + SIGNATURE_BYTES);
    AppendLittleEndian32(bytes, static_cast<std::uint32_t>(state.windows.size()));
    for (const StrandedWindow& w : state.windows) {
        AppendLittleEndian32(bytes, static_cast<std::uint32_t>(w.window));
        AppendLittleEndian32(bytes, static_cast<std::uint32_t>(w.window >> 32));
        AppendLittleEndian32(bytes, w.processId);
        AppendLittleEndian32(bytes, BitsOfInt32(w.showCommand));
    }
    const std::size_t devices = std::min(state.mutes.size(), MUTED_DEVICE_LIMIT);
    AppendLittleEndian32(bytes, static_cast<std::uint32_t>(devices));
    for (std::size_t i = 0; i < devices; ++i) {
        const MutedDevice& device = state.mutes[i];
        const std::size_t length = std::min(device.id.size(), RECOVERY_DEVICE_ID_LIMIT);
        AppendLittleEndian32(bytes, device.mutedBefore ? DEVICE_MUTED_BEFORE : 0);
        AppendLittleEndian32(bytes, static_cast<std::uint32_t>(length));
        bytes.insert(bytes.end(), device.id.begin(),
                     device.id.begin() + static_cast<std::ptrdiff_t>(length));
    }
    return bytes;
}

RecoveryState DecodeRecoveryFile(const std::uint8_t* data, std::size_t size, bool* whole)
{
    RecoveryState state;
    ByteReader in(data, size);
    bool complete = false;
    if (in.Starts(SIGNATURE, SIGNATURE_BYTES)) {
        complete = ReadThirdVersion(in, state);
    } else if (in.Starts(SECOND_SIGNATURE, SIGNATURE_BYTES)) {
        std::uint32_t flags = 0;
        if (in.Uint32(flags)) {
            // That version muted whatever device was the default.
            if (flags & FLAG_MUTED) state.mutes.push_back({"", (flags & FLAG_MUTED_BEFORE) != 0});
            complete = ReadWindowsToTheEnd(in, state);
        }
    } else if (in.Starts(FIRST_SIGNATURE, SIGNATURE_BYTES)) {
        complete = ReadWindowsToTheEnd(in, state);
    }
    if (whole) *whole = complete;
    return state;
}
