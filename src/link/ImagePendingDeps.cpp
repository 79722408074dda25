#include "link/ImagePendingDeps.h"

int16_t RadioVerNo = 0;

std::string ByteToHex(uint8_t b) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    return {kHex[b / 16], kHex[b % 16]};
}

std::string TrimFixStr(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return std::string(text.substr(0, text.find('\0')));
}

bool IsNumericText(std::string_view text) {
    std::size_t i = 0, digits = 0, points = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    for (; i < text.size() && (std::isdigit(static_cast<unsigned char>(text[i])) || text[i] == '.'); ++i)
        (text[i] == '.' ? points : digits)++;
    while (i < text.size() && text[i] == ' ') ++i;
    return i == text.size() && digits > 0 && points <= 1;
}
