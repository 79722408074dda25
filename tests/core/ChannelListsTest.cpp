// The channel lists: which record a row stands for, and the channel
// operations on a list named explicitly, whatever list is on show.
#include <gtest/gtest.h>

#include <algorithm>

#include "CoreDataFixture.h"
#include "core/ChannelLists.h"
#include "core/ChannelOps.h"
#include "core/Defaults.h"
#include "core/HyperChannel.h"
#include "core/LangText.h"

using platform::Answer;
using platform::Buttons;
using platform::Icon;

namespace {

class ChannelLists : public CoreData {
protected:
    void SetUp() override {
        CoreData::SetUp();
        InitRadioData();
        CurData.CHCount = 0;
    }
    static std::string RxOf(ListType list, int16_t row) {
        const auto record = RowRecord(list, row);
        return record ? record->RxFre.raw() : "none";
    }
};

TEST_F(ChannelLists, NormalRowsFollowChannelNumbersNotListOrder) {
    CurData.CHCount = 5;
    const int16_t numbers[] = {500, 3, 0, 759, 3};
    for (std::size_t i = 0; i < 5; ++i) UFreList[i].CHNo = numbers[i];
    const auto rows = PlaceNormalRows();
    EXPECT_EQ(rows[500], 0);
    EXPECT_EQ(rows[3], 1);  // the first of two entries numbered 3, as the row redraw finds it
    EXPECT_EQ(rows[0], -1);
    EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [](int16_t i) { return i >= 0; }), 2);
    // A count beyond the list never reads past it.
    CurData.CHCount = 2000;
    EXPECT_EQ(PlaceNormalRows()[500], 0);
}

TEST_F(ChannelLists, LimitAndHyperRowsNeedUsedFlagOne) {
    CurData.LimitCH[2].UsedFlag = 1;
    CurData.LimitCH[3].UsedFlag = 2;
    EXPECT_TRUE(RowRecord(ListType::Limit, 3).has_value());
    EXPECT_FALSE(RowRecord(ListType::Limit, 4).has_value());
    EXPECT_FALSE(RowRecord(ListType::Limit, 11).has_value());
    UFreData row = GetHyperChannel(7, 1);
    row.UsedFlag = 2;
    SetHyperChannel(7, 1, row);
    EXPECT_FALSE(RowRecord(ListType::Hyper2, 7).has_value());
    row.UsedFlag = 1;
    SetHyperChannel(7, 1, row);
    EXPECT_TRUE(RowRecord(ListType::Hyper2, 7).has_value());
    EXPECT_FALSE(RowRecord(static_cast<ListType>(7), 1).has_value());
}

// Each operation works on the list it is given and leaves the list on show
// (CHListType) alone.
TEST_F(ChannelLists, OperationsWorkOnTheListTheyAreGiven) {
    struct Case {
        const char* name;
        ListType list;
        int16_t shown;  // CHListType meanwhile
        int16_t row;
        bool deletable;
    };
    const Case cases[] = {
        {"normal while the limit list shows", ListType::Normal, 1, 4, true},
        {"limit while the normal list shows", ListType::Limit, 0, 4, true},
        {"hyper bank 1 while bank 2 shows", ListType::Hyper1, 3, 4, false},
        {"hyper bank 2 while a damaged view is set", ListType::Hyper2, 9, 4, false},
    };
    for (const Case& c : cases) {
        InitRadioData();
        CurData.CHCount = 0;
        CurData.LimitCH[3].UsedFlag = 0;
        CHListType = c.shown;
        const RadioData otherLists = CurData;

        SetCHRxFre(c.list, c.row, "430");
        EXPECT_TRUE(IsCHExist(c.list, c.row)) << c.name;
        EXPECT_EQ(RxOf(c.list, c.row), "043000000") << c.name;
        SetCHDataByCol(c.list, c.row, "ABC", static_cast<int16_t>(CHColumn::Name), 0);
        SetCHDataByCol(c.list, c.row, 2L, static_cast<int16_t>(CHColumn::Power), 0);
        ASSERT_TRUE(RowRecord(c.list, c.row)) << c.name;
        EXPECT_EQ(RowRecord(c.list, c.row)->CHName.value(), "ABC") << c.name;
        EXPECT_EQ(RowRecord(c.list, c.row)->TxPower, 2) << c.name;
        EXPECT_EQ(CHListType, c.shown) << c.name;

        // The other lists are as they were.
        for (const ListType other : {ListType::Normal, ListType::Limit, ListType::Hyper1, ListType::Hyper2}) {
            if (other == c.list) continue;
            const auto now = RowRecord(other, c.row);
            if (other == ListType::Normal) EXPECT_FALSE(now) << c.name;
            if (other == ListType::Limit) EXPECT_EQ(CurData.LimitCH[3], otherLists.LimitCH[3]) << c.name;
            if (IsHyperList(other))
                EXPECT_EQ(CurData.Hyper[HyperBankOf(other)], otherLists.Hyper[HyperBankOf(other)]) << c.name;
        }

        DeleteCH(c.list, c.row);
        EXPECT_EQ(IsCHExist(c.list, c.row), !c.deletable) << c.name;
    }
}

// The band checks follow the list given, not the one on show: hyper row 2
// takes 220 to 260 MHz, a normal channel any receive band.
TEST_F(ChannelLists, BandChecksFollowTheListGiven) {
    AddChannel(2, "146.0000");
    CHListType = static_cast<int16_t>(ListType::Normal);
    prompts.expect(GetLangText(2001), Buttons::Ok, Answer::Ok, Icon::Exclamation, true);
    SetCHDataByCol(ListType::Hyper1, 2, "145", static_cast<int16_t>(CHColumn::RxFre), 0);
    EXPECT_TRUE(prompts.allAnswered());
    EXPECT_EQ(RxOf(ListType::Hyper1, 2), "022000000");
    EXPECT_EQ(RxOf(ListType::Normal, 2), "014600000");

    CHListType = static_cast<int16_t>(ListType::Hyper1);
    SetCHDataByCol(ListType::Normal, 2, "145", static_cast<int16_t>(CHColumn::RxFre), 0);
    EXPECT_EQ(RxOf(ListType::Normal, 2), "014500000");
    EXPECT_EQ(RxOf(ListType::Hyper1, 2), "022000000");
}

// The row clipboard works only while the normal list is shown, whichever
// list CHListType names.
TEST_F(ChannelLists, TheRowClipboardNeedsTheNormalListShown) {
    AddChannel(1, "145.0000");
    CHListType = static_cast<int16_t>(ListType::Limit);
    CopyCH(ListType::Normal, 0, 1);
    PasteCH(ListType::Normal, 0, 2);
    EXPECT_EQ(ChannelNumbers(), (std::vector<int16_t>{1, 2}));
    CutCH(ListType::Limit, 0, 1);
    PasteCH(ListType::Hyper1, 0, 3);
    EXPECT_EQ(ChannelNumbers(), (std::vector<int16_t>{1, 2}));
    CutCH(ListType::Normal, 0, 1);
    EXPECT_EQ(ChannelNumbers(), (std::vector<int16_t>{2}));
}

}  // namespace
