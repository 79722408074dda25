#include "link/ImageSignalFields.h"

#include "core/TextCodec.h"
#include "link/ImageGuard.h"

int HexDigitValue(char c, std::string_view what) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    throw EncodeError(std::string(what) + ": \"" + std::string(1, c) +
                      "\" is not a hexadecimal digit");
}

void SetPackedDigits(ImageView& image, std::size_t addr, std::string_view digits,
                     std::string_view what) {
    if (digits.size() % 2 != 0) throw EncodeError(std::string(what) + ": odd digit count");
    for (std::size_t k = 0; k < digits.size(); k += 2) {
        const int high = HexDigitValue(digits[k], what);
        const int low = HexDigitValue(digits[k + 1], what);
        image.setByte(addr + k / 2, high * 16 + low);
    }
}

std::string PackedDigits(const ImageView& image, std::size_t addr, std::size_t count) {
    std::string digits;
    for (std::size_t k = 0; k < (count + 1) / 2; ++k) digits += ByteToHex(image.byte(addr + k));
    digits.resize(count);
    return digits;
}

void SetNameBytes(ImageView& image, std::size_t addr, std::size_t size, std::string_view name,
                  uint8_t pad) {
    image.setText(addr, size, name, name.empty() ? uint8_t{0x00} : pad);
}

std::string NameOfBytes(std::span<const uint8_t> bytes) {
    std::string name;
    bool endedEarly = false;
    for (const uint8_t b : bytes) {
        if (b == 0x00 || b == 0xFF) {
            endedEarly = true;
            break;
        }
        name += static_cast<char>(b);
    }
    while (!name.empty() && name.back() == ' ') name.pop_back();
    if (endedEarly) name += '\0';
    return name;
}

std::string NameBytes(const ImageView& image, std::size_t addr, std::size_t size) {
    return NameOfBytes(image.span(addr, size));
}

bool EntryEmpty(const ImageView& image, std::size_t base, int entry) {
    const auto n = static_cast<std::size_t>(entry - 1);
    return image.bit(base + n / 8, static_cast<int>(n % 8));
}

void SetEntryEmpty(ImageView& image, std::size_t base, int entry, bool empty) {
    const auto n = static_cast<std::size_t>(entry - 1);
    image.setBit(base + n / 8, static_cast<int>(n % 8), empty);
}
