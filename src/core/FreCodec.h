#pragma once
// Channel frequencies and offsets: the stored nine-digit codes (units of
// 10 Hz, "FFFFFFFFF" for none), the texts shown and typed in MHz, and the
// exact frequency type the band checks compute with.
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A frequency or offset in whole units of 10 Hz, the unit of the stored codes.
struct Fre {
    static constexpr int64_t PerMHz = 100000;
    int64_t units = 0;

    static constexpr Fre MHz(int64_t mhz) { return Fre{mhz * PerMHz}; }
    friend constexpr auto operator<=>(const Fre&, const Fre&) = default;
    friend constexpr Fre operator+(Fre a, Fre b) { return Fre{a.units + b.units}; }
    friend constexpr Fre operator-(Fre a, Fre b) { return Fre{a.units - b.units}; }
};

constexpr Fre Abs(Fre f) { return Fre{f.units < 0 ? -f.units : f.units}; }

// The stored code that means "no frequency".
inline constexpr std::string_view NoFreCode = "FFFFFFFFF";

// A numeric text in MHz, rounded to 10 Hz half to even; nothing for a text
// that is not numeric.
std::optional<Fre> ReadFre(std::string_view mhzText);
// A band edge held in MHz as a double, to the nearest 10 Hz.
Fre FreFromMHz(double mhz);
// "000.00000": at least three whole digits, five decimals.
std::string FormatFre(Fre f);
// "0.00000": at least one whole digit, five decimals.
std::string FormatOffset(Fre f);
// The shortest text of the value: "108", "399.995".
std::string PlainFreText(Fre f);

// MHz text to the nine-digit code; the empty text for an empty text, and also
// for one that is not numeric or does not fit nine digits, so a bad text
// never reaches a fixed-length field.
std::string FreToCode(std::string_view text);
// A stored code (its value, TrimFixStr) as a frequency, without a message;
// nothing for "no frequency" or a damaged code.
std::optional<Fre> FreOfCode(std::string_view code);
// Code to "000.00000"; the empty text for no frequency. A code that is not a
// number shows "Not IsNumeric" and gives the lowest receive edge, plainly
// written ("108").
std::string CodeToFre(std::string_view code);
// Offset code to "0.00000"; "0.00000" for none. A code that is not a number
// shows "Not IsNumeric" and gives "0.00000".
std::string CodeToOffset(std::string_view code);

// A redraw of the grid reads every row's codes: with a damaged store that
// would be one "Not IsNumeric" box per row. While one of these scopes lives
// (they may nest), the box shows at most once.
class NotNumericOncePerRedraw {
public:
    NotNumericOncePerRedraw();
    ~NotNumericOncePerRedraw();
    NotNumericOncePerRedraw(const NotNumericOncePerRedraw&) = delete;
    NotNumericOncePerRedraw& operator=(const NotNumericOncePerRedraw&) = delete;
};
