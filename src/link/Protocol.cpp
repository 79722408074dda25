#include "link/Protocol.h"

#include <algorithm>

#include "core/SharedState.h"
#include "link/RadioIdentity.h"
#include "platform/ReplyTimer.h"
#include "platform/SerialPort.h"

namespace {

Frame WordFrame(std::string_view word) { return Frame(word.begin(), word.end()); }

// The bytes behind the echo, or an empty span when the echo is not all there.
std::span<const uint8_t> AfterEcho(std::span<const uint8_t> rx) {
    const auto sl = static_cast<std::size_t>(std::max<int32_t>(CommSendLen, 0));
    if (rx.size() < sl) return {};
    return rx.subspan(sl);
}

bool IsSingleByteReply(std::span<const uint8_t> rx, uint8_t byte) {
    const auto r = AfterEcho(rx);
    return rx.size() == static_cast<std::size_t>(CommSendLen) + kAckReplyLength && r.size() == 1 &&
           r[0] == byte;
}

// Read reply validity, in its fixed order; `rule` decides on address and length.
template <typename Rule>
bool IsValidReadReply(std::span<const uint8_t> rx, Rule rule) {
    const auto r = AfterEcho(rx);
    if (r.empty() || r[0] != kWriteCommand) return false;
    if (r.size() < static_cast<std::size_t>(16 + kBlockOverhead)) return false;
    const int32_t addr = r[1] * 256 + r[2];
    const int32_t length = r[3];
    if (!rule(addr, length)) return false;
    if (r.size() != static_cast<std::size_t>(length + kBlockOverhead)) return false;
    if (r.back() != kAckByte) return false;
    return IsCheckSumOK(rx, CommSendLen + 1);
}

}  // namespace

Frame BuildLinkRequest() { return WordFrame(kLinkWord); }
Frame BuildFactoryLinkRequest() { return WordFrame(kFactoryLinkWord); }
Frame BuildIdentifyRequest() { return Frame{kIdentifyCommand}; }
Frame BuildEndRequest() { return WordFrame(kEndWord); }

Frame BuildReadRequest(int32_t addr, int32_t length) {
    return Frame{kReadCommand, static_cast<uint8_t>((addr >> 8) & 0xFF), static_cast<uint8_t>(addr & 0xFF),
                 static_cast<uint8_t>(length & 0xFF)};
}

Frame BuildWriteFrame(int32_t addr, std::span<const uint8_t> data) {
    Frame f;
    f.reserve(data.size() + kBlockOverhead);
    f.push_back(kWriteCommand);
    f.push_back(static_cast<uint8_t>((addr >> 8) & 0xFF));
    f.push_back(static_cast<uint8_t>(addr & 0xFF));
    f.push_back(static_cast<uint8_t>(data.size() & 0xFF));
    f.insert(f.end(), data.begin(), data.end());
    f.push_back(0);  // checksum
    f.push_back(kAckByte);
    SetCheckSum(f, 1);
    return f;
}

namespace {
// Low 8 bits of the sum of bytes[first .. size-3]; nullopt-like -1 when the
// range does not exist.
int BlockSum(std::span<const uint8_t> bytes, int first) {
    if (first < 0 || bytes.size() < 2 || static_cast<std::size_t>(first) > bytes.size() - 2) return -1;
    int32_t sum = 0;
    for (std::size_t i = static_cast<std::size_t>(first); i + 2 < bytes.size(); ++i) sum += bytes[i];
    return sum & 0xFF;
}
}  // namespace

void SetCheckSum(std::span<uint8_t> frame, int first) {
    const int sum = BlockSum(frame, first);
    if (sum >= 0) frame[frame.size() - 2] = static_cast<uint8_t>(sum);
}

bool IsCheckSumOK(std::span<const uint8_t> reply, int first) {
    const int sum = BlockSum(reply, first);
    return sum >= 0 && reply[reply.size() - 2] == sum;
}

bool SendFrame(platform::SerialPort& port, platform::ReplyTimer& timer, std::span<const uint8_t> frame,
               int replyLength) {
    CommSendLen = static_cast<int32_t>(frame.size());
    timer.Start();
    port.ClearOutput();
    port.ClearInput();
    port.SetReceiveThreshold(CommSendLen + replyLength);
    return port.Write(frame);
}

bool IsAck(std::span<const uint8_t> rx) { return IsSingleByteReply(rx, kAckByte); }
bool IsResend(std::span<const uint8_t> rx) { return IsSingleByteReply(rx, kResendByte); }

bool IsLink(std::span<const uint8_t> rx) {
    const auto r = AfterEcho(rx);
    return rx.size() == static_cast<std::size_t>(CommSendLen) + kLinkReplyLength && r.size() == 3 &&
           r[0] == static_cast<uint8_t>(kLinkReplyWord[0]) && r[1] == static_cast<uint8_t>(kLinkReplyWord[1]) &&
           r[2] == kAckByte;
}

bool IsIdentify(std::span<const uint8_t> rx) {
    const auto r = AfterEcho(rx);
    if (rx.size() != static_cast<std::size_t>(CommSendLen) + kIdentifyReplyLength ||
        r.size() != static_cast<std::size_t>(kIdentifyReplyLength))
        return false;
    if (r.front() != kIdentifyMark || r.back() != kAckByte) return false;
    DecodeIdentity(r.first<kIdentifyReplyLength>());
    return true;
}

bool IsCurrentBlock(int32_t addr, int32_t length) { return addr == CommAddr && length == ReadBlockSize; }

bool IsReadData(std::span<const uint8_t> rx) { return IsValidReadReply(rx, IsCurrentBlock); }

bool IsPassWordData(std::span<const uint8_t> rx, bool passWordAwaited) {
    return passWordAwaited &&
           IsValidReadReply(rx, [](int32_t addr, int32_t) { return addr == kPassWordBlockAddr; });
}

bool IsTestData(std::span<const uint8_t> rx, bool testReadAwaited) {
    // Only the block just requested: a stray reply for the other test block
    // would otherwise land on the wrong bytes of the record.
    return testReadAwaited && IsValidReadReply(rx, [](int32_t addr, int32_t length) {
               return addr == TestDataAddr && addr >= 0 && addr <= kTestAreaLastAddr && length == ReadBlockSize;
           });
}

ReplyKind ClassifyReply(std::span<const uint8_t> rx, const ReplyContext& context) {
    if (IsAck(rx)) return ReplyKind::Ack;
    if (IsResend(rx)) return ReplyKind::Resend;
    if (IsLink(rx)) return ReplyKind::Link;
    if (IsIdentify(rx)) return ReplyKind::Identify;
    if (IsPassWordData(rx, context.passWordAwaited)) return ReplyKind::PassWordData;
    if (IsTestData(rx, context.testReadAwaited)) return ReplyKind::TestData;
    if (IsReadData(rx)) return ReplyKind::ReadData;
    return ReplyKind::None;
}

int32_t ReplyAddress(std::span<const uint8_t> rx) {
    const auto r = AfterEcho(rx);
    return r.size() < 3 ? -1 : r[1] * 256 + r[2];
}

int32_t ReplyLength(std::span<const uint8_t> rx) {
    const auto r = AfterEcho(rx);
    return r.size() < 4 ? -1 : r[3];
}

std::span<const uint8_t> ReplyData(std::span<const uint8_t> rx) {
    const auto r = AfterEcho(rx);
    if (r.size() < static_cast<std::size_t>(kBlockOverhead)) return {};
    return r.subspan(4, r.size() - kBlockOverhead);
}

void SaveReadData(std::span<const uint8_t> rx, std::span<uint8_t> image) {
    const auto data = ReplyData(rx);
    if (CommAddr < 0) return;
    const auto start = static_cast<std::size_t>(CommAddr);
    const auto count = std::min<std::size_t>(static_cast<std::size_t>(std::max<int32_t>(ReadBlockSize, 0)), data.size());
    for (std::size_t i = 0; i < count && start + i < image.size(); ++i) image[start + i] = data[i];
}
