#include "core/conceal/recovery_list.h"

#include <algorithm>

#include "core/base/byte_order.h"

namespace {

const std::uint8_t SIGNATURE[RECOVERY_SIGNATURE_BYTES] = {'P', 'L', 'H', '2'};
const std::uint8_t FIRST_SIGNATURE[RECOVERY_SIGNATURE_BYTES] = {'P', 'L', 'H', 'W'};
constexpr std::uint32_t FLAG_MUTED = 1;
constexpr std::uint32_t FLAG_MUTED_BEFORE = 2;

std::int32_t SafeShowCommand(std::int32_t command)
{
    if (command == SHOW_COMMAND_MINIMIZED || command == SHOW_COMMAND_MAXIMIZED) return command;
    return SHOW_COMMAND_NORMAL;
}

bool Starts(const std::uint8_t* data, std::size_t size, const std::uint8_t* signature)
{
    return size >= RECOVERY_SIGNATURE_BYTES &&
           std::equal(signature, signature + RECOVERY_SIGNATURE_BYTES, data);
}

}  // namespace

std::vector<std::uint8_t> EncodeRecoveryFile(const RecoveryState& state)
{
    std::vector<std::uint8_t> bytes(SIGNATURE, SIGNATURE + RECOVERY_SIGNATURE_BYTES);
    bytes.reserve(RECOVERY_SIGNATURE_BYTES + RECOVERY_FLAGS_BYTES +
                  state.windows.size() * RECOVERY_ENTRY_BYTES);
    AppendLittleEndian32(bytes, (state.muted ? FLAG_MUTED : 0) |
                                    (state.mutedBefore ? FLAG_MUTED_BEFORE : 0));
    for (const StrandedWindow& w : state.windows) {
        AppendLittleEndian32(bytes, static_cast<std::uint32_t>(w.window));
        AppendLittleEndian32(bytes, static_cast<std::uint32_t>(w.window >> 32));
        AppendLittleEndian32(bytes, w.processId);
        AppendLittleEndian32(bytes, BitsOfInt32(w.showCommand));
    }
    return bytes;
}

RecoveryState DecodeRecoveryFile(const std::uint8_t* data, std::size_t size)
{
    RecoveryState state;
    std::size_t offset = RECOVERY_SIGNATURE_BYTES;
    if (Starts(data, size, SIGNATURE)) {
        if (size - offset < RECOVERY_FLAGS_BYTES) return state;
        const std::uint32_t flags = GetLittleEndian32(data + offset);
        state.muted = (flags & FLAG_MUTED) != 0;
        state.mutedBefore = (flags & FLAG_MUTED_BEFORE) != 0;
        offset += RECOVERY_FLAGS_BYTES;
    } else if (!Starts(data, size, FIRST_SIGNATURE)) {
        return state;
    }
    for (; size - offset >= RECOVERY_ENTRY_BYTES && state.windows.size() < RECOVERY_ENTRY_LIMIT;
         offset += RECOVERY_ENTRY_BYTES) {
        const std::uint8_t* entry = data + offset;
        StrandedWindow w;
        w.window = static_cast<std::uint64_t>(GetLittleEndian32(entry)) |
                   (static_cast<std::uint64_t>(GetLittleEndian32(entry + 4)) << 32);
        w.processId = GetLittleEndian32(entry + 8);
        w.showCommand = SafeShowCommand(Int32OfBits(GetLittleEndian32(entry + 12)));
        state.windows.push_back(w);
    }
    return state;
}
