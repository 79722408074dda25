// Skip list, block counts and progress arithmetic of a transfer.
#include <gtest/gtest.h>

#include "ImageFixture.h"
#include "core/SharedState.h"
#include "link/ImageAreas.h"
#include "link/TransferPlan.h"

namespace {

class TransferPlanTest : public ImageFixture {};

TEST_F(TransferPlanTest, SkipListMergesOnlyWithTheLastRange) {
    AddSkipRange(0x2020, 32);
    AddSkipRange(0x2040, 32);  // touches: one range
    AddSkipRange(0x2080, 32);  // a gap: a new range
    AddSkipRange(0x2000, 32);  // touches the first range only: a new one
    ASSERT_EQ(SkipRangeCount, 3);
    EXPECT_EQ(SkipRange[0].first, 0x2020);
    EXPECT_EQ(SkipRange[0].last, 0x205F);
    EXPECT_EQ(SkipRange[1].first, 0x2080);
    EXPECT_EQ(SkipRange[2].first, 0x2000);

    struct Case {
        int32_t in, out;
    };
    for (const Case c : {Case{0x2020, 0x2060}, Case{0x2030, 0x2060}, Case{0x205F, 0x2060}, Case{0x2060, 0x2060},
                         Case{0x201F, 0x2020}, Case{0x2070, 0x2070}, Case{0x2090, 0x20A0}})
        EXPECT_EQ(GetNextCommAddr(c.in), c.out) << std::hex << c.in;
}

TEST_F(TransferPlanTest, BlockCounts) {
    EXPECT_EQ(GetCommBlockCount(256, 0x7FF0), 2032);
    EXPECT_EQ(GetCommBlockCount(0x03A0, 0x7FF0), 1990);
    AddSkipRange(0x2020, 32);
    EXPECT_EQ(GetCommBlockCount(256, 0x7FF0), 2030);
}

TEST_F(TransferPlanTest, FullSkipListTakesNoMore) {
    for (int i = 0; i < kMaxSkipRanges + 5; ++i) AddSkipRange(0x2000 + 64 * i, 32);
    EXPECT_EQ(SkipRangeCount, kMaxSkipRanges);
    EXPECT_EQ(GetNextCommAddr(0x2000 + 64 * kMaxSkipRanges), 0x2000 + 64 * kMaxSkipRanges);
}

TEST_F(TransferPlanTest, ReadPlanFromBitmaps) {
    // Blank image: every unit empty. The run of empty slots goes on into the
    // limit slots as one range.
    InitReadSpeed(true);
    ASSERT_EQ(SkipRangeCount, 3);
    EXPECT_EQ(SkipRange[0].first, 0x0B00);
    EXPECT_EQ(SkipRange[0].last, 0x0C7F);
    EXPECT_EQ(SkipRange[1].first, 0x0D00);
    EXPECT_EQ(SkipRange[1].last, 0x197F);
    EXPECT_EQ(SkipRange[2].first, 0x2000);
    EXPECT_EQ(SkipRange[2].last, 0x7FFF);
    EXPECT_EQ(CommBlockDone, 0);

    // Everything marked used: nothing skipped, 1,990 blocks.
    std::fill(CommData.begin() + image_map::kFlagNibbles, CommData.begin() + 0x0280, 0x00);
    std::fill(CommData.begin() + image_map::kTone5Bitmap, CommData.begin() + 0x03A0, 0x00);
    InitReadSpeed(true);
    EXPECT_EQ(SkipRangeCount, 0);
    EXPECT_EQ(CommBlockTotal, 1990);

    // Odd slot 1 empty (bit 6), two-tone call 9 empty (byte 0x038E bit 1).
    CommData[image_map::kFlagNibbles] = 0x40;
    CommData[image_map::kTone2Bitmap + 1] = 0x02;
    InitReadSpeed(true);
    ASSERT_EQ(SkipRangeCount, 2);
    EXPECT_EQ(SkipRange[0].first, 0x0B90);
    EXPECT_EQ(SkipRange[1].first, 0x2020);
    EXPECT_EQ(SkipRange[1].last, 0x203F);

    InitReadSpeed(false);
    EXPECT_EQ(SkipRangeCount, 0);
    EXPECT_EQ(CommBlockTotal, 57);
}

TEST_F(TransferPlanTest, WritePlanFromTheData) {
    // Two-tone calls all empty, five-tone code 1 used, a limit channel used.
    for (int i = 1; i <= 24; ++i) CurData.FunSet.Tone2.Tone2List[i].EmptyFlag = 1;
    for (int i = 1; i <= 100; ++i) CurData.FunSet.Tone5.Tone5List[i].EmptyFlag = i == 1 ? 0 : 1;
    AddChannel(PlainChannel(758));
    CurData.LimitCH[9].UsedFlag = 1;
    InitWriteSpeed();
    ASSERT_EQ(SkipRangeCount, 4);
    EXPECT_EQ(SkipRange[0].first, 0x0B00);  // 24 blocks; 0x0C80 still written
    EXPECT_EQ(SkipRange[0].last, 0x0C7F);
    EXPECT_EQ(SkipRange[1].first, 0x0D20);
    EXPECT_EQ(SkipRange[1].last, 0x197F);
    EXPECT_EQ(SkipRange[2].first, 0x2000);  // slots 0..756 and limit slots 1..9
    EXPECT_EQ(SkipRange[2].last, 0x2000 + 32 * 757 - 1);
    EXPECT_EQ(SkipRange[3].first, 0x2000 + 32 * 758);
    EXPECT_EQ(SkipRange[3].last, 0x2000 + 32 * 767 - 1);
    EXPECT_EQ(GetNextCommAddr(0x0C70), 0x0C80);

    // A channel beyond CHCount does not count.
    CurData.CHCount = 0;
    InitWriteSpeed();
    EXPECT_EQ(SkipRange[2].last, 0x2000 + 32 * 767 - 1);
}

TEST_F(TransferPlanTest, Percentages) {
    struct Case {
        int32_t done, total;
        int16_t percent;
    };
    for (const Case c : {Case{57, 57, 98}, Case{1, 1990, 0}, Case{1, 1, 50}, Case{1, 3, 25}, Case{1, 7, 12},
                         Case{3, 7, 38}, Case{2033, 2032, 100}, Case{5, 0, 100}, Case{0, 10, 0}})
        EXPECT_EQ(ProgressPercent(c.done, c.total), c.percent) << c.done << "/" << c.total;
    // 12.5 and 37.5 go to the even neighbour.
    EXPECT_EQ(ProgressPercent(1, 7), 12);
    EXPECT_EQ(ProgressPercent(3, 7), 38);

    CommBlockTotal = 3;
    CommBlockDone = 0;
    CommProgress = 0;
    EXPECT_TRUE(CountCommBlock());   // 25
    EXPECT_TRUE(CountCommBlock());   // 50
    EXPECT_EQ(CommProgress, 50);
    CommBlockTotal = 1000;
    CommBlockDone = 0;
    CommProgress = 0;
    EXPECT_FALSE(CountCommBlock());  // still 0: the dialog is not touched
}

}  // namespace
