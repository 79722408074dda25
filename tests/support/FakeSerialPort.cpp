#include "FakeSerialPort.h"

FakeSerialPort::FakeSerialPort(sim::SimLine& line) : line_(line) {
    line_.OnBytesToPc([this](std::span<const uint8_t> b) {
        if (open_) Deliver(b);
    });
    line_.OnDisconnect([this] {
        if (!open_) return;
        open_ = false;
        ResetInput();
        ReportLost("the serial port /dev/simradio stopped working (device removed)");
    });
}

bool FakeSerialPort::Open() {
    Close();
    ++opens;
    if (!openError.empty()) {
        SetLastError(openError);
        return false;
    }
    if (!line_.Connected()) {
        SetLastError("cannot open /dev/simradio: no such device");
        return false;
    }
    ClearLastError();
    ResetInput();
    open_ = true;
    return true;
}

void FakeSerialPort::Close() {
    open_ = false;
    ResetInput();
}

bool FakeSerialPort::Write(std::span<const uint8_t> bytes) {
    if (!open_) {
        SetLastError("cannot write to /dev/simradio: the port is not open");
        return false;
    }
    writes.emplace_back(bytes.begin(), bytes.end());
    line_.SendFromPc(bytes);
    return true;
}

void VirtualReplyTimer::Start() {
    Stop();
    Arm();
}

void VirtualReplyTimer::Stop() {
    if (id_) clock_.Cancel(id_);
    id_ = 0;
}

void VirtualReplyTimer::Arm() {
    id_ = clock_.Schedule(clock_.NowUs() + intervalUs_, [this] {
        id_ = 0;
        Arm();  // keeps ticking until stopped, as the real timer does
        ++ticks_;
        Tick();
    });
}
