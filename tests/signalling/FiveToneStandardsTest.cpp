// The sixteen standards: their tone tables as the view shows them and the
// default periods a choice proposes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Defaults.h"
#include "signalling/FiveToneStandards.h"

namespace {

const ToneViewLabels kLabels{"Freq", "Period", "Group", "Repeat"};

std::vector<std::string> Lines(const std::string& view) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t end; (end = view.find("\r\n", from)) != std::string::npos; from = end + 2)
        lines.push_back(view.substr(from, end - from));
    EXPECT_EQ(from, view.size()) << "the view ends with CR LF";
    return lines;
}

// Line of digit 0..15 in the view.
std::string DigitLine(const std::vector<std::string>& lines, int digit) {
    return lines.at(static_cast<std::size_t>(2 + digit));
}

}  // namespace

TEST(FiveToneStandards, TheViewHasItsTwentyOneLines) {
    const auto lines = Lines(StandardToneView("CCIR1", kDefaultUserTones, kLabels));
    ASSERT_EQ(lines.size(), 21U);
    EXPECT_EQ(lines[0], "CCIR1");
    EXPECT_EQ(lines[1], "Freq(Hz)");
    EXPECT_EQ(DigitLine(lines, 0), "0 1981");
    EXPECT_EQ(DigitLine(lines, 15), "F 1055");
    EXPECT_EQ(lines[18], "Period(ms) 100");
    EXPECT_EQ(lines[19], "Group A");
    EXPECT_EQ(lines[20], "Repeat E");

    const auto bare = Lines(StandardToneView("EIA", kDefaultUserTones, {}));
    ASSERT_EQ(bare.size(), 21U) << "missing labels keep the lines";
    EXPECT_EQ(bare[1], "(Hz)");
    EXPECT_EQ(bare[18], "(ms) 33");
    EXPECT_EQ(bare[19], " A");
    EXPECT_EQ(bare[20], " E");
}

TEST(FiveToneStandards, DigitLinesShowEachStandardsOwnTexts) {
    struct Case { const char* standard; int digit; const char* line; };
    const Case cases[] = {
        {"ZVEI3", 0xB, "B "},       {"ZVEI3", 0xC, "C "},         {"ZVEI3", 0xD, "D "},
        {"ZVEI3", 0xF, "F "},       {"ZVEI3", 0xE, "E 2400"},     {"PDZVEI", 0xF, "F "},
        {"PCCIR", 0xF, "F "},       {"EURO SIGNAL", 0xA, "A "},   {"EURO SIGNAL", 0xD, "D "},
        {"EURO SIGNAL", 0xF, "F "}, {"EURO SIGNAL", 0xE, "E 1062.9"}, {"MODAT", 0xB, "B "},
        {"MODAT", 0, "0 637.5"},    {"DZVEI", 0xA, "A 825/885"},  {"CCITT", 0xF, "F 0.0"},
        {"ZVEI2", 0xA, "A 885"},    {"NATEL", 0xB, "B 571"},      {"EIA", 0xE, "E 459.0"},
        {"EEA", 0xF, "F 2247"},     {"PZVEI", 0xC, "C 2800"},     {"ZVEI1", 9, "9 2200"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DigitLine(Lines(StandardToneView(c.standard, kDefaultUserTones, kLabels)), c.digit), c.line)
            << c.standard << " digit " << c.digit;
}

TEST(FiveToneStandards, AnyOtherNameShowsTheUserDefinedTones) {
    std::array<int16_t, 16> tones = kDefaultUserTones;
    tones[5] = 0;
    for (const char* name : {"User Defined", "", "zvei1", "ZVEI1 "}) {
        const auto lines = Lines(StandardToneView(name, tones, kLabels));
        ASSERT_EQ(lines.size(), 21U) << name;
        EXPECT_EQ(lines[0], name);
        EXPECT_EQ(DigitLine(lines, 0), "0 2400.0") << name;
        EXPECT_EQ(DigitLine(lines, 5), "5 .0") << name << ": a stored 0";
        EXPECT_EQ(DigitLine(lines, 13), "D 885.0") << name;
        EXPECT_EQ(DigitLine(lines, 15), "F 930.0") << name;
        EXPECT_EQ(lines[18], "Period(ms) 70") << name;
    }
}

TEST(FiveToneStandards, EachStandardProposesItsDefaultPeriod) {
    struct Case { const char* name; const char* period; };
    const Case cases[] = {
        {"EIA", "33"},   {"EEA", "40"},          {"MODAT", "40"},     {"CCIR1", "100"},  {"PCCIR", "100"},
        {"EURO SIGNAL", "100"}, {"ZVEI1", "70"}, {"DZVEI", "70"},     {"CCIR2", "70"},   {"NATEL", "70"},
        {"CCITT", "70"}, {"User Defined", "70"}, {"eia", "70"},       {"", "70"},
    };
    for (const auto& c : cases) EXPECT_EQ(DefaultPeriodOf(c.name), c.period) << c.name;
}

TEST(FiveToneStandards, TheListsNameTheTableInIndexOrder) {
    for (int i = 0; i < kUserStandard; ++i) {
        EXPECT_EQ(kStandardNames[static_cast<std::size_t>(i)], StandardToneTable[static_cast<std::size_t>(i)].name);
        EXPECT_EQ(StandardIndexOfName(kStandardNames[static_cast<std::size_t>(i)]), i);
    }
    EXPECT_EQ(StandardIndexOfName("Defined"), kUserStandard);
}
