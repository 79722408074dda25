#include <gtest/gtest.h>

#include <string>

#include "SignalImageTestSupport.h"
#include "link/ImageAreas.h"

using namespace std::string_literals;

namespace {

using TwoToneTest = SignalImageTest;
Tone2Data& Tone2() { return CurData.FunSet.Tone2; }

}  // namespace

TEST_F(TwoToneTest, DefaultHeaderHasItsMixedByteOrders) {
    EncodeOk(SetCommDataBy2Tone);
    // Decode tones and dividers low byte first; tones A..D high byte first.
    EXPECT_EQ(Bytes(0x0300, 8), (ByteRun{0x91, 0x0C, 0x41, 0x24, 0x48, 0x3A, 0x34, 0x14}));
    // Decode response, times 20..23, time 9, side tone, decode pair.
    EXPECT_EQ(Bytes(0x0308, 8), (ByteRun{0, 5, 5, 10, 0, 0, 0, 0}));
    EXPECT_EQ(Bytes(0x0310, 8), (ByteRun{0x0C, 0x91, 0x24, 0x41, 0x18, 0x79, 0x4F, 0xD6}));

    const Tone2Head written = Tone2().Tone2Set;
    Tone2() = {};
    Get2ToneByCommData();
    EXPECT_EQ(Tone2().Tone2Set, written);
    EXPECT_EQ(Tone2().Tone2Set.ToneD.value(), 20438);
    EXPECT_EQ(Tone2().Tone2Set.DecTone1.value(), 3217);
}

TEST_F(TwoToneTest, DefaultCallOneAndItsPresenceBit) {
    EncodeOk(SetCommDataBy2Tone);
    // Dividers 14920 and 5172, tones 321.7 and 928.1 Hz, all low byte first;
    // the name is empty: seven 0x00.
    EXPECT_EQ(Bytes(0x0B00, 15),
              (ByteRun{0x48, 0x3A, 0x34, 0x14, 0x91, 0x0C, 0x41, 0x24, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Bytes(0x038D, 3), (ByteRun{0xFE, 0xFF, 0xFF}));

    Get2ToneByCommData();
    EXPECT_EQ(Tone2().Tone2List[1].EmptyFlag, 0);
    EXPECT_EQ(Tone2().Tone2List[1].Tone2.value(), 9281);
    for (int i = 2; i <= 24; ++i) EXPECT_EQ(Tone2().Tone2List[i].EmptyFlag, 1) << "call " << i;
}

TEST_F(TwoToneTest, PresenceBitsAreSetByMaskWhateverTheBitmapHeld) {
    for (int i = 1; i <= 24; ++i) Tone2().Tone2List[i].EmptyFlag = (i == 9 || i == 24) ? 0 : 1;
    for (const int before : {0xFF, 0x00, 0x5A}) {
        PutBytes(0x038D, {before, before, before});
        CommData[0x038C] = 0x00;  // last byte of the five-tone bitmap
        CommData[0x0390] = 0x00;
        EncodeOk(SetCommDataBy2Tone);
        EXPECT_EQ(Bytes(0x038D, 3), (ByteRun{0xFF, 0xFE, 0x7F})) << "bitmap held " << before;
        EXPECT_EQ(CommData[0x038C], 0x00) << "neighbour before";
        EXPECT_EQ(CommData[0x0390], 0x00) << "neighbour after";
    }
    Get2ToneByCommData();
    for (int i = 1; i <= 24; ++i)
        EXPECT_EQ(Tone2().Tone2List[i].EmptyFlag, (i == 9 || i == 24) ? 0 : 1) << "call " << i;
}

TEST_F(TwoToneTest, CallNamesArePaddedWithBlanksAndReadToTheFirstEnd) {
    Tone2().Tone2List[2].Name = "AB";
    Tone2().Tone2List[3].Name = "ABCDEFG";
    EncodeOk(SetCommDataBy2Tone);
    EXPECT_EQ(Bytes(0x0B18, 7), (ByteRun{'A', 'B', 0x20, 0x20, 0x20, 0x20, 0x20}));
    EXPECT_EQ(Bytes(0x0B28, 7), (ByteRun{'A', 'B', 'C', 'D', 'E', 'F', 'G'}));

    struct Case {
        const char* name;
        ByteRun bytes;
        std::string raw;
    };
    const Case cases[] = {
        {"blank padding kept as trailing blanks", {'A', 'B', 0x20, 0x20, 0x20, 0x20, 0x20}, "AB     "},
        {"full name, no NUL", {'A', 'B', 'C', 'D', 'E', 'F', 'G'}, "ABCDEFG"},
        {"ends at 0x00, rest ignored", {'A', 0x00, 'B', 'C', 0, 0, 0}, "A\0     "s},
        {"ends at 0xFF (erased)", {'A', 'B', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "AB\0    "s},
        {"empty", {0, 0, 0, 0, 0, 0, 0}, "\0      "s},
    };
    for (const auto& c : cases) {
        PutBytes(0x0B08 + 16 * 4, c.bytes);  // call 5
        Get2ToneByCommData();
        EXPECT_EQ(Tone2().Tone2List[5].Name.raw(), c.raw) << c.name;
    }
}

TEST_F(TwoToneTest, ReadBuildsTheBlockAfreshAndClampsTheDecodePair) {
    Tone2().Tone2List[7].Name = "OLD";
    Tone2().Tone2List[7].EmptyFlag = 0;
    CommData[0x030F] = 15;
    Get2ToneByCommData();
    EXPECT_EQ(Tone2().Tone2Set.DecPair, 0);
    EXPECT_EQ(Tone2().Tone2List[7].Name.value(), "");
    EXPECT_EQ(Tone2().Tone2List[7].EmptyFlag, 1);
    CommData[0x030F] = 14;  // "Long C", the last pair
    Get2ToneByCommData();
    EXPECT_EQ(Tone2().Tone2Set.DecPair, 14);
}
