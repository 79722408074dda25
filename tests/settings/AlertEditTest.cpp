// The alert dialog's lists and how the ID-code group is listed, shown and
// stored for each ID-code type.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ListItemsCase.h"
#include "ProgramSandbox.h"
#include "core/LangText.h"
#include "settings/AlertEdit.h"

namespace {

using Items = std::vector<std::string>;

TEST(AlertEdit, FixedLists) {
    ProgramSandbox sandbox;
    const auto T = [](int id) { return GetLangText(id); };
    EXPECT_EQ(AlertListItems(AlertList::AlarmType), (Items{T(2630), T(2631), T(2632), T(2633)}));
    EXPECT_EQ(AlertListItems(AlertList::IDCodeType), (Items{T(2436), "DTMF", "5Tone"}));
    EXPECT_EQ(AlertListItems(AlertList::CHSelect), (Items{T(2634), T(2635)}));
    for (AlertList list : {AlertList::AlarmTime, AlertList::TxTime, AlertList::RxTime})
        ExpectListItems(AlertListItems(list), {static_cast<int>(list), 255, "1", "255"});
    ExpectListItems(AlertListItems(AlertList::Period), {9, 256, T(2636), "255"});
    EXPECT_EQ(AlertListItems(AlertList::Period)[1], "1");
    ExpectListItems(LoneWorkerItems(LoneWorkerList::PreAlertTime), {0, 254, "1", "254"});
    ExpectListItems(LoneWorkerItems(LoneWorkerList::LoneWorkTime), {1, 251, "5", "255"});
    for (AlertList list : {AlertList::IDCodeGroup, AlertList::EmgGroup, AlertList::EmgCH})
        EXPECT_TRUE(AlertListItems(list).empty());
}

TEST(AlertEdit, GroupListFollowsTheIDCodeType) {
    DTMFData dtmf;
    Tone5Data tone5;
    for (int i = 1; i <= 100; ++i) tone5.Tone5List[i].EmptyFlag = 1;
    EXPECT_TRUE(IDCodeGroupItems(1, dtmf, tone5).empty()) << "no DTMF memory holds a code";
    EXPECT_EQ(IDCodeGroupItems(2, dtmf, tone5), Items{"0"}) << "no five-tone code in use";
    dtmf.DTMFCode[1].CodeLen = 3;
    dtmf.DTMFCode[4].CodeLen = 1;
    dtmf.DTMFCode[15].CodeLen = 16;
    tone5.Tone5List[2].EmptyFlag = 0;
    tone5.Tone5List[8].EmptyFlag = 0;
    tone5.Tone5List[100].EmptyFlag = 0;
    EXPECT_EQ(IDCodeGroupItems(1, dtmf, tone5), (Items{"M2", "M5", "M16"}));
    EXPECT_EQ(IDCodeGroupItems(2, dtmf, tone5), (Items{"1", "7", "99"}));
    for (int none : {0, -1, 3}) EXPECT_TRUE(IDCodeGroupItems(none, dtmf, tone5).empty()) << none;
}

TEST(AlertEdit, GroupShownAndStored) {
    struct Case {
        int type;
        int group;
        std::string shown;
    };
    for (const Case& c : {Case{1, 0, "M1"}, Case{1, 4, "M5"}, Case{1, 15, "M16"}, Case{2, 0, "0"}, Case{2, 7, "7"},
                          Case{2, 99, "99"}}) {
        EXPECT_EQ(IDCodeGroupText(c.type, c.group), c.shown);
        EXPECT_EQ(IDCodeGroupOf(c.type, c.shown), c.group) << c.shown;
    }
    struct Stored {
        int type;
        std::string shown;
        int group;
    };
    for (const Stored& c : {Stored{1, "", 0}, Stored{2, "", 0}, Stored{0, "M3", 0}, Stored{-1, "7", 0},
                            Stored{1, "7", 0}})
        EXPECT_EQ(IDCodeGroupOf(c.type, c.shown), c.group) << c.type << " '" << c.shown << "'";
}

}  // namespace
