#include "launcher/pad_settings.h"

#include "launcher/launcher_pad.h"
#include "launcher/pad_record.h"

void SavePadPath(const cAppIconClass& pad, std::vector<std::uint8_t>& bytes)
{
    AppendPadRecord(bytes, pad.path);
}

bool LoadPadPath(cAppIconClass& pad, const std::uint8_t* data, std::size_t size,
                 std::size_t& offset)
{
    std::string path;
    const bool complete = ReadPadRecord(data, size, offset, path);
    if (!complete) path.clear();
    LoadPadFile(pad, path);
    return complete;
}

std::string PadPath(const cAppIconClass& pad)
{
    return pad.path;
}
