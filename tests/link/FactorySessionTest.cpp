// Sessions in factory mode against the simulated radio: the test area read
// into the test record, the factory write sequence, and what happens when
// the factory steps get no answer.
#include "SessionFixture.h"
#include "TestRecordBytes.h"
#include "core/FactoryDataHooks.h"
#include "link/FactorySteps.h"
#include "link/Protocol.h"
#include "link/TestData.h"

#include <algorithm>

namespace {

using sim::Fault;
using sim::FaultKind;

// The frames of a factory read as the radio counts them.
constexpr int kTestRead0Frame = 4, kTestRead1Frame = 5, kFirstBlockFrame = 6;
// ... and of a factory write.
constexpr int kTestWrite0Frame = 6;

class FactorySession : public SessionFixture {
protected:
    void SetUp() override {
        SessionFixture::SetUp();
        InstallTestDataHooks();
        TestDataEnable = true;
        TestData = CountingRecord(0x40);
        SaveOldRadioData();
        for (int i = 0; i < 32; ++i) radio->Mem()[static_cast<std::size_t>(i)] = static_cast<uint8_t>(0xA0 + i);
    }
    // A new radio with the test area of SetUp.
    void Remake(sim::SimRadioConfig config) {
        MakeRadio(std::move(config));
        for (int i = 0; i < 32; ++i) radio->Mem()[static_cast<std::size_t>(i)] = static_cast<uint8_t>(0xA0 + i);
    }
    // Each frame the radio received, named: "PROGRAM", the factory word, "END",
    // "ID", "R 0050", "W 0100".
    std::vector<std::string> FrameNames() const {
        std::vector<std::string> out;
        for (const auto& f : radio->Frames()) {
            char name[16];
            if (f.size() == 1 && f[0] == kIdentifyCommand) out.push_back("ID");
            else if ((f[0] == kReadCommand && f.size() == 4) || (f[0] == kWriteCommand && f.size() == 22)) {
                std::snprintf(name, sizeof name, "%c %02X%02X", f[0], f[1], f[2]);
                out.push_back(name);
            } else {
                out.emplace_back(f.begin(), f.end());
            }
        }
        return out;
    }
    // The radio with these faults (and the test area of SetUp).
    void WithFaults(std::vector<Fault> faults) {
        auto config = radio->Config();
        config.faults = std::move(faults);
        Remake(config);
    }
    // A read or write answered OK that ends in success; the frames it sent.
    std::vector<std::string> RunToSuccess(bool write) {
        if (write) ExpectWriteAsk();
        else ExpectReadAsk();
        ExpectText(write ? 2005 : 2004);
        if (write) WriteToRadio();
        else ReadFromRadio();
        EXPECT_TRUE(prompts.allAnswered());
        return FrameNames();
    }
    static std::vector<std::string> Head(const std::vector<std::string>& names, std::size_t n) {
        return std::vector<std::string>(names.begin(), names.begin() + static_cast<std::ptrdiff_t>(std::min(n, names.size())));
    }
    // A frame only the test steps send (a read of 0x0010 is also the first
    // ordinary block of a read).
    static bool IsTestFrame(const std::string& name) {
        return name == "R 0000" || name == "W 0000" || name == "W 0010";
    }
};

TEST_F(FactorySession, ReadFillsTheRadioPartOfTheRecord) {
    const auto names = RunToSuccess(false);
    ExpectIdle();
    EXPECT_EQ(Head(names, 7), (std::vector<std::string>{"PROGRAM", "ID", "R 0050", "R 0000", "R 0010", "R 0010", "R 0020"}));
    TestRecord expected = CountingRecord(0x40);
    for (int i = 0; i < 32; ++i) expected[static_cast<std::size_t>(i)] = static_cast<uint8_t>(0xA0 + i);
    EXPECT_EQ(TestData, expected);
    EXPECT_EQ(OldTestData, expected);
    EXPECT_FALSE(IsDataChanged());
    // The ordinary block 0x0010 goes into the image as in every read.
    EXPECT_TRUE(std::equal(CommData.begin() + 0x10, CommData.begin() + 0x20, radio->Mem().begin() + 0x10));
}

TEST_F(FactorySession, FailedOrCancelledReadLeavesTheRecordAsItWas) {
    struct Case {
        const char* name;
        Fault fault;
        bool retryBox;
    };
    const Case cases[] = {
        // Both test blocks arrive, then the radio goes quiet.
        {"silent after the test step", {FaultKind::Silent, kFirstBlockFrame}, true},
        // A test read left unanswered ends the read at once.
        {"test read lost", {FaultKind::Drop, kTestRead1Frame}, false},
        {"test reply for the other block", {FaultKind::BadAddress, kTestRead0Frame}, false},
    };
    for (const auto& c : cases) {
        WithFaults({c.fault});
        ExpectReadAsk();
        if (c.retryBox) ExpectRetryBox(Answer::Cancel);
        ExpectText(2006);
        ReadFromRadio();
        EXPECT_TRUE(prompts.allAnswered()) << c.name;
        ExpectIdle();
        EXPECT_EQ(TestData, CountingRecord(0x40)) << c.name;
        EXPECT_EQ(OldTestData, CountingRecord(0x40)) << c.name;
    }
}

TEST_F(FactorySession, WriteSendsTheTestStepsBetweenTwoHandshakes) {
    const auto names = RunToSuccess(true);
    ExpectIdle();
    const std::vector<std::string> head = {"FCTLINK", "ID",     "R 0050",  "R 0000", "R 0010", "W 0000",
                                           "W 0010",  "PROGRAM", "ID",     "R 0050", "W 0100"};
    EXPECT_EQ(Head(names, head.size()), head);
    EXPECT_EQ(names.back(), "END");
    EXPECT_EQ(std::count(names.begin(), names.end(), "END"), 1);
    EXPECT_EQ(std::count_if(names.begin(), names.end(), IsTestFrame), 3);
    EXPECT_EQ(std::count(names.begin(), names.end(), "R 0010"), 1);

    // The radio keeps its bytes 0 and 1 and takes 2..31 from the record; the
    // record takes the radio's 0 and 1, which the change test sees.
    TestRecord expected = CountingRecord(0x40);
    expected[0] = 0xA0;
    expected[1] = 0xA1;
    EXPECT_TRUE(std::equal(radio->Mem().begin(), radio->Mem().begin() + 32, expected.begin()));
    EXPECT_EQ(TestData, expected);
    EXPECT_EQ(OldTestData, CountingRecord(0x40));
    EXPECT_TRUE(IsDataChanged());
}

TEST_F(FactorySession, ResentTestWriteFrameIsSentAgain) {
    WithFaults({{FaultKind::Resend, kTestWrite0Frame, 1}});
    const auto names = RunToSuccess(true);
    EXPECT_EQ(std::count(names.begin(), names.end(), "W 0000"), 2);
    EXPECT_EQ(radio->Mem()[2], 0x42);
}

TEST_F(FactorySession, UnansweredFactoryHandshakeFallsBackToAnOrdinaryWrite) {
    WithFaults({{FaultKind::Drop, 1}});
    const auto names = RunToSuccess(true);
    EXPECT_EQ(Head(names, 4), (std::vector<std::string>{"FCTLINK", "PROGRAM", "ID", "R 0050"}));
    EXPECT_EQ(std::count_if(names.begin(), names.end(), IsTestFrame), 0);
    EXPECT_EQ(std::count(names.begin(), names.end(), "R 0010"), 0);
    EXPECT_EQ(radio->Mem()[2], 0xA2);  // the test area is untouched
    EXPECT_EQ(TestData, CountingRecord(0x40));
}

// A radio without the factory handshake takes every byte of the word as a
// stray byte: none starts a request it would wait to complete, so the
// ordinary handshake that follows is answered at once.
TEST_F(FactorySession, ARadioWithoutTheFactoryWordTakesItForStrayBytes) {
    auto config = radio->Config();
    config.knowsFactoryWord = false;
    Remake(config);
    const auto names = RunToSuccess(true);
    EXPECT_EQ(Head(names, 4), (std::vector<std::string>{"PROGRAM", "ID", "R 0050", "W 0100"}));
    EXPECT_EQ(std::count_if(names.begin(), names.end(), IsTestFrame), 0);
    int stray = 0;
    for (const auto& entry : radio->Transcript()) {
        if (entry.note == "stray byte") ++stray;
        EXPECT_NE(entry.note, "partial frame dropped");
    }
    EXPECT_EQ(stray, static_cast<int>(kFactoryLinkWord.size()));
    EXPECT_EQ(radio->Mem()[2], 0xA2);  // the test area is untouched
}

TEST_F(FactorySession, UnansweredTestWriteAsksAndRetriesAsAnOrdinaryWrite) {
    WithFaults({{FaultKind::Drop, kTestWrite0Frame}});
    ExpectWriteAsk();
    bool portClosedWhileAsking = false;
    prompts.whileOpen = [&](const platform::Prompt& p) {
        if (p.buttons == Buttons::RetryCancel) portClosedWhileAsking = !port->IsOpen();
    };
    ExpectRetryBox(Answer::Retry);
    ExpectText(2005);
    WriteToRadio();
    ASSERT_TRUE(prompts.allAnswered());
    EXPECT_TRUE(portClosedWhileAsking);
    const auto names = FrameNames();
    // The lost frame was sent once; then "END" and an ordinary session.
    const auto lost = std::find(names.begin(), names.end(), "W 0000");
    ASSERT_NE(lost, names.end());
    ASSERT_GE(names.end() - lost, 6);
    EXPECT_EQ(std::vector<std::string>(lost + 1, lost + 6),
              (std::vector<std::string>{"END", "PROGRAM", "ID", "R 0050", "W 0100"}));
    EXPECT_EQ(std::count_if(lost + 1, names.end(), IsTestFrame), 0);
    EXPECT_EQ(std::count(names.begin(), names.end(), "R 0010"), 1);
}

TEST_F(FactorySession, NoTestStepsOutsideFactoryModeOrInTheInformationRead) {
    TestDataEnable = false;
    auto names = RunToSuccess(false);
    EXPECT_EQ(std::count_if(names.begin(), names.end(), IsTestFrame), 0);
    EXPECT_EQ(names[3], "R 0010");
    EXPECT_EQ(TestData, CountingRecord(0x40));

    TestDataEnable = true;
    Remake(radio->Config());
    ReadRMGDataFromRadio();
    RunClock();
    names = FrameNames();
    EXPECT_EQ(names[0], "PROGRAM");
    EXPECT_EQ(std::count_if(names.begin(), names.end(), IsTestFrame), 0);
    EXPECT_EQ(embedViews, 1);
    EXPECT_EQ(TestData, CountingRecord(0x40));
}

}  // namespace
