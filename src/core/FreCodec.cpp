#include "core/FreCodec.h"

#include <charconv>
#include <cmath>

#include "core/NumericText.h"
#include "core/SharedState.h"
#include "platform/Prompts.h"

namespace {

constexpr int FreDecimals = 5;
constexpr int64_t LargestCode = 999'999'999;

// Redraw scope of the "Not IsNumeric" box: how many scopes are open and
// whether the box has shown inside them.
int redrawDepth = 0;
bool shownInRedraw = false;

void ReportNotNumeric() {
    if (redrawDepth > 0) {
        if (shownInRedraw) return;
        shownInRedraw = true;
    }
    platform::MsgBox("Not IsNumeric", platform::Buttons::Ok);
}

std::string Format(Fre f, size_t minWholeDigits) {
    const bool negative = f.units < 0;
    const int64_t u = negative ? -f.units : f.units;
    std::string whole = std::to_string(u / Fre::PerMHz);
    if (whole.size() < minWholeDigits) whole.insert(0, minWholeDigits - whole.size(), '0');
    std::string frac = std::to_string(u % Fre::PerMHz);
    frac.insert(0, FreDecimals - frac.size(), '0');
    return (negative ? "-" : "") + whole + "." + frac;
}

// The first four characters of a code are whole MHz, the rest the fraction.
std::optional<Fre> ReadCode(std::string_view code) {
    if (!IsNumericText(code)) return std::nullopt;
    std::string mhz(code.substr(0, 4));
    mhz += '.';
    if (code.size() > 4) mhz += code.substr(4);
    return ReadFre(mhz);
}

bool IsNoFre(std::string_view code) { return code.empty() || code == NoFreCode; }

}  // namespace

std::optional<Fre> ReadFre(std::string_view mhzText) {
    const auto units = ReadRounded(mhzText, FreDecimals);
    if (!units) return std::nullopt;
    return Fre{*units};
}

Fre FreFromMHz(double mhz) {
    // nearbyint rounds half to even in the default rounding mode.
    return Fre{static_cast<int64_t>(std::nearbyint(mhz * Fre::PerMHz))};
}

std::string FormatFre(Fre f) { return Format(f, 3); }
std::string FormatOffset(Fre f) { return Format(f, 1); }

std::string PlainFreText(Fre f) {
    std::string s = Format(f, 1);
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s;
}

std::string FreToCode(std::string_view text) {
    const auto f = ReadFre(text);
    if (!f || f->units > LargestCode) return {};
    std::string code = std::to_string(f->units);
    code.insert(0, 9 - code.size(), '0');
    return code;
}

std::optional<Fre> FreOfCode(std::string_view code) {
    if (code.empty()) return std::nullopt;
    int64_t units = 0;
    const auto [end, ec] = std::from_chars(code.data(), code.data() + code.size(), units);
    if (ec != std::errc() || end != code.data() + code.size() || units < 0) return std::nullopt;
    return Fre{units};
}

std::string CodeToFre(std::string_view code) {
    if (IsNoFre(code)) return {};
    if (const auto f = ReadCode(code)) return FormatFre(*f);
    ReportNotNumeric();
    return PlainFreText(FreFromMHz(RxFreLow[0]));
}

std::string CodeToOffset(std::string_view code) {
    if (IsNoFre(code)) return FormatOffset(Fre{});
    if (const auto f = ReadCode(code)) return FormatOffset(*f);
    ReportNotNumeric();
    return FormatOffset(Fre{});
}

NotNumericOncePerRedraw::NotNumericOncePerRedraw() {
    if (redrawDepth++ == 0) shownInRedraw = false;
}

NotNumericOncePerRedraw::~NotNumericOncePerRedraw() { --redrawDepth; }
