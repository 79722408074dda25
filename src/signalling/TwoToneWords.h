#pragma once
// Two-tone tones as the dialog reads them from its boxes and stores them:
// a tone in hertz is a decimal text (digits with at most one point, which
// may stand first or last); it is kept in 0.1 Hz (the tone word, halves to
// the even one) and with a divider 9600000 / (16 x tone) for a call entry or
// 9600000 / (2 x tone) for the decoder header, both cut toward zero. All of
// it is computed from the exact decimal value, never through binary
// floating point, so 288.25 and 288.35 round as written.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The tone limits in hertz: everywhere 288 to 3116, at OK 280 for the boxes
// A to D.
inline constexpr int kToneLowHz = 288;
inline constexpr int kToneLowAtOKHz = 280;
inline constexpr int kToneHighHz = 3116;

// A tone read from a text, kept exactly (up to nine decimals).
class ToneHz {
public:
    // Nothing for a text that is not a number.
    static std::optional<ToneHz> Read(std::string_view text);
    static ToneHz Whole(int hz);

    // The tone brought into low..high hertz.
    ToneHz Clamped(int lowHz, int highHz) const;

    // 0.1 Hz, rounded half to even (288.25 gives 2882, 288.35 gives 2884).
    int Word() const;
    // 9600000 / (16 x tone) and 9600000 / (2 x tone), cut toward zero.
    int EntryDivider() const;
    int HeaderDivider() const;
    // One decimal, a half rounded up ("288.3" for 288.25), as a grid cell
    // shows it.
    std::string CellText() const;
    // The shortest decimal text ("288", "321.75"), as a tone box shows it.
    std::string DecimalText() const;

private:
    int Divider(int64_t times) const;

    int64_t nano_ = 0;  // the value in 10^-9 Hz, cut down
    bool beyond_ = false;  // digits beyond the ninth decimal were cut off
};

// A stored tone word as the dialog shows it: 3217 gives "321.7".
std::string ToneWordText(int word);
