// The channel dialog's rules without widgets: the record it shows, the
// transmit box, name boxes, user tone, AM, squelch offers, keys, and on OK
// the frequency chain, the list choices and where the record goes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ChannelTestRecords.h"
#include "ProgramSandbox.h"
#include "channels/ChannelEditLists.h"
#include "channels/ChannelEditRules.h"
#include "core/BandPlan.h"
#include "core/Defaults.h"
#include "core/HyperChannel.h"
#include "core/HyperRange.h"
#include "core/SharedState.h"

namespace {

class ChannelEditRules : public testing::Test {
protected:
    void SetUp() override { StartWithoutChannels(); }

    ProgramSandbox sandbox;
};

TEST_F(ChannelEditRules, TheShownRecordFollowsTheListAndWrapsItsNumber) {
    AddNormalChannel(UsedChannel(7, "043500000"));
    AddNormalChannel(UsedChannel(12, "014512500"));
    CurData.LimitCH[0] = UsedChannel(1, "014000000");
    CurData.LimitCH[2] = UsedChannel(3, "015000000");
    CurData.LimitCH[2].UsedFlag = 0;
    UFreData bank1Row1 = UsedChannel(1, "010800000");
    UFreData bank2Row1 = UsedChannel(1, "040000000");
    bank2Row1.UsedFlag = 0;  // shown even when not in use
    SetHyperChannel(1, 0, bank1Row1);
    SetHyperChannel(1, 1, bank2Row1);

    struct Case {
        const char* what;
        int16_t listType;
        int16_t chNo;
        int16_t wrapped;
        const char* rx;  // "" for the blank record
        bool nameRow;
    };
    const Case cases[] = {
        {"normal, found among the used entries", 0, 12, 12, "014512500", true},
        {"normal, no used entry: blank", 0, 30, 30, "", true},
        {"limit in use", 1, 1, 1, "014000000", true},
        {"limit not in use: blank", 1, 3, 3, "", true},
        {"limit above 10 wraps to 1", 1, 11, 1, "014000000", true},
        {"limit below 1 wraps to 1", 1, 0, 1, "014000000", true},
        {"hyper bank 1", 2, 1, 1, "010800000", false},
        {"hyper bank 2 row 13 wraps to its row 1, used or not", 3, 13, 1, "040000000", false},
    };
    for (const Case& c : cases) {
        int16_t no = c.chNo;
        const auto shown = ChannelForEdit(c.listType, no);
        ASSERT_TRUE(shown) << c.what;
        EXPECT_EQ(no, c.wrapped) << c.what;
        EXPECT_EQ(shown->nameRow, c.nameRow) << c.what;
        if (*c.rx) {
            EXPECT_EQ(shown->record.RxFre.value(), c.rx) << c.what;
        } else {
            EXPECT_EQ(shown->record, GetBlankFreData(c.chNo)) << c.what;
        }
    }
    int16_t no = 5;
    EXPECT_FALSE(ChannelForEdit(4, no)) << "another list type keeps what was shown";
    EXPECT_EQ(no, 5);
}

TEST_F(ChannelEditRules, TransmitBoxFollowsDirectionAndOffsetInBands0And3Only) {
    struct Case {
        const char* what;
        const char* rx;
        const char* offset;
        int dir;
        const char* shown;
        const char* tx;
    };
    const Case cases[] = {
        {"direction minus", "145.12500", "0.60000", 1, "", "144.52500"},
        {"direction plus", "145.12500", "0.60000", 2, "", "145.72500"},
        {"no shift", "145.12500", "0.60000", 0, "", "145.12500"},
        {"an empty offset is no shift", "435.00000", "", 2, "", "435.00000"},
        {"band 3", "435.00000", "5.00000", 1, "", "430.00000"},
        {"no direction keeps the box, rewritten", "145.12500", "0.60000", -1, "146.1", "146.10000"},
        {"no direction and an empty box", "145.12500", "0.60000", -1, "", ""},
        {"band 1", "240.00000", "0.60000", 1, "", ""},
        {"band 2", "370.00000", "0.60000", 0, "", ""},
        {"no receive frequency", "", "0.00000", 0, "", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(ShownTransmitText(c.rx, c.offset, c.dir, c.shown), c.tx) << c.what;
}

TEST_F(ChannelEditRules, NameBoxesSplitAndJoinTheStoredName) {
    const NameBoxes ab = NameBoxTexts(FixStr<7>::Of("AB"));
    EXPECT_EQ(ab, (NameBoxes{"A", "B", "", "", "", "", ""}));
    EXPECT_EQ(NameBoxTexts(FixStr<7>::NulText()), NameBoxes{}) << "a name that starts with a NUL";
    EXPECT_EQ(NameBoxTexts(FixStr<7>::Of("ABCDEFG"))[6], "G");

    EXPECT_EQ(NameOfBoxes(ab).raw(), "AB     ");
    EXPECT_EQ(NameOfBoxes({"A", "", "C", "", "", "", ""}).raw(), "A C    ") << "an empty box is one blank";
    EXPECT_EQ(NameOfBoxes({"AB", "C", "D", "E", "F", "G", "H"}).raw(), "ABCDEFG") << "cut after seven";
}

TEST_F(ChannelEditRules, UserToneIsShownWithOneDecimalAndStoredInTenths) {
    struct Case {
        int16_t tenths;
        const char* text;
    };
    for (const Case& c : {Case{1511, "151.1"}, {625, "62.5"}, {1000, "100.0"}, {0, ".0"}, {5, ".5"}, {-15, "-1.5"}})
        EXPECT_EQ(UserToneText(c.tenths), c.text) << c.tenths;
    EXPECT_EQ(UserToneTenths("151.1"), 1511);
    EXPECT_EQ(UserToneTenths("62.5"), 625);
    EXPECT_EQ(UserToneTenths("254.1"), 2541);
}

TEST_F(ChannelEditRules, AMOnlyFrom100To200MHzInBandPlan0) {
    struct Case {
        const char* rx;
        int16_t plan;
        bool allowed;
    };
    const Case cases[] = {
        {"118.00000", 0, true}, {"100", 0, true},  {"199.99999", 0, true}, {"200.00000", 0, false},
        {"99.99999", 0, false}, {"435", 0, false}, {"118.00000", 1, false}, {"", 0, false},
        {".", 0, false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsAMAllowed(c.rx, c.plan), c.allowed) << c.rx << " plan " << c.plan;
}

TEST_F(ChannelEditRules, SquelchModesFollowToneAndSignalling) {
    EXPECT_EQ(OfferedSquelchModes(true, true), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(OfferedSquelchModes(true, false), (std::vector<int>{0, 1}));
    EXPECT_EQ(OfferedSquelchModes(false, true), (std::vector<int>{0, 2}));
    EXPECT_EQ(OfferedSquelchModes(false, false), (std::vector<int>{0}));

    EXPECT_TRUE(SquelchHasTone(false, 1, 0));
    EXPECT_FALSE(SquelchHasTone(false, 0, 2)) << "the transmit tone counts only with reverse";
    EXPECT_TRUE(SquelchHasTone(true, 0, 2));
    EXPECT_FALSE(SquelchHasTone(true, 1, 0));
}

TEST_F(ChannelEditRules, BoxesTakeTheirCharactersOnly) {
    struct Case {
        ChannelBox box;
        const char16_t* taken;
        const char16_t* refused;
    };
    const Case cases[] = {
        {ChannelBox::Frequency, u"0123456789.", u"a-+ ,e\u00e9\u4e2d"},
        {ChannelBox::UserTone, u"0123456789.", u"A- "},
        {ChannelBox::Code, u"0123456789", u". A*"},
        {ChannelBox::Name, u"AZaz09 !-/_{}|", u"\\~\u00e9\u4e2d\u007f\t"},
        {ChannelBox::Transmit, u"0.9Aa -\\~", u"\u00e9\u4e2d\t"},
    };
    for (const Case& c : cases) {
        for (const char16_t* p = c.taken; *p; ++p)
            EXPECT_TRUE(ChannelBoxTakes(c.box, *p)) << static_cast<int>(c.box) << " takes " << int(*p);
        for (const char16_t* p = c.refused; *p; ++p)
            EXPECT_FALSE(ChannelBoxTakes(c.box, *p)) << static_cast<int>(c.box) << " refuses " << int(*p);
    }
}

TEST_F(ChannelEditRules, ChannelNumberRangeByList) {
    struct Case {
        int16_t listType;
        int16_t n;
        bool ok;
    };
    const Case cases[] = {{0, 1, true},  {0, 758, true}, {0, 759, false}, {0, 0, false}, {1, 10, true},
                          {1, 11, false}, {1, 0, false},  {2, 12, true},   {3, 13, false}, {3, 0, false},
                          {5, 999, true}};
    for (const Case& c : cases) EXPECT_EQ(IsEditableChannelNo(c.listType, c.n), c.ok) << c.listType << "/" << c.n;
}

TEST_F(ChannelEditRules, FrequencyChainGivesDirectionAndOffset) {
    struct Case {
        const char* what;
        const char* rx;
        const char* tx;
        int warnings;
        const char* rxOut;
        const char* seed;
        int16_t dir;
        const char* offset;
    };
    const Case cases[] = {
        {"empty transmit in band 0: transmit = receive", "145.125", "", 0, "145.12500", "145.12500", 0, "000.00000"},
        {"transmit below", "145", "144.4", 0, "145.00000", "144.4", 1, "000.60000"},
        {"transmit above", "145", "145.6", 0, "145.00000", "145.6", 2, "000.60000"},
        {"band 0 outside every transmit range: nearest edge", "120", "", 1, "120.00000", "120.00000", 2,
         "016.00000"},
        {"band 1 seeds 145, then the band's own transmit edge", "240", "150", 0, "240.00000", "145", 1, "020.00000"},
        {"receive beyond every band, then transmit beyond", "600", "", 2, "523.00000", "523.00000", 1, "043.00000"},
        {"letters in the transmit box: band 0's lower transmit edge", "145", "abc", 1, "145.00000", "abc", 1,
         "009.00000"},
    };
    for (const Case& c : cases) {
        ExpectFreWarnings(sandbox.prompts, c.warnings);
        const SavedFrequencies f = SaveFrequencies(c.rx, c.tx, 0, 0, 1);
        EXPECT_EQ(f.rx, c.rxOut) << c.what;
        EXPECT_EQ(f.txSeed, c.seed) << c.what;
        EXPECT_EQ(f.shiftDir, c.dir) << c.what;
        EXPECT_EQ(f.offset, c.offset) << c.what;
        EXPECT_TRUE(sandbox.prompts.allAnswered()) << c.what;
    }
}

TEST_F(ChannelEditRules, ChoicesWithoutSelectionStoreZero) {
    UFreData ch;
    ChannelChoices c;
    c.scanSkip = 2;
    c.step = 4;
    c.deCTCSS = -1;
    c.enDCS = 83;
    c.dtmfMemory = -1;
    c.signallingText = "2Tone";
    c.tone2Text = "23";
    c.tone5Text = "";
    c.squelchMode = 3;
    c.reverse = 1;
    c.pttID = -1;
    ApplyChannelChoices(ch, c);
    EXPECT_EQ(ch.ScanSkip, 2);
    EXPECT_EQ(ch.StepIndex, 4);
    EXPECT_EQ(ch.De_CTCSS, 0);
    EXPECT_EQ(ch.En_DCSCode, 83);
    EXPECT_EQ(ch.DTMFCodeNo, 0);
    EXPECT_EQ(ch.OptSig, 2);
    EXPECT_EQ(ch.Tone2No, 23);
    EXPECT_EQ(ch.Tone5No, 0);
    EXPECT_EQ(ch.SQLMode, 3);
    EXPECT_EQ(ch.Reverse, 1);
    EXPECT_EQ(ch.PTTIDType, 0);

    for (const auto& [text, sig] : {std::pair{"DTMF", 1}, {"2Tone", 2}, {"5Tone", 3}, {"OFF", 0}, {"dtmf", 0}}) {
        EXPECT_EQ(OptSigOfText(text), sig) << text;
        if (sig) EXPECT_EQ(OptSigText(static_cast<int16_t>(sig)), text);
    }
    EXPECT_EQ(OptSigText(7), "");
}

TEST_F(ChannelEditRules, StoredRecordsGoWhereTheirListKeepsThem) {
    AddNormalChannel(UsedChannel(3, "014500000"));
    AddNormalChannel(UsedChannel(9, "043500000"));
    UFreData changed = *StoredChannel(0, 9);
    changed.CHName = FixStr<7>::Of("NINE");
    StoreChannel(0, 9, changed, false);
    EXPECT_EQ(CurData.CHCount, 2);
    EXPECT_EQ(UFreList[1].CHName.value(), "NINE") << "changed in place";

    StoreChannel(0, 20, UsedChannel(20, "014600000"), true);
    EXPECT_EQ(CurData.CHCount, 3);
    EXPECT_EQ(UFreList[2].CHNo, 20) << "appended after the used entries";
    EXPECT_FALSE(StoredChannel(0, 21)) << "not held";

    CurData.CHCount = kMaxChannels;  // a damaged list with no room
    StoreChannel(0, 700, UsedChannel(700, "014600000"), true);
    EXPECT_EQ(CurData.CHCount, kMaxChannels);
    CurData.CHCount = 3;

    StoreChannel(1, 4, UsedChannel(4, "015000000"), true);
    EXPECT_EQ(CurData.LimitCH[3].RxFre.value(), "015000000");
    EXPECT_FALSE(StoredChannel(1, 11));

    const UFreData bank1Row5 = GetHyperChannel(5, 0);
    StoreChannel(3, 5, UsedChannel(5, "045000000"), false);
    EXPECT_EQ(GetHyperChannel(5, 1).RxFre.value(), "045000000");
    EXPECT_EQ(GetHyperChannel(5, 0), bank1Row5) << "the other bank is untouched";
    EXPECT_EQ(StoredChannel(3, 5)->RxFre.value(), "045000000");
}

TEST_F(ChannelEditRules, ListsHoldTheirItemsInTheLanguage) {
    const ListItems ctcss = ChannelCTCSSItems();
    ASSERT_EQ(ctcss.size(), 52u);
    EXPECT_EQ(ctcss[0], "62.5");
    EXPECT_EQ(ctcss[20], "127.3") << "the tone of a blank record";
    EXPECT_EQ(ctcss[51], "User");
    const ListItems dcs = ChannelDCSItems();
    ASSERT_EQ(dcs.size(), 512u);
    EXPECT_EQ(dcs[0], "000");
    EXPECT_EQ(dcs[83], "123");
    EXPECT_EQ(dcs[511], "777");
    const ListItems scrambler = ScramblerItems();
    ASSERT_EQ(scrambler.size(), 12u);
    EXPECT_EQ(scrambler[0], "OFF");
    EXPECT_EQ(scrambler[9], "9");
    EXPECT_EQ(scrambler[10], "User1");
    EXPECT_EQ(ChannelPowerItems(), (ListItems{"Low", "Middle1", "Middle2", "High"}));
    EXPECT_EQ(DisplayItems().size(), 10u);
    EXPECT_EQ(DTMFMemoryItems().back(), "M16");

    Tone2Data tone2;
    Tone5Data tone5;
    for (auto& call : tone2.Tone2List) call.EmptyFlag = 1;
    for (auto& code : tone5.Tone5List) code.EmptyFlag = 1;
    EXPECT_TRUE(TwoToneEntryItems(tone2).empty());
    EXPECT_TRUE(FiveToneCodeItems(tone5).empty());
    for (int call : {1, 5, 24}) tone2.Tone2List[call].EmptyFlag = 0;
    tone5.Tone5List[100].EmptyFlag = 0;
    EXPECT_EQ(TwoToneEntryItems(tone2), (ListItems{"0", "4", "23"}));
    EXPECT_EQ(FiveToneCodeItems(tone5), ListItems{"99"});

    LangIndex = 2;
    LangFilePath = "language/Tchinese.ini";
    EXPECT_EQ(ChannelCTCSSItems()[51], "自訂");
    EXPECT_EQ(ScanItems(), (ListItems{"關", "Skip", "P Scan"}));
}

}  // namespace
