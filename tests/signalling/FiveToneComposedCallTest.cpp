// The special-call composer's rules: what its boxes take, the separator list
// against the stored separator, and the codes composed for a list entry and
// for a PTT-ID code box.
#include <gtest/gtest.h>

#include "core/SignallingRecords.h"
#include "signalling/FiveToneComposedCall.h"

namespace {

std::string Kept(std::optional<char16_t> (*rule)(char16_t), std::u16string_view typed) {
    std::string kept;
    for (char16_t c : typed)
        if (const auto k = rule(c)) kept += static_cast<char>(*k);
    return kept;
}

}  // namespace

TEST(FiveToneComposedCall, BoxesKeepTheirCharacters) {
    EXPECT_EQ(Kept(&CalledIDChar, u"0a9AbB-Z\u00e9 "), "0A9A");
    EXPECT_EQ(Kept(&MessageChar, u"aZ09 -.\u00e9~"), "AZ09");
    EXPECT_TRUE(IsCalledIDComplete("12345"));
    EXPECT_FALSE(IsCalledIDComplete("1234"));
}

TEST(FiveToneComposedCall, SeparatorListFollowsTheStoredSeparator) {
    struct Case { int16_t stored; int item; };
    const Case cases[] = {{10, 1}, {13, 4}, {15, 6}, {0, 0}, {9, 0}, {16, 0}, {-1, 0}};
    for (const auto& c : cases) EXPECT_EQ(SeparatorItemOf(c.stored), c.item) << c.stored;
    EXPECT_EQ(SepCodeOfItem(0), 0);
    EXPECT_EQ(SepCodeOfItem(2), 11);
    EXPECT_EQ(SepCodeOfItem(6), 15);
    EXPECT_EQ(SepCodeOfItem(-1), 0) << "no selection stores no separator";
    EXPECT_EQ(SeparatorLetterOf(2), "B");
    EXPECT_EQ(SeparatorLetterOf(0), "");
}

TEST(FiveToneComposedCall, ListCallsKeepThePlaceholderAndShowAReadableCell) {
    struct Case {
        const char* name;
        SpecialCallInput in;
        const char* code;
        const char* cell;
        const char* stored;
        int codeLen;
    };
    const Case cases[] = {
        {"ANI with separator", {SpecialCallType::ANI, "12345", "B", ""}, "12345BSelfID", "12345B", "12345BSelfID", 12},
        {"ANI without", {SpecialCallType::ANI, "12345", "", ""}, "12345SelfID", "12345", "12345SelfID", 11},
        {"data call: the repeat rule stops at the message",
         {SpecialCallType::DataCall, "12345", "", "AB"}, "E112345E4142", "12345 MSG:AB", "E1E2345E4142", 12},
        {"data call without a message", {SpecialCallType::DataCall, "11111", "", ""}, "E111111E", "11111 MSG:",
         "E1E1E1EE", 8},
        {"PTT-ID", {SpecialCallType::PTTID, "ignored", "A", "X"}, "E6SelfID", "", "E6SelfID", 8},
    };
    for (const auto& c : cases) {
        const ComposedListCall call = ComposeListCall(c.in, "MSG:");
        EXPECT_EQ(call.code, c.code) << c.name;
        EXPECT_EQ(call.cell, c.cell) << c.name;
        Tone5Code entry;
        entry.EmptyFlag = 1;
        entry.Standard = 6;
        entry.TonePeriod = 80;
        entry.Name = "Kept";
        StoreListCall(entry, c.in.type, call.code, "67890");
        EXPECT_EQ(entry.Code.value(), c.stored) << c.name;
        EXPECT_EQ(entry.CodeLen, c.codeLen) << c.name;
        EXPECT_EQ(entry.EmptyFlag, 0) << c.name;
        EXPECT_EQ(entry.Standard, 6) << c.name;
        EXPECT_EQ(entry.TonePeriod, 80) << c.name;
        EXPECT_EQ(entry.Name.value(), "Kept") << c.name;
    }
}

TEST(FiveToneComposedCall, ALongestMessageFillsTheCodeField) {
    const SpecialCallInput in{SpecialCallType::DataCall, "12345", "", "ABCDEFGHIJKLMNOP"};
    const ComposedListCall call = ComposeListCall(in, "MSG:");
    ASSERT_EQ(call.code.size(), 40u);
    Tone5Code entry;
    StoreListCall(entry, in.type, call.code, "67890");
    EXPECT_EQ(entry.CodeLen, 40);
    EXPECT_EQ(entry.Code.value(), "E1E2345E4142434445464748494A4B4C4D4E4F50");
}

TEST(FiveToneComposedCall, BoxCallsCarryTheOwnIDInTheirStoredForm) {
    struct Case { const char* name; SpecialCallInput in; const char* own; const char* box; };
    const Case cases[] = {
        {"ANI, nothing repeats", {SpecialCallType::ANI, "12345", "", ""}, "67890", "1234567890"},
        {"ANI with separator", {SpecialCallType::ANI, "12345", "C", ""}, "67890", "12345C67890"},
        {"ANI, repeats written", {SpecialCallType::ANI, "11234", "", ""}, "55678", "1E2345E678"},
        {"PTT-ID", {SpecialCallType::PTTID, "", "", ""}, "67788", "E6E7E8E"},
        {"data call", {SpecialCallType::DataCall, "12345", "", "AB"}, "67890", "E1E2345E4142"},
    };
    for (const auto& c : cases) EXPECT_EQ(ComposeBoxCall(c.in, c.own), c.box) << c.name;
}
