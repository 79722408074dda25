#include "link/FactorySteps.h"

#include <algorithm>
#include <array>

#include "core/SharedState.h"
#include "link/Protocol.h"
#include "link/Session.h"
#include "platform/ReplyTimer.h"

namespace {

constexpr int32_t kTestBlocks = (kTestAreaLastAddr + 1) / 16;
constexpr int32_t kBeforeFirstBlock = -16;

// The test area of a factory read, kept aside until the read succeeds, and
// whether the read's test step is under way.
struct ReadStep {
    std::array<uint8_t, kTestAreaLastAddr + 1> bytes{};
    std::array<bool, kTestBlocks> received{};
    bool running = false;
};
ReadStep& Step() {
    static ReadStep step;
    return step;
}

bool TestAddrInArea() { return TestDataAddr >= 0 && TestDataAddr <= kTestAreaLastAddr; }

bool TestReadAwaited() {
    if (!TestDataEnable || !TestAddrInArea()) return false;
    if (CommState == SessionState::FactoryTestRead) return true;
    return CommMode == SessionMode::Read && CommState == SessionState::Blocks && Step().running;
}

Frame TestWriteFrame() {
    const auto first = static_cast<std::size_t>(TestDataAddr);
    return BuildWriteFrame(TestDataAddr, std::span<const uint8_t>(TestData).subspan(first, static_cast<std::size_t>(WriteBlockSize)));
}

void SendTestWrite() { SendSessionFrame(TestWriteFrame(), kAckReplyLength, true); }

void OnTestData(std::span<const uint8_t> rx) {
    SessionTimer().Stop();
    if (CommMode == SessionMode::Read) SaveTestDataRead(rx);
    else SaveTestDataHead(rx);
    WriteNextTestRead();
}

}  // namespace

FactorySessionSteps FactorySteps() {
    FactorySessionSteps s;
    s.active = [] { return TestDataEnable; };
    s.writeFactoryLink = [] { WriteFactoryLink(); };
    s.startReadTestData = StartReadTestData;
    s.startWriteTestData = StartWriteTestData;
    s.writeNextTestData = WriteNextTestData;
    s.resendTestData = SendTestWrite;
    s.testReadAwaited = TestReadAwaited;
    s.onTestData = OnTestData;
    s.testDataWritten = [] { return TestDataWritten; };
    s.readSucceeded = CommitTestDataRead;
    return s;
}

void StartReadTestData() {
    TestDataAddr = kBeforeFirstBlock;
    if (CommMode == SessionMode::Read) Step() = ReadStep{.running = true};
    WriteNextTestRead();
}

void WriteNextTestRead() {
    TestDataAddr += ReadBlockSize;
    if (TestDataAddr > kTestAreaLastAddr) {
        Step().running = false;
        NextCommStep();
        return;
    }
    SendSessionFrame(BuildReadRequest(TestDataAddr, ReadBlockSize), ReadBlockSize + kBlockOverhead, false);
}

void SaveTestDataRead(std::span<const uint8_t> rx) {
    const auto data = ReplyData(rx);
    const int32_t addr = ReplyAddress(rx);
    for (std::size_t i = 0; i < data.size(); ++i) {
        const auto at = static_cast<std::size_t>(addr) + i;
        if (at < Step().bytes.size()) Step().bytes[at] = data[i];
    }
    const auto block = static_cast<std::size_t>(addr / 16);
    if (block < Step().received.size()) Step().received[block] = true;
}

void SaveTestDataHead(std::span<const uint8_t> rx) {
    const auto data = ReplyData(rx);
    const int32_t addr = ReplyAddress(rx);
    for (std::size_t i = 0; i < data.size(); ++i) {
        const auto at = static_cast<std::size_t>(addr) + i;
        if (at <= 1) TestData[at] = data[i];
    }
}

void StartWriteTestData() {
    TestDataWritten = false;
    TestDataAddr = kBeforeFirstBlock;
    WriteNextTestData();
}

void WriteNextTestData() {
    TestDataAddr += WriteBlockSize;
    if (TestDataAddr > kTestAreaLastAddr) {
        TestDataWritten = true;
        NextCommStep();
        return;
    }
    SendTestWrite();
}

void CommitTestDataRead() {
    ReadStep& step = Step();
    const bool whole = std::all_of(step.received.begin(), step.received.end(), [](bool b) { return b; });
    if (TestDataEnable && whole) std::copy(step.bytes.begin(), step.bytes.end(), TestData.begin());
    step = {};
}

void ResetFactorySteps() { Step() = {}; }
