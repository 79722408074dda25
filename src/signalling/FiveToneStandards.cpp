#include "signalling/FiveToneStandards.h"

#include "core/TextNumbers.h"

namespace {

constexpr std::array<std::string_view, 10> kZveiDigits = {"2400", "1060", "1160", "1270", "1400",
                                                           "1530", "1670", "1830", "2000", "2200"};
constexpr std::array<std::string_view, 10> kDzveiDigits = {"2200", "970",  "1060", "1160", "1270",
                                                            "1400", "1530", "1670", "1830", "2000"};
constexpr std::array<std::string_view, 10> kCcirDigits = {"1981", "1124", "1197", "1275", "1358",
                                                           "1446", "1540", "1640", "1747", "1860"};

// Digits 0..9 from a shared row, A..F of the standard's own.
constexpr std::array<std::string_view, 16> Tones(const std::array<std::string_view, 10>& digits,
                                                 std::array<std::string_view, 6> letters) {
    std::array<std::string_view, 16> t{};
    for (std::size_t i = 0; i < 10; ++i) t[i] = digits[i];
    for (std::size_t i = 0; i < 6; ++i) t[10 + i] = letters[i];
    return t;
}

constexpr std::string_view kDigitChars = "0123456789ABCDEF";
constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

const std::array<StandardTones, kUserStandard> StandardToneTable = {{
    {"ZVEI1", Tones(kZveiDigits, {"2800", "810", "970", "885", "2600", "680"}), "70"},
    {"ZVEI2", Tones(kZveiDigits, {"885", "810", "740", "680", "970", "2600"}), "70"},
    {"ZVEI3", Tones(kDzveiDigits, {"885", "", "", "", "2400", ""}), "70"},
    {"PZVEI", Tones(kZveiDigits, {"970", "810", "2800", "885", "2600", "680"}), "70"},
    {"DZVEI", Tones(kDzveiDigits, {"825/885", "740", "2600", "885", "2400", "680"}), "70"},
    {"PDZVEI", Tones(kDzveiDigits, {"825", "886", "2600", "856", "2400", ""}), "70"},
    {"CCIR1", Tones(kCcirDigits, {"2400", "930", "2247", "991", "2110", "1055"}), "100"},
    {"CCIR2", Tones(kCcirDigits, {"2400", "930", "2247", "991", "2110", "1055"}), "70"},
    {"PCCIR", Tones(kCcirDigits, {"1050", "930", "2400", "991", "2110", ""}), "100"},
    {"EEA", Tones(kCcirDigits, {"1055", "930", "2400", "991", "2110", "2247"}), "40"},
    {"EURO SIGNAL",
     {"979.8", "903.1", "832.5", "767.4", "707.4", "652.0", "601.0", "554.0", "510.7", "470.8", "", "", "", "",
      "1062.9", ""},
     "100"},
    {"NATEL",
     {"1633", "631", "697", "770", "852", "941", "1040", "1209", "1336", "1477", "1995", "571", "2205", "2437", "1805",
      "2694"},
     "70"},
    {"MODAT",
     {"637.5", "787.5", "937.5", "1087.5", "1237.5", "1387.5", "1537.5", "1687.5", "1837.5", "1987.5", "", "", "", "",
      "487.5", ""},
     "40"},
    {"CCITT",
     {"400.0", "697.0", "770.0", "852.0", "941.0", "1209.0", "1335.0", "1477.0", "1663.0", "1800.0", "1900.0",
      "2000.0", "2100.0", "2200.0", "2300.0", "0.0"},
     "70"},
    {"EIA",
     {"600.0", "741.0", "882.0", "1023.0", "1164.0", "1305.0", "1446.0", "1587.0", "1728.0", "1869.0", "2151.0",
      "2433.0", "2010.0", "2292.0", "459.0", "1091.0"},
     "33"},
}};

const std::array<std::string_view, kStandardCount> kStandardNames = {
    "ZVEI1", "ZVEI2", "ZVEI3", "PZVEI", "DZVEI", "PDZVEI", "CCIR1", "CCIR2",
    "PCCIR", "EEA",   "EURO SIGNAL", "NATEL", "MODAT", "CCITT", "EIA", "Defined"};

int StandardIndexOfName(std::string_view name) {
    for (std::size_t i = 0; i < StandardToneTable.size(); ++i)
        if (StandardToneTable[i].name == name) return static_cast<int>(i);
    return kUserStandard;
}

std::string DefaultPeriodOf(std::string_view name) {
    const int index = StandardIndexOfName(name);
    if (index == kUserStandard) return std::string(kUserStandardPeriod);
    return std::string(StandardToneTable[static_cast<std::size_t>(index)].period);
}

std::string StandardToneView(std::string_view name, const std::array<int16_t, 16>& userTones,
                             const ToneViewLabels& labels) {
    const int index = StandardIndexOfName(name);
    std::string view;
    const auto line = [&view](std::string_view text) {
        view += text;
        view += kLineEnd;
    };
    line(name);
    line(labels.frequency + "(Hz)");
    for (std::size_t d = 0; d < kDigitChars.size(); ++d) {
        const std::string tone = index == kUserStandard
                                     ? TenthsTextNoLeadingZero(userTones[d])
                                     : std::string(StandardToneTable[static_cast<std::size_t>(index)].tones[d]);
        line(std::string(1, kDigitChars[d]) + " " + tone);
    }
    line(labels.period + "(ms) " + DefaultPeriodOf(name));
    line(labels.groupTone + " A");
    line(labels.repeatTone + " E");
    return view;
}
