// Read, write and embedded-information sessions against the simulated radio
// on a virtual clock.
#include "SessionFixture.h"

#include <algorithm>

namespace {

using sim::Fault;
using sim::FaultKind;

constexpr int kRead = 1, kWrite = 2, kEmbed = 3;

// Frame numbers the radio sees in every session: handshake, identification,
// password block, then the blocks (a read's block 0x0070 is frame 10).
constexpr int kLinkFrame = 1, kIdentifyFrame = 2, kPassWordFrame = 3, kBlockFrame = 10;

class SessionTest : public SessionFixture {
protected:
    // Starts the command of `mode` with its question answered OK; an
    // embedded-information read is run to its end on the clock.
    void Run(int mode) {
        switch (mode) {
            case kRead: ReadFromRadio(); break;
            case kWrite: WriteToRadio(); break;
            default:
                ReadRMGDataFromRadio();
                RunClock();
                break;
        }
    }
    void ExpectAsk(int mode) {
        if (mode == kRead) ExpectReadAsk();
        if (mode == kWrite) ExpectWriteAsk();
    }
    static int FailText(int mode) { return 2005 + mode; }
    // Success: the image holds the radio's bytes (read) or the radio holds the
    // image (write) at every planned block; the viewer was shown (embedded
    // information).
    void ExpectSuccess(int mode) {
        if (mode == kRead) {
            EXPECT_TRUE(ImageMatchesRadio(0x0010, 0x7FF0));
            EXPECT_FALSE(IsDataChanged());
            EXPECT_EQ(DataFileName, "new.dat");
            EXPECT_EQ(IsNewFile, -1);
        }
        if (mode == kWrite) EXPECT_TRUE(ImageMatchesRadio(0x0100, 0x7FF0));
        if (mode == kEmbed) EXPECT_EQ(embedViews, 1);
    }
    void SetRadioPassWord(std::array<uint8_t, 4> bytes) {
        std::copy(bytes.begin(), bytes.end(), radio->Mem().begin() + 0x5C);
    }
    // The first "END" never reaches the radio; `reply` arrives in place of
    // its echo and answer.
    void AnswerFirstEndWith(ByteVec reply) {
        endAnswered = false;
        port->lose = [this, reply](const ByteVec& frame) {
            if (frame != ByteVec({'E', 'N', 'D'}) || endAnswered) return false;
            endAnswered = true;
            clock.Schedule(clock.NowUs(), [this, reply] { port->Inject(reply); });
            return true;
        };
    }
    bool endAnswered = false;
};

TEST_F(SessionTest, FullReadTakesEveryBlockAndBecomesTheSavedData) {
    auto config = radio->Config();
    config.band = 1;
    MakeRadio(config);
    FillRadioImage(*radio, RadioUse::All(), 11);
    const ByteVec before = DataSnapshot();
    ExpectReadAsk();
    ExpectText(2004);
    ReadFromRadio();
    EXPECT_TRUE(prompts.allAnswered());
    ExpectIdle();
    EXPECT_EQ(progressDialogs, 1);
    // 0x0010-0x7FF0 once each, behind the password block.
    const auto reads = ReadAddresses();
    ASSERT_EQ(reads.size(), 1u + 2047u);
    EXPECT_EQ(reads.front(), 0x0050);
    for (std::size_t i = 1; i < reads.size(); ++i) EXPECT_EQ(reads[i], static_cast<int32_t>(0x0010 + 16 * (i - 1)));
    EXPECT_TRUE(std::equal(CommData.begin() + 0x10, CommData.end(), radio->Mem().begin() + 0x10));
    EXPECT_EQ(PCBand, 1);
    EXPECT_NE(DataSnapshot(), before);
    ExpectSuccess(kRead);
    // The first phase runs to 98, the planned blocks start again from 0.
    const auto at98 = std::find(progressValues.begin(), progressValues.end(), 98);
    ASSERT_NE(at98, progressValues.end());
    ASSERT_NE(at98 + 1, progressValues.end());
    EXPECT_EQ(*(at98 + 1), 0);
    EXPECT_TRUE(std::is_sorted(at98 + 1, progressValues.end()));
    EXPECT_GE(progressValues.back(), 99);
}

TEST_F(SessionTest, ReadAsksOnlyForWhatTheBitmapsMarkUsed) {
    ExpectReadAsk();
    ExpectText(2004);
    ReadFromRadio();
    ASSERT_TRUE(prompts.allAnswered());
    const auto reads = ReadAddresses();
    const std::set<int32_t> asked(reads.begin(), reads.end());
    // Used: slots 0, 2, 5 and limit 1 (slot 758), two-tone calls 0 and 3,
    // five-tone codes 1 and 50; always: everything outside those areas.
    for (int32_t a : {0x2000, 0x2010, 0x2040, 0x20A0, 0x2000 + 32 * 758, 0x0B00, 0x0B30, 0x0D20, 0x0D00 + 32 * 50,
                      0x0C80, 0x0CF0, 0x1980, 0x1FF0, 0x03A0})
        EXPECT_TRUE(asked.count(a)) << std::hex << a;
    for (int32_t a : {0x2020, 0x2060, 0x2080, 0x2000 + 32 * 757, 0x2000 + 32 * 759, 0x7FF0, 0x0B10, 0x0C70, 0x0D00,
                      0x0D40, 0x1960})
        EXPECT_FALSE(asked.count(a)) << std::hex << a;
    // Each planned block once (0x0050 also as the password block): 57
    // before the plan, then the plan's count.
    EXPECT_EQ(reads.size(), 1u + 57u + static_cast<std::size_t>(CommBlockTotal));
    EXPECT_EQ(asked.size(), reads.size() - 1);
    ExpectSuccess(kRead);
}

TEST_F(SessionTest, WriteOfChannelsOneAndThreeSkipsEverythingElse) {
    CurData.FunSet.Tone2.Tone2List[1].EmptyFlag = 0;  // call 1 in use
    for (int16_t no : {1, 3}) AddChannel(PlainChannel(no));
    SaveOldRadioData();
    const auto radioBefore = radio->Mem();
    const ByteVec before = DataSnapshot();
    ExpectWriteAsk();
    ExpectText(2005);
    WriteToRadio();
    ASSERT_TRUE(prompts.allAnswered());
    ExpectIdle();
    // Calls 2..24, every five-tone code (all empty by default), slot 1, and
    // slots 3..767 as one range (no limit channel in use).
    ASSERT_EQ(SkipRangeCount, 4);
    EXPECT_EQ(SkipRange[0].first, 0x0B10);
    EXPECT_EQ(SkipRange[0].last, 0x0C7F);
    EXPECT_EQ(SkipRange[1].first, 0x0D00);
    EXPECT_EQ(SkipRange[1].last, 0x197F);
    EXPECT_EQ(SkipRange[2].first, 0x2020);
    EXPECT_EQ(SkipRange[2].last, 0x203F);
    EXPECT_EQ(SkipRange[3].first, 0x2060);
    EXPECT_EQ(SkipRange[3].last, 0x7FFF);
    const auto writes = WriteAddresses();
    EXPECT_EQ(static_cast<int32_t>(writes.size()), CommBlockTotal);
    EXPECT_EQ(writes.front(), 0x0100);
    EXPECT_EQ(writes.back(), 0x2050);
    EXPECT_TRUE(std::find(writes.begin(), writes.end(), 0x0C80) != writes.end());
    ExpectSuccess(kWrite);
    // Skipped blocks keep what the radio had; the data is not touched.
    EXPECT_TRUE(std::equal(radio->Mem().begin() + 0x2060, radio->Mem().end(), radioBefore.begin() + 0x2060));
    EXPECT_EQ(DataSnapshot(), before);
    EXPECT_EQ(progressValues.back(), 100);
}

// The display never holds up a request: when a new percentage reaches the
// progress dialog, the frame of the step that counted it is already out.
TEST_F(SessionTest, ProgressFollowsTheFrameThatCountedIt) {
    for (int mode : {kRead, kWrite}) {
        SCOPED_TRACE(mode);
        SetUp();
        for (int16_t no : {1, 3, 700}) AddChannel(PlainChannel(no));
        SaveOldRadioData();
        std::vector<std::string> early;
        onProgress = [&](int32_t value) {
            Frame expected;
            if (CommState == SessionState::Identify)
                expected = BuildIdentifyRequest();
            else if (CommState == SessionState::End)
                expected = BuildEndRequest();
            else if (mode == kRead)
                expected = BuildReadRequest(CommAddr, ReadBlockSize);
            else
                expected = BuildWriteFrame(CommAddr, std::span(CommData).subspan(static_cast<std::size_t>(CommAddr), 16));
            if (port->writes.back() != expected) early.push_back(std::to_string(value) + "% at " + std::to_string(CommAddr));
        };
        ExpectAsk(mode);
        ExpectText(mode == kRead ? 2004 : 2005);
        Run(mode);
        EXPECT_TRUE(prompts.allAnswered());
        EXPECT_GT(progressValues.size(), 50u);
        EXPECT_EQ(progressValues.front(), 0);
        EXPECT_EQ(early, std::vector<std::string>{});
        TearDown();
    }
}

TEST_F(SessionTest, EmbeddedInformationReadEndsAfterItsLastBlock) {
    Run(kEmbed);
    EXPECT_TRUE(prompts.asked().empty());
    ExpectIdle();
    EXPECT_EQ(progressDialogs, 0);
    const auto reads = ReadAddresses();
    ASSERT_EQ(reads.size(), 1u + 15u);
    EXPECT_EQ(reads.back(), 0x00F0);
    ExpectSuccess(kEmbed);
}

// Every reply kind and its spoilt variants: a spoilt reply is dropped, the
// frame goes out again after the time-out and the session completes.
TEST_F(SessionTest, SpoiltAndLostRepliesAreAskedForAgain) {
    struct Case {
        const char* name;
        int mode;
        Fault fault;
    };
    const Case cases[] = {
        {"clean read", kRead, {FaultKind::Drop, 999}},
        {"handshake lost", kRead, {FaultKind::Drop, kLinkFrame}},
        {"handshake without its 0x06", kRead, {FaultKind::BadLastByte, kLinkFrame}},
        {"handshake with one byte too many", kRead, {FaultKind::ExtraBytes, kLinkFrame}},
        {"handshake one byte short", kRead, {FaultKind::MissingBytes, kLinkFrame}},
        {"identification lost", kRead, {FaultKind::Drop, kIdentifyFrame}},
        {"identification without its 0x06", kRead, {FaultKind::BadLastByte, kIdentifyFrame}},
        {"identification with one byte too many", kRead, {FaultKind::ExtraBytes, kIdentifyFrame}},
        {"identification behind garbage", kRead, {FaultKind::Garbage, kIdentifyFrame, 2}},
        {"password block with a bad checksum", kRead, {FaultKind::BadChecksum, kPassWordFrame}},
        {"password block one byte short", kRead, {FaultKind::MissingBytes, kPassWordFrame}},
        {"block lost", kRead, {FaultKind::Drop, kBlockFrame}},
        {"block with a bad checksum", kRead, {FaultKind::BadChecksum, kBlockFrame}},
        {"block for another address", kRead, {FaultKind::BadAddress, kBlockFrame}},
        {"block with another length", kRead, {FaultKind::BadLength, kBlockFrame}},
        {"block without its 0x06", kRead, {FaultKind::BadLastByte, kBlockFrame}},
        {"block with a byte too many", kRead, {FaultKind::ExtraBytes, kBlockFrame}},
        {"block one byte short", kRead, {FaultKind::MissingBytes, kBlockFrame}},
        {"block behind garbage", kRead, {FaultKind::Garbage, kBlockFrame, 3}},
        {"block late", kRead, {FaultKind::Late, kBlockFrame}},
        {"block one byte at a time", kRead, {FaultKind::Split, kBlockFrame}},
        {"clean write", kWrite, {FaultKind::Drop, 999}},
        {"acknowledgement lost", kWrite, {FaultKind::Drop, kBlockFrame}},
        {"acknowledgement spoilt", kWrite, {FaultKind::BadLastByte, kBlockFrame}},
        {"acknowledgement behind garbage", kWrite, {FaultKind::Garbage, kBlockFrame}},
        {"acknowledgement late", kWrite, {FaultKind::Late, kBlockFrame}},
        {"write frame asked for again", kWrite, {FaultKind::Resend, kBlockFrame, 3}},
        {"clean embedded information", kEmbed, {FaultKind::Drop, 999}},
        {"embedded-information block lost", kEmbed, {FaultKind::Drop, 5}},
        {"embedded-information block spoilt", kEmbed, {FaultKind::BadChecksum, 5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        auto config = radio->Config();
        config.faults = {c.fault};
        MakeRadio(config);
        ExpectAsk(c.mode);
        if (c.mode != kEmbed) ExpectText(2003 + c.mode);
        Run(c.mode);
        EXPECT_TRUE(prompts.allAnswered());
        ExpectIdle();
        ExpectSuccess(c.mode);
        TearDown();
    }
}

TEST_F(SessionTest, WholeSessionOneByteAtATime) {
    for (int mode : {kRead, kWrite, kEmbed}) {
        SCOPED_TRACE(mode);
        SetUp();
        auto config = radio->Config();
        config.byteAtATime = true;
        MakeRadio(config);
        ExpectAsk(mode);
        if (mode != kEmbed) ExpectText(2003 + mode);
        Run(mode);
        EXPECT_TRUE(prompts.allAnswered());
        ExpectSuccess(mode);
        TearDown();
    }
}

// A radio that stops answering: three sends 300 ms apart, then the end of the
// session or the Retry/Cancel box (answered Cancel), 300 ms after the third.
TEST_F(SessionTest, SilenceInEachStateEndsAfterThreeSends) {
    struct Case {
        const char* name;
        int mode;
        int silentFrom;
        uint8_t frameStart;  // first byte of the frame sent three times
        bool box;
    };
    const Case cases[] = {
        {"read, handshake", kRead, kLinkFrame, 'P', false},
        {"read, identification", kRead, kIdentifyFrame, 0x02, false},
        {"read, password block", kRead, kPassWordFrame, 0x52, true},
        {"read, block", kRead, kBlockFrame, 0x52, true},
        {"write, handshake", kWrite, kLinkFrame, 'P', false},
        {"write, password block", kWrite, kPassWordFrame, 0x52, true},
        {"write, block", kWrite, kBlockFrame, 0x57, true},
        {"embedded information, identification", kEmbed, kIdentifyFrame, 0x02, false},
        {"embedded information, password block", kEmbed, kPassWordFrame, 0x52, false},
        {"embedded information, block", kEmbed, 6, 0x52, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        auto config = radio->Config();
        config.faults = {{FaultKind::Silent, c.silentFrom}};
        MakeRadio(config);
        const ByteVec before = DataSnapshot();
        int64_t promptAt = -1;
        prompts.whileOpen = [&](const platform::Prompt& p) {
            if (p.text != MsgText().MsgReadAsk && p.text != MsgText().MsgWriteAsk && promptAt < 0) promptAt = clock.NowUs();
        };
        ExpectAsk(c.mode);
        if (c.box) ExpectRetryBox(Answer::Cancel);
        ExpectText(FailText(c.mode));
        Run(c.mode);
        EXPECT_TRUE(prompts.allAnswered());
        ExpectIdle();
        EXPECT_EQ(DataSnapshot(), before);
        const auto frames = radio->Frames();
        ASSERT_EQ(frames.size(), static_cast<std::size_t>(c.silentFrom + 2));
        const auto& last = frames.back();
        EXPECT_EQ(last.front(), c.frameStart);
        EXPECT_EQ(frames[frames.size() - 2], last);
        EXPECT_EQ(frames[frames.size() - 3], last);
        const auto times = SendTimes(c.frameStart);
        ASSERT_GE(times.size(), 3u);
        const auto t = times.end() - 3;
        EXPECT_EQ(t[1] - t[0], 300'000);
        EXPECT_EQ(t[2] - t[1], 300'000);
        EXPECT_EQ(promptAt - t[2], 300'000);
        prompts.whileOpen = nullptr;
        TearDown();
    }
}

TEST_F(SessionTest, UnansweredFinalEndStillSucceeds) {
    // The last frame of a write of the default data (no channel in use).
    ExpectWriteAsk();
    ExpectText(2005);
    WriteToRadio();
    const int frames = radio->FramesReceived();
    SetUp();
    auto config = radio->Config();
    config.faults = {{FaultKind::Drop, frames}};
    MakeRadio(config);
    ExpectWriteAsk();
    ExpectText(2005);
    WriteToRadio();
    EXPECT_TRUE(prompts.allAnswered());
    ExpectIdle();
    const auto times = SendTimes('E');
    ASSERT_EQ(times.size(), 1u);
    EXPECT_EQ(clock.NowUs() - times[0], 300'000);
}

// Retry after a block's sends ran out: "END", a new handshake, identification
// and password block, then the same block again.
TEST_F(SessionTest, RetryAsksForTheSameBlockAgain) {
    for (int mode : {kRead, kWrite}) {
        SCOPED_TRACE(mode);
        SetUp();
        auto config = radio->Config();
        config.faults = {{FaultKind::Drop, kBlockFrame}, {FaultKind::Drop, kBlockFrame + 1},
                         {FaultKind::Drop, kBlockFrame + 2}};
        MakeRadio(config);
        ExpectAsk(mode);
        ExpectRetryBox(Answer::Retry);
        ExpectText(2003 + mode);
        Run(mode);
        EXPECT_TRUE(prompts.allAnswered());
        const auto& f = radio->Frames();
        const ByteVec block = f[kBlockFrame - 1];
        EXPECT_EQ(f[kBlockFrame], block);
        EXPECT_EQ(f[kBlockFrame + 1], block);
        EXPECT_EQ(f[kBlockFrame + 2], ByteVec({'E', 'N', 'D'}));
        EXPECT_EQ(f[kBlockFrame + 3], ByteVec({'P', 'R', 'O', 'G', 'R', 'A', 'M'}));
        EXPECT_EQ(f[kBlockFrame + 4], ByteVec({0x02}));
        EXPECT_EQ(f[kBlockFrame + 5], ByteVec({0x52, 0x00, 0x50, 0x10}));
        EXPECT_EQ(f[kBlockFrame + 6], block);
        EXPECT_EQ(LinkRetry, 3);
        EXPECT_EQ(IdentifyRetry, 3);
        EXPECT_EQ(PassWordRetry, 3);
        ExpectSuccess(mode);
        TearDown();
    }
}

TEST_F(SessionTest, UnansweredRestartEndIsSentAgainOnRetry) {
    auto config = radio->Config();
    config.faults = {{FaultKind::Drop, kBlockFrame}, {FaultKind::Drop, kBlockFrame + 1},
                     {FaultKind::Drop, kBlockFrame + 2}};
    MakeRadio(config);
    int ends = 0;
    port->lose = [&](const ByteVec& frame) { return frame == ByteVec({'E', 'N', 'D'}) && ++ends == 1; };
    ExpectReadAsk();
    ExpectRetryBox(Answer::Retry);
    ExpectRetryBox(Answer::Retry);
    ExpectText(2004);
    ReadFromRadio();
    EXPECT_TRUE(prompts.allAnswered());
    const auto& w = port->writes;
    ASSERT_GE(w.size(), static_cast<std::size_t>(kBlockFrame + 3));
    EXPECT_EQ(w[kBlockFrame + 2], ByteVec({'E', 'N', 'D'}));
    EXPECT_EQ(w[kBlockFrame + 3], ByteVec({'E', 'N', 'D'}));
    EXPECT_EQ(w[kBlockFrame + 4].front(), 'P');
    EXPECT_EQ(w[kBlockFrame + 7], w[kBlockFrame - 1]);
    ExpectSuccess(kRead);
}

TEST_F(SessionTest, RepliesWhileTheRetryBoxIsOpenAreIgnored) {
    auto config = radio->Config();
    config.lateUs = 500'000;
    // The third send's reply comes while the box is open.
    config.faults = {{FaultKind::Drop, kBlockFrame}, {FaultKind::Drop, kBlockFrame + 1},
                     {FaultKind::Late, kBlockFrame + 2}};
    MakeRadio(config);
    int boxes = 0;
    prompts.whileOpen = [&](const platform::Prompt& p) {
        if (p.buttons != Buttons::RetryCancel) return;
        ++boxes;
        const auto state = CommState;
        const auto addr = CommAddr;
        clock.AdvanceBy(400'000);
        EXPECT_EQ(CommState, state);
        EXPECT_EQ(CommAddr, addr);
    };
    ExpectReadAsk();
    ExpectRetryBox(Answer::Retry);
    ExpectText(2004);
    ReadFromRadio();
    EXPECT_TRUE(prompts.allAnswered());
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(radio->Frames()[kBlockFrame + 2], ByteVec({'E', 'N', 'D'}));
    ExpectSuccess(kRead);
}

// A resend request answers only a write frame: in a read or a password
// restart (CommAddr 0, the tuning area) nothing is ever written.
TEST_F(SessionTest, LoneResendByteOutsideAWriteIsIgnored) {
    for (int mode : {kRead, kEmbed}) {
        SCOPED_TRACE(mode);
        SetUp();
        SetRadioPassWord({'1', '2', 0, 0});
        typedPassWord = "12";
        // The restart's "END" comes back as its echo and a lone 0x0A.
        AnswerFirstEndWith({'E', 'N', 'D', 0x0A});
        ExpectAsk(mode);
        // The stray byte took the place of the answer: no answer, Retry.
        ExpectRetryBox(Answer::Retry);
        if (mode != kEmbed) ExpectText(2004);
        Run(mode);
        EXPECT_TRUE(prompts.allAnswered());
        EXPECT_EQ(passWordDialogs, 1);
        EXPECT_TRUE(WriteAddresses().empty());
        ExpectSuccess(mode);
        TearDown();
    }
}

// Identification bytes answer only the identification request: elsewhere
// they neither stall the session nor stand for the answer it waits for.
TEST_F(SessionTest, IdentificationReplyOutsideItsStateIsIgnored) {
    SetRadioPassWord({'1', '2', 0, 0});
    typedPassWord = "12";
    // The restart's "END" comes back as its echo and an identification reply.
    AnswerFirstEndWith({'E', 'N', 'D', 'I', '3', '1', '4', 'K', 'T', 'R', 0, 0, 'V', '2', '0', '0', 0, 0, 0x06});
    ExpectReadAsk();
    ExpectRetryBox(Answer::Retry);
    ExpectText(2004);
    ReadFromRadio();
    EXPECT_TRUE(prompts.allAnswered());
    EXPECT_TRUE(endAnswered);
    EXPECT_EQ(passWordDialogs, 1);
    ExpectSuccess(kRead);
    ExpectIdle();
}

TEST_F(SessionTest, EndlessResendRequestsAskRetryAfterTenResends) {
    struct Case {
        const char* name;
        Answer answer;
        int endText;
    };
    for (const Case& c : {Case{"cancel", Answer::Cancel, 2007}, Case{"retry", Answer::Retry, 2005}}) {
        SCOPED_TRACE(c.name);
        SetUp();
        auto config = radio->Config();
        config.faults = {{FaultKind::Resend, 4, kMaxResends + 1}};
        MakeRadio(config);
        ExpectWriteAsk();
        ExpectRetryBox(c.answer);
        ExpectText(c.endText);
        WriteToRadio();
        EXPECT_TRUE(prompts.allAnswered());
        ExpectIdle();
        const auto writes = WriteAddresses();
        EXPECT_EQ(std::count(writes.begin(), writes.begin() + kMaxResends + 1, 0x0100), kMaxResends + 1);
        if (c.answer == Answer::Retry) {
            EXPECT_EQ(std::count(writes.begin(), writes.end(), 0x0100), kMaxResends + 2);
            ExpectSuccess(kWrite);
        }
        TearDown();
    }
}

TEST_F(SessionTest, CancelIsHonouredAtTheNextStep) {
    struct Case {
        const char* name;
        int mode;
        std::vector<Fault> faults;
    };
    const Case cases[] = {
        {"read", kRead, {}},
        {"write", kWrite, {}},
        {"write while the radio asks for frames again", kWrite, {{FaultKind::Resend, 4, 5}}},
        {"read while a block is lost", kRead, {{FaultKind::Silent, 12}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        auto config = radio->Config();
        config.faults = c.faults;
        MakeRadio(config);
        const ByteVec before = DataSnapshot();
        // Cancel pressed while the 8th block is out.
        int blocks = 0;
        port->afterWrite = [&](const ByteVec& frame) {
            if ((frame[0] == 0x52 || frame[0] == 0x57) && ++blocks == 8) CommCancel = true;
        };
        ExpectAsk(c.mode);
        ExpectText(FailText(c.mode));
        Run(c.mode);
        EXPECT_TRUE(prompts.allAnswered());
        ExpectIdle();
        EXPECT_FALSE(CommCancel);
        EXPECT_EQ(DataSnapshot(), before);
        EXPECT_LE(radio->FramesReceived(), 8 + 2);
        TearDown();
    }
}

TEST_F(SessionTest, PortFailuresShowOneMessageAndEndTheSession) {
    // Pulled cable in the middle of a read or a write.
    for (int mode : {kRead, kWrite, kEmbed}) {
        SCOPED_TRACE(mode);
        SetUp();
        auto config = radio->Config();
        config.faults = {{FaultKind::Disconnect, kBlockFrame}};
        MakeRadio(config);
        const ByteVec before = DataSnapshot();
        ExpectAsk(mode);
        // Not "cannot open": the port was open. The reason is a sentence.
        prompts.expect(Lang(2009) + "\n" + "The serial port /dev/simradio stopped working (device removed).",
                       Buttons::Ok, Answer::Ok);
        ExpectText(FailText(mode));
        Run(mode);
        EXPECT_TRUE(prompts.allAnswered());
        ExpectIdle();
        EXPECT_EQ(DataSnapshot(), before);
        TearDown();
    }
    // A port that cannot be opened: the command ends before anything is sent.
    for (int mode : {kRead, kWrite, kEmbed}) {
        SCOPED_TRACE(mode);
        SetUp();
        port->openError = "cannot open /dev/simradio: device busy";
        prompts.expect(Lang(2002) + "\ncannot open /dev/simradio: device busy", Buttons::Ok, Answer::Ok);
        Run(mode);
        EXPECT_TRUE(prompts.allAnswered());
        ExpectNothingSent();
        TearDown();
    }
}

TEST_F(SessionTest, QuestionCancelledSendsNothing) {
    for (int mode : {kRead, kWrite}) {
        SCOPED_TRACE(mode);
        SetUp();
        if (mode == kRead) ExpectReadAsk(Answer::Cancel);
        else ExpectWriteAsk(Answer::Cancel);
        Run(mode);
        EXPECT_TRUE(prompts.allAnswered());
        ExpectNothingSent();
        TearDown();
    }
}

TEST_F(SessionTest, EncoderFailureStopsTheWriteBeforeAnythingIsSent) {
    CurData.CommuBook[0].CallID = "G1";  // not a hexadecimal call ID: the book cannot be sorted
    const ByteVec before = DataSnapshot();
    ExpectWriteAsk();
    prompts.expect("SetCommDataByDTMFCommuBookError\ncontact entry 0: call ID \"G1\" is not a number", Buttons::Ok,
                   Answer::Ok);
    WriteToRadio();
    EXPECT_TRUE(prompts.allAnswered());
    ExpectNothingSent();
    EXPECT_FALSE(WriteDataOK);
    EXPECT_EQ(DataSnapshot(), before);
}

TEST_F(SessionTest, SaveFirstQuestionOfTheRead) {
    struct Case {
        const char* name;
        Answer answer;
        bool saveSucceeds;
        bool reads;  // the read question follows
    };
    const Case cases[] = {
        {"yes, saved", Answer::Yes, true, true},
        {"yes, save failed or cancelled", Answer::Yes, false, false},
        {"no", Answer::No, true, true},
        {"cancel", Answer::Cancel, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        CurData.BeepVolume = static_cast<int16_t>(CurData.BeepVolume + 1);  // a change
        saveSucceeds = c.saveSucceeds;
        const ByteVec before = DataSnapshot();
        prompts.expect(GetMsgText("9001"), Buttons::YesNoCancel, c.answer, Icon::Exclamation, true);
        if (c.reads) ExpectReadAsk(Answer::Cancel);
        ReadFromRadio();
        EXPECT_TRUE(prompts.allAnswered());
        EXPECT_EQ(saves, c.answer == Answer::Yes ? 1 : 0);
        ExpectIdle();
        EXPECT_TRUE(port->writes.empty());
        if (!c.saveSucceeds) EXPECT_EQ(DataSnapshot(), before);
        TearDown();
    }
}

TEST_F(SessionTest, IdentityChecks) {
    struct Case {
        const char* name;
        int mode;
        std::string model;
        std::string version;
        uint8_t band;
        uint8_t status;
        std::vector<std::pair<std::string, Icon>> boxes;  // empty: the session succeeds
    };
    const std::pair<std::string, Icon> wrongModel{"Model type is wrong. \r\nPC is KQ-314\r\nRadio is 999XYZ", Icon::None};
    const std::pair<std::string, Icon> wrongBand{"Frequencys is wrong!", Icon::Exclamation};
    const Case cases[] = {
        {"read, other model code of the same radio", kRead, "YH314KT", "V200", 0, 0, {}},
        {"read, older accepted version", kRead, "314KTR", "V101", 0, 0, {}},
        {"read, killed radio", kRead, "314KTR", "V200", 0, 1, {}},
        {"read, other band", kRead, "314KTR", "V200", 1, 0, {}},
        {"read, wrong model", kRead, "999XYZ", "V200", 0, 0, {wrongModel}},
        {"read, newer version",
         kRead, "314KTR", "V300", 0, 0,
         {{"Version is wrong. Overwrite?\r\nPC is V200\r\nRadio is V300", Icon::None}}},
        {"write, killed", kWrite, "314KTR", "V200", 0, 1, {{"Radio is killed,can't be written!", Icon::None}}},
        {"write, stunned", kWrite, "314KTR", "V200", 0, 2, {{"Radio is fainted,can't be written!", Icon::None}}},
        {"write, other band", kWrite, "314KTR", "V200", 1, 0, {wrongBand}},
        {"write, wrong model and band", kWrite, "999XYZ", "V200", 1, 1, {wrongModel, wrongBand}},
        {"embedded information, wrong model", kEmbed, "999XYZ", "V200", 0, 0, {wrongModel}},
        {"embedded information, killed radio", kEmbed, "314KTR", "V200", 0, 1, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        auto config = radio->Config();
        config.model = c.model;
        config.version = c.version;
        config.band = c.band;
        config.status = c.status;
        MakeRadio(config);
        const ByteVec before = DataSnapshot();
        ExpectAsk(c.mode);
        for (const auto& [text, icon] : c.boxes) prompts.expect(text, Buttons::Ok, Answer::Ok, icon, true);
        const bool ok = c.boxes.empty();
        if (c.mode != kEmbed || !ok) ExpectText(ok ? 2003 + c.mode : FailText(c.mode));
        Run(c.mode);
        EXPECT_TRUE(prompts.allAnswered());
        ExpectIdle();
        if (ok) {
            ExpectSuccess(c.mode);
        } else {
            EXPECT_EQ(radio->FramesReceived(), 2);  // handshake and identification only
            EXPECT_EQ(DataSnapshot(), before);
        }
        TearDown();
    }
}

TEST_F(SessionTest, ReadPassword) {
    struct Case {
        const char* name;
        int mode;
        std::array<uint8_t, 4> radioBytes;
        std::string entered;                // InputPassWord before the session
        std::optional<std::string> typed;   // the dialog's answer (nullopt: Cancel)
        bool dialog;
        bool ok;
    };
    const Case cases[] = {
        {"no password", kRead, {0xFF, 0xFF, 0xFF, 0xFF}, "abcd", std::nullopt, false, true},
        {"first byte 0x00", kRead, {0x00, 'A', 'B', 'C'}, "", std::nullopt, false, true},
        {"entered before", kRead, {'1', '2', '3', '4'}, "1234", std::nullopt, false, true},
        {"ends at 0x00", kRead, {'A', 'B', 0x00, 'C'}, "AB", std::nullopt, false, true},
        {"typed in the dialog", kRead, {'1', '2', '3', '4'}, "", "1234", true, true},
        {"typed wrong", kRead, {'1', '2', '3', '4'}, "", "1243", true, false},
        {"cancelled", kRead, {'1', '2', '3', '4'}, "12", std::nullopt, true, false},
        {"letter case differs", kRead, {'A', 'b', 0xFF, 0xFF}, "", "ab", true, false},
        {"leading blank", kRead, {'A', 'B', 0x00, 0x00}, "", " AB", true, false},
        {"write, typed in the dialog", kWrite, {'1', '2', '3', '4'}, "", "1234", true, true},
        {"write, cancelled", kWrite, {'1', '2', '3', '4'}, "", std::nullopt, true, false},
        {"embedded information, typed in the dialog", kEmbed, {'1', '2', '3', '4'}, "x", "1234", true, true},
        {"embedded information, cancelled", kEmbed, {'1', '2', '3', '4'}, "", std::nullopt, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        SetRadioPassWord(c.radioBytes);
        InputPassWord = c.entered;
        typedPassWord = c.typed;
        const ByteVec before = DataSnapshot();
        ExpectAsk(c.mode);
        if (c.mode != kEmbed || !c.ok) ExpectText(c.ok ? 2003 + c.mode : FailText(c.mode));
        Run(c.mode);
        EXPECT_TRUE(prompts.allAnswered());
        ExpectIdle();
        EXPECT_EQ(passWordDialogs, c.dialog ? 1 : 0);
        if (c.ok) ExpectSuccess(c.mode);
        else EXPECT_EQ(DataSnapshot(), before);
        if (!c.typed) EXPECT_EQ(InputPassWord, c.entered);
        if (c.dialog && c.ok) {
            // The session starts again from the handshake and passes.
            const auto& f = radio->Frames();
            EXPECT_EQ(f[3], ByteVec({'E', 'N', 'D'}));
            EXPECT_EQ(f[4].front(), 'P');
            EXPECT_EQ(f[6], ByteVec({0x52, 0x00, 0x50, 0x10}));
        }
        // A later session with the same radio needs no dialog.
        if (c.ok && c.mode == kRead) {
            ExpectReadAsk();
            ExpectText(2004);
            ReadFromRadio();
            EXPECT_TRUE(prompts.allAnswered());
            EXPECT_EQ(passWordDialogs, c.dialog ? 1 : 0);
        }
        TearDown();
    }
}

TEST_F(SessionTest, RadioPasswordBytes) {
    auto reply = [](std::array<uint8_t, 4> pw) {
        std::array<uint8_t, 16> data{};
        std::copy(pw.begin(), pw.end(), data.begin() + 12);
        CommSendLen = 4;
        ByteVec rx = {0x52, 0x00, 0x50, 0x10};
        const auto frame = BuildWriteFrame(0x0050, data);
        rx.insert(rx.end(), frame.begin(), frame.end());
        return rx;
    };
    EXPECT_EQ(RadioPassWord(reply({'A', 'B', 0x00, 'C'})), "AB");
    EXPECT_EQ(RadioPassWord(reply({'A', 'B', 0xFF, 'C'})), "AB");
    EXPECT_EQ(RadioPassWord(reply({'A', 'B', ' ', ' '})), "AB");
    EXPECT_EQ(RadioPassWord(reply({' ', 'A', 'B', 'C'})), " ABC");
    EXPECT_EQ(RadioPassWord(reply({0xFF, 'A', 'B', 'C'})), "");
}

}  // namespace
