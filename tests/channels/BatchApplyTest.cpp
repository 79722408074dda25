// The batch: the range, the deletion outside it, and each item written into
// the channels of the range in its order.
#include <gtest/gtest.h>

#include <algorithm>

#include "BatchFixture.h"
#include "channels/BatchApply.h"

namespace {

using BatchApply = BatchData;

TEST_F(BatchApply, TheRangeRunsUpwardsFromChannelOne) {
    struct Case {
        const char* what;
        bool all;
        const char* first;
        const char* last;
        int from, to;
    };
    const Case cases[] = {
        {"all channels", true, "20", "10", 1, 758},
        {"a reversed range", false, "20", "10", 10, 20},
        {"a range from 0 starts at 1", false, "0", "5", 1, 5},
        {"0 to 0 is empty", false, "0", "0", 1, 0},
        {"a box beyond the last channel", false, "1", "999", 1, 758},
        {"a box that is no number", false, "", "7", 1, 7},
    };
    for (const Case& c : cases) {
        request.allChannels = c.all;
        request.firstChannel = c.first;
        request.lastChannel = c.last;
        const BatchRange r = RangeOf(request);
        EXPECT_EQ(r.first, c.from) << c.what;
        EXPECT_EQ(r.last, c.to) << c.what;
    }
}

TEST_F(BatchApply, NothingOnChangesNothingAndRedrawsOnce) {
    AddChannel(3, "145.0000");
    const auto before = UFreList;
    Apply();
    EXPECT_EQ(UFreList, before);
    EXPECT_EQ(CurData.CHCount, 1);
    EXPECT_EQ(view.redraws, 1);
    EXPECT_EQ(random.seeds, 0);
}

TEST_F(BatchApply, ChannelsOutsideTheRangeAreDeletedEvenWithNoItemOn) {
    for (int16_t no : {12, 5, 1, 7, 10, 11, 6}) AddChannel(no, "145.0000");
    CurData.FunSet.Scan.PriorityCH1 = 11;  // channel 12
    CurData.FunSet.Alert.EmgCHNo = 6;      // channel 7
    Range("5", "10");
    request.deleteOutside = true;
    Apply();
    EXPECT_EQ(ChannelNumbers(), (std::vector<int16_t>{5, 7, 10, 6}));
    EXPECT_EQ(CurData.FunSet.Scan.PriorityCH1 + 1, 6) << "repointed at a channel that exists";
    EXPECT_EQ(CurData.FunSet.Alert.EmgCHNo + 1, 7);
    EXPECT_EQ(view.redraws, 1);

    request.deleteOutside = false;
    Range("6", "6");
    Apply();
    EXPECT_EQ(ChannelNumbers(), (std::vector<int16_t>{5, 7, 10, 6})) << "no deletion unless asked";
}

TEST_F(BatchApply, ReceiveStepsCreateMissingChannelsAndStopAtBandEdges) {
    TurnOn({BatchItem::RxFre});
    AddChannel(2, "430.0000");
    Box(BatchBox::RxStart) = "179";
    Box(BatchBox::RxStep) = "500";
    Range("1", "45");
    Apply();
    struct Case {
        int16_t no;
        const char* code;
    };
    const Case cases[] = {
        {1, "017900000"},   {2, "017950000"},  {3, "018000000"},   // the existing channel 2 moves too
        {4, "018000000"},   {43, "018000000"},                      // 200 MHz: the tie keeps the lower band
        {44, "022000000"},  {45, "022000000"},
    };
    for (const Case& c : cases) EXPECT_EQ(Channel(c.no).RxFre.raw(), c.code) << "channel " << c.no;
    EXPECT_EQ(CurData.CHCount, 45);
    EXPECT_EQ(Box(BatchBox::RxStart), "179.00000") << "the boxes are checked in place";
    EXPECT_EQ(view.redraws, 1);
}

TEST_F(BatchApply, NewChannelsGetTheExactFrequencyAndTheDefaults) {
    TurnOn({BatchItem::RxFre});
    Box(BatchBox::RxStart) = "145.00625";
    Range("9", "9");
    Apply();
    const UFreData& ch = Channel(9);
    EXPECT_EQ(ch.RxFre.raw(), "014500625") << "not cut to 100 Hz";
    EXPECT_EQ(ch.UsedFlag, 1);
    EXPECT_EQ(ch.ScanSkip, 1);
    EXPECT_EQ(ch.OffsetFre.raw(), "000000000");
    EXPECT_EQ(ch.De_CTCSS, 20);
    EXPECT_EQ(ch.UserCTCSS, 1511);
}

TEST_F(BatchApply, WithTheReceiveItemOffAMissingChannelStaysMissing) {
    TurnOn({BatchItem::Name, BatchItem::Power});
    Box(BatchBox::Name) = "X";
    request.listIndex[static_cast<std::size_t>(BatchList::Power)] = 3;
    AddChannel(8, "145.0000");
    Range("7", "8");
    Apply();
    EXPECT_EQ(ChannelNumbers(), std::vector<int16_t>{8});
    EXPECT_EQ(Channel(8).CHName.value(), "X");
    EXPECT_EQ(Channel(8).TxPower, 3);
}

TEST_F(BatchApply, AFullListRefusesEveryAppend) {
    TurnOn({BatchItem::RxFre, BatchItem::Name});
    for (int16_t no = 1; no <= 758; ++no) AddChannel(no, "145.0000");
    UFreList[6].CHNo = 0;  // a damaged entry: channel 7 is missing from a full list
    Box(BatchBox::Name) = "N";
    Range("6", "8");
    Apply();
    EXPECT_EQ(CurData.CHCount, 758);
    EXPECT_LT(GetCHIndex(7), 0);
    EXPECT_EQ(Channel(6).CHName.value(), "N");
    EXPECT_EQ(Channel(8).CHName.value(), "N");
}

TEST_F(BatchApply, TransmitModesStoreTheDirectionAndOffsetThatHold) {
    struct Case {
        const char* what;
        const char* rx;
        BatchTxMode mode;
        BatchOffsetDir dir;
        const char* offset;
        const char* txStart;
        const char* txStep;
        bool increase;
        int16_t no;  // channel of the range 1..2
        int16_t shift;
        const char* code;
    };
    const Case cases[] = {
        {"default", "145", BatchTxMode::Default, BatchOffsetDir::Plus, "5", "", "0", true, 1, 0, "000000000"},
        {"offset plus", "145", BatchTxMode::Offset, BatchOffsetDir::Plus, "0.6", "", "0", true, 1, 2, "000060000"},
        {"offset minus", "145", BatchTxMode::Offset, BatchOffsetDir::Minus, "0.6", "", "0", true, 2, 1, "000060000"},
        {"offset none", "145", BatchTxMode::Offset, BatchOffsetDir::None, "0.6", "", "0", true, 1, 0, "000000000"},
        {"offset below the transmit band", "140", BatchTxMode::Offset, BatchOffsetDir::Minus, "5", "", "0", true, 1,
         1, "000400000"},
        {"offset above the receive band's transmit range", "178", BatchTxMode::Offset, BatchOffsetDir::Plus, "1", "",
         "0", true, 1, 1, "000400000"},
        {"own start, first channel", "145", BatchTxMode::OwnStart, BatchOffsetDir::Plus, "0", "150", "12.5", true, 1,
         2, "000500000"},
        {"own start, stepped up", "145", BatchTxMode::OwnStart, BatchOffsetDir::Plus, "0", "150", "12.5", true, 2, 2,
         "000501250"},
        {"own start, stepped down", "145", BatchTxMode::OwnStart, BatchOffsetDir::Plus, "0", "145", "12.5", false, 2,
         1, "000001250"},
    };
    TurnOn({BatchItem::TxFre});
    for (const Case& c : cases) {
        CurData.CHCount = 0;
        for (int16_t no : {1, 2}) {
            AddChannel(no, c.rx);
            Channel(no).ShiftDir = 2;
            Channel(no).OffsetFre = "000777770";
        }
        request.txMode = c.mode;
        request.offsetDir = c.dir;
        request.txIncrease = c.increase;
        Box(BatchBox::Offset) = c.offset;
        Box(BatchBox::TxStart) = c.txStart;
        Box(BatchBox::TxStep) = c.txStep;
        Range("1", "2");
        Apply();
        EXPECT_EQ(Channel(c.no).ShiftDir, c.shift) << c.what;
        EXPECT_EQ(Channel(c.no).OffsetFre.raw(), c.code) << c.what;
    }
}

TEST_F(BatchApply, TransmitItemLeavesAChannelWithoutReceiveFrequencyAlone) {
    TurnOn({BatchItem::TxFre});
    AddChannel(1, "145.0000");
    Channel(1).RxFre = "FFFFFFFFF";
    Channel(1).ShiftDir = 2;
    Channel(1).OffsetFre = "000060000";
    request.txMode = BatchTxMode::Offset;
    Box(BatchBox::Offset) = "5";
    Range("1", "1");
    Apply();  // and no "Not IsNumeric" box: the sandbox fails on any prompt
    EXPECT_EQ(Channel(1).ShiftDir, 2);
    EXPECT_EQ(Channel(1).OffsetFre.raw(), "000060000");
}

TEST_F(BatchApply, DecodeTonesStepThroughTheListAndEncodeFollowsThem) {
    TurnOn({BatchItem::DecodeTone, BatchItem::EncodeTone});
    for (int16_t no = 1; no <= 4; ++no) AddChannel(no, "145.0000");
    request.decode = {1075, false, true};
    Box(BatchBox::DecodeInterval) = "1";
    Range("1", "4");
    Apply();
    struct Case {
        int16_t no;
        int16_t type, ctcss, dcs, invert;
    };
    const Case cases[] = {
        {1, 2, 20, 510, 1},  // D776I
        {2, 2, 20, 511, 1},  // D777I
        {3, 0, 20, 0, 0},    // no tone: only the type
        {4, 1, 0, 0, 0},     // 62.5 Hz
    };
    for (const Case& c : cases) {
        const UFreData& ch = Channel(c.no);
        EXPECT_EQ(ch.De_CTC_Type, c.type) << c.no;
        EXPECT_EQ(ch.De_CTCSS, c.ctcss) << c.no;
        EXPECT_EQ(ch.De_DCSCode, c.dcs) << c.no;
        EXPECT_EQ(ch.De_DCSInvert, c.invert) << c.no;
        EXPECT_EQ(ch.En_CTC_Type, c.type) << c.no;
        EXPECT_EQ(ch.En_CTCSS, c.ctcss) << c.no;
        EXPECT_EQ(ch.En_DCSCode, c.dcs) << c.no;
        EXPECT_EQ(ch.En_DCSInvert, c.invert) << c.no;
    }
    EXPECT_EQ(random.seeds, 1) << "seeded once for the whole batch";

    // With the decode item off, the encode tone copies what the channel has.
    BatchFunFlag[static_cast<std::size_t>(BatchItem::DecodeTone)] = 0;
    Channel(1).De_CTC_Type = 1;
    Channel(1).De_CTCSS = 33;
    Range("1", "1");
    Apply();
    EXPECT_EQ(Channel(1).En_CTC_Type, 1);
    EXPECT_EQ(Channel(1).En_CTCSS, 33);
}

TEST_F(BatchApply, RandomTonesDrawDecodeBeforeEncodeFromOneSeed) {
    TurnOn({BatchItem::DecodeTone, BatchItem::EncodeTone});
    for (int16_t no = 1; no <= 2; ++no) AddChannel(no, "145.0000");
    ScriptedRandom draws{0.5, 0.01, 0.0, 0.999999};
    request.decode = {0, true, true};
    request.encode = {0, true, true};
    request.encodeFollowsDecode = false;
    Range("1", "2");
    ApplyBatch(request, draws);
    EXPECT_EQ(draws.seeds, 1);
    EXPECT_TRUE(draws.AllDrawn());
    // 0.5 * 1077 = 538: D745N; 0.01 * 1077 = 10: 88.5 Hz.
    EXPECT_EQ(Channel(1).De_CTC_Type, 2);
    EXPECT_EQ(Channel(1).De_DCSCode, 0745);
    EXPECT_EQ(Channel(1).En_CTC_Type, 1);
    EXPECT_EQ(Channel(1).En_CTCSS, 9);
    EXPECT_EQ(Channel(2).De_CTC_Type, 0);
    EXPECT_EQ(Channel(2).En_CTC_Type, 2);
    EXPECT_EQ(Channel(2).En_DCSCode, 0777);
    EXPECT_EQ(Channel(2).En_DCSInvert, 1);

    // A random decode tone with the encode tone following it: one draw a channel.
    ScriptedRandom one{0.01};
    request.encodeFollowsDecode = true;
    Range("1", "1");
    ApplyBatch(request, one);
    EXPECT_TRUE(one.AllDrawn());
    EXPECT_EQ(Channel(1).En_CTCSS, 9);
}

TEST_F(BatchApply, NumberedNamesWrapWithinTheirDigits) {
    TurnOn({BatchItem::RxFre, BatchItem::Name});
    request.nameMode = BatchNameMode::Numbered;
    struct Case {
        const char* what;
        const char* prefix;
        const char* first;
        const char* step;
        bool increase;
        std::vector<const char*> names;  // channels 1, 2, ...
    };
    const Case cases[] = {
        {"two digits upwards", "CH", "01", "1", true, {"CH01", "CH02", "CH03"}},
        {"one digit downwards", "CH", "1", "1", false, {"CH1", "CH0", "CH9", "CH8"}},
        {"a long prefix makes room for the digits", "ABCDEFG", "100", "5", true, {"ABCD100", "ABCD105"}},
        {"seven digits leave no prefix", "AB", "9999999", "1", true, {"9999999", "0000000"}},
        {"a number step longer than the first number is cut", "N", "5", "12", true, {"N5", "N6", "N7"}},
    };
    for (const Case& c : cases) {
        CurData.CHCount = 0;
        Box(BatchBox::Name) = c.prefix;
        Box(BatchBox::FirstNumber) = c.first;
        Box(BatchBox::NumberStep) = c.step;
        request.numberIncrease = c.increase;
        Range("1", std::to_string(c.names.size()).c_str());
        Apply();
        for (std::size_t i = 0; i < c.names.size(); ++i)
            EXPECT_EQ(Channel(static_cast<int16_t>(i + 1)).CHName.value(), c.names[i])
                << c.what << ", channel " << i + 1;
    }

    // Wrapping after 99: channel 100 is CH00, 101 CH01.
    CurData.CHCount = 0;
    Box(BatchBox::Name) = "CH";
    Box(BatchBox::FirstNumber) = "01";
    Box(BatchBox::NumberStep) = "1";
    request.numberIncrease = true;
    Range("1", "101");
    Apply();
    EXPECT_EQ(Channel(99).CHName.value(), "CH99");
    EXPECT_EQ(Channel(100).CHName.value(), "CH00");
    EXPECT_EQ(Channel(101).CHName.value(), "CH01");

    request.nameMode = BatchNameMode::Fixed;
    Box(BatchBox::Name) = "Hello";
    Range("1", "1");
    Apply();
    EXPECT_EQ(Channel(1).CHName.raw(), "Hello  ") << "blank-padded";
}

TEST_F(BatchApply, SquelchModesNeedTheirToneAndSignalling) {
    TurnOn({BatchItem::Squelch, BatchItem::Reverse});
    struct Case {
        const char* what;
        int16_t mode;
        int16_t decodeType, encodeType, optSig, reverse;
        int16_t stored;
    };
    const Case cases[] = {
        {"carrier always", 0, 0, 0, 0, 0, 0},
        {"tone with a decode tone", 1, 1, 0, 0, 0, 1},
        {"tone without one", 1, 0, 2, 0, 0, 0},
        {"reversed: the encode tone counts", 1, 1, 0, 0, 1, 0},
        {"reversed with an encode tone", 1, 0, 2, 0, 1, 1},
        {"signalling without signalling", 2, 1, 1, 0, 0, 0},
        {"signalling with it", 2, 0, 0, 3, 0, 2},
        {"both, tone missing", 3, 0, 0, 1, 0, 0},
        {"both, signalling missing", 4, 2, 0, 0, 0, 0},
        {"both present", 4, 2, 0, 1, 0, 4},
    };
    for (const Case& c : cases) {
        CurData.CHCount = 0;
        AddChannel(1, "145.0000");
        UFreData& ch = Channel(1);
        ch.De_CTC_Type = c.decodeType;
        ch.En_CTC_Type = c.encodeType;
        ch.OptSig = c.optSig;
        ch.TalkAround = 1;
        request.reverse = c.reverse;
        request.listIndex[static_cast<std::size_t>(BatchList::Squelch)] = c.mode;
        Range("1", "1");
        Apply();
        EXPECT_EQ(Channel(1).SQLMode, c.stored) << c.what;
        EXPECT_EQ(Channel(1).TalkAround, c.reverse ? 0 : 1) << c.what << ": a reversed channel loses talk-around";
    }
}

TEST_F(BatchApply, ListsAndBoxesWriteTheirFields) {
    TurnOn({BatchItem::Step, BatchItem::Bandwidth, BatchItem::Power, BatchItem::Signalling, BatchItem::PttId,
            BatchItem::Modulation, BatchItem::Scrambler, BatchItem::BusyLock, BatchItem::TxInhibit,
            BatchItem::Compander, BatchItem::ScanSkip, BatchItem::UserTone, BatchItem::TalkAround,
            BatchItem::AmAuto});
    AddChannel(1, "145.0000");
    auto& li = request.listIndex;
    li[static_cast<std::size_t>(BatchList::Step)] = 9;
    li[static_cast<std::size_t>(BatchList::Bandwidth)] = 2;
    li[static_cast<std::size_t>(BatchList::Power)] = 1;
    li[static_cast<std::size_t>(BatchList::Signalling)] = 1;
    li[static_cast<std::size_t>(BatchList::PttId)] = 3;
    li[static_cast<std::size_t>(BatchList::Modulation)] = 1;
    li[static_cast<std::size_t>(BatchList::Scrambler)] = 11;
    li[static_cast<std::size_t>(BatchList::BusyLock)] = 2;
    li[static_cast<std::size_t>(BatchList::ScanSkip)] = 2;
    request.codeTexts = {"M3", "4", "99"};
    request.txInhibit = 1;
    request.compander = 1;
    request.userTone = "300";
    Channel(1).TalkAround = 1;
    Channel(1).AMAuto = 1;
    Range("1", "1");
    Apply();
    const UFreData& ch = Channel(1);
    EXPECT_EQ(ch.StepIndex, 9);
    EXPECT_EQ(ch.Bandwidth, 2);
    EXPECT_EQ(ch.TxPower, 1);
    EXPECT_EQ(ch.OptSig, 1);
    EXPECT_EQ(ch.DTMFCodeNo, 2);
    EXPECT_EQ(ch.Tone2No, 4);
    EXPECT_EQ(ch.Tone5No, 99);
    EXPECT_EQ(ch.PTTIDType, 3);
    EXPECT_EQ(ch.Modulation, 1);
    EXPECT_EQ(ch.Scrambler, 11);
    EXPECT_EQ(ch.BusyLock, 2);
    EXPECT_EQ(ch.TxInhibit, 1);
    EXPECT_EQ(ch.Compander, 1);
    EXPECT_EQ(ch.ScanSkip, 2);
    EXPECT_EQ(request.userTone, "151.1");
    EXPECT_EQ(ch.UserCTCSS, 1511);
    EXPECT_EQ(ch.TalkAround, 1) << "the talk-around item is never applied";
    EXPECT_EQ(ch.AMAuto, 1) << "nor the SM/AM Auto item";

    // Empty code lists give 0 in every code field; a tone in range keeps its tenths.
    request.codeTexts = {"", "", ""};
    request.userTone = "67";
    Apply();
    EXPECT_EQ(Channel(1).DTMFCodeNo, 0);
    EXPECT_EQ(Channel(1).Tone2No, 0);
    EXPECT_EQ(Channel(1).Tone5No, 0);
    EXPECT_EQ(request.userTone, "67.0");
    EXPECT_EQ(Channel(1).UserCTCSS, 670);
}

TEST_F(BatchApply, OnlyTheBoxesOfOnItemsAreChecked) {
    TurnOn({BatchItem::RxFre});
    Box(BatchBox::RxStep) = "7";
    Box(BatchBox::Offset) = "5.0063";
    Box(BatchBox::NumberStep) = "12345";
    Range("1", "1");
    Apply();
    EXPECT_EQ(Box(BatchBox::RxStep), "5");
    EXPECT_EQ(Box(BatchBox::Offset), "5.0063");
    EXPECT_EQ(Box(BatchBox::NumberStep), "12345");
}

TEST_F(BatchApply, EveryOfferedItemOverAllChannelsFillsAnEmptyList) {
    for (int flag = 0; flag <= 18; ++flag) BatchFunFlag[static_cast<std::size_t>(flag)] = 1;
    request.txMode = BatchTxMode::Offset;
    Box(BatchBox::Offset) = "0.6";
    Box(BatchBox::RxStart) = "145";
    Box(BatchBox::RxStep) = "12.5";
    request.nameMode = BatchNameMode::Numbered;
    Box(BatchBox::Name) = "CH";
    Box(BatchBox::FirstNumber) = "001";
    Box(BatchBox::NumberStep) = "1";
    Apply();
    EXPECT_EQ(CurData.CHCount, 758);
    EXPECT_EQ(view.redraws, 1);
    EXPECT_EQ(Channel(758).RxFre.raw(), "015446250");
    EXPECT_EQ(Channel(758).CHName.value(), "CH758");
    EXPECT_EQ(Channel(758).ShiftDir, 2);
    EXPECT_EQ(Channel(758).OffsetFre.raw(), "000060000");
}

}  // namespace
