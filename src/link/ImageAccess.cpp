#include "link/ImageAccess.h"

#include <algorithm>

namespace {
std::string Hex(std::size_t v) {
    static const char* digits = "0123456789ABCDEF";
    std::string s;
    do {
        s.insert(s.begin(), digits[v % 16]);
        v /= 16;
    } while (v);
    while (s.size() < 4) s.insert(s.begin(), '0');
    return "0x" + s;
}
}  // namespace

std::size_t ImageView::check(std::size_t addr, std::size_t size) const {
    if (addr >= kImageSize || size > kImageSize - addr)
        throw ImageRangeError("image address " + Hex(addr) + " out of range");
    return addr;
}

void ImageView::setByte(std::size_t addr, long value) {
    if (value < 0 || value > 0xFF)
        throw ImageRangeError("value " + std::to_string(value) + " does not fit the byte at " +
                              Hex(addr));
    b_[check(addr, 1)] = static_cast<uint8_t>(value);
}

uint16_t ImageView::le16(std::size_t addr) const {
    check(addr, 2);
    return static_cast<uint16_t>(b_[addr] | (b_[addr + 1] << 8));
}

void ImageView::setLe16(std::size_t addr, long value) {
    check(addr, 2);
    if (value < 0 || value > 0xFFFF)
        throw ImageRangeError("value " + std::to_string(value) + " does not fit the word at " +
                              Hex(addr));
    b_[addr] = static_cast<uint8_t>(value & 0xFF);
    b_[addr + 1] = static_cast<uint8_t>(value >> 8);
}

uint16_t ImageView::be16(std::size_t addr) const {
    check(addr, 2);
    return static_cast<uint16_t>((b_[addr] << 8) | b_[addr + 1]);
}

void ImageView::setBe16(std::size_t addr, long value) {
    check(addr, 2);
    if (value < 0 || value > 0xFFFF)
        throw ImageRangeError("value " + std::to_string(value) + " does not fit the word at " +
                              Hex(addr));
    b_[addr] = static_cast<uint8_t>(value >> 8);
    b_[addr + 1] = static_cast<uint8_t>(value & 0xFF);
}

uint8_t ImageView::bits(std::size_t addr, int first, int count) const {
    const unsigned mask = (1u << count) - 1u;
    return static_cast<uint8_t>((b_[check(addr, 1)] >> first) & mask);
}

void ImageView::setBits(std::size_t addr, int first, int count, long value) {
    const long mask = (1L << count) - 1;
    if (value < 0 || value > mask)
        throw ImageRangeError("value " + std::to_string(value) + " does not fit bits " +
                              std::to_string(first) + ".." + std::to_string(first + count - 1) +
                              " at " + Hex(addr));
    auto& b = b_[check(addr, 1)];
    b = static_cast<uint8_t>((b & ~(mask << first)) | (value << first));
}

std::string ImageView::text(std::size_t addr, std::size_t size, int terminator) const {
    check(addr, size);
    std::string s;
    for (std::size_t i = 0; i < size; ++i) {
        const uint8_t c = b_[addr + i];
        if (terminator >= 0 && c == terminator) break;
        s.push_back(static_cast<char>(c));
    }
    return s;
}

void ImageView::setText(std::size_t addr, std::size_t size, std::string_view value, uint8_t pad) {
    check(addr, size);
    if (value.size() > size)
        throw ImageRangeError("text \"" + std::string(value) + "\" longer than " +
                              std::to_string(size) + " bytes at " + Hex(addr));
    std::size_t i = 0;
    for (; i < value.size(); ++i) b_[addr + i] = static_cast<uint8_t>(value[i]);
    for (; i < size; ++i) b_[addr + i] = pad;
}

std::span<uint8_t> ImageView::span(std::size_t addr, std::size_t size) {
    check(addr, size);
    return std::span<uint8_t>(b_).subspan(addr, size);
}

std::span<const uint8_t> ImageView::span(std::size_t addr, std::size_t size) const {
    check(addr, size);
    return std::span<const uint8_t>(b_).subspan(addr, size);
}

void ImageView::fill(std::size_t first, std::size_t last, uint8_t value) {
    if (last < first) return;
    auto s = span(first, last - first + 1);
    std::fill(s.begin(), s.end(), value);
}
