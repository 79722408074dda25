#pragma once
// A serial port and a reply timer for tests that run the link against the
// simulated radio in-process, on a virtual clock.
#include <string>
#include <vector>

#include "link/SimLine.h"
#include "platform/ReplyTimer.h"
#include "platform/SerialPort.h"

// The serial port over a SimLine. Open fails while `openError` is set (as a
// missing or busy device does); a line that goes dead reports the port lost.
class FakeSerialPort : public platform::SerialPort {
public:
    explicit FakeSerialPort(sim::SimLine& line);

    std::string openError;
    // Every Write, in order.
    std::vector<std::vector<uint8_t>> writes;
    int opens = 0;

    bool Open() override;
    void Close() override;
    bool IsOpen() const override { return open_; }
    bool Write(std::span<const uint8_t> bytes) override;

private:
    sim::SimLine& line_;
    bool open_ = false;
};

// The reply timer on the virtual clock: it ticks every interval while it runs.
class VirtualReplyTimer : public platform::ReplyTimer {
public:
    explicit VirtualReplyTimer(sim::VirtualClock& clock, int intervalMs = platform::kReplyTimeoutMs)
        : clock_(clock), intervalUs_(int64_t{intervalMs} * 1000) {}
    ~VirtualReplyTimer() override { Stop(); }
    void Start() override;
    void Stop() override;
    bool IsActive() const override { return id_ != 0; }
    int Ticks() const { return ticks_; }

private:
    void Arm();
    sim::VirtualClock& clock_;
    int64_t intervalUs_;
    int id_ = 0;
    int ticks_ = 0;
};
