// The DTMF dialog's rules: its lists, how a block is shown and corrected,
// what the commit stores, the boxes' characters, the separator and own-ID
// rewrites, the kill/stun check and the composer's codes.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ListItemsCase.h"
#include "ProgramSandbox.h"
#include "core/Defaults.h"
#include "core/LangText.h"
#include "core/SharedState.h"
#include "signalling/DTMFEdit.h"

namespace {

std::string T(int id) { return GetLangText(static_cast<int16_t>(id)); }

DTMFData DefaultBlock() {
    ResetSharedState();
    InitDTMFData();
    return CurData.FunSet.DTMF;
}

TEST(DTMFEdit, ListsAndCaptions) {
    ProgramSandbox sandbox;
    const ListItemsCase cases[] = {
        {kMemoryList, 16, "M1", "M16"},
        {kANIList, 2, T(1755), T(1756)},
        {kSendTimeList, 7, "30" + T(1780), "250" + T(1780)},
        {kPTTIDModeList, 4, T(1755), T(4082)},
        {kOwnIDRow, 7, "\xE5\x85\xB3", "#"},
        {kSeparatorList, 6, "A", "#"},
        {kGroupList, 7, T(1755), "#"},
        {kDecodeRespList, 3, T(1650), T(1653)},
        {kFirstDelayList, 251, "0", "2500"},
        {kPreDelayList, 5, "100", "1000"},
        {kResetTimeList, 251, "0.0", "25.0"},
        {kPostDelayList, 250, "10", "2500"},
        {kPauseTimeList, 72, T(1755), "75"},
    };
    for (const auto& c : cases) ExpectListItems(DTMFListItems(c.list), c);
    EXPECT_EQ(DTMFListItems(kResetTimeList)[25], "2.5");
    EXPECT_EQ(DTMFListItems(kPauseTimeList)[1], "5");
    EXPECT_EQ(DTMFListItems(kDecodeRespList)[1], T(1651));

    const int captions[] = {1710, 1620, 1621, 1622, 3002, 1604, 1605, 1606, 1607, 1608, 1609, 1610, 1611};
    for (int list = 0; list < kDTMFLists; ++list) EXPECT_EQ(DTMFListCaptionId(list), captions[list]) << list;
    for (int box : {0, 15, kBeginCodeBox, kEndCodeBox}) EXPECT_EQ(DTMFCodeBoxLimit(box), 24) << box;
    for (int box : {kKillCodeBox, kStunCodeBox}) EXPECT_EQ(DTMFCodeBoxLimit(box), 14) << box;
}

// A field set out of range: what its list shows and what the block keeps.
struct ShowCase {
    const char* name;
    std::function<void(DTMFData&)> set;
    int list;  // -1: the side tone
    int shown;
    std::function<int(const DTMFData&)> field;
    int kept;
};

TEST(DTMFEdit, ShowingCorrectsWhatTheListsCannotShow) {
    const ShowCase cases[] = {
        {"ANI 2 is corrected", [](DTMFData& d) { d.DTMFANI = 2; }, kANIList, 0,
         [](const DTMFData& d) { return d.DTMFANI; }, 0},
        {"send time 7 is corrected", [](DTMFData& d) { d.DTMFSendTime = 7; }, kSendTimeList, 0,
         [](const DTMFData& d) { return d.DTMFSendTime; }, 0},
        {"PTT-ID mode 4 is corrected", [](DTMFData& d) { d.PTTIDMode = 4; }, kPTTIDModeList, 0,
         [](const DTMFData& d) { return d.PTTIDMode; }, 0},
        {"separator 0 becomes *", [](DTMFData& d) { d.DTMFSepCode = 0; }, kSeparatorList, 4,
         [](const DTMFData& d) { return d.DTMFSepCode; }, 14},
        {"separator 15 is #", [](DTMFData& d) { d.DTMFSepCode = 15; }, kSeparatorList, 5,
         [](const DTMFData& d) { return d.DTMFSepCode; }, 15},
        {"group off stays off", [](DTMFData& d) { d.DTMFGroupCode = 255; }, kGroupList, 0,
         [](const DTMFData& d) { return d.DTMFGroupCode; }, 255},
        {"group 9 becomes off", [](DTMFData& d) { d.DTMFGroupCode = 9; }, kGroupList, 0,
         [](const DTMFData& d) { return d.DTMFGroupCode; }, 255},
        {"group 16 becomes off", [](DTMFData& d) { d.DTMFGroupCode = 16; }, kGroupList, 0,
         [](const DTMFData& d) { return d.DTMFGroupCode; }, 255},
        {"group D", [](DTMFData& d) { d.DTMFGroupCode = 13; }, kGroupList, 4,
         [](const DTMFData& d) { return d.DTMFGroupCode; }, 13},
        {"decode response 3 is corrected", [](DTMFData& d) { d.DTMFDecodeResp = 3; }, kDecodeRespList, 0,
         [](const DTMFData& d) { return d.DTMFDecodeResp; }, 0},
        {"first delay 251 is corrected", [](DTMFData& d) { d.DTMFFirstDelay = 251; }, kFirstDelayList, 0,
         [](const DTMFData& d) { return d.DTMFFirstDelay; }, 0},
        {"pre-delay 9 shows 100 and stays", [](DTMFData& d) { d.DTMFPreDelay = 9; }, kPreDelayList, 0,
         [](const DTMFData& d) { return d.DTMFPreDelay; }, 9},
        {"reset time 25 shows 2.5", [](DTMFData& d) { d.DTMFResetTime = 25; }, kResetTimeList, 25,
         [](const DTMFData& d) { return d.DTMFResetTime; }, 25},
        {"reset time 300 shows 0.0 and stays", [](DTMFData& d) { d.DTMFResetTime = 300; }, kResetTimeList, 0,
         [](const DTMFData& d) { return d.DTMFResetTime; }, 300},
        {"post delay 0 shows 10 and stays", [](DTMFData& d) { d.DTMFPostDelay = 0; }, kPostDelayList, 0,
         [](const DTMFData& d) { return d.DTMFPostDelay; }, 0},
        {"post delay 250 shows 2500", [](DTMFData& d) { d.DTMFPostDelay = 250; }, kPostDelayList, 249,
         [](const DTMFData& d) { return d.DTMFPostDelay; }, 250},
        {"pause 3 shows off and is corrected", [](DTMFData& d) { d.DTMFPauseTime = 3; }, kPauseTimeList, 0,
         [](const DTMFData& d) { return d.DTMFPauseTime; }, 0},
        {"pause 100 shows off and stays", [](DTMFData& d) { d.DTMFPauseTime = 100; }, kPauseTimeList, 0,
         [](const DTMFData& d) { return d.DTMFPauseTime; }, 100},
        {"pause 75", [](DTMFData& d) { d.DTMFPauseTime = 75; }, kPauseTimeList, 71,
         [](const DTMFData& d) { return d.DTMFPauseTime; }, 75},
        {"side tone 2 is corrected", [](DTMFData& d) { d.DTMFSideTone = 2; }, -1, 0,
         [](const DTMFData& d) { return d.DTMFSideTone; }, 0},
        {"a negative index shows item 0 and stays", [](DTMFData& d) { d.DTMFDecodeResp = -1; }, kDecodeRespList, 0,
         [](const DTMFData& d) { return d.DTMFDecodeResp; }, -1},
    };
    for (const auto& c : cases) {
        DTMFData d = DefaultBlock();
        c.set(d);
        const DTMFControls shown = ShowDTMFBlock(d);
        EXPECT_EQ(c.list < 0 ? shown.sideTone : shown.item[static_cast<std::size_t>(c.list)], c.shown) << c.name;
        EXPECT_EQ(c.field(d), c.kept) << c.name;
    }
}

TEST(DTMFEdit, OwnIDAndCodesAsShown) {
    const std::pair<const char*, const char*> ids[] = {
        {"7", "700"}, {"12", "120"}, {"456", "456"}, {"   ", "000"}, {"AB", "000"}, {"", "000"}, {"1.", "000"},
    };
    for (const auto& [stored, shown] : ids) {
        DTMFData d = DefaultBlock();
        d.DTMFSelfID = stored;
        EXPECT_EQ(ShowDTMFBlock(d).ownID, shown) << '"' << stored << '"';
        EXPECT_EQ(d.DTMFSelfID.value(), shown) << "stored as shown: " << stored;
    }

    DTMFData d = DefaultBlock();
    d.DTMFCode[0] = {FixStr<24>::Of("12E4F"), 5};
    d.DTMFCode[1] = {FixStr<24>::Of("12E4F"), 3};
    d.DTMFCode[2] = {FixStr<24>::Of("12"), 30};  // beyond the field: the whole field
    d.DTMFCode[3] = {FixStr<24>::Of("12"), -1};
    d.DTMFKillCode = {FixStr<14>::Of("1A2B"), 4};
    d.PTTIDEndCode = {FixStr<24>::Of("E123"), 4};
    const DTMFControls c = ShowDTMFBlock(d);
    EXPECT_EQ(c.codes[0], "12*4#");
    EXPECT_EQ(c.codes[1], "12*");
    EXPECT_EQ(c.codes[2], "12" + std::string(22, ' '));
    EXPECT_EQ(c.codes[3], "");
    EXPECT_EQ(c.codes[kKillCodeBox], "1A2B");
    EXPECT_EQ(c.codes[kEndCodeBox], "*123");
    EXPECT_EQ(c.codes[4], "");
}

TEST(DTMFEdit, CommitStoresEveryControl) {
    DTMFData d = DefaultBlock();
    DTMFControls c = ShowDTMFBlock(d);
    c.item[kGroupList] = 0;       // off
    c.item[kPauseTimeList] = 1;   // "5"
    c.item[kPostDelayList] = 0;   // "10"
    c.item[kSendTimeList] = 0;    // "30 ms"
    c.item[kSeparatorList] = 5;   // "#"
    c.item[kResetTimeList] = 250;
    c.ownID = "4";
    c.sideTone = 1;
    c.codes[0] = "12*4#";
    c.codes[kKillCodeBox] = "123";
    c.codes[kBeginCodeBox] = "";
    StoreDTMFBlock(c, d);
    EXPECT_EQ(d.DTMFGroupCode, 255);
    EXPECT_EQ(d.DTMFPauseTime, 5);
    EXPECT_EQ(d.DTMFPostDelay, 1);
    EXPECT_EQ(d.DTMFSendTime, 0);
    EXPECT_EQ(d.DTMFSepCode, 15);
    EXPECT_EQ(d.DTMFResetTime, 250);
    EXPECT_EQ(d.DTMFSelfID.value(), "400");
    EXPECT_EQ(d.DTMFSideTone, 1);
    EXPECT_EQ(d.DTMFCode[0].Code.raw(), "12E4F" + std::string(19, ' '));
    EXPECT_EQ(d.DTMFCode[0].CodeLen, 5);
    EXPECT_EQ(d.DTMFKillCode.Code.raw(), "123" + std::string(11, ' '));
    EXPECT_EQ(d.DTMFKillCode.CodeLen, 3);
    EXPECT_EQ(d.PTTIDBeginCode.CodeLen, 0);

    c.item[kGroupList] = 1;       // "A"
    c.item[kPauseTimeList] = 0;   // off
    StoreDTMFBlock(c, d);
    EXPECT_EQ(d.DTMFGroupCode, 10);
    EXPECT_EQ(d.DTMFPauseTime, 0);

    // A text longer than its field (never typed) is stored cut, its length with it.
    c.codes[kStunCodeBox] = std::string(20, '1');
    StoreDTMFBlock(c, d);
    EXPECT_EQ(d.DTMFStunCode.CodeLen, 14);
}

TEST(DTMFEdit, ShowingAndStoringKeepsAValidBlock) {
    DTMFData d = DefaultBlock();
    d.DTMFANI = 1;
    d.PTTIDMode = 2;
    d.DTMFSelfID = "123";
    d.DTMFGroupCode = 12;
    d.DTMFDecodeResp = 2;
    d.DTMFPreDelay = 4;
    d.DTMFResetTime = 17;
    d.DTMFPostDelay = 33;
    d.DTMFPauseTime = 40;
    d.DTMFSideTone = 1;
    d.DTMFCode[5] = {FixStr<24>::Of("0123456789ABCDEF"), 16};
    d.DTMFStunCode = {FixStr<14>::Of("99"), 2};
    const DTMFData before = d;
    StoreDTMFBlock(ShowDTMFBlock(d), d);
    EXPECT_EQ(d, before);
}

TEST(DTMFEdit, BoxesTakeTheirCharacters) {
    struct Case {
        char16_t typed;
        std::optional<char16_t> code;
        std::optional<char16_t> ownID;
    };
    const Case cases[] = {
        {u'0', u'0', u'0'}, {u'9', u'9', u'9'}, {u'*', u'*', {}},  {u'#', u'#', {}},
        {u'A', u'A', {}},   {u'd', u'D', {}},   {u'a', u'A', {}},  {u'e', {}, {}},
        {u'E', {}, {}},     {u'x', {}, {}},     {u' ', {}, {}},    {u'.', {}, {}},
        {u'\u5173', {}, {}}, {u'\u00e9', {}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DTMFCodeChar(c.typed), c.code) << int(c.typed);
        EXPECT_EQ(OwnIDChar(c.typed), c.ownID) << int(c.typed);
    }
}

TEST(DTMFEdit, SeparatorRuleFollowsCodesEndingInTheOwnID) {
    struct Case {
        const char* code;
        const char* after;
    };
    // Own ID 456, the separator chosen: "#".
    const Case cases[] = {
        {"123*456", "123#456"}, {"*456", "#456"},     {"123*789", "123*789"}, {"*789", "*789"},
        {"123A456", "123#456"}, {"A456", "#456"},     {"1234456", "1234456"}, {"3456", "3456"},
        {"12*456", "12*456"},   {"123*4567", "123*4567"}, {"", ""},          {"1A3*456", "1A3*456"},
    };
    for (const auto& c : cases) EXPECT_EQ(WithSeparator(c.code, "#", "456"), c.after) << c.code;
}

TEST(DTMFEdit, OwnIDRuleRewritesCodesWithTheSeparator) {
    struct Case {
        const char* code;
        const char* after;
    };
    // Separator "*", the own ID now 789.
    const Case cases[] = {
        {"123*456", "123*789"}, {"*456", "*789"},     {"A456", "A456"},       {"123A456", "123A456"},
        {"*45", "*45"},         {"123*45B", "123*45B"}, {"*000", "*789"},     {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(WithOwnID(c.code, "*", "789"), c.after) << c.code;

    const std::pair<const char*, const char*> padded[] = {{"", "000"}, {"4", "400"}, {"45", "450"}, {"456", "456"}};
    for (const auto& [typed, own] : padded) EXPECT_EQ(PadID(typed), own) << typed;
}

TEST(DTMFEdit, KillEqualToStunIsRefused) {
    struct Case {
        const char* kill;
        const char* stun;
        bool refused;
    };
    const Case cases[] = {
        {"123", "123", true},  {"", "123", false},  {"123", "1234", false},
        {"", "", false},       {"123  ", "123", true}, {"A1", "a1", false},
    };
    for (const auto& c : cases) EXPECT_EQ(KillEqualsStun(c.kill, c.stun), c.refused) << c.kill << "/" << c.stun;
}

TEST(DTMFEdit, ComposerCodes) {
    EXPECT_EQ(ComposeDTMFCall(DTMFCallKind::ANI, "5", "*", "123"), "500*123");
    EXPECT_EQ(ComposeDTMFCall(DTMFCallKind::ANI, "", "A", "123"), "000A123");
    EXPECT_EQ(ComposeDTMFCall(DTMFCallKind::ANI, "789", "#", "007"), "789#007");
    EXPECT_EQ(ComposeDTMFCall(DTMFCallKind::PTTID, "555", "#", "007"), "#007");
    for (int id : {0, 15, 16, 17}) EXPECT_TRUE(ComposerServes(id)) << id;
    for (int id : {18, 19, -1, 20}) EXPECT_FALSE(ComposerServes(id)) << id;
}

}  // namespace
