#pragma once
// The one answer to "is this text a number", wherever the program asks it
// (frequencies, offsets, tones, version texts, own and call IDs, list
// entries read as numbers), and an exact reader for such texts. Frequencies are compared and
// stored in whole units, so a text is read digit by digit into an integer of
// the wanted unit instead of through binary floating point.
#include <cstdint>
#include <optional>
#include <string_view>

// True for: optional blanks, digits with at most one "." (at least one digit),
// optional blanks. No sign, exponent, hexadecimal prefix or group separator.
bool IsNumericText(std::string_view text);

// A numeric text read in units of 10^-decimals: the value cut down to a whole
// unit, and what was cut off measured against half a unit.
struct ScaledNumber {
    enum class Rest { None, BelowHalf, Half, AboveHalf };
    int64_t whole = 0;
    Rest rest = Rest::None;

    bool Exact() const { return rest == Rest::None; }
    int64_t RoundedHalfEven() const;
};

// Reads a text that passes IsNumericText; nothing for any other text.
// `decimals` is 0..9. Whole parts of 10^9 and above read as 10^9, far outside
// anything a radio or tone can be, so arithmetic on the result cannot overflow.
std::optional<ScaledNumber> ReadScaled(std::string_view text, int decimals);

// The same, rounded to a whole unit, half to even.
std::optional<int64_t> ReadRounded(std::string_view text, int decimals);
