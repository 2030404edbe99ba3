// Reads a file's bytes forward, field by field, for the settings file and the
// recovery file alike: every read checks what is left and takes its field
// whole or not at all, so that a cut or damaged file is never read past its
// end. Numbers are little-endian, as the files keep them.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/base/byte_order.h"

class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::size_t Left() const { return size_ - offset_; }
    // The next `bytes` bytes, or null (and nothing taken) when fewer are left.
    const std::uint8_t* Take(std::size_t bytes)
    {
        if (bytes > Left()) return nullptr;
        const std::uint8_t* field = data_ + offset_;
        offset_ += bytes;
        return field;
    }
    bool Skip(std::size_t bytes) { return Take(bytes) != nullptr; }
    // Whether the data starts with the signature; taken when it does.
    bool Starts(const std::uint8_t* signature, std::size_t bytes)
    {
        if (offset_ != 0 || bytes > size_) return false;
        for (std::size_t i = 0; i < bytes; ++i) {
            if (data_[i] != signature[i]) return false;
        }
        offset_ = bytes;
        return true;
    }
    bool Flag(bool& value)
    {
        const std::uint8_t* field = Take(1);
        if (field) value = *field != 0;
        return field != nullptr;
    }
    bool Uint32(std::uint32_t& value)
    {
        const std::uint8_t* field = Take(4);
        if (field) value = GetLittleEndian32(field);
        return field != nullptr;
    }
    bool Int32(std::int32_t& value)
    {
        const std::uint8_t* field = Take(4);
        if (field) value = Int32OfBits(GetLittleEndian32(field));
        return field != nullptr;
    }
    bool Text(std::size_t length, std::string& text)
    {
        const std::uint8_t* field = Take(length);
        if (field) text.assign(reinterpret_cast<const char*>(field), length);
        return field != nullptr;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t offset_ = 0;
};
