#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "ProgramSandbox.h"
#include "core/SharedState.h"
#include "link/Protocol.h"
#include "platform/ReplyTimer.h"
#include "platform/SerialPort.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

// A read reply as the radio sends it (without the echo).
Bytes ReadReply(int32_t addr, Bytes data) {
    auto f = BuildWriteFrame(addr, data);  // same layout: 'W' addr len data sum 06
    return f;
}

class ProtocolTest : public testing::Test {
protected:
    ProgramSandbox sandbox;
};

TEST_F(ProtocolTest, FramesHaveTheirExactBytes) {
    EXPECT_EQ(BuildLinkRequest(), (Bytes{0x50, 0x52, 0x4F, 0x47, 0x52, 0x41, 0x4D}));
    EXPECT_EQ(BuildFactoryLinkRequest().size(), 7u);
    // Seven capital letters, none of which starts a frame.
    for (const uint8_t b : BuildFactoryLinkRequest()) {
        EXPECT_TRUE(b >= 'A' && b <= 'Z') << int(b);
        for (const uint8_t command : {uint8_t(kLinkWord[0]), kReadCommand, kWriteCommand, uint8_t(kEndWord[0]), kIdentifyCommand})
            EXPECT_NE(b, command) << char(b);
    }
    EXPECT_EQ(BuildIdentifyRequest(), (Bytes{0x02}));
    EXPECT_EQ(BuildReadRequest(0x0050, 16), (Bytes{0x52, 0x00, 0x50, 0x10}));
    EXPECT_EQ(BuildReadRequest(0x7FF0, 16), (Bytes{0x52, 0x7F, 0xF0, 0x10}));
    EXPECT_EQ(BuildEndRequest(), (Bytes{0x45, 0x4E, 0x44}));

    // 0x01 + 0x00 + 0x10 + 16 * 0xFF = 0x1001: only the low byte is kept.
    const Bytes ff(16, 0xFF);
    EXPECT_EQ(BuildWriteFrame(0x0100, ff), Cat({{0x57, 0x01, 0x00, 0x10}, ff, {0x01, 0x06}}));
    // The command byte and the closing 0x06 are not summed.
    const Bytes zeros(16, 0x00);
    EXPECT_EQ(BuildWriteFrame(0x7FF0, zeros), Cat({{0x57, 0x7F, 0xF0, 0x10}, zeros, {0x7F, 0x06}}));
}

TEST_F(ProtocolTest, ChecksumSumsFromFirstToThirdLast) {
    Bytes f{0xAA, 0x10, 0x20, 0x30, 0x00, 0x06};
    SetCheckSum(f, 1);
    EXPECT_EQ(f[4], 0x60);
    EXPECT_TRUE(IsCheckSumOK(f, 1));
    f[2] ^= 1;
    EXPECT_FALSE(IsCheckSumOK(f, 1));
    // Too short to hold a checksum: never accepted, never out of range.
    EXPECT_FALSE(IsCheckSumOK(Bytes{0x06}, 1));
    EXPECT_FALSE(IsCheckSumOK(Bytes{}, 0));
    EXPECT_FALSE(IsCheckSumOK(Bytes{1, 2, 3}, 5));
}

TEST_F(ProtocolTest, SendStepsSetEchoLengthThresholdAndTimer) {
    struct RecordingPort : platform::SerialPort {
        bool Open() override { return open = true; }
        void Close() override { open = false; }
        bool IsOpen() const override { return open; }
        bool Write(std::span<const uint8_t> b) override {
            written.assign(b.begin(), b.end());
            thresholdAtWrite = ReceiveThreshold();
            return open;
        }
        bool open = true;
        Bytes written;
        int thresholdAtWrite = -1;
    } port;
    platform::ManualReplyTimer timer;
    struct Case {
        Frame frame;
        int reply;
        int threshold;
    };
    const Case cases[] = {
        {BuildLinkRequest(), kLinkReplyLength, 10},
        {BuildIdentifyRequest(), kIdentifyReplyLength, 17},
        {BuildReadRequest(0x10, 16), 16 + kBlockOverhead, 26},
        {BuildWriteFrame(0x100, Bytes(16, 0)), kAckReplyLength, 23},
        {BuildEndRequest(), kAckReplyLength, 4},
    };
    for (const auto& c : cases) {
        timer.Stop();
        EXPECT_TRUE(SendFrame(port, timer, c.frame, c.reply));
        EXPECT_EQ(port.written, c.frame);
        EXPECT_EQ(CommSendLen, static_cast<int32_t>(c.frame.size()));
        EXPECT_EQ(port.thresholdAtWrite, c.threshold);
        EXPECT_TRUE(timer.IsActive());
    }
    port.open = false;
    EXPECT_FALSE(SendFrame(port, timer, BuildEndRequest(), 1));
}

TEST_F(ProtocolTest, SingleByteAndLinkRepliesNeedTheirExactLength) {
    CommSendLen = 3;  // "END"
    const Bytes echo{0x45, 0x4E, 0x44};
    EXPECT_TRUE(IsAck(Cat({echo, {0x06}})));
    EXPECT_FALSE(IsResend(Cat({echo, {0x06}})));
    EXPECT_TRUE(IsResend(Cat({echo, {0x0A}})));
    EXPECT_FALSE(IsAck(Cat({echo, {0x06, 0x06}})));  // one too many
    EXPECT_FALSE(IsAck(echo));                         // one too few
    EXPECT_FALSE(IsAck(Cat({echo, {0x15}})));

    CommSendLen = 7;
    const auto link = BuildLinkRequest();
    EXPECT_TRUE(IsLink(Cat({link, {'Y', 'H', 0x06}})));
    EXPECT_FALSE(IsLink(Cat({link, {'Y', 'H', 0x06, 0x00}})));  // 11 bytes
    EXPECT_FALSE(IsLink(Cat({link, {'Y', 'H'}})));               // 9 bytes
    EXPECT_FALSE(IsLink(Cat({link, {'Y', 'H', 0x07}})));         // no trailing 06
    EXPECT_FALSE(IsLink(Cat({link, {'Y', 'h', 0x06}})));
    // The echo is skipped, never compared.
    EXPECT_TRUE(IsLink(Bytes{0, 0, 0, 0, 0, 0, 0, 'Y', 'H', 0x06}));
}

TEST_F(ProtocolTest, ReadReplyIsCheckedStepByStep) {
    CommSendLen = 4;
    CommAddr = 0x0120;
    const Bytes echo = BuildReadRequest(0x0120, 16);
    Bytes data(16);
    for (int i = 0; i < 16; ++i) data[i] = static_cast<uint8_t>(0xF0 + i);
    const Bytes good = Cat({echo, ReadReply(0x0120, data)});
    ASSERT_EQ(good.size(), 26u);
    EXPECT_TRUE(IsReadData(good));

    auto with = [&](auto change) {
        Bytes b = good;
        change(b);
        return b;
    };
    struct Case {
        const char* name;
        Bytes rx;
    };
    const Case bad[] = {
        {"one byte short", Bytes(good.begin(), good.end() - 1)},
        {"one byte long", Cat({good, {0x06}})},
        {"wrong checksum", with([](Bytes& b) { b[24] ^= 0x01; })},
        {"missing trailing 06", with([](Bytes& b) { b[25] = 0x00; })},
        {"wrong command byte", with([](Bytes& b) { b[4] = 0x52; })},
        {"other address, right checksum",
         Cat({echo, ReadReply(0x0130, data)})},
        {"other length, right checksum",
         [&] {
             Bytes r = ReadReply(0x0120, Bytes(15, 0xF0));
             return Cat({echo, r, {0x00}});
         }()},
        {"reply without echo", ReadReply(0x0120, data)},
    };
    for (const auto& c : bad) EXPECT_FALSE(IsReadData(c.rx)) << c.name;

    // Only when the length byte says 16 and ReadBlockSize is 16 does it pass.
    ReadBlockSize = 8;
    EXPECT_FALSE(IsReadData(good));
    ReadBlockSize = 16;

    std::array<uint8_t, kImageSize> image{};
    SaveReadData(good, image);
    EXPECT_EQ(image[0x011F], 0);
    EXPECT_EQ(image[0x0120], 0xF0);
    EXPECT_EQ(image[0x012F], 0xFF);
    EXPECT_EQ(image[0x0130], 0);
}

TEST_F(ProtocolTest, PasswordAndTestRepliesFollowTheirOwnAddressRule) {
    CommSendLen = 4;
    CommAddr = 0x0000;
    const Bytes pw = Cat({BuildReadRequest(0x50, 16), ReadReply(0x0050, Bytes(16, 0xFF))});
    EXPECT_TRUE(IsPassWordData(pw, true));
    EXPECT_FALSE(IsPassWordData(pw, false));
    EXPECT_FALSE(IsTestData(pw, true));  // 0x50 is outside the test area

    // A test reply counts only for the test block requested.
    const Bytes t0 = Cat({BuildReadRequest(0x00, 16), ReadReply(0x0000, Bytes(16, 1))});
    const Bytes t1 = Cat({BuildReadRequest(0x10, 16), ReadReply(0x0010, Bytes(16, 2))});
    TestDataAddr = 0x0000;
    EXPECT_TRUE(IsTestData(t0, true));
    EXPECT_FALSE(IsTestData(t1, true));
    TestDataAddr = 0x0010;
    EXPECT_TRUE(IsTestData(t1, true));
    EXPECT_FALSE(IsTestData(t0, true));
    EXPECT_FALSE(IsTestData(t1, false));
    const Bytes t20 = Cat({BuildReadRequest(0x20, 16), ReadReply(0x0020, Bytes(16, 2))});
    TestDataAddr = 0x0020;
    EXPECT_FALSE(IsTestData(t20, true));
    // A shorter block for the right address (its length byte says 15).
    const Bytes short0 = Cat({BuildReadRequest(0x00, 16), ReadReply(0x0000, Bytes(15, 1))});
    TestDataAddr = 0x0000;
    EXPECT_FALSE(IsTestData(short0, true));
    TestDataAddr = 0x0010;

    // Outside the test step, block 0x0010 is an ordinary read reply.
    CommAddr = 0x0010;
    EXPECT_EQ(ClassifyReply(t1, {}), ReplyKind::ReadData);
    EXPECT_EQ(ClassifyReply(t1, {.testReadAwaited = true}), ReplyKind::TestData);
    // The password test comes before the read test even for CommAddr 0x50.
    CommAddr = 0x0050;
    EXPECT_EQ(ClassifyReply(pw, {.passWordAwaited = true}), ReplyKind::PassWordData);
    EXPECT_EQ(ClassifyReply(pw, {}), ReplyKind::ReadData);
}

TEST_F(ProtocolTest, ClassifyTriesTheTestsInTheirOrder) {
    CommSendLen = 1;
    EXPECT_EQ(ClassifyReply(Bytes{0x02, 0x06}, {}), ReplyKind::Ack);
    EXPECT_EQ(ClassifyReply(Bytes{0x02, 0x0A}, {}), ReplyKind::Resend);
    Bytes id{0x02, 'I', '3', '1', '4', 'K', 'T', 'R', 0, 0, 'V', '2', '0', '0', 0, 0, 0x06};
    EXPECT_EQ(ClassifyReply(id, {}), ReplyKind::Identify);
    id.back() = 0x07;
    EXPECT_EQ(ClassifyReply(id, {}), ReplyKind::None);
    CommSendLen = 7;
    EXPECT_EQ(ClassifyReply(Bytes{1, 2, 3, 4, 5, 6, 7, 'Y', 'H', 6}, {}), ReplyKind::Link);
    EXPECT_EQ(ClassifyReply(Bytes{1, 2, 3}, {}), ReplyKind::None);  // shorter than the echo
    EXPECT_EQ(ClassifyReply(Bytes{}, {}), ReplyKind::None);
}

}  // namespace
