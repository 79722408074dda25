#pragma once
// The user-defined five-tone standard's sixteen tones as their dialog shows,
// corrects and stores them (tenths of a hertz in Tone5Data.DefTone).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

inline constexpr int kUserToneBoxes = 16;
inline constexpr int kUserToneTypingLimit = 6;
inline constexpr std::string_view kLowestUserTone = "288.5";
inline constexpr std::string_view kHighestUserTone = "3106.0";

// A stored tone shown with one decimal and no zero before the point.
std::string UserToneShown(int16_t tenths);
// A box takes digits and points only.
std::optional<char16_t> UserToneChar(char16_t c);
// What a box holds once left: no number "288.5", below the range "288.5",
// above it "3106.0", anything else exactly as typed.
std::string UserToneInRange(std::string_view text);
// The tone a box stores: its number in tenths, half to even; nothing for a
// text that is no number or does not fit the field.
std::optional<int16_t> UserToneStored(std::string_view text);
