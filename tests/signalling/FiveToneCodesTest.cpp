// The five-tone code texts: reading repeat tones back, the forms a save
// stores, and the rewrite after an own-ID change.
#include <gtest/gtest.h>

#include "core/SignallingRecords.h"
#include "signalling/FiveToneCodes.h"

namespace {

Tone5Code CodeOf(std::string_view text, int codeLen = -1) {
    Tone5Code c;
    c.Code = text;
    c.CodeLen = static_cast<uint8_t>(codeLen < 0 ? text.size() : codeLen);
    return c;
}

}  // namespace

TEST(FiveToneCodes, Mid5ToneNoEReadsRepeatsAsTheToneBefore) {
    struct Case { const char* name; const char* code; int start; int length; const char* out; };
    const Case cases[] = {
        {"called ID of a data call", "E1E1E1EE4142", 3, 5, "11111"},
        {"called ID of an ANI code", "12345E5678", 1, 5, "12345"},
        {"own ID after a repeat", "12345E5678", 6, 5, "55678"},
        {"short code", "12", 1, 5, "12"},
        {"past the end", "123", 3, 4, "3"},
        {"leading E taken as it is", "E2345", 1, 5, "E2345"},
        {"leading E then a repeat", "EE345", 1, 3, "EE3"},
        {"empty", "", 1, 5, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(Mid5ToneNoE(c.code, c.start, c.length), c.out) << c.name;
}

TEST(FiveToneCodes, PlainCodesAreCutOrFilledToTheirLength) {
    EXPECT_EQ(PlainCodeText("12", 4), "12EE");
    EXPECT_EQ(PlainCodeText("12345", 3), "123");
    EXPECT_EQ(PlainCodeText("12345", 0), "");
    EXPECT_EQ(PlainCodeText("", 2), "EE");
}

TEST(FiveToneCodes, ListCodesAreStoredInTheirSavedForm) {
    struct Case { const char* name; const char* code; const char* ownID; const char* saved; };
    const Case cases[] = {
        {"ANI with the own ID raw", "1234555678", "55678", "12345E5678"},
        {"ANI saved before stays", "12345E5678", "55678", "12345E5678"},
        {"ANI placeholder gets the own ID", "12345SelfID", "67890", "1234567890"},
        {"ANI placeholder with separator", "12345BSelfID", "67890", "12345B67890"},
        {"ANI separator is copied", "12345A55555", "55555", "12345A5E5E5"},
        {"E6 takes the own ID", "E6SelfID", "12345", "E612345"},
        {"E2 takes the own ID", "E299999", "11223", "E21E2E3"},
        {"data call message copied", "E111111E4142", "12345", "E1E1E1EE4142"},
        {"plain with repeats", "5555", "12345", "5E5E"},
        {"two characters stay", "11", "12345", "11"},
        {"bare E2 stays", "E2", "12345", "E2"},
        {"one character stays", "5", "12345", "5"},
        {"empty stays", "", "12345", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SavedListCode(c.code, c.ownID), c.saved) << c.name;
        EXPECT_EQ(SavedListCode(c.saved, c.ownID), c.saved) << c.name << ": saved twice";
        Tone5Code entry = CodeOf(c.code, 33);
        SaveListCode(entry, c.ownID);
        EXPECT_EQ(entry.Code.value(), c.saved) << c.name;
        EXPECT_EQ(entry.CodeLen, std::string_view(c.saved).size()) << c.name;
    }
}

TEST(FiveToneCodes, ASaveLeavesTheBytesOfAShortCodeAlone) {
    Tone5Code entry;
    entry.Code = FixStr<40>::NulText();
    entry.CodeLen = 3;
    const auto before = entry.Code;
    SaveListCode(entry, "12345");
    EXPECT_EQ(entry.Code, before);
    EXPECT_EQ(entry.CodeLen, 0) << "the length is the stored code's";
}

TEST(FiveToneCodes, PTTIDCodesAreWrittenWithRepeatTones) {
    struct Case { const char* box; const char* ownID; const char* saved; };
    const Case cases[] = {
        {"1122", "12345", "1E2E"},
        {"12", "12345", "12"},
        {"", "12345", ""},
        {"E612345", "12345", "E612345"},
        {"1234567890", "67890", "1234567890"},
    };
    for (const auto& c : cases) {
        Tone5Code code = CodeOf("99999");
        SavePTTIDCode(code, c.box, c.ownID);
        EXPECT_EQ(code.Code.value(), c.saved) << c.box;
        EXPECT_EQ(code.CodeLen, std::string_view(c.saved).size()) << c.box;
    }
}

TEST(FiveToneCodes, AnOwnIDChangeRewritesTheCodesThatCarryTheOldOne) {
    Tone5Data block;
    struct Case { const char* name; const char* code; const char* rewritten; };
    const Case cases[] = {
        {"ANI with the old ID written with repeats", "12345E5678", "1234512345"},
        {"ANI with the old ID raw", "1234555678", "1234512345"},
        {"ANI with repeats in the called ID", "1E1E1B55678", "11111B12345"},
        {"ANI placeholder", "12345SelfID", "1234512345"},
        {"ANI placeholder with separator", "12345CSelfID", "1234512345"},
        {"E2", "E2", "E212345"},
        {"E6 with the old ID", "E655678", "E612345"},
        {"ANI with another ID", "1234599999", "1234599999"},
        {"plain", "98765", "98765"},
        {"one character", "E", "E"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        block.Tone5List[static_cast<int>(i) + 1] = CodeOf(cases[i].code, 7);
    block.PTTIDBegin = CodeOf("E655678");
    block.PTTIDEnd = CodeOf("12345SelfID");

    UpdateSelfIDCode(block, "12345", "55678");

    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Tone5Code& entry = block.Tone5List[static_cast<int>(i) + 1];
        EXPECT_EQ(entry.Code.value(), cases[i].rewritten) << cases[i].name;
        EXPECT_EQ(entry.CodeLen, 7) << cases[i].name << ": the length is kept";
    }
    EXPECT_EQ(block.PTTIDBegin.Code.value(), "E612345");
    EXPECT_EQ(block.PTTIDEnd.Code.value(), "1234512345");
    EXPECT_EQ(block.Tone5List[100].Code.raw(), std::string(40, '\0')) << "a fresh entry is left alone";
}
