#include "core/TextCodec.h"

std::string TrimFixStr(std::string_view text) {
    const size_t end = text.find_last_not_of(' ');
    text = end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
    return std::string(text.substr(0, text.find('\0')));
}

std::string IntToOct(int16_t value, int16_t width) {
    unsigned v = static_cast<uint16_t>(value);
    std::string s;
    do {
        s.insert(s.begin(), static_cast<char>('0' + (v & 7u)));
        v >>= 3;
    } while (v != 0);
    if (width > 0 && s.size() < static_cast<size_t>(width)) s.insert(0, width - s.size(), '0');
    return s;
}

std::string ByteToHex(uint8_t b) {
    static constexpr char digits[] = "0123456789ABCDEF";
    return {digits[b >> 4], digits[b & 0x0F]};
}

std::string GetFileTitle(std::string_view path) {
    const size_t sep = path.find_last_of("\\/");
    return std::string(sep == std::string_view::npos ? path : path.substr(sep + 1));
}
