#include <gtest/gtest.h>

#include <vector>

#include "platform/SerialPort.h"

namespace {

using Bytes = std::vector<uint8_t>;

// A port whose received bytes the test hands in.
class FeedPort : public platform::SerialPort {
public:
    bool Open() override { return open_ = true; }
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    bool Write(std::span<const uint8_t>) override { return open_; }
    void Feed(Bytes b) { Deliver(b); }
    void Lose(std::string why) { ReportLost(std::move(why)); }

private:
    bool open_ = false;
};

TEST(SerialPortTest, ReceiveEventComesOnceWhenTheThresholdIsReached) {
    FeedPort port;
    std::vector<Bytes> got;
    port.OnComm([&](platform::CommEvent e) {
        if (e == platform::CommEvent::Receive) got.push_back(port.ReadAll());
    });
    port.SetReceiveThreshold(10);
    // A reply split into single bytes is handed over whole.
    const Bytes reply{'P', 'R', 'O', 'G', 'R', 'A', 'M', 'Y', 'H', 0x06};
    for (std::size_t i = 0; i + 1 < reply.size(); ++i) port.Feed({reply[i]});
    EXPECT_TRUE(got.empty());
    EXPECT_EQ(port.InBufferCount(), 9u);
    port.Feed({reply.back()});
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0], reply);

    // More than the threshold in one chunk: all of it, once.
    port.Feed({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[1].size(), 11u);

    // Threshold 0 turns the event off.
    port.SetReceiveThreshold(0);
    port.Feed(Bytes(20, 0));
    EXPECT_EQ(got.size(), 2u);
    port.ClearInput();
    EXPECT_EQ(port.InBufferCount(), 0u);
}

TEST(SerialPortTest, AHandlerThatDoesNotReadIsCalledAgainOnlyForNewBytes) {
    FeedPort port;
    int events = 0;
    port.OnComm([&](platform::CommEvent) { ++events; });
    port.SetReceiveThreshold(2);
    port.Feed({1, 2});
    EXPECT_EQ(events, 1);
    port.Feed({});
    EXPECT_EQ(events, 1);
    port.Feed({3});
    EXPECT_EQ(events, 2);
}

TEST(SerialPortTest, BytesArrivingInsideTheHandlerWaitForItToReturn) {
    FeedPort port;
    std::vector<Bytes> got;
    int depth = 0, maxDepth = 0;
    port.OnComm([&](platform::CommEvent) {
        ++depth;
        maxDepth = std::max(maxDepth, depth);
        got.push_back(port.ReadAll());
        if (got.size() == 1) {
            // As if a message box ran a nested event loop: the next frame's
            // threshold is set and its reply arrives meanwhile.
            port.SetReceiveThreshold(4);
            port.Feed({7, 7});
            port.Feed({7, 0x06});
            EXPECT_EQ(got.size(), 1u);
        }
        --depth;
    });
    port.SetReceiveThreshold(3);
    port.Feed({1, 2, 3});
    EXPECT_EQ(maxDepth, 1);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[1], (Bytes{7, 7, 7, 0x06}));
}

TEST(SerialPortTest, ALostPortIsReportedWithItsReason) {
    FeedPort port;
    std::vector<platform::CommEvent> events;
    port.OnComm([&](platform::CommEvent e) { events.push_back(e); });
    port.Lose("the serial port /dev/ttyUSB0 stopped working");
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0], platform::CommEvent::PortLost);
    EXPECT_EQ(port.LastError(), "the serial port /dev/ttyUSB0 stopped working");
}

TEST(SerialPortTest, FailureTextsBecomeSentences) {
    struct Case { const char* name; const char* in; const char* out; };
    const Case cases[] = {
        {"lower case first letter", "input/output error on /dev/ttyUSB0", "Input/output error on /dev/ttyUSB0."},
        {"already a sentence", "The device was removed.", "The device was removed."},
        {"trailing blanks", "device gone  ", "Device gone."},
        {"starts with no letter", "/dev/ttyUSB0 gone", "/dev/ttyUSB0 gone."},
        {"a question", "gone?", "Gone?"},
        {"empty", "", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(platform::AsSentence(c.in), c.out) << c.name;
}

TEST(SerialPortTest, LineSettings) {
    platform::LineSettings s;
    ASSERT_TRUE(platform::ParseLineSettings("9600,N,8,1", s));
    EXPECT_EQ(s.baud, 9600);
    EXPECT_EQ(s.parity, 'N');
    EXPECT_EQ(s.dataBits, 8);
    EXPECT_EQ(s.stopBits, 1);
    ASSERT_TRUE(platform::ParseLineSettings("19200,e,7,2", s));
    EXPECT_EQ(s.parity, 'E');
    for (const char* bad : {"", "9600,N,8", "9600,X,8,1", "fast,N,8,1", "9600,N,9,1", "9600,N,8,3", "9600,N,8,1,1"})
        EXPECT_FALSE(platform::ParseLineSettings(bad, s)) << bad;
    FeedPort port;
    EXPECT_FALSE(port.SetSettings("9600"));
    EXPECT_EQ(port.Settings().baud, 9600);
}

}  // namespace
