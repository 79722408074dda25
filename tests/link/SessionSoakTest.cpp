// Many sessions against a radio with random faults: each one either succeeds
// with the radio's image or fails with a message and changes no data; none
// crashes or hangs.
#include "SessionFixture.h"

namespace {

using sim::Fault;
using sim::FaultKind;

// Answers every prompt: Retry or Cancel at random (Retry at most three times
// a session), OK otherwise; remembers the last text.
class SoakPrompts : public platform::PromptService {
public:
    explicit SoakPrompts(std::mt19937& rng) : rng_(rng) {}
    Answer Ask(const platform::Prompt& p) override {
        last = p.text;
        ++count;
        if (p.buttons == Buttons::RetryCancel)
            return retries++ < 3 && rng_() % 2 ? Answer::Retry : Answer::Cancel;
        return Answer::Ok;
    }
    void NewSession() {
        last.clear();
        count = 0;
        retries = 0;
    }
    std::string last;
    int count = 0;

private:
    std::mt19937& rng_;
    int retries = 0;
    platform::ScopedPromptService install_{*this};
};

class SessionSoakTest : public SessionFixture {};

TEST_F(SessionSoakTest, ThreeHundredSessionsWithRandomFaults) {
    std::mt19937 rng(20240601);
    SoakPrompts answers(rng);
    const FaultKind kinds[] = {FaultKind::Drop,        FaultKind::Resend,      FaultKind::BadChecksum,
                               FaultKind::BadAddress,  FaultKind::BadLength,   FaultKind::BadLastByte,
                               FaultKind::ExtraBytes,  FaultKind::MissingBytes, FaultKind::Garbage,
                               FaultKind::Late,        FaultKind::Split,       FaultKind::Silent,
                               FaultKind::Disconnect};
    int succeeded = 0, failed = 0;
    for (int run = 0; run < 300; ++run) {
        SCOPED_TRACE("session " + std::to_string(run));
        SetUp();  // default data, saved
        const int mode = 1 + static_cast<int>(rng() % 3);
        sim::SimRadioConfig config;
        config.replyDelayUs = 1000;
        config.byteAtATime = rng() % 10 == 0;
        const int faults = static_cast<int>(rng() % 4);
        for (int i = 0; i < faults; ++i) {
            const auto kind = kinds[rng() % std::size(kinds)];
            // Rare kinds that end every session stay rare.
            if ((kind == FaultKind::Silent || kind == FaultKind::Disconnect) && rng() % 3) continue;
            config.faults.push_back({kind, 1 + static_cast<int>(rng() % 90), 1 + static_cast<int>(rng() % 4)});
        }
        MakeRadio(config);
        RadioUse use{{0, 1, 9, 200, 761}, {2}, {0, 99}};
        for (int i = 0; i < 10; ++i) use.channelSlots.insert(static_cast<int>(rng() % 768));
        FillRadioImage(*radio, use, rng());
        answers.NewSession();
        const ByteVec before = DataSnapshot();
        const int64_t start = clock.NowUs();

        if (mode == 1) ReadFromRadio();
        else if (mode == 2) WriteToRadio();
        else {
            ReadRMGDataFromRadio();
            RunClock();
        }

        ExpectIdle();
        EXPECT_LT(clock.NowUs() - start, 60'000'000) << "virtual minutes went by";
        const bool ok = mode == 3 ? embedViews == 1 : answers.last == Lang(2003 + mode);
        if (ok) {
            ++succeeded;
            if (mode == 1) {
                EXPECT_TRUE(ImageMatchesRadio(0x0010, 0x7FF0));
                EXPECT_FALSE(IsDataChanged());
                // Whatever the radio held, what was read can be written back
                // without a box, and reads back as it was written.
                const int boxes = answers.count;
                InitCommData();
                WriteDataOK = true;
                SetCommData();
                EXPECT_TRUE(WriteDataOK) << answers.last;
                EXPECT_EQ(answers.count, boxes);
                SaveOldRadioData();
                GetDataByComm();
                EXPECT_TRUE(IsDataSame());
            } else if (mode == 2) {
                EXPECT_TRUE(ImageMatchesRadio(0x0100, 0x7FF0));
                EXPECT_EQ(DataSnapshot(), before);
            } else {
                EXPECT_TRUE(std::equal(CommData.begin() + 0x10, CommData.begin() + 0x100, radio->Mem().begin() + 0x10));
            }
        } else {
            ++failed;
            EXPECT_EQ(answers.last, Lang(2005 + mode)) << "a session that did not succeed must say so";
            EXPECT_EQ(DataSnapshot(), before);
            EXPECT_EQ(embedViews, 0);
        }
        TearDown();
    }
    RecordProperty("succeeded", succeeded);
    RecordProperty("failed", failed);
    // Both outcomes occur, or the faults were too weak to mean anything.
    EXPECT_GT(succeeded, 100);
    EXPECT_GT(failed, 10);
}

}  // namespace
