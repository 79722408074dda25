#pragma once
// Appends the members of a record one after the other, as the data files lay
// them out: integers little-endian, bytes as one byte, fixed-length texts as
// their bytes. Nothing is ever taken from a struct's memory layout, so a
// one-byte member in the middle of a record shifts everything after it the
// way the file expects.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class ByteWriter {
public:
    explicit ByteWriter(std::vector<uint8_t>& out) : out_(out) {}

    void u8(uint8_t v) { out_.push_back(v); }
    void i16(int16_t v) {
        const auto u = static_cast<uint16_t>(v);
        out_.push_back(static_cast<uint8_t>(u & 0xFF));
        out_.push_back(static_cast<uint8_t>(u >> 8));
    }
    void i32(int32_t v) {
        const auto u = static_cast<uint32_t>(v);
        for (int shift = 0; shift < 32; shift += 8) out_.push_back(static_cast<uint8_t>(u >> shift));
    }
    void bytes(std::span<const uint8_t> b) { out_.insert(out_.end(), b.begin(), b.end()); }
    template <std::size_t N>
    void bytes(const std::array<uint8_t, N>& b) {
        bytes(std::span<const uint8_t>(b));
    }

    std::size_t position() const { return out_.size(); }

private:
    std::vector<uint8_t>& out_;
};
