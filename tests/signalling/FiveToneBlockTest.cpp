// The five-tone block as the dialog shows and stores it: the settings lists
// with their corrections, the code-list rows by kind, and the PTT-ID codes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/SignallingRecords.h"
#include "signalling/FiveToneBlock.h"

namespace {

using S = Tone5Setting;

// A block with every setting inside its list.
Tone5Data InRangeBlock() {
    Tone5Data b;
    b.SelfID = "12345";
    b.SelfIDLen = 5;
    b.Standard = 14;
    b.DecodeResp = 2;
    b.TonePeriod = 45;
    b.Time17 = 250;
    b.Time18 = 255;
    b.Time19 = 1;
    b.Time20 = 75;
    b.FirstDelay = 37;
    b.PauseTime = 255;
    b.PauseCode = 13;
    b.PauseFirstDelay = 250;
    b.SideTone = 1;
    return b;
}

const Tone5RowTexts kTexts{"Data Call", "MSG:"};

Tone5Code Entry(std::string_view code, int codeLen = -1) {
    Tone5Code e;
    e.EmptyFlag = 0;
    e.Code = code;
    e.CodeLen = static_cast<uint8_t>(codeLen < 0 ? code.size() : codeLen);
    e.Standard = 6;
    e.TonePeriod = 45;
    e.Name = "NAME";
    return e;
}

}  // namespace

TEST(FiveToneBlock, SettingsInRangeComeBackAsTheyWere) {
    Tone5Data block = InRangeBlock();
    uint8_t decodeTime = 200;
    const Tone5Settings shown = ShowTone5Settings(block, decodeTime);
    EXPECT_EQ(shown.selfID, "12345");
    EXPECT_EQ(shown[S::Standard], 14);
    EXPECT_EQ(shown[S::TonePeriod], 15) << "item \"45\"";
    EXPECT_EQ(shown[S::TimeB], 254) << "item \"2550\"";
    EXPECT_EQ(shown[S::TimeA], 250) << "item \"25.0\"";
    EXPECT_EQ(shown[S::TimeC], 0) << "item \"10\"";
    EXPECT_EQ(shown[S::SettingD], 71) << "item \"75\"";
    EXPECT_EQ(shown[S::FirstDelay], 36) << "item \"370\"";
    EXPECT_EQ(shown[S::PauseCode], 3) << "item \"D\"";
    EXPECT_EQ(shown[S::DecodeTime], 200);

    Tone5Data saved;
    uint8_t savedTime = 255;
    SaveTone5Settings(shown, saved, savedTime);
    EXPECT_EQ(saved, InRangeBlock());
    EXPECT_EQ(savedTime, 200);
}

TEST(FiveToneBlock, ValuesOutsideTheirListsShowTheFirstItemAndAreStoredSo) {
    struct Case {
        const char* name;
        void (*set)(Tone5Data&, uint8_t&);
        S list;
        void (*expectShown)(const Tone5Data&);  // corrections a show writes
        void (*expectSaved)(const Tone5Data&, uint8_t);
    };
    const Case cases[] = {
        {"period 20", [](Tone5Data& b, uint8_t&) { b.TonePeriod = 20; }, S::TonePeriod,
         [](const Tone5Data& b) { EXPECT_EQ(b.TonePeriod, 70); },
         [](const Tone5Data& b, uint8_t) { EXPECT_EQ(b.TonePeriod, 70); }},
        {"TimeB 0", [](Tone5Data& b, uint8_t&) { b.Time18 = 0; }, S::TimeB,
         [](const Tone5Data& b) { EXPECT_EQ(b.Time18, 0); },
         [](const Tone5Data& b, uint8_t) { EXPECT_EQ(b.Time18, 1); }},
        {"TimeA 251", [](Tone5Data& b, uint8_t&) { b.Time17 = 251; }, S::TimeA,
         [](const Tone5Data& b) { EXPECT_EQ(b.Time17, 251); },
         [](const Tone5Data& b, uint8_t) { EXPECT_EQ(b.Time17, 0); }},
        {"SettingD 3", [](Tone5Data& b, uint8_t&) { b.Time20 = 3; }, S::SettingD,
         [](const Tone5Data& b) { EXPECT_EQ(b.Time20, 0); },
         [](const Tone5Data& b, uint8_t) { EXPECT_EQ(b.Time20, 0); }},
        {"SettingD 80", [](Tone5Data& b, uint8_t&) { b.Time20 = 80; }, S::SettingD,
         [](const Tone5Data& b) { EXPECT_EQ(b.Time20, 80); },
         [](const Tone5Data& b, uint8_t) { EXPECT_EQ(b.Time20, 0); }},
        {"first delay 256", [](Tone5Data& b, uint8_t&) { b.FirstDelay = 256; }, S::FirstDelay,
         [](const Tone5Data&) {}, [](const Tone5Data& b, uint8_t) { EXPECT_EQ(b.FirstDelay, 1); }},
        {"pause time -1", [](Tone5Data& b, uint8_t&) { b.PauseTime = -1; }, S::PauseTime,
         [](const Tone5Data&) {}, [](const Tone5Data& b, uint8_t) { EXPECT_EQ(b.PauseTime, 0); }},
        {"pause code 14", [](Tone5Data& b, uint8_t&) { b.PauseCode = 14; }, S::PauseCode,
         [](const Tone5Data& b) { EXPECT_EQ(b.PauseCode, 14); },
         [](const Tone5Data& b, uint8_t) { EXPECT_EQ(b.PauseCode, 0); }},
        {"decode time 250", [](Tone5Data&, uint8_t& t) { t = 250; }, S::DecodeTime, [](const Tone5Data&) {},
         [](const Tone5Data&, uint8_t t) { EXPECT_EQ(t, 0); }},
        {"pause first delay 251", [](Tone5Data& b, uint8_t&) { b.PauseFirstDelay = 251; }, S::PauseFirstDelay,
         [](const Tone5Data&) {}, [](const Tone5Data& b, uint8_t) { EXPECT_EQ(b.PauseFirstDelay, 0); }},
        {"standard 16", [](Tone5Data& b, uint8_t&) { b.Standard = 16; }, S::Standard, [](const Tone5Data&) {},
         [](const Tone5Data& b, uint8_t) { EXPECT_EQ(b.Standard, 0); }},
        {"response 3", [](Tone5Data& b, uint8_t&) { b.DecodeResp = 3; }, S::DecodeResp, [](const Tone5Data&) {},
         [](const Tone5Data& b, uint8_t) { EXPECT_EQ(b.DecodeResp, 0); }},
    };
    for (const auto& c : cases) {
        Tone5Data block = InRangeBlock();
        uint8_t decodeTime = 100;
        c.set(block, decodeTime);
        const Tone5Settings shown = ShowTone5Settings(block, decodeTime);
        EXPECT_EQ(shown[c.list], c.list == S::TonePeriod ? 40 : 0) << c.name;
        c.expectShown(block);
        SaveTone5Settings(shown, block, decodeTime);
        c.expectSaved(block, decodeTime);
    }
}

TEST(FiveToneBlock, SideToneIsOffOnOrGreyed) {
    for (const auto& [stored, shown] : {std::pair{0, 0}, {1, 1}, {2, 2}, {3, 0}, {-1, 0}}) {
        Tone5Data block = InRangeBlock();
        block.SideTone = static_cast<int16_t>(stored);
        uint8_t t = 0;
        const Tone5Settings s = ShowTone5Settings(block, t);
        EXPECT_EQ(s.sideTone, shown) << stored;
        SaveTone5Settings(s, block, t);
        EXPECT_EQ(block.SideTone, shown) << stored;
    }
}

TEST(FiveToneBlock, PauseCodesAreTheLettersOfTheirItems) {
    for (const auto& [code, item] : {std::pair{0, 0}, {11, 1}, {12, 2}, {13, 3}, {15, 4}, {14, 0}, {10, 0}}) {
        Tone5Data block = InRangeBlock();
        block.PauseCode = static_cast<int16_t>(code);
        uint8_t t = 0;
        const Tone5Settings s = ShowTone5Settings(block, t);
        EXPECT_EQ(s[S::PauseCode], item) << code;
        SaveTone5Settings(s, block, t);
        EXPECT_EQ(block.PauseCode, item == 0 ? 0 : code) << code;
    }
}

TEST(FiveToneBlock, TheListsHoldTheirItems) {
    const auto tens = TensItems(1, 255);
    EXPECT_EQ(tens.front(), "10");
    EXPECT_EQ(tens.back(), "2550");
    EXPECT_EQ(tens.size(), 255U);
    const auto tenths = TenthItems();
    ASSERT_EQ(tenths.size(), 251U);
    EXPECT_EQ(tenths[0], "0.0");
    EXPECT_EQ(tenths[5], "0.5");
    EXPECT_EQ(tenths.back(), "25.0");
    const auto periods = PeriodItems();
    ASSERT_EQ(periods.size(), 71U);
    EXPECT_EQ(periods[static_cast<std::size_t>(PeriodIndex(100))], "100");
    EXPECT_EQ(periods[static_cast<std::size_t>(PeriodIndex(29))], "70");
}

TEST(FiveToneBlock, RowsShowTheirCodeByKind) {
    struct Case { const char* name; Tone5Code entry; std::optional<std::string> kind; std::string code; };
    const Case cases[] = {
        {"plain filled with repeats", Entry("12", 4), std::nullopt, "12EE"},
        {"plain cut to its length", Entry("12345", 3), std::nullopt, "123"},
        {"one character", Entry("5"), std::nullopt, "5"},
        {"data call", Entry("E1E2345E4142", 2), "Data Call", "12345        MSG:AB"},
        {"data call, no message", Entry("E1E2345E"), "Data Call", "12345        MSG:"},
        {"data call, bad pair", Entry("E1E2345E41G2"), "Data Call", "12345        MSG:A?"},
        {"PTT ID", Entry("E6SelfID", 3), "PTTID", ""},
        {"PTT ID with the own ID", Entry("E667890"), "PTTID", ""},
        {"E2 is plain", Entry("E267890"), std::nullopt, "E267890"},
        {"ANI with the own ID", Entry("12345B67890", 1), "ANI", "12345B"},
        {"ANI written with repeats", Entry("1E1E167890"), "ANI", "11111"},
        {"ANI placeholder", Entry("12345SelfID"), "ANI", "12345"},
        {"ANI placeholder, separator", Entry("12345CSelfID"), "ANI", "12345"},
        {"ANI of another ID is plain", Entry("1234599999"), std::nullopt, "1234599999"},
    };
    for (const auto& c : cases) {
        Tone5Code entry = c.entry;
        const Tone5RowCells cells = ShowTone5Row(entry, "67890", kTexts);
        EXPECT_EQ(cells.kind, c.kind) << c.name;
        EXPECT_EQ(cells.code, c.code) << c.name;
        EXPECT_EQ(cells.standard, 6) << c.name;
        EXPECT_EQ(cells.period, "45") << c.name;
        EXPECT_EQ(cells.name, "NAME") << c.name;
    }
}

TEST(FiveToneBlock, RowShowCorrectsTheEntry) {
    Tone5Code used = Entry("12345");
    used.CodeLen = 41;
    used.Standard = 16;
    used.TonePeriod = 20;
    const Tone5RowCells cells = ShowTone5Row(used, "67890", kTexts);
    EXPECT_EQ(used.CodeLen, 0);
    EXPECT_EQ(used.Standard, 0);
    EXPECT_EQ(used.TonePeriod, 70);
    EXPECT_EQ(cells.code, "");
    EXPECT_EQ(cells.period, "70");

    Tone5Code empty = Entry("12345");
    empty.EmptyFlag = 1;
    empty.TonePeriod = 101;
    const Tone5RowCells blank = ShowTone5Row(empty, "67890", kTexts);
    EXPECT_EQ(blank.kind, std::optional<std::string>(""));
    EXPECT_EQ(blank.code, "");
    EXPECT_EQ(blank.standard, 0) << "the first standard, whatever the entry holds";
    EXPECT_EQ(blank.period, "70");
    EXPECT_EQ(blank.name, "");
    EXPECT_EQ(empty.Standard, 6);
    EXPECT_EQ(empty.TonePeriod, 70);
}

TEST(FiveToneBlock, AStandardCellKeepsTheIndexItWasGiven) {
    const std::vector<std::string> items = {"ZVEI1", "ZVEI2", "CCIR1", "ZVEI1", ""};
    struct Case { const char* name; const char* cell; int remembered; int standard; };
    const Case cases[] = {
        {"its own item", "CCIR1", 2, 2},
        {"a duplicate text", "ZVEI1", 3, 3},
        {"an empty item text", "", 4, 4},
        {"the cell changed", "ZVEI2", 0, 1},
        {"empty cell of another item", "", 1, 0},
        {"unknown text", "EIA", 2, 0},
        {"remembered beyond the list", "CCIR1", 16, 2},
    };
    for (const auto& c : cases) EXPECT_EQ(StandardOfCell(c.cell, c.remembered, items), c.standard) << c.name;
}

TEST(FiveToneBlock, ARowIsStoredFromItsCells) {
    struct Case { const char* period; int stored; };
    const Case periods[] = {{"45", 45}, {"", 70}, {"abc", 70}, {"29", 70}, {"101", 70}, {" 100 ", 100}, {"30", 30}};
    for (const auto& c : periods) {
        Tone5Code entry = Entry("1122");
        entry.EmptyFlag = 1;
        SaveTone5Row(entry, "67890", 9, c.period, "AB  ");
        EXPECT_EQ(entry.TonePeriod, c.stored) << '"' << c.period << '"';
        EXPECT_EQ(entry.Code.value(), "1E2E");
        EXPECT_EQ(entry.Standard, 9);
        EXPECT_EQ(entry.Name.raw(), "AB     ");
        EXPECT_EQ(entry.EmptyFlag, 1) << "left to the editors";
    }
}

TEST(FiveToneBlock, CellCommitsStoreTheEntry) {
    Tone5Code entry = Entry("");
    entry.EmptyFlag = 1;
    EXPECT_EQ(CommitCodeCell(entry, "11", "12345"), "1E");
    EXPECT_EQ(entry.Code.value(), "1E");
    EXPECT_EQ(entry.CodeLen, 2);
    EXPECT_EQ(entry.EmptyFlag, 0);
    EXPECT_EQ(CommitCodeCell(entry, "", "12345"), "");
    EXPECT_EQ(entry.CodeLen, 0);
    EXPECT_EQ(entry.EmptyFlag, 1);
    EXPECT_EQ(entry.Standard, 6) << "the rest of the entry stays";
    EXPECT_EQ(entry.TonePeriod, 45);
    EXPECT_EQ(CommitNameCell(entry, "Bob  "), "Bob");
    EXPECT_EQ(entry.Name.value(), "Bob");
}

TEST(FiveToneBlock, PTTIDCodesShowTheirLengthAndStoreTheSystemPeriod) {
    Tone5Code code = Entry("12", 4);
    code.TonePeriod = 20;
    const PTTIDShown shown = ShowPTTIDCode(code);
    EXPECT_EQ(shown.code, "12EE");
    EXPECT_EQ(shown.standard, 6);
    EXPECT_EQ(shown.period, PeriodIndex(70));
    EXPECT_EQ(code.TonePeriod, 20) << "the stored period is not corrected";

    Tone5Code wild = Entry("12345");
    wild.CodeLen = 50;
    wild.Standard = 20;
    EXPECT_EQ(ShowPTTIDCode(wild).code, "");
    EXPECT_EQ(wild.CodeLen, 0);
    EXPECT_EQ(wild.Standard, 0);

    SavePTTID(code, "1122", "67890", 8, 70);
    EXPECT_EQ(code.Code.value(), "1E2E");
    EXPECT_EQ(code.CodeLen, 4);
    EXPECT_EQ(code.Standard, 8);
    EXPECT_EQ(code.TonePeriod, 70) << "the system period, not the PTT-ID list's";
    EXPECT_EQ(code.Name.value(), "NAME");
}
