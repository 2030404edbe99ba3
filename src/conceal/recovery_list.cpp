#include "conceal/recovery_list.h"

#include "app/byte_order.h"

namespace {

const std::uint8_t SIGNATURE[RECOVERY_HEADER_BYTES] = {'P', 'L', 'H', 'W'};

std::int32_t SafeShowCommand(std::int32_t command)
{
    if (command == SHOW_COMMAND_MINIMIZED || command == SHOW_COMMAND_MAXIMIZED) return command;
    return SHOW_COMMAND_NORMAL;
}

}  // namespace

std::vector<std::uint8_t> EncodeRecoveryList(const std::vector<StrandedWindow>& windows)
{
    std::vector<std::uint8_t> bytes(SIGNATURE, SIGNATURE + RECOVERY_HEADER_BYTES);
    bytes.reserve(RECOVERY_HEADER_BYTES + windows.size() * RECOVERY_ENTRY_BYTES);
    for (const StrandedWindow& w : windows) {
        AppendLittleEndian32(bytes, static_cast<std::uint32_t>(w.window));
        AppendLittleEndian32(bytes, static_cast<std::uint32_t>(w.window >> 32));
        AppendLittleEndian32(bytes, w.processId);
        AppendLittleEndian32(bytes, BitsOfInt32(w.showCommand));
    }
    return bytes;
}

std::vector<StrandedWindow> DecodeRecoveryList(const std::uint8_t* data, std::size_t size)
{
    std::vector<StrandedWindow> windows;
    if (size < RECOVERY_HEADER_BYTES) return windows;
    for (std::size_t i = 0; i < RECOVERY_HEADER_BYTES; ++i) {
        if (data[i] != SIGNATURE[i]) return windows;
    }
    for (std::size_t offset = RECOVERY_HEADER_BYTES;
         size - offset >= RECOVERY_ENTRY_BYTES && windows.size() < RECOVERY_ENTRY_LIMIT;
         offset += RECOVERY_ENTRY_BYTES) {
        const std::uint8_t* entry = data + offset;
        StrandedWindow w;
        w.window = static_cast<std::uint64_t>(GetLittleEndian32(entry)) |
                   (static_cast<std::uint64_t>(GetLittleEndian32(entry + 4)) << 32);
        w.processId = GetLittleEndian32(entry + 8);
        w.showCommand = SafeShowCommand(Int32OfBits(GetLittleEndian32(entry + 12)));
        windows.push_back(w);
    }
    return windows;
}
