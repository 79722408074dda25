#pragma once
// Temporary stand-ins for the text helpers and the radio identity that other
// branches provide; this file goes when they are merged.
#include <cctype>
#include <cstdint>
#include <string>
#include <string_view>

std::string ByteToHex(uint8_t b);
std::string TrimFixStr(std::string_view text);
bool IsNumericText(std::string_view text);
extern int16_t RadioVerNo;
