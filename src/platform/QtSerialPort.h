#pragma once
// The serial port on a real device, through QSerialPort. The port number is
// turned into a device path by the port list when the port is opened.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/SerialPort.h"

class QSerialPort;

namespace platform {

class QtSerialPort : public SerialPort {
public:
    QtSerialPort();
    ~QtSerialPort() override;

    // Opens this path instead of the port number's device (tests use a
    // pseudo-terminal that the port list does not show).
    void SetDevicePathOverride(std::optional<std::string> path) { override_ = std::move(path); }
    // The path of the last Open.
    const std::string& DevicePath() const { return path_; }

    bool Open() override;
    void Close() override;
    bool IsOpen() const override;
    bool Write(std::span<const uint8_t> bytes) override;

protected:
    void DropOutput() override;

private:
    void OnReadyRead();
    void OnError(int error);
    // Keeps the reason a write failed, with the device; always false.
    bool WriteFailed(const std::string& reason);

    std::unique_ptr<QSerialPort> port_;
    std::optional<std::string> override_;
    std::string path_;
    bool inSignal_ = false;  // inside a signal of port_
};

// The words for a failure to open `path`, with what the user can do about it.
// `error` is the QSerialPort::SerialPortError value; `accessible` says whether
// the current user may read and write the device file (tells a port in use
// from a missing permission).
std::string OpenFailureText(const std::string& path, int error, bool accessible,
                            const std::string& detail);
// The words for a device that failed while open, as a sentence that reads the
// same whichever error reported the loss; `error` is the
// QSerialPort::SerialPortError value, `detail` the system's text, which
// follows in brackets where it is the system's reason.
std::string LostPortText(const std::string& path, int error, const std::string& detail);

}  // namespace platform
