#include <gtest/gtest.h>

#include "core/ToneCodec.h"

using namespace std::string_literals;

TEST(ToneCodec, CTCSSTableAndUserTone) {
    EXPECT_EQ(CTCSSTones.front(), "62.5");
    EXPECT_EQ(CTCSSTones[CTCSSDefaultIndex], "127.3");
    EXPECT_EQ(CTCSSTones.back(), "254.1");

    struct Case { const char* in; const char* out; };
    const Case cases[] = {
        {"62.5", "62.5"},   {"254.1", "254.1"},   {"254.10", "254.1"},  // both edges kept
        {"254.2", "151.1"}, {"62.4", "151.1"},
        {"254.14", "151.1"},  // above the top although it would round to it
        {"62.45", "151.1"},
        {"100", "100.0"},   {"88.5", "88.5"},     {" 100 ", "100.0"},
        {"100.05", "100.0"}, {"100.15", "100.2"},  // halves to even
        {"", "151.1"},      {"abc", "151.1"},     {"-100", "151.1"},    {"1e2", "151.1"},
    };
    for (const auto& c : cases) EXPECT_EQ(CheckCTCSSText(c.in), c.out) << '"' << c.in << '"';
}

TEST(ToneCodec, DCSCodeAndKey) {
    EXPECT_EQ(DCSText(19, 0), "D023N");
    EXPECT_EQ(DCSText(492, 1), "D754I");
    EXPECT_EQ(DCSText(0, 0), "D000N");
    EXPECT_EQ(DCSText(511, 1), "D777I");
    EXPECT_EQ(DCSKey(19, 1), 531);
    EXPECT_EQ(DCSKeyCode(531), 19);
    EXPECT_EQ(DCSKeyInvert(531), 1);
    EXPECT_EQ(DCSKey(511, 1), 1023);
}

TEST(ToneCodec, DTMFStarAndHash) {
    EXPECT_EQ(CodeToDTMF("12E4FABCD"), "12*4#ABCD");
    EXPECT_EQ(CodeToDTMF("ef"), "ef");  // lower case is not mapped
    EXPECT_EQ(DTMFToCode("*0#"), "E0F");
    EXPECT_EQ(DTMFToCode(CodeToDTMF("0123456789ABCDEF")), "0123456789ABCDEF");
}

TEST(ToneCodec, AddRepeatToneKeepsSeparatorOfElevenCharacterCodes) {
    struct Case { const char* name; const char* in; const char* out; };
    const Case cases[] = {
        {"pairs", "11223", "1E2E3"},
        {"third follows an E", "111", "1E1"},
        {"empty", "", ""},
        {"11 chars: 6 and 7 copied", "12345AA2345", "12345AA2345"},
        {"11 chars: 6 equal to 5 copied", "12345567890", "12345567890"},
        {"10 chars: no exception", "1234556789", "12345E6789"},
        {"12 chars: no exception", "12345AA23456", "12345AE23456"},
    };
    for (const auto& c : cases) EXPECT_EQ(AddRepeatTone(c.in), c.out) << c.name;
}

TEST(ToneCodec, AddRepeatToneExContinuesFromPreviousTone) {
    struct Case { const char* name; std::string code; const char* previous; const char* out; };
    const Case cases[] = {
        {"no previous", "111", "X", "1E1"},
        {"no previous, four", "5555", "X", "5E5E"},
        {"previous differs", "2345", "1", "2345"},
        {"previous repeats", "1234", "1", "E234"},
        {"previous 3", "345", "3", "E45"},
        {"empty code", "", "1", ""},
        {"trimmed first", "11   ", "X", "1E"},
        {"cut at NUL", "11\0 99"s, "X", "1E"},
        {"empty previous is none", "111", "", "1E1"},
        {"data call: message copied", "E111111E4142", "X", "E1E1E1EE4142"},
        {"data call: repeats in ID only", "E122222E4444", "X", "E12E2E2E4444"},
        {"no 11-character exception", "12345AA2345", "X", "12345AE2345"},
    };
    for (const auto& c : cases) EXPECT_EQ(AddRepeatToneEx(c.code, c.previous), c.out) << c.name;
}

TEST(ToneCodec, SelfIDCodeForms) {
    struct Case { const char* name; const char* code; const char* ownID; bool is; };
    const Case cases[] = {
        {"placeholder after 5", "12345SelfID", "", true},
        {"placeholder after 6, not a separator", "123456SelfID", "67890", false},
        {"placeholder after separator", "12345ASelfID", "", true},
        {"placeholder after lower-case separator", "12345fSelfID", "", true},
        {"placeholder too short", "1234SelfID", "", false},
        {"raw ID after separator", "12345A67890", "67890", true},
        {"raw ID after 5", "1234567890", "67890", true},
        {"too short", "123456789", "56789", false},
        {"ID in repeat form", "123455E678", "55678", true},
        {"ID continuing the call", "12345E5678", "55678", true},
        {"own ID not five long", "1234567890", "7890", false},
        {"ends in another ID", "1234567890", "12345", false},
        {"11 without separator", "12345667890", "67890", false},
        {"12 characters", "12345AB67890", "67890", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsSelfIDCode(c.code, c.ownID), c.is) << c.name;
}

TEST(ToneCodec, Encode5ToneCodeIsStable) {
    struct Case { const char* code; const char* ownID; const char* out; };
    const Case cases[] = {
        {"11111", "22222", "1E1E1"},
        {"11", "22222", "1E"},
        {"1122", "22222", "1E2E"},
        {"1234555678", "55678", "12345E5678"},
        {"12345SelfID", "67890", "12345SelfID"},
        {"12345A11111", "11111", "12345A1E1E1"},  // separator and first ID digit kept
    };
    for (const auto& c : cases) {
        const std::string once = Encode5ToneCode(c.code, c.ownID);
        EXPECT_EQ(once, c.out) << c.code;
        EXPECT_EQ(Encode5ToneCode(once, c.ownID), once) << c.code << " coded twice";
    }
}
