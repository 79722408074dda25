// The simulated radio in-process, driven through the serial port interface
// and the protocol's own frames and reply tests.
#include <gtest/gtest.h>

#include <optional>

#include "ProgramSandbox.h"
#include "FakeSerialPort.h"
#include "TempDir.h"
#include "core/SharedState.h"
#include "link/Protocol.h"
#include "link/SimLine.h"
#include "link/SimRadio.h"

namespace {

using Bytes = std::vector<uint8_t>;
using sim::FaultKind;

// What one frame sent brought back.
struct Outcome {
    std::optional<Bytes> rx;  // the bytes of the receive event; none: the timer ticked
    int64_t atUs = 0;         // when, from the send
    int events = 0;
    ReplyKind kind = ReplyKind::None;
};

class SimRadioTest : public testing::Test {
protected:
    void SetUp() override {
        port.Open();
        port.SetReceiveThreshold(1);
        port.OnComm([this](platform::CommEvent e) {
            if (e == platform::CommEvent::PortLost) {
                lost = true;
                return;
            }
            ++events_;
            if (!got_) got_ = port.ReadAll();
        });
        timer.OnTick([this] {
            timer.Stop();
            ticked_ = true;
        });
    }
    Outcome Exchange(const Frame& frame, int replyLength, ReplyContext ctx = {}) {
        got_.reset();
        ticked_ = false;
        events_ = 0;
        const int64_t start = clock.NowUs();
        EXPECT_TRUE(SendFrame(port, timer, frame, replyLength));
        while (!got_ && !ticked_ && clock.RunNext()) {
        }
        Outcome o;
        o.atUs = clock.NowUs() - start;
        o.events = events_;
        if (got_) {
            timer.Stop();
            o.rx = got_;
            o.kind = ClassifyReply(*got_, ctx);
        }
        return o;
    }
    ReplyKind Link() { return Exchange(BuildLinkRequest(), kLinkReplyLength).kind; }
    Outcome Read(int32_t addr) {
        CommAddr = addr;
        return Exchange(BuildReadRequest(addr, 16), 16 + kBlockOverhead);
    }

    ProgramSandbox sandbox;
    sim::VirtualClock clock;
    sim::SimRadio radio;
    sim::SimLine line{clock, radio};
    FakeSerialPort port{line};
    VirtualReplyTimer timer{clock};
    bool lost = false;

private:
    std::optional<Bytes> got_;
    bool ticked_ = false;
    int events_ = 0;
};

TEST_F(SimRadioTest, AnswersAWholeSession) {
    radio.Config().model = "314KTR";
    radio.Config().band = 1;
    radio.Config().version = "V101";
    radio.Config().features = 0x40;
    radio.Config().status = 0x02;
    radio.Mem()[0x0123] = 0x5A;

    // Nothing is answered before the handshake; the cable still echoes.
    auto before = Exchange(BuildIdentifyRequest(), kIdentifyReplyLength);
    EXPECT_FALSE(before.rx);
    EXPECT_EQ(port.InBufferCount(), 1u);

    EXPECT_EQ(Link(), ReplyKind::Link);
    EXPECT_EQ(Exchange(BuildIdentifyRequest(), kIdentifyReplyLength).kind, ReplyKind::Identify);
    EXPECT_EQ(RadioModel, "314KTR");
    EXPECT_EQ(RadioBand, 1);
    EXPECT_EQ(RadioVersion, "V101");
    EXPECT_EQ(SettingFlag[1], 1);
    EXPECT_EQ(RadioStunned, -1);

    CommAddr = 0;
    auto pw = Exchange(BuildReadRequest(0x50, 16), 22, {.passWordAwaited = true});
    EXPECT_EQ(pw.kind, ReplyKind::PassWordData);

    auto block = Read(0x0120);
    ASSERT_EQ(block.kind, ReplyKind::ReadData);
    EXPECT_EQ(ReplyData(*block.rx)[3], 0x5A);

    Bytes data(16);
    for (int i = 0; i < 16; ++i) data[i] = static_cast<uint8_t>(i);
    EXPECT_EQ(Exchange(BuildWriteFrame(0x7FF0, data), 1).kind, ReplyKind::Ack);
    EXPECT_EQ(radio.Mem()[0x7FFF], 15);
    EXPECT_TRUE(radio.Dirty());

    bool ended = false;
    radio.OnSessionEnd([&] { ended = true; });
    EXPECT_EQ(Exchange(BuildEndRequest(), 1).kind, ReplyKind::Ack);
    EXPECT_TRUE(ended);
    EXPECT_FALSE(radio.Linked());
    EXPECT_EQ(radio.FramesReceived(), 7);
}

TEST_F(SimRadioTest, ABadWriteFrameIsAskedForAgain) {
    ASSERT_EQ(Link(), ReplyKind::Link);
    auto frame = BuildWriteFrame(0x0100, Bytes(16, 0x11));
    frame[20] ^= 1;
    EXPECT_EQ(Exchange(frame, 1).kind, ReplyKind::Resend);
    EXPECT_EQ(radio.Mem()[0x0100], 0xFF);
    frame = BuildWriteFrame(0x0100, Bytes(16, 0x11));
    frame[21] = 0x07;
    EXPECT_EQ(Exchange(frame, 1).kind, ReplyKind::Resend);
    EXPECT_FALSE(radio.Dirty());
}

TEST_F(SimRadioTest, FactoryHandshakeAndRelinkWithoutEnd) {
    EXPECT_EQ(Exchange(BuildFactoryLinkRequest(), kLinkReplyLength).kind, ReplyKind::Link);
    EXPECT_TRUE(radio.FactorySession());
    EXPECT_EQ(Link(), ReplyKind::Link);
    EXPECT_FALSE(radio.FactorySession());
    EXPECT_TRUE(radio.Linked());
}

TEST_F(SimRadioTest, FaultsSpoilTheReplyTheWayTheTestsMustCatch) {
    struct Case {
        const char* name;
        sim::Fault fault;
    };
    const Case cases[] = {
        {"checksum", {FaultKind::BadChecksum, 2}},  {"address", {FaultKind::BadAddress, 2}},
        {"length", {FaultKind::BadLength, 2}},      {"last byte", {FaultKind::BadLastByte, 2}},
        {"one byte extra", {FaultKind::ExtraBytes, 2, 1}}, {"one byte missing", {FaultKind::MissingBytes, 2, 1}},
        {"garbage first", {FaultKind::Garbage, 2, 3}}, {"dropped", {FaultKind::Drop, 2}},
    };
    for (const auto& c : cases) {
        sim::VirtualClock clk;
        sim::SimRadio r({.faults = {c.fault}});
        sim::SimLine l(clk, r);
        FakeSerialPort p(l);
        p.Open();
        std::optional<Bytes> got;
        p.OnComm([&](platform::CommEvent) { got = p.ReadAll(); });
        SendFrame(p, timer, BuildLinkRequest(), kLinkReplyLength);
        clk.RunUntilIdle();
        ASSERT_TRUE(got) << c.name;
        EXPECT_TRUE(IsLink(*got));
        got.reset();
        CommAddr = 0x0200;
        SendFrame(p, timer, BuildReadRequest(0x0200, 16), 22);
        clk.RunUntilIdle();
        if (got) {
            EXPECT_EQ(ClassifyReply(*got, {}), ReplyKind::None) << c.name;
        }
        // The reply of the next frame is whole again.
        got.reset();
        SendFrame(p, timer, BuildReadRequest(0x0200, 16), 22);
        clk.RunUntilIdle();
        ASSERT_TRUE(got) << c.name;
        EXPECT_EQ(ClassifyReply(*got, {}), ReplyKind::ReadData) << c.name;
    }
}

TEST_F(SimRadioTest, SplitRepliesStillComeAsOneEvent) {
    radio.Config().byteAtATime = true;
    radio.Config().paced = true;
    ASSERT_EQ(Link(), ReplyKind::Link);
    const auto o = Read(0x0300);
    EXPECT_EQ(o.kind, ReplyKind::ReadData);
    EXPECT_EQ(o.events, 1);
    // 4 echo bytes and 22 reply bytes at 9600 baud.
    EXPECT_EQ(o.atUs, 26 * sim::kByteTimeUs);
}

TEST_F(SimRadioTest, ALateReplyComesAfterTheTimeOut) {
    radio.Config().faults = {{FaultKind::Late, 2}};
    ASSERT_EQ(Link(), ReplyKind::Link);
    const auto o = Read(0x0300);
    EXPECT_FALSE(o.rx);
    EXPECT_EQ(o.atUs, 300'000);
    // The repeat is answered at once; the late reply trails behind it and
    // waits in the buffer, short of the next threshold.
    const auto next = Read(0x0300);
    EXPECT_EQ(next.kind, ReplyKind::ReadData);
    EXPECT_EQ(next.atUs, 0);
    clock.AdvanceBy(200'000);
    EXPECT_EQ(port.InBufferCount(), 22u);
}

TEST_F(SimRadioTest, ResendFaultAsksForTheSameFrameKTimes) {
    radio.Config().faults = {{FaultKind::Resend, 2, 2}};
    ASSERT_EQ(Link(), ReplyKind::Link);
    const auto frame = BuildWriteFrame(0x0400, Bytes(16, 0x22));
    EXPECT_EQ(Exchange(frame, 1).kind, ReplyKind::Resend);
    EXPECT_EQ(Exchange(frame, 1).kind, ReplyKind::Resend);
    EXPECT_EQ(radio.Mem()[0x0400], 0xFF);
    EXPECT_EQ(Exchange(frame, 1).kind, ReplyKind::Ack);
    EXPECT_EQ(radio.Mem()[0x0400], 0x22);
}

TEST_F(SimRadioTest, SilentRadioAndPulledCable) {
    radio.Config().faults = {{FaultKind::Silent, 3}, {FaultKind::Disconnect, 5}};
    ASSERT_EQ(Link(), ReplyKind::Link);
    EXPECT_EQ(Read(0x10).kind, ReplyKind::ReadData);
    EXPECT_FALSE(Read(0x20).rx);
    EXPECT_FALSE(Read(0x20).rx);
    EXPECT_EQ(port.InBufferCount(), 4u);  // the echo only
    radio.Config().faults = {{FaultKind::Disconnect, 5}};
    EXPECT_FALSE(Read(0x20).rx);
    EXPECT_FALSE(lost);  // silence does not end
    sim::SimRadio r2({.faults = {{FaultKind::Disconnect, 2}}});
    sim::SimLine l2(clock, r2);
    FakeSerialPort p2(l2);
    bool gone = false;
    p2.OnComm([&](platform::CommEvent e) { gone = gone || e == platform::CommEvent::PortLost; });
    p2.Open();
    p2.Write(BuildLinkRequest());
    p2.Write(BuildReadRequest(0x10, 16));
    clock.RunUntilIdle();
    EXPECT_TRUE(gone);
    EXPECT_FALSE(p2.IsOpen());
    EXPECT_NE(p2.LastError().find("stopped working"), std::string::npos);
    EXPECT_FALSE(p2.Open());
}

TEST_F(SimRadioTest, StrayBytesAndPartialFramesAreSkipped) {
    port.Write(Bytes{0x99, 0x98});
    port.Write(Bytes{'P', 'R', 'O'});
    clock.AdvanceBy(200'000);  // the rest never comes
    EXPECT_EQ(Link(), ReplyKind::Link);
    EXPECT_EQ(radio.FramesReceived(), 1);
}

TEST_F(SimRadioTest, MemoryFilePasswordAndTranscript) {
    TempDir dir;
    radio.SetReadPassword("ab");
    EXPECT_EQ(radio.Mem()[0x5C], 'a');
    EXPECT_EQ(radio.Mem()[0x5E], 0x00);
    radio.Mem()[0x7FFF] = 0x42;
    std::string error;
    ASSERT_TRUE(radio.SaveMemory(dir.file("radio.bin"), error)) << error;
    sim::SimRadio other;
    ASSERT_TRUE(other.LoadMemory(dir.file("radio.bin"), error)) << error;
    EXPECT_EQ(other.Mem(), radio.Mem());
    dir.write("short.bin", "abc");
    EXPECT_FALSE(other.LoadMemory(dir.file("short.bin"), error));
    EXPECT_NE(error.find("3 bytes"), std::string::npos);
    EXPECT_FALSE(other.LoadMemory(dir.file("none.bin"), error));
    other.SetReadPassword("");
    EXPECT_EQ(other.Mem()[0x5C], 0xFF);

    ASSERT_EQ(Link(), ReplyKind::Link);
    ASSERT_FALSE(radio.Transcript().empty());
    EXPECT_EQ(sim::SimRadio::FormatEntry(radio.Transcript().front()),
              "     0.000 ms PC> 50 52 4F 47 52 41 4D  |PROGRAM|  #1 handshake");
}

TEST(SimRadioFaultTest, FaultTexts) {
    sim::Fault f;
    ASSERT_TRUE(sim::ParseFault("resend:12:3", f));
    EXPECT_EQ(f.kind, FaultKind::Resend);
    EXPECT_EQ(f.frame, 12);
    EXPECT_EQ(f.count, 3);
    ASSERT_TRUE(sim::ParseFault("silent:0", f));
    EXPECT_EQ(f.count, 1);
    for (const char* bad : {"", "drop", "drop:", "drop:x", "drop:1:2:3", "nap:1", "drop:-1"})
        EXPECT_FALSE(sim::ParseFault(bad, f)) << bad;
}

}  // namespace
