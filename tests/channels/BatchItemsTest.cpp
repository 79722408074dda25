// The edit items: which flag byte each box sets, which controls it shows, and
// BatchFun.ini rewritten on every click.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "BatchFixture.h"
#include "FaultyFileSystem.h"
#include "channels/BatchFun.h"
#include "channels/BatchItems.h"

namespace {

using BatchItems = BatchData;

TEST_F(BatchItems, EachBoxSetsItsOwnFlagByteAndRewritesTheFile) {
    struct Case {
        int box;
        int byte;
    };
    const Case cases[] = {{0, 0}, {10, 10}, {11, 13}, {12, 11}, {13, 12}, {14, 15},
                          {15, 16}, {16, 17}, {17, 18}, {19, 20}, {20, 14}};
    for (const Case& c : cases) {
        BatchFunFlag.fill(0);
        SetBatchItemFromBox(c.box, 1);
        std::string expected(21, '\0');
        expected[static_cast<std::size_t>(c.byte)] = 1;
        EXPECT_EQ(sandbox.read("BatchFun.ini"), expected) << "box " << c.box;
        SetBatchItemFromBox(c.box, 0);
        EXPECT_EQ(sandbox.read("BatchFun.ini"), std::string(21, '\0')) << "box " << c.box;
    }
}

TEST_F(BatchItems, TheTalkAroundBoxChangesNoFlagButStillRewritesTheFile) {
    BatchFunFlag[19] = 1;
    sandbox.write("BatchFun.ini", std::string(21, '\x07') + "tail");
    SetBatchItemFromBox(kTalkAroundBox, 0);
    EXPECT_EQ(BatchFunFlag[19], 1);
    std::string expected(21, '\0');
    expected[19] = 1;
    EXPECT_EQ(sandbox.read("BatchFun.ini"), expected + "tail");
}

TEST_F(BatchItems, AFileThatCannotBeWrittenKeepsTheFlagsInMemory) {
    sandbox.write("BatchFun.ini", std::string(21, '\0'));
    FaultyFileSystem faults;
    faults.FailReads("BatchFun.ini");
    SetBatchItemFromBox(3, 1);
    EXPECT_EQ(BatchFunFlag[3], 1);
    EXPECT_EQ(sandbox.read("BatchFun.ini"), std::string(21, '\0'));
}

TEST_F(BatchItems, EveryValueControlBelongsToOneBox) {
    std::set<std::pair<std::string, int>> seen;
    for (int box = 0; box < kBatchBoxCount; ++box)
        for (const ControlRef& c : BatchItemControls(box))
            EXPECT_TRUE(seen.insert({std::string(c.name), c.index}).second) << c.name << "(" << c.index << ")";
    EXPECT_TRUE(BatchItemControls(kTalkAroundBox).empty());
    EXPECT_EQ(BatchItemControls(11).front().name, "Label3");
    EXPECT_EQ(BatchItemControls(11).front().index, 12);
    EXPECT_EQ(BatchItemControls(20).back().name, "Text3");
    EXPECT_EQ(BatchFlagOfBox(21), -1);
}

}  // namespace
