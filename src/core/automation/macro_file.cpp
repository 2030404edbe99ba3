#include "core/automation/macro_file.h"

#include <algorithm>

#include "core/base/byte_order.h"

MacroSampleBytes EncodeMacroSample(const MacroSample& sample)
{
    MacroSampleBytes bytes{};  // the padding stays zero
    PutLittleEndian32(&bytes[0], BitsOfInt32(sample.x));
    PutLittleEndian32(&bytes[4], BitsOfInt32(sample.y));
    bytes[8] = sample.left ? 1 : 0;
    bytes[9] = sample.right ? 1 : 0;
    return bytes;
}

MacroSample DecodeMacroSample(const MacroSampleBytes& bytes)
{
    MacroSample sample;
    sample.x = Int32OfBits(GetLittleEndian32(&bytes[0]));
    sample.y = Int32OfBits(GetLittleEndian32(&bytes[4]));
    sample.left = bytes[8] != 0;
    sample.right = bytes[9] != 0;
    return sample;
}

std::vector<MacroSample> DecodeMacroFile(const std::uint8_t* data, std::size_t size)
{
    std::vector<MacroSample> samples;
    samples.reserve(size / MACRO_SAMPLE_BYTES);
    for (std::size_t offset = 0; size - offset >= MACRO_SAMPLE_BYTES; offset += MACRO_SAMPLE_BYTES) {
        MacroSampleBytes bytes;
        std::copy(data + offset, data + offset + MACRO_SAMPLE_BYTES, bytes.begin());
        samples.push_back(DecodeMacroSample(bytes));
    }
    return samples;
}
