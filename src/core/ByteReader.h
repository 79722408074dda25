#pragma once
// Takes the members of a record one after the other from a byte buffer, the
// counterpart of ByteWriter. Reading past the end of the buffer throws
// ShortRecord: a file too short for its record is refused, never read beyond.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <stdexcept>

struct ShortRecord : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> in) : in_(in) {}

    uint8_t u8() { return in_[take(1)]; }
    int16_t i16() {
        const std::size_t p = take(2);
        return static_cast<int16_t>(static_cast<uint16_t>(in_[p] | (in_[p + 1] << 8)));
    }
    int32_t i32() {
        const std::size_t p = take(4);
        uint32_t u = 0;
        for (int i = 3; i >= 0; --i) u = (u << 8) | in_[p + static_cast<std::size_t>(i)];
        return static_cast<int32_t>(u);
    }
    void bytes(std::span<uint8_t> out) {
        const std::size_t p = take(out.size());
        if (!out.empty()) std::memcpy(out.data(), in_.data() + p, out.size());
    }
    template <std::size_t N>
    void bytes(std::array<uint8_t, N>& out) {
        bytes(std::span<uint8_t>(out));
    }
    void skip(std::size_t n) { take(n); }

    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return in_.size() - pos_; }

private:
    std::size_t take(std::size_t n) {
        if (n > in_.size() - pos_) throw ShortRecord("record ends before its last member");
        const std::size_t p = pos_;
        pos_ += n;
        return p;
    }

    std::span<const uint8_t> in_;
    std::size_t pos_ = 0;
};
