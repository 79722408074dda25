#pragma once
// Typed access to the 32 KB memory image, so each area's codec reads like its
// layout table: one accessor a field, at the address the table gives.
//
// Every accessor checks its address against the image; a field that would
// reach past the end is an error of the codec that asks for it, reported by
// exception (the guarded encoders turn it into their own message).
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

inline constexpr std::size_t kImageSize = 0x8000;
using ImageBytes = std::array<uint8_t, kImageSize>;

// A value that does not fit the place the image has for it.
struct ImageRangeError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class ImageView {
public:
    explicit ImageView(ImageBytes& image) : b_(image) {}

    uint8_t byte(std::size_t addr) const { return b_[check(addr, 1)]; }
    void setByte(std::size_t addr, long value);  // value must fit 0..255

    // 16-bit words: little-endian (low byte first) and big-endian.
    uint16_t le16(std::size_t addr) const;
    void setLe16(std::size_t addr, long value);  // 0..65535
    uint16_t be16(std::size_t addr) const;
    void setBe16(std::size_t addr, long value);

    // A word read into a 16-bit signed field: 0x8000 and above are negative.
    int16_t le16Signed(std::size_t addr) const { return static_cast<int16_t>(le16(addr)); }

    // Bits `first`..`first+count-1` of a byte (bit 0 least significant).
    uint8_t bits(std::size_t addr, int first, int count) const;
    // Sets those bits with a mask; a value that does not fit them is an error.
    void setBits(std::size_t addr, int first, int count, long value);
    bool bit(std::size_t addr, int n) const { return bits(addr, n, 1) != 0; }
    void setBit(std::size_t addr, int n, bool on) { setBits(addr, n, 1, on ? 1 : 0); }

    // `size` bytes as a text, one byte to one character, cut at the first byte
    // equal to `terminator` when one is given.
    std::string text(std::size_t addr, std::size_t size, int terminator = -1) const;
    // Writes `value` (one byte a character) padded with `pad` to `size`;
    // a longer value is an error.
    void setText(std::size_t addr, std::size_t size, std::string_view value, uint8_t pad);

    // Raw access for fills and copies.
    std::span<uint8_t> span(std::size_t addr, std::size_t size);
    std::span<const uint8_t> span(std::size_t addr, std::size_t size) const;
    void fill(std::size_t first, std::size_t last, uint8_t value);  // both inclusive

private:
    std::size_t check(std::size_t addr, std::size_t size) const;
    ImageBytes& b_;
};
