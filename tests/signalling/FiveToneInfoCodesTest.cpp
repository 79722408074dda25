// The decode codes: what a function allows, what the editor shows and
// stores, and the kill/stun/wake-up check.
#include <gtest/gtest.h>

#include "signalling/FiveToneInfoCodes.h"

namespace {

Tone5InfoCode Info(int function, std::string_view code, int response = 0) {
    Tone5InfoCode c;
    c.Func = static_cast<uint8_t>(function);
    c.Resp = static_cast<uint8_t>(response);
    c.Code = code;
    c.CodeLen = static_cast<uint8_t>(code.size());
    c.Name = "Unit";
    return c;
}

}  // namespace

TEST(FiveToneInfoCodes, EachFunctionSetsUpTheResponseAndTheName) {
    struct Case { int function; int responses; std::optional<int> response; bool responseEnabled; bool name; };
    const Case cases[] = {
        {0, 3, std::nullopt, true, false}, {1, 2, 0, true, true},    {2, 3, 0, false, true},
        {3, 3, 2, false, true},            {4, 3, 2, false, true},   {5, 3, 2, false, true},
        {6, 3, 0, false, false},           {7, 3, 0, false, true},   {-1, 3, std::nullopt, true, false},
    };
    for (const auto& c : cases) {
        const InfoFunctionRule rule = InfoFunctionRuleOf(c.function);
        EXPECT_EQ(rule.responses, c.responses) << c.function;
        EXPECT_EQ(rule.response, c.response) << c.function;
        EXPECT_EQ(rule.responseEnabled, c.responseEnabled) << c.function;
        EXPECT_EQ(rule.nameEnabled, c.name) << c.function;
    }
}

TEST(FiveToneInfoCodes, TheEditorShowsTheStoredEntry) {
    struct Case { const char* name; Tone5InfoCode entry; int function; int response; const char* code; const char* shownName; };
    Tone5InfoCode cut = Info(2, "12345");
    cut.CodeLen = 3;
    Tone5InfoCode none = Info(2, "12345");
    none.CodeLen = 0;
    Tone5InfoCode longer = Info(2, "123456789ABC");
    longer.CodeLen = 40;
    const Case cases[] = {
        {"stun keeps its stored response", Info(4, "99", 0), 4, 0, "99", "Unit"},
        {"function 0 shows no name", Info(0, "1", 2), 0, 2, "1", ""},
        {"function 6 shows no name", Info(6, "1"), 6, 0, "1", ""},
        {"function beyond the list", Info(9, "1", 1), 0, 1, "1", ""},
        {"response beyond the list", Info(2, "1", 5), 2, 0, "1", "Unit"},
        {"third response of a two-response function", Info(1, "1", 2), 1, 0, "1", "Unit"},
        {"code cut to its length", cut, 2, 0, "123", "Unit"},
        {"no code", none, 2, 0, "", "Unit"},
        {"a length beyond the field", longer, 2, 0, "123456789ABC", "Unit"},
    };
    for (const auto& c : cases) {
        const InfoCodeShown shown = ShowInfoCodeValues(c.entry);
        EXPECT_EQ(shown.function, c.function) << c.name;
        EXPECT_EQ(shown.response, c.response) << c.name;
        EXPECT_EQ(shown.code, c.code) << c.name;
        EXPECT_EQ(shown.name, c.shownName) << c.name;
    }
}

TEST(FiveToneInfoCodes, TheEditorStoresWhatItShows) {
    Tone5InfoCode entry = Info(0, "");
    SaveInfoCodeValues(entry, 4, 0, "1A2B", "Base  ");
    EXPECT_EQ(entry.Func, 4);
    EXPECT_EQ(entry.Resp, 0);
    EXPECT_EQ(entry.Code.raw(), "1A2B        ");
    EXPECT_EQ(entry.CodeLen, 4);
    EXPECT_EQ(entry.Name.raw(), "Base   ");
    SaveInfoCodeValues(entry, -1, -1, "", "");
    EXPECT_EQ(entry.Func, 0) << "a list without a selection stores its first item";
    EXPECT_EQ(entry.Resp, 0);
    EXPECT_EQ(entry.CodeLen, 0);
}

TEST(FiveToneInfoCodes, KillAndStunNeedAWakeUpAndCodesOfTheirOwn) {
    using Codes = BasedArray<Tone5InfoCode, kInfoCodes>;
    struct Case { const char* name; Codes codes; bool noWakeUp; bool conflict; };
    const auto with = [](std::initializer_list<std::pair<int, Tone5InfoCode>> set) {
        Codes c;
        for (int i = 1; i <= kInfoCodes; ++i) c[i] = Info(0, "");
        for (const auto& [i, code] : set) c[i] = code;
        return c;
    };
    const Case cases[] = {
        {"the defaults", with({}), false, false},
        {"kill with an empty code and nothing else", with({{1, Info(3, "")}}), true, true},
        {"earlier other function is not compared",
         with({{1, Info(1, "12345")}, {2, Info(3, "12345")}, {3, Info(5, "99")}}), false, false},
        {"later other function conflicts",
         with({{1, Info(3, "12345")}, {2, Info(1, "12345")}, {3, Info(5, "99")}}), false, true},
        {"stun and wake-up apart",
         with({{1, Info(4, "1"), }, {2, Info(5, "2")}, {3, Info(1, "3")}, {4, Info(0, "4")}, {5, Info(0, "5")},
               {6, Info(0, "6")}, {7, Info(0, "7")}, {8, Info(0, "8")}, {9, Info(0, "9")}, {10, Info(0, "A")},
               {11, Info(0, "B")}, {12, Info(0, "C")}, {13, Info(0, "D")}, {14, Info(0, "E")},
               {15, Info(0, "F")}, {16, Info(0, "10")}}),
         false, false},
        {"same code, same function", with({{1, Info(5, "")}, {2, Info(5, "")}, {3, Info(5, "")}, {4, Info(5, "")},
                                           {5, Info(5, "")}, {6, Info(5, "")}, {7, Info(5, "")}, {8, Info(5, "")},
                                           {9, Info(5, "")}, {10, Info(5, "")}, {11, Info(5, "")},
                                           {12, Info(5, "")}, {13, Info(5, "")}, {14, Info(5, "")},
                                           {15, Info(5, "")}, {16, Info(5, "")}}),
         false, false},
        {"wake-up as the last code", with({{16, Info(5, "")}}), false, false},
        {"kill against a later wake-up of the same code", with({{1, Info(3, "77")}, {16, Info(5, "77")}}), false,
         true},
    };
    for (const auto& c : cases) {
        const InfoCodeCheck check = CheckInfoCodes(c.codes);
        EXPECT_EQ(check.killWithoutWakeUp, c.noWakeUp) << c.name;
        EXPECT_EQ(check.conflict, c.conflict) << c.name;
        EXPECT_EQ(check.ok(), !c.noWakeUp && !c.conflict) << c.name;
    }
}
