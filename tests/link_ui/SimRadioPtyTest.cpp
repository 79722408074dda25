// The link through the real serial port against the simulated radio on a
// pseudo-terminal.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <optional>
#include <thread>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QSerialPort>
#include <QTimer>

#include "DeviceLinks.h"
#include "HangLimit.h"
#include "ProgramSandbox.h"
#include "core/SharedState.h"
#include "link/Protocol.h"
#include "link/SimPty.h"
#include "link/SimRadio.h"
#include "platform/FileSystem.h"
#include "platform/QtSerialPort.h"
#include "platform/ReplyTimer.h"
#include "platform/SerialDevices.h"

namespace {

using Bytes = std::vector<uint8_t>;

class SimRadioPtyTest : public testing::Test {
protected:
    // The radio answers every frame it does not drop: only a test of the
    // reply time-out needs the program's own interval, the others a timer
    // that ticks only when the test has hung.
    void Start(sim::SimRadioConfig config = {}, int replyTimeoutMs = kHangLimitMs) {
        radio_ = std::make_unique<sim::SimRadio>(std::move(config));
        timer = std::make_unique<platform::QtReplyTimer>(replyTimeoutMs);
        std::string error;
        ASSERT_TRUE(pty_.Open(error)) << error;
        server_ = std::thread([this] { pty_.Serve(*radio_, stop_); });
        port.SetDevicePathOverride(links_.To(pty_.DevicePath()));
        ASSERT_TRUE(port.SetSettings("9600,N,8,1"));
        port.SetNoHandshaking();
        port.SetBinaryInput();
        ASSERT_TRUE(port.Open()) << port.LastError();
        port.SetReceiveThreshold(1);
        port.OnComm([this](platform::CommEvent e) {
            if (e == platform::CommEvent::PortLost) lost_ = true;
            else {
                ++events_;
                got_ = port.ReadAll();
            }
            loop_.quit();
        });
        timer->OnTick([this] {
            timer->Stop();
            ticked_ = true;
            loop_.quit();
        });
    }
    void TearDown() override {
        stop_ = true;
        if (server_.joinable()) server_.join();
        port.Close();
    }
    // Sends a frame and waits for the receive event or the reply time-out.
    std::optional<Bytes> Exchange(const Frame& frame, int replyLength) {
        got_.reset();
        ticked_ = false;
        events_ = 0;
        EXPECT_TRUE(SendFrame(port, *timer, frame, replyLength)) << port.LastError();
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, &loop_, &QEventLoop::quit);
        guard.start(kHangLimit);
        while (!got_ && !ticked_ && !lost_ && guard.isActive()) loop_.exec();
        timer->Stop();
        return got_;
    }
    sim::SimRadio& Radio() { return *radio_; }

    ProgramSandbox sandbox;
    platform::QtSerialPort port;
    std::unique_ptr<platform::QtReplyTimer> timer;
    bool ticked_ = false;
    bool lost_ = false;
    int events_ = 0;

private:
    DeviceLinks links_;
    sim::SimPty pty_;
    std::unique_ptr<sim::SimRadio> radio_;
    std::atomic<bool> stop_{false};
    std::thread server_;
    std::optional<Bytes> got_;
    QEventLoop loop_;
};

TEST_F(SimRadioPtyTest, SessionThroughTheRealPort) {
    sim::SimRadioConfig config;
    config.band = 1;
    Start(config);
    auto rx = Exchange(BuildLinkRequest(), kLinkReplyLength);
    ASSERT_TRUE(rx);
    EXPECT_TRUE(IsLink(*rx));
    rx = Exchange(BuildIdentifyRequest(), kIdentifyReplyLength);
    ASSERT_TRUE(rx);
    EXPECT_TRUE(IsIdentify(*rx));
    EXPECT_EQ(RadioModel, "314KTR");
    EXPECT_EQ(RadioBand, 1);

    Bytes data(16, 0x3C);
    rx = Exchange(BuildWriteFrame(0x0100, data), kAckReplyLength);
    ASSERT_TRUE(rx);
    EXPECT_TRUE(IsAck(*rx));
    CommAddr = 0x0100;
    rx = Exchange(BuildReadRequest(0x0100, 16), 16 + kBlockOverhead);
    ASSERT_TRUE(rx);
    ASSERT_TRUE(IsReadData(*rx));
    EXPECT_EQ(ReplyData(*rx)[15], 0x3C);

    // The program may close and reopen the port between sessions.
    rx = Exchange(BuildEndRequest(), kAckReplyLength);
    ASSERT_TRUE(rx);
    EXPECT_TRUE(IsAck(*rx));
    port.Close();
    ASSERT_TRUE(port.Open()) << port.LastError();
    rx = Exchange(BuildLinkRequest(), kLinkReplyLength);
    ASSERT_TRUE(rx);
    EXPECT_TRUE(IsLink(*rx));
}

TEST_F(SimRadioPtyTest, SlowSingleBytesMakeOneReceiveEvent) {
    sim::SimRadioConfig config;
    config.paced = true;
    config.byteAtATime = true;
    Start(config);
    ASSERT_TRUE(Exchange(BuildLinkRequest(), kLinkReplyLength));
    CommAddr = 0x0200;
    const auto rx = Exchange(BuildReadRequest(0x0200, 16), 16 + kBlockOverhead);
    ASSERT_TRUE(rx);
    EXPECT_EQ(rx->size(), 26u);
    EXPECT_TRUE(IsReadData(*rx));
    EXPECT_EQ(events_, 1);
}

TEST_F(SimRadioPtyTest, NoReplyLetsTheTimerTick) {
    sim::SimRadioConfig config;
    config.faults = {{sim::FaultKind::Drop, 1}};
    Start(config, platform::kReplyTimeoutMs);
    EXPECT_FALSE(Exchange(BuildLinkRequest(), kLinkReplyLength));
    EXPECT_TRUE(ticked_);
    EXPECT_EQ(port.InBufferCount(), 7u);  // the echo alone
}

TEST_F(SimRadioPtyTest, ACutLineIsReportedWithTheDevice) {
    sim::SimRadioConfig config;
    config.faults = {{sim::FaultKind::Disconnect, 2}};
    Start(config);
    ASSERT_TRUE(Exchange(BuildLinkRequest(), kLinkReplyLength));
    Exchange(BuildIdentifyRequest(), kIdentifyReplyLength);
    EXPECT_TRUE(lost_);
    EXPECT_FALSE(port.IsOpen());
    // A hung-up line may first meet a read error, with no reason, or an
    // input/output error, with the system's: the loss reads the same.
    const std::string& text = port.LastError();
    const std::string lost = "The device " + port.DevicePath() + " was removed or stopped answering";
    ASSERT_EQ(text.rfind(lost, 0), 0u) << text;
    const std::string rest = text.substr(lost.size());
    EXPECT_TRUE(rest == "." || (rest.starts_with(" (") && rest.ends_with(").") && rest.size() > 4)) << text;
}

TEST(QtSerialPortTest, OpenFailuresNameTheDeviceAndTheRemedy) {
    DeviceLinks links;
    platform::QtSerialPort port;
    port.SetDevicePathOverride(links.Missing());
    EXPECT_FALSE(port.Open());
    EXPECT_EQ(port.LastError().rfind("cannot open " + links.Missing() + ": no such device", 0), 0u)
        << port.LastError();

    const std::string denied = platform::OpenFailureText("/dev/ttyUSB0", QSerialPort::PermissionError, false, "");
    EXPECT_NE(denied.find("permission denied"), std::string::npos);
    EXPECT_NE(denied.find("dialout"), std::string::npos);
    EXPECT_EQ(platform::OpenFailureText("/dev/ttyUSB0", QSerialPort::PermissionError, true, ""),
              "cannot open /dev/ttyUSB0: the port is in use by another program");

    // A port number with no device behind it.
    platform::QtSerialPort numbered;
    {
        platform::ScopedSerialScanOptions noDevices({"/nonexistent", false});
        numbered.SetCommPort(7);
        EXPECT_FALSE(numbered.Open());
        EXPECT_NE(numbered.LastError().find("COM7"), std::string::npos);
    }
    EXPECT_FALSE(numbered.Write(Bytes{1}));
}

// The far end of a pseudo-terminal: the port opens its device, the test reads
// what reached the line. The test can also stop the device's output, which
// leaves it with no room at all, and start it again.
class Terminal {
public:
    Terminal() {
        fd_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd_ >= 0 && (::grantpt(fd_) != 0 || ::unlockpt(fd_) != 0)) HangUp();
        const char* device = fd_ >= 0 ? ::ptsname(fd_) : nullptr;
        if (!device) return;
        path_ = links_.To(device);
        // Opened before the port takes the device for itself.
        device_ = ::open(device, O_RDWR | O_NOCTTY | O_NONBLOCK);
    }
    ~Terminal() {
        HangUp();
        if (device_ >= 0) ::close(device_);
    }
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;

    bool Ok() const { return fd_ >= 0 && device_ >= 0; }
    // The path the port opens.
    const std::string& Device() const { return path_; }
    void HangUp() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }
    // A full device: a write that does not wait takes nothing ("try again"),
    // and the device is not ready for writing, until Room.
    void Full() { ::tcflow(device_, TCOOFF); }
    void Room() { ::tcflow(device_, TCOON); }
    // The next `count` bytes that reach the line; fewer only when the line
    // hangs up or the wait reaches kHangLimit. With `serve` false the event
    // loop never runs, so nothing QSerialPort holds is sent meanwhile.
    Bytes Receive(bool serve, std::size_t count) {
        Bytes got;
        std::array<uint8_t, 65536> chunk{};
        const QDeadlineTimer hang(kHangLimit);
        while (got.size() < count && !hang.hasExpired()) {
            if (serve) QCoreApplication::processEvents(QEventLoop::AllEvents);
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, serve ? 5 : 100) != 1) continue;
            const auto n = ::read(fd_, chunk.data(), std::min(chunk.size(), count - got.size()));
            if (n <= 0) break;
            got.insert(got.end(), chunk.begin(), chunk.begin() + n);
        }
        return got;
    }

private:
    DeviceLinks links_;
    std::string path_;
    int fd_ = -1;
    int device_ = -1;
};

// A port on the terminal that remembers whether it reported itself lost.
struct TerminalPort {
    explicit TerminalPort(const Terminal& line) {
        port.SetDevicePathOverride(line.Device());
        port.OnComm([this](platform::CommEvent e) { lost = lost || e == platform::CommEvent::PortLost; });
        opened = port.SetSettings("9600,N,8,1") && port.Open();
    }
    platform::QtSerialPort port;
    bool opened = false;
    bool lost = false;
};

// A full device that has room for `room` bytes of the port's next direct
// write and none after them: the write takes that much, and the device is
// full again. Installed for the life of the object.
class DeviceWithRoom : public platform::FileSystem {
public:
    DeviceWithRoom(Terminal& line, std::size_t room) : line_(line), room_(room) {
        line_.Full();
        previous_ = platform::SetFileSystem(this);
    }
    ~DeviceWithRoom() override { platform::SetFileSystem(previous_); }
    DeviceWithRoom(const DeviceWithRoom&) = delete;
    DeviceWithRoom& operator=(const DeviceWithRoom&) = delete;

    ssize_t Write(int fd, const void* data, std::size_t size) override {
        if (room_ == 0) return FileSystem::Write(fd, data, size);  // the full device answers for itself
        line_.Room();
        const ssize_t n = FileSystem::Write(fd, data, std::min(size, room_));
        line_.Full();
        if (n > 0) room_ -= static_cast<std::size_t>(n);
        return n;
    }

private:
    Terminal& line_;
    std::size_t room_;
    platform::FileSystem* previous_ = nullptr;
};

// A port opened on a terminal of its own.
class QtSerialPortOnATerminal : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(line.Ok());
        ASSERT_TRUE(t.opened) << t.port.LastError();
    }
    Terminal line;
    TerminalPort t{line};
};

// Bytes written reach the device when Write returns, not when the event
// loop next looks at the port: nothing the program does after a send (the
// progress display) can hold a frame up.
TEST_F(QtSerialPortOnATerminal, WrittenBytesReachTheDeviceBeforeTheEventLoopRuns) {
    const Bytes frame = BuildLinkRequest();
    ASSERT_TRUE(t.port.Write(frame));
    EXPECT_EQ(line.Receive(false, frame.size()), frame);
}

// A frame the device takes only part of: the rest follows once the device
// has room, each byte once, and a frame written meanwhile waits behind it
// even when the device could take that frame at once.
TEST_F(QtSerialPortOnATerminal, AFrameTheDeviceTakesOnlyPartOfLeavesWholeAndFirst) {
    Bytes first(1000);
    for (std::size_t i = 0; i < first.size(); ++i) first[i] = static_cast<uint8_t>(i % 251);
    const Bytes second = BuildLinkRequest();
    constexpr std::size_t kTaken = 300;

    {
        DeviceWithRoom device(line, kTaken);
        ASSERT_TRUE(t.port.Write(first)) << t.port.LastError();
        ASSERT_FALSE(t.lost) << "a full device is no lost one: " << t.port.LastError();
    }
    EXPECT_EQ(line.Receive(false, kTaken), Bytes(first.begin(), first.begin() + kTaken));
    line.Room();
    ASSERT_TRUE(t.port.Write(second)) << t.port.LastError();
    Bytes expected(first.begin() + kTaken, first.end());
    expected.insert(expected.end(), second.begin(), second.end());
    const Bytes rest = line.Receive(true, expected.size());

    EXPECT_EQ(rest.size(), expected.size());
    const auto diff = std::mismatch(rest.begin(), rest.end(), expected.begin(), expected.end());
    EXPECT_TRUE(diff.first == rest.end() && diff.second == expected.end())
        << "the line differs from byte " << kTaken + (diff.first - rest.begin());
    EXPECT_FALSE(t.lost) << t.port.LastError();
    EXPECT_TRUE(t.port.IsOpen());
}

// A device with no room at all answers the direct write "try again" while
// the port holds nothing: no failure, the frame waits in the port and goes
// once the device has room, once.
TEST_F(QtSerialPortOnATerminal, AFrameTheDeviceHasNoRoomForGoesOnceItHasRoom) {
    const Bytes frame = BuildLinkRequest();

    line.Full();
    ASSERT_TRUE(t.port.Write(frame)) << t.port.LastError();
    ASSERT_FALSE(t.lost) << "a full device is no lost one: " << t.port.LastError();
    EXPECT_EQ(t.port.LastError(), "");
    line.Room();
    EXPECT_EQ(line.Receive(true, frame.size()), frame);
    // What comes next on the line is the next frame: the first went once.
    const Bytes next = BuildIdentifyRequest();
    ASSERT_TRUE(t.port.Write(next)) << t.port.LastError();
    EXPECT_EQ(line.Receive(true, next.size()), next);
    EXPECT_FALSE(t.lost) << t.port.LastError();
    EXPECT_TRUE(t.port.IsOpen());
}

// A device that fails the write is a failed write with the system's reason,
// as when QSerialPort refuses the bytes.
TEST_F(QtSerialPortOnATerminal, ADeviceThatFailsTheWriteFailsIt) {
    line.HangUp();
    EXPECT_FALSE(t.port.Write(BuildLinkRequest()));
    EXPECT_EQ(t.port.LastError(), "cannot write to " + t.port.DevicePath() + ": " + std::strerror(EIO));
}

TEST(QtSerialPortTest, ALostDeviceIsASentenceWithTheSystemsReasonWhereItHasOne) {
    struct Case { const char* name; int error; const char* detail; const char* text; };
    const Case cases[] = {
        {"resource error", QSerialPort::ResourceError, "input/output error",
         "The device /dev/ttyUSB0 was removed or stopped answering (Input/output error)."},
        {"failed write", QSerialPort::WriteError, "No such device",
         "The device /dev/ttyUSB0 was removed or stopped answering (No such device)."},
        {"reason that is a sentence of its own", QSerialPort::WriteError, "No such device. ",
         "The device /dev/ttyUSB0 was removed or stopped answering (No such device)."},
        {"read that ended, with a stale reason", QSerialPort::ReadError, "Inappropriate ioctl for device",
         "The device /dev/ttyUSB0 was removed or stopped answering."},
        {"no reason given", QSerialPort::ResourceError, "",
         "The device /dev/ttyUSB0 was removed or stopped answering."},
        {"a reason of blanks", QSerialPort::ResourceError, "  ",
         "The device /dev/ttyUSB0 was removed or stopped answering."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform::LostPortText("/dev/ttyUSB0", c.error, c.detail), c.text) << c.name;
}

}  // namespace
