#pragma once
// Little-endian reads from a span of bytes that never step outside it. A read
// past the end yields zero and marks the reader failed, so a record handler
// reads all its fields and checks ok() once instead of guarding each field.
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace wmf {

class ByteReader {
public:
    ByteReader() = default;
    ByteReader(const uint8_t *data, size_t size) : data_(data), size_(size) {}

    bool ok() const { return ok_; }
    size_t size() const { return size_; }
    size_t pos() const { return pos_; }
    size_t remaining() const { return size_ - pos_; }
    bool has(size_t n) const { return n <= remaining(); }
    const uint8_t *data() const { return data_; }

    uint8_t u8()
    {
        if (!take(1))
            return 0;
        return data_[pos_ - 1];
    }
    uint16_t u16()
    {
        if (!take(2))
            return 0;
        const uint8_t *p = data_ + pos_ - 2;
        return uint16_t(p[0] | (p[1] << 8));
    }
    int16_t i16() { return int16_t(u16()); }
    uint32_t u32()
    {
        if (!take(4))
            return 0;
        const uint8_t *p = data_ + pos_ - 4;
        return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
    }
    int32_t i32() { return int32_t(u32()); }

    // A view of the next n bytes, or nullptr (and failure) if fewer remain.
    const uint8_t *bytes(size_t n)
    {
        if (!take(n))
            return nullptr;
        return data_ + pos_ - n;
    }
    void skip(size_t n) { take(n); }
    void seek(size_t pos)
    {
        if (pos > size_) {
            ok_ = false;
            pos_ = size_;
        } else {
            pos_ = pos;
        }
    }
    // The bytes from here to the end as a reader of their own.
    ByteReader rest() const { return ByteReader(data_ + pos_, remaining()); }

private:
    bool take(size_t n)
    {
        if (!ok_ || n > remaining()) {
            ok_ = false;
            pos_ = size_;
            return false;
        }
        pos_ += n;
        return true;
    }

    const uint8_t *data_ = nullptr;
    size_t size_ = 0;
    size_t pos_ = 0;
    bool ok_ = true;
};

} // namespace wmf
