// The tone lists of the batch editor, how an item becomes a channel's tone
// fields, and how a batch walks the list.
#include <gtest/gtest.h>

#include "BatchFixture.h"
#include "channels/BatchLists.h"
#include "channels/BatchTones.h"

namespace {

using BatchTones = BatchData;

TEST_F(BatchTones, TheToneListHoldsNoToneTheTonesTheUserToneAndEveryDCSCodeTwice) {
    ASSERT_EQ(tones.size(), 1077u);
    EXPECT_EQ(tones[0], "None");
    EXPECT_EQ(tones[1], "62.5");
    EXPECT_EQ(tones[51], "254.1");
    EXPECT_EQ(tones[52], "User CTCSS (Hz)");
    EXPECT_EQ(tones[53], "D000N");
    EXPECT_EQ(tones[53 + 0123], "D123N");
    EXPECT_EQ(tones[564], "D777N");
    EXPECT_EQ(tones[565], "D000I");
    EXPECT_EQ(tones[1076], "D777I");
}

TEST_F(BatchTones, EveryItemGivesTheFieldsOfItsTone) {
    struct Case {
        const char* what;
        std::string text;
        int position;
        int16_t type, ctcss, dcs, invert;
    };
    constexpr int16_t kept = -7;  // a field the item does not write
    const Case cases[] = {
        {"no tone writes only the type", tones[0], 0, 0, kept, kept, kept},
        {"first CTCSS tone", "62.5", 1, 1, 0, kept, kept},
        {"last CTCSS tone", "254.1", 51, 1, 50, kept, kept},
        {"the user tone", tones[52], 52, 1, 51, kept, kept},
        {"the user tone with blanks after it", tones[52] + "  ", 52, 1, 51, kept, kept},
        {"normal DCS", "D023N", 53 + 023, 2, kept, 023, 0},
        {"inverted DCS", "D754I", 565 + 0754, 2, kept, 0754, 1},
        {"a lower-case polarity is no code", "D023n", 53 + 023, 0, kept, kept, kept},
        {"a digit beyond octal is no code", "D089N", 60, 0, kept, kept, kept},
        {"too long", "D0234N", 60, 0, kept, kept, kept},
        {"anything else", "abc", 60, 0, kept, kept, kept},
        {"position 0 wins over the text", "62.5", 0, 0, kept, kept, kept},
    };
    for (const Case& c : cases) {
        int16_t type = kept, ctcss = kept, dcs = kept, invert = kept;
        GetToneByText(c.text, c.position, {type, ctcss, dcs, invert});
        EXPECT_EQ(type, c.type) << c.what;
        EXPECT_EQ(ctcss, c.ctcss) << c.what;
        EXPECT_EQ(dcs, c.dcs) << c.what;
        EXPECT_EQ(invert, c.invert) << c.what;
    }
}

TEST_F(BatchTones, SteppingWrapsRoundTheListBothWays) {
    struct Case {
        const char* what;
        int selected;
        int64_t interval;
        bool increase;
        std::vector<int> positions;  // channels n = 0, 1, 2, ...
    };
    const Case cases[] = {
        {"upwards past the last item", 1075, 1, true, {1075, 1076, 0, 1}},
        {"downwards past no tone", 1, 1, false, {1, 0, 1076, 1075}},
        {"interval 0 stays", 300, 0, true, {300, 300, 300}},
        {"an interval that wraps more than once over a range", 5, 99, true, {5, 104, 203}},
    };
    for (const Case& c : cases)
        for (std::size_t n = 0; n < c.positions.size(); ++n)
            EXPECT_EQ(StepTonePosition(c.selected, c.interval, static_cast<int64_t>(n), c.increase, kBatchToneCount),
                      c.positions[n])
                << c.what << ", channel " << n;

    // Far along the range: 99 positions a channel for 757 channels.
    EXPECT_EQ(StepTonePosition(0, 99, 757, true, kBatchToneCount), 99 * 757 % kBatchToneCount);
    EXPECT_EQ(StepTonePosition(0, 99, 757, false, kBatchToneCount),
              (kBatchToneCount - 99 * 757 % kBatchToneCount) % kBatchToneCount);
}

TEST_F(BatchTones, ADrawPicksAPositionOfTheList) {
    EXPECT_EQ(RandomTonePosition(0.0, kBatchToneCount), 0);
    EXPECT_EQ(RandomTonePosition(0.5, kBatchToneCount), 538);
    EXPECT_EQ(RandomTonePosition(0.99999999, kBatchToneCount), 1076);
    EXPECT_EQ(RandomTonePosition(1.0, kBatchToneCount), 1076) << "a draw of 1 stays inside the list";
}

TEST_F(BatchTones, CodeListsShowTheSignallingEntriesInUse) {
    CurData.FunSet.DTMF.DTMFCode[0].CodeLen = 3;
    CurData.FunSet.DTMF.DTMFCode[2].CodeLen = 1;
    for (auto& entry : CurData.FunSet.Tone2.Tone2List) entry.EmptyFlag = 1;
    CurData.FunSet.Tone2.Tone2List[1].EmptyFlag = 0;
    CurData.FunSet.Tone2.Tone2List[5].EmptyFlag = 0;
    for (auto& code : CurData.FunSet.Tone5.Tone5List) code.EmptyFlag = 1;
    CurData.FunSet.Tone5.Tone5List[100].EmptyFlag = 0;
    EXPECT_EQ(BatchListItems(BatchList::DTMFCode), (std::vector<std::string>{"M1", "M3"}));
    EXPECT_EQ(BatchListItems(BatchList::Tone2Entry), (std::vector<std::string>{"0", "4"}));
    EXPECT_EQ(BatchListItems(BatchList::Tone5Code), (std::vector<std::string>{"99"}));

    CurData.FunSet.DTMF.DTMFCode = {};
    EXPECT_TRUE(BatchListItems(BatchList::DTMFCode).empty());
}

TEST_F(BatchTones, ListItemsReadAsNumbers) {
    struct Case {
        const char* text;
        int16_t def;
        const char* strip;
        int16_t out;
    };
    const Case cases[] = {
        {"M12", 1, "M", 12}, {"", 1, "M", 1},     {"M", 1, "M", 1},   {"23", 0, "", 23},
        {"2.5", 0, "", 2},   {"3.5", 0, "", 4},   {"x1", 0, "", 0},   {"99999", 5, "", 5},
        {"M1M", 7, "M", 1},
    };
    for (const Case& c : cases) EXPECT_EQ(GetNumByText(c.text, c.def, c.strip), c.out) << c.text;
}

TEST_F(BatchTones, OtherListsHoldTheirItemsInOrder) {
    EXPECT_EQ(BatchListItems(BatchList::Power), (std::vector<std::string>{"Low", "Mid1", "Mid2", "High"}));
    EXPECT_EQ(BatchListItems(BatchList::Scrambler).size(), 12u);
    EXPECT_EQ(BatchListItems(BatchList::Scrambler)[10], "User1");
    EXPECT_EQ(BatchListItems(BatchList::Signalling), (std::vector<std::string>{"None", "DTMF", "2Tone", "5Tone"}));
    EXPECT_EQ(BatchListItems(BatchList::ScanSkip), (std::vector<std::string>{"OFF", "Skip", "P Scan"}));
    EXPECT_EQ(BatchListItems(BatchList::Step).front(), "2.5K");
    EXPECT_EQ(BatchListItems(BatchList::Squelch).size(), 5u);
    EXPECT_EQ(BatchListItems(BatchList::PttId).size(), 4u);
    EXPECT_EQ(BatchListItems(BatchList::BusyLock).size(), 3u);
}

}  // namespace
