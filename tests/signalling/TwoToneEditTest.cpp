// The two-tone dialog's rules: tone words and dividers, the tone limits of
// the boxes, how the header and the calls are shown and stored, and where
// Enter moves the cell editors.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ListItemsCase.h"
#include "ProgramSandbox.h"
#include "core/LangText.h"
#include "signalling/TwoToneEdit.h"
#include "signalling/TwoToneWords.h"

namespace {

std::array<uint8_t, 2> Bytes(const BigEndianWord& w) { return w.bytes; }

TEST(TwoToneWords, WordsDividersAndTexts) {
    struct Case {
        const char* text;
        int word;
        int entryDivider;
        int headerDivider;
        const char* cell;
        const char* decimal;
    };
    const Case cases[] = {
        {"321.7", 3217, 1865, 14920, "321.7", "321.7"},
        {"928.1", 9281, 646, 5171, "928.1", "928.1"},
        {"3116", 31160, 192, 1540, "3116.0", "3116"},
        {"288", 2880, 2083, 16666, "288.0", "288"},
        {"300", 3000, 2000, 16000, "300.0", "300"},  // divides exactly
        {"288.25", 2882, 2081, 16652, "288.3", "288.25"},  // the cell rounds a half up, the word to even
        {"288.35", 2884, 2080, 16646, "288.4", "288.35"},
        {"321.75", 3218, 1864, 14918, "321.8", "321.75"},
        {".5", 5, 1200000, 9600000, "0.5", "0.5"},
        {"1000.", 10000, 600, 4800, "1000.0", "1000"},
    };
    for (const auto& c : cases) {
        const auto tone = ToneHz::Read(c.text);
        ASSERT_TRUE(tone) << c.text;
        EXPECT_EQ(tone->Word(), c.word) << c.text;
        EXPECT_EQ(tone->EntryDivider(), c.entryDivider) << c.text;
        EXPECT_EQ(tone->HeaderDivider(), c.headerDivider) << c.text;
        EXPECT_EQ(tone->CellText(), c.cell) << c.text;
        EXPECT_EQ(tone->DecimalText(), c.decimal) << c.text;
    }
    for (const char* text : {"", ".", "1.2.3", "-5", "1e3", "12a"}) EXPECT_FALSE(ToneHz::Read(text)) << text;
    EXPECT_EQ(ToneHz::Read("0")->EntryDivider(), 0) << "no division by a zero tone";
    EXPECT_EQ(ToneWordText(3217), "321.7");
    EXPECT_EQ(ToneWordText(256), "25.6");
}

TEST(TwoToneEdit, ToneBoxLimits) {
    struct Case {
        const char* typed;
        const char* onLeave;
        const char* atOK;
    };
    const Case cases[] = {
        {"250", "288", "280"},     {"100", "288", "280"},     {"5000", "3116", "3116"},
        {"321.7", "321.7", "321.7"}, {"284.5", "288", "284.5"}, {"", "288", "2000"},
        {".", "288", "2000"},      {"1.2.3", "288", "2000"},  {"3116.01", "3116", "3116"},
        {"288.50", "288.5", "288.5"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToneBoxOnLeave(c.typed), c.onLeave) << c.typed;
        EXPECT_EQ(LimitToneBoxAtOK(c.typed), c.atOK) << c.typed;
    }
}

TEST(TwoToneEdit, ListsAndPairs) {
    ProgramSandbox sandbox;
    const ListItemsCase cases[] = {
        {0, 96, "0.5", "10.0"}, {2, 96, "0.5", "10.0"}, {3, 21, "0", "2000"}, {4, 251, "0.0", "25.0"},
    };
    for (const auto& c : cases) ExpectListItems(TwoToneTimeItems(c.list), c);
    EXPECT_EQ(TwoToneTimeItems(0)[5], "1.0");
    EXPECT_EQ(TwoToneTimeItems(3)[10], "1000");
    EXPECT_EQ(DecodeResponseItems(), (std::vector<std::string>{GetOptionText(60057), GetOptionText(60058),
                                                               GetOptionText(60059)}));
    EXPECT_FALSE(GetOptionText(60057).empty());

    using Boxes = std::array<bool, kToneBoxes>;
    EXPECT_EQ(DecodePairBoxes(0), (Boxes{true, true, false, false}));    // A-B
    EXPECT_EQ(DecodePairBoxes(9), (Boxes{true, false, false, true}));    // D-A
    EXPECT_EQ(DecodePairBoxes(11), (Boxes{false, false, true, true}));   // D-C
    EXPECT_EQ(DecodePairBoxes(13), (Boxes{false, true, false, false}));  // Long B
    EXPECT_EQ(DecodePairBoxes(15), (Boxes{}));
    EXPECT_EQ(DecodePairBoxes(-1), (Boxes{}));
    EXPECT_EQ(kDecodePairs[14].item, "Long C");
}

Tone2Head DefaultHead() {
    Tone2Head h;
    h.DecPair = 0;
    h.ToneA.set(3217);
    h.ToneB.set(9281);
    h.ToneC.set(6265);
    h.ToneD.set(20438);
    h.Time20 = 5;
    h.Time21 = 5;
    h.Time22 = 10;
    return h;
}

TEST(TwoToneEdit, ShowingTheHeader) {
    struct Case {
        const char* name;
        std::function<void(Tone2Head&)> set;
        std::function<int(const TwoToneHeadControls&)> shown;
        int expected;
    };
    const Case cases[] = {
        {"duration 1 of 0 shows 0.5", [](Tone2Head& h) { h.Time20 = 0; },
         [](const TwoToneHeadControls& c) { return c.times[0]; }, 0},
        {"duration 2 of 101 shows 0.5", [](Tone2Head& h) { h.Time21 = 101; },
         [](const TwoToneHeadControls& c) { return c.times[1]; }, 0},
        {"duration 3 of 200 shows 1.0", [](Tone2Head& h) { h.Time22 = 200; },
         [](const TwoToneHeadControls& c) { return c.times[2]; }, 5},
        {"duration 3 of 100 shows 10.0", [](Tone2Head& h) { h.Time22 = 100; },
         [](const TwoToneHeadControls& c) { return c.times[2]; }, 95},
        {"delay 21 shows 1000", [](Tone2Head& h) { h.Time23 = 21; },
         [](const TwoToneHeadControls& c) { return c.times[kTwoToneDelayList]; }, 10},
        {"reset 251 shows 0.0", [](Tone2Head& h) { h.Time9 = 251; },
         [](const TwoToneHeadControls& c) { return c.times[kTwoToneResetList]; }, 0},
        {"reset 250 shows 25.0", [](Tone2Head& h) { h.Time9 = 250; },
         [](const TwoToneHeadControls& c) { return c.times[kTwoToneResetList]; }, 250},
        {"pair 15 shows A-B", [](Tone2Head& h) { h.DecPair = 15; },
         [](const TwoToneHeadControls& c) { return c.pair; }, 0},
        {"pair 13 is Long B", [](Tone2Head& h) { h.DecPair = 13; },
         [](const TwoToneHeadControls& c) { return c.pair; }, 13},
        {"decode response 3 shows item 0", [](Tone2Head& h) { h.DecodeResp = 3; },
         [](const TwoToneHeadControls& c) { return c.decodeResp; }, 0},
        {"side tone 1", [](Tone2Head& h) { h.SideTone = 1; },
         [](const TwoToneHeadControls& c) { return c.sideTone; }, 1},
    };
    for (const auto& c : cases) {
        Tone2Head h = DefaultHead();
        c.set(h);
        const Tone2Head before = h;
        EXPECT_EQ(c.shown(ShowTwoToneHead(h)), c.expected) << c.name;
        EXPECT_EQ(h, before) << c.name << ": the field keeps its value";
    }

    Tone2Head h = DefaultHead();
    h.SideTone = 2;
    EXPECT_EQ(ShowTwoToneHead(h).sideTone, 0);
    EXPECT_EQ(h.SideTone, 0) << "a side tone above 1 is replaced";
}

TEST(TwoToneEdit, ToneDefaultsReplaceTonesWithoutAHighByte) {
    struct Case {
        const char* name;
        std::array<uint8_t, 2> stored;  // low, high
        std::array<uint8_t, 2> kept;
        const char* shown;
    };
    const Case cases[] = {
        {"zero", {0, 0}, {145, 12}, "321.7"},
        {"erased", {0xFF, 0xFF}, {145, 12}, "321.7"},
        {"high byte 255", {7, 255}, {145, 12}, "321.7"},
        {"high byte 1", {0, 1}, {0, 1}, "25.6"},
        {"a tone of its own", {0x91, 0x0C}, {0x91, 0x0C}, "321.7"},
    };
    for (const auto& c : cases) {
        Tone2Head h = DefaultHead();
        h.ToneA.bytes = c.stored;
        EXPECT_EQ(ShowTwoToneHead(h).tones[0], c.shown) << c.name;
        EXPECT_EQ(h.ToneA.bytes, c.kept) << c.name;
    }
    Tone2Head h = DefaultHead();
    h.ToneB.set(0);
    h.ToneC.set(0);
    h.ToneD.bytes = {1, 0xFF};
    const auto shown = ShowTwoToneHead(h);
    EXPECT_EQ(shown.tones, (std::array<std::string, 4>{"321.7", "928.1", "626.5", "2043.8"}));
    EXPECT_EQ(h.ToneB.bytes, (std::array<uint8_t, 2>{65, 36}));
    EXPECT_EQ(h.ToneC.bytes, (std::array<uint8_t, 2>{121, 24}));
    EXPECT_EQ(h.ToneD.bytes, (std::array<uint8_t, 2>{214, 79}));
}

TEST(TwoToneEdit, OKWritesTheHeaderBytes) {
    Tone2Head h = DefaultHead();
    TwoToneHeadControls c = ShowTwoToneHead(h);
    StoreTwoToneHead(c, h);
    EXPECT_EQ(Bytes(h.DecTone1), (std::array<uint8_t, 2>{0x0C, 0x91}));  // 3217
    EXPECT_EQ(Bytes(h.DecTone2), (std::array<uint8_t, 2>{0x24, 0x41}));  // 9281
    EXPECT_EQ(Bytes(h.DecDiv1), (std::array<uint8_t, 2>{0x3A, 0x48}));   // 14920
    EXPECT_EQ(Bytes(h.DecDiv2), (std::array<uint8_t, 2>{0x14, 0x33}));   // 5171
    EXPECT_EQ(h.ToneA.bytes, (std::array<uint8_t, 2>{0x91, 0x0C}));     // low byte first
    EXPECT_EQ(h.ToneD.value(), 20438);

    c.pair = 13;  // Long B
    StoreTwoToneHead(c, h);
    EXPECT_EQ(h.DecPair, 13);
    EXPECT_EQ(h.DecTone1.value(), 9281);
    EXPECT_EQ(h.DecDiv1.value(), 5171);
    EXPECT_EQ(Bytes(h.DecTone2), (std::array<uint8_t, 2>{0, 0}));
    EXPECT_EQ(Bytes(h.DecDiv2), (std::array<uint8_t, 2>{0, 0}));

    // A stored tone the user never touches is limited at OK: 250 Hz to 280.
    c.pair = 0;
    c.tones[0] = "250";
    c.tones[2] = "";
    StoreTwoToneHead(c, h);
    EXPECT_EQ(c.tones[0], "280");
    EXPECT_EQ(c.tones[2], "2000");
    EXPECT_EQ(h.ToneA.value(), 2800);
    EXPECT_EQ(h.ToneC.value(), 20000);
    EXPECT_EQ(h.DecTone1.value(), 2800);
    EXPECT_EQ(h.DecDiv1.value(), 17142);
}

TEST(TwoToneEdit, OKStoresTheFallbackItemOfAValueOutsideItsList) {
    Tone2Head h = DefaultHead();
    h.Time20 = 0;
    h.Time22 = 200;
    h.Time23 = 21;
    h.Time9 = 251;
    h.DecodeResp = 7;
    h.SideTone = 3;
    h.DecPair = 40;
    TwoToneHeadControls c = ShowTwoToneHead(h);
    StoreTwoToneHead(c, h);
    EXPECT_EQ(h.Time20, 5);
    EXPECT_EQ(h.Time21, 5);
    EXPECT_EQ(h.Time22, 10);
    EXPECT_EQ(h.Time23, 10);
    EXPECT_EQ(h.Time9, 0);
    EXPECT_EQ(h.DecodeResp, 0);
    EXPECT_EQ(h.SideTone, 0);
    EXPECT_EQ(h.DecPair, 0);
}

Tone2Item UsedItem(int tone1, int div1, int tone2, int div2, std::string_view name) {
    Tone2Item item;
    item.EmptyFlag = 0;
    item.Tone1.set(tone1);
    item.Div1.set(div1);
    item.Tone2.set(tone2);
    item.Div2.set(div2);
    item.Name = name;
    return item;
}

TEST(TwoToneEdit, RowsShowCallsInUse) {
    EXPECT_EQ(TwoToneRowOf(UsedItem(3217, 14920, 9281, 5172, "")), (TwoToneRow{"321.7", "928.1", ""}));
    EXPECT_EQ(TwoToneRowOf(UsedItem(3217, 1865, 9281, 0, "BASE")), (TwoToneRow{"321.7", "", "BASE"}));
    EXPECT_EQ(TwoToneRowOf(UsedItem(3217, 0, 9281, 646, "BASE")), TwoToneRow{}) << "the divider decides";
    Tone2Item empty = UsedItem(3217, 1865, 9281, 646, "BASE");
    empty.EmptyFlag = 1;
    EXPECT_EQ(TwoToneRowOf(empty), TwoToneRow{});
}

TEST(TwoToneEdit, CommittingACell) {
    struct Case {
        const char* name;
        int col;
        const char* text;
        TwoToneRow row;
        std::function<void(const Tone2Item&)> check;
    };
    const Case cases[] = {
        {"a first tone above the limit", kFirstToneCol, "5000", {"3116.0", "928.1", "BASE"},
         [](const Tone2Item& i) {
             EXPECT_EQ(Bytes(i.Tone1), (std::array<uint8_t, 2>{0x79, 0xB8}));
             EXPECT_EQ(Bytes(i.Div1), (std::array<uint8_t, 2>{0x00, 0xC0}));
             EXPECT_EQ(i.EmptyFlag, 0);
         }},
        {"a first tone below it", kFirstToneCol, "100", {"288.0", "928.1", "BASE"},
         [](const Tone2Item& i) {
             EXPECT_EQ(i.Tone1.value(), 2880);
             EXPECT_EQ(i.Div1.value(), 2083);
         }},
        {"a half rounds up in the cell, to even in the word", kFirstToneCol, "288.25", {"288.3", "928.1", "BASE"},
         [](const Tone2Item& i) { EXPECT_EQ(i.Tone1.value(), 2882); }},
        {"a lone point empties the call", kFirstToneCol, ".", {"", "", ""},
         [](const Tone2Item& i) {
             EXPECT_EQ(i.EmptyFlag, 1);
             for (const auto* w : {&i.Div1, &i.Div2, &i.Tone1, &i.Tone2}) EXPECT_EQ(w->value(), 0);
             EXPECT_EQ(i.Name.raw(), std::string(7, ' '));
         }},
        {"an empty second tone removes it", kSecondToneCol, "", {"321.7", "", "BASE"},
         [](const Tone2Item& i) {
             EXPECT_EQ(i.Div2.value(), 0);
             EXPECT_EQ(i.Tone2.value(), 0);
             EXPECT_EQ(i.Tone1.value(), 3217);
             EXPECT_EQ(i.Name.value(), "BASE");
         }},
        {"a second tone", kSecondToneCol, "1000", {"321.7", "1000.0", "BASE"},
         [](const Tone2Item& i) {
             EXPECT_EQ(i.Div2.value(), 600);
             EXPECT_EQ(i.Tone2.value(), 10000);
         }},
        {"a name fills the field", kNameCol, "ABCDEFG", {"321.7", "928.1", "ABCDEFG"},
         [](const Tone2Item& i) { EXPECT_EQ(i.Name.raw(), "ABCDEFG"); }},
        {"a name is trimmed and blank-padded", kNameCol, "AB  ", {"321.7", "928.1", "AB"},
         [](const Tone2Item& i) { EXPECT_EQ(i.Name.raw(), "AB     "); }},
    };
    for (const auto& c : cases) {
        Tone2Item item = UsedItem(3217, 1865, 9281, 646, "BASE");
        TwoToneRow row = TwoToneRowOf(item);
        CommitTwoToneCell(item, row, c.col, c.text);
        EXPECT_EQ(row, c.row) << c.name;
        SCOPED_TRACE(c.name);
        c.check(item);
    }

    Tone2Item empty;
    empty.EmptyFlag = 1;
    TwoToneRow row;
    CommitTwoToneCell(empty, row, kFirstToneCol, "1000");
    EXPECT_EQ(row, (TwoToneRow{"1000.0", "", ""}));
    EXPECT_EQ(empty.EmptyFlag, 0) << "a first tone puts the call in use";
}

TEST(TwoToneEdit, CellNavigation) {
    EXPECT_EQ(NextCallRow(1), 2);
    EXPECT_EQ(NextCallRow(23), 24);
    EXPECT_EQ(NextCallRow(24), 1);

    struct Enter {
        const char* name;
        int row;
        int col;
        bool empty;
        CellMove move;
    };
    const Enter tone[] = {
        {"a typed first tone goes on to the second", 5, 1, false, {true, 5, 2}},
        {"an empty first tone goes down", 5, 1, true, {false, 6, 1}},
        {"an empty first tone on the last row wraps", 24, 1, true, {false, 1, 1}},
        {"a second tone goes on to the name", 5, 2, false, {false, 5, 3}},
        {"an empty second tone goes on to the name", 24, 2, true, {false, 24, 3}},
    };
    for (const auto& e : tone) EXPECT_EQ(ToneEditorEnter(e.row, e.col, e.empty), e.move) << e.name;
    EXPECT_EQ(NameEditorEnter(7), (CellMove{false, 8, 1}));
    EXPECT_EQ(NameEditorEnter(24), (CellMove{false, 1, 1}));

    struct Open {
        int col;
        bool firstEmpty;
        bool justTyped;
        bool instead;
    };
    const Open opens[] = {
        {1, true, false, false}, {2, true, false, true}, {3, true, false, true}, {3, true, true, false},
        {2, false, false, false}, {3, false, false, false},
    };
    for (const auto& o : opens)
        EXPECT_EQ(OpensFirstToneInstead(o.col, o.firstEmpty, o.justTyped), o.instead)
            << o.col << " " << o.firstEmpty << " " << o.justTyped;
}

TEST(TwoToneEdit, EditorCharacters) {
    for (char16_t c : {u'0', u'9', u'.'}) EXPECT_EQ(ToneChar(c), c);
    for (char16_t c : {u'-', u'e', u' ', u',', u'\u00bd'}) EXPECT_FALSE(ToneChar(c)) << int(c);
    for (char16_t c : {u'A', u'z', u' ', u'!', u'}', u'/'}) EXPECT_EQ(CallNameChar(c), c);
    for (char16_t c : {u'\\', u'~', u'\u00e9', u'\u5173', u'\x7f'}) EXPECT_FALSE(CallNameChar(c)) << int(c);
}

}  // namespace
