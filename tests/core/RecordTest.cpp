#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "core/SharedState.h"

using namespace std::string_literals;

TEST(FixStr, ValueDropsTrailingBlanksThenCutsAtNul) {
    struct Case { const char* name; std::string stored; std::string value; };
    const Case cases[] = {
        {"fresh: all NUL", "\0\0\0\0\0\0\0"s, ""},
        {"NUL text", "\0      "s, ""},
        {"only blanks", "       ", ""},
        {"padded", "AB     ", "AB"},
        {"inner blank kept", "A B    ", "A B"},
        {"cut at the first NUL", "AB\0CD  "s, "AB"},
        {"leading blank kept", "  AB   ", "  AB"},
        {"full", "ABCDEFG", "ABCDEFG"},
    };
    for (const auto& c : cases) {
        FixStr<7> f;
        for (std::size_t i = 0; i < 7; ++i) f.bytes[i] = static_cast<uint8_t>(c.stored[i]);
        EXPECT_EQ(f.value(), c.value) << c.name;
    }
}

TEST(FixStr, AssignmentPadsWithBlanksAndCuts) {
    FixStr<5> f;
    f = "AB";
    EXPECT_EQ(f.raw(), "AB   ");
    f = "ABCDEFG";
    EXPECT_EQ(f.raw(), "ABCDE");
    f = "";
    EXPECT_EQ(f.raw(), "     ");
    EXPECT_EQ(FixStr<5>::NulText().raw(), "\0    "s);
    EXPECT_EQ(FixStr<5>::Of("\xE9"), FixStr<5>::Of("\xE9    "));  // Latin-1 bytes pass through
    EXPECT_NE(FixStr<5>::Of(""), FixStr<5>{});                    // blanks are not NULs
}

TEST(FixStr, TypedTextIsEndedByOneNulThenBlanks) {
    struct Case {
        const char* name;
        std::string text;
        std::string raw;
    };
    const Case cases[] = {
        {"empty: the NUL text", "", "\0    "s},
        {"shorter", "AB", "AB\0  "s},
        {"one short", "ABCD", "ABCD\0"s},
        {"fills the field: no NUL", "ABCDE", "ABCDE"},
        {"longer: cut", "ABCDEFG", "ABCDE"},
    };
    for (const auto& c : cases) {
        FixStr<5> f = FixStr<5>::Of("zzzzz");
        f.SetNulEnded(c.text);
        EXPECT_EQ(f.raw(), c.raw) << c.name;
        EXPECT_EQ(f.value(), c.text.substr(0, 5)) << c.name;
    }
    EXPECT_EQ(FixStr<5>{}.SetNulEnded(""), FixStr<5>::NulText());
}

TEST(BasedArray, ReachedOnlyByTheListsOwnNumbers) {
    Tone2Data t;
    t.Tone2List[1].EmptyFlag = 7;
    t.Tone2List[24].EmptyFlag = 9;
    EXPECT_EQ(t.Tone2List.items.front().EmptyFlag, 7);
    EXPECT_EQ(t.Tone2List.items.back().EmptyFlag, 9);
    EXPECT_THROW(t.Tone2List[0], std::out_of_range);
    EXPECT_THROW(t.Tone2List[25], std::out_of_range);
    HyperData h;
    EXPECT_NO_THROW(h.HCH[6]);
    EXPECT_NO_THROW(h.HCH[11]);
    EXPECT_THROW(h.HCH[5], std::out_of_range);
}

TEST(Words, ByteOrderAsTheRadioKeepsIt) {
    BigEndianWord be;
    be.set(14920);
    EXPECT_EQ(be.bytes, (std::array<uint8_t, 2>{0x3A, 0x48}));
    EXPECT_EQ(be.value(), 14920);
    LittleEndianWord le;
    le.set(20438);
    EXPECT_EQ(le.bytes, (std::array<uint8_t, 2>{0xD6, 0x4F}));
    EXPECT_EQ(le.value(), 20438);
}

TEST(SharedState, FreshRecordsHoldNulTextsAndZeros) {
    CurData.CHCount = 5;
    CurData.Note[3] = "AB";
    UFreList[10].RxFre = "043000000";
    CHClipBoard.UsedFlag = 1;
    SpecialCallTarget = SpecialTarget::PTTIDEnd;
    ResetSharedState();
    EXPECT_EQ(SpecialCallTarget, SpecialTarget::ListEntry);
    EXPECT_EQ(CurData, RadioData{});
    EXPECT_EQ(UFreList[10], UFreData{});
    EXPECT_EQ(CHClipBoard, UFreData{});
    const UFreData fresh;
    EXPECT_EQ(fresh.RxFre.raw(), std::string(9, '\0'));
    EXPECT_EQ(fresh.CHName.raw(), std::string(7, '\0'));
    EXPECT_EQ(fresh.UserCTCSS, 0);
    EXPECT_EQ(CurData.FunSet.Tone5.Tone5List[100].Code.raw(), std::string(40, '\0'));
    EXPECT_EQ(CurData.FunSet.Tone2.Tone2Set.DecDiv1.value(), 0);
}
