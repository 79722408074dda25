#include "settings/ModNote.h"

namespace {
constexpr int16_t kOtherCode = 36;
}

int16_t GetNoteCode(std::string_view text) {
    if (text.empty()) return kOtherCode;
    const char c = text.front();
    if (c >= '0' && c <= '9') return static_cast<int16_t>(c - '0');
    if (c >= 'A' && c <= 'Z') return static_cast<int16_t>(c - 'A' + 10);
    return kOtherCode;
}

std::string GetNoteChar(int16_t code) {
    if (code >= 0 && code <= 9) return std::string(1, static_cast<char>('0' + code));
    if (code >= 10 && code < kOtherCode) return std::string(1, static_cast<char>('A' + code - 10));
    return std::string(1, '\0');
}
