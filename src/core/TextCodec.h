#pragma once
// Small text helpers every dialog shares: the value of a fixed-length field,
// octal and hexadecimal texts, the file name of a path.
#include <cstdint>
#include <string>
#include <string_view>

// The value of a fixed-length text field: trailing blanks removed first, then
// cut before the first NUL. The order matters: "AB  \0xy" keeps "AB  ".
std::string TrimFixStr(std::string_view text);

// Octal digits, "0" added on the left up to `width`; never cut. A negative
// value is written as its 16-bit pattern.
std::string IntToOct(int16_t value, int16_t width);

// Two upper-case hexadecimal digits.
std::string ByteToHex(uint8_t b);

// The part after the last "\" or "/"; the whole path when it has neither.
std::string GetFileTitle(std::string_view path);
