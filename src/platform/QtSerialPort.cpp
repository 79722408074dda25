#include "platform/QtSerialPort.h"

#include <unistd.h>

#include <cerrno>
#include <system_error>

#include <QSerialPort>

#include "platform/FileSystem.h"
#include "platform/Guard.h"
#include "platform/SerialDevices.h"
#include "platform/TextConvert.h"

namespace platform {
namespace {

QSerialPort::Parity ToParity(char p) {
    switch (p) {
        case 'E': return QSerialPort::EvenParity;
        case 'O': return QSerialPort::OddParity;
        case 'M': return QSerialPort::MarkParity;
        case 'S': return QSerialPort::SpaceParity;
        default: return QSerialPort::NoParity;
    }
}

// Marks the time inside a call into the QSerialPort: a Close from a handler
// reached from there must leave the object alive until the call returns.
class InsidePort {
public:
    explicit InsidePort(bool& flag) : flag_(flag), outer_(!flag) { flag_ = true; }
    ~InsidePort() {
        if (outer_) flag_ = false;
    }
    InsidePort(const InsidePort&) = delete;
    InsidePort& operator=(const InsidePort&) = delete;

private:
    bool& flag_;
    bool outer_;
};

// What a device opened without waiting takes of `bytes` now. A full device
// takes nothing, which is no failure; `error` is the system's code of one.
// Through the file layer, so that tests can stand in a device that takes
// only part of a frame, or nothing.
struct DirectWrite {
    std::size_t taken = 0;
    int error = 0;
};
DirectWrite WriteWithoutWaiting(int fd, std::span<const uint8_t> bytes) {
    for (;;) {
        const auto n = Files().Write(fd, bytes.data(), bytes.size());
        if (n >= 0) return {static_cast<std::size_t>(n), 0};
        if (errno == EINTR) continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) return {};
        return {0, errno};
    }
}

}  // namespace

std::string OpenFailureText(const std::string& path, int error, bool accessible,
                            const std::string& detail) {
    const std::string head = "cannot open " + path + ": ";
    switch (static_cast<QSerialPort::SerialPortError>(error)) {
        case QSerialPort::DeviceNotFoundError:
            return head + "no such device; check that the cable is plugged in and the right port is chosen";
        case QSerialPort::PermissionError:
            if (accessible)
                return head + "the port is in use by another program";
            return head + "permission denied; the user must be allowed to use serial devices"
                          " (on Debian: add the user to the dialout group and log in again)";
        default:
            return head + (detail.empty() ? std::string("the port could not be opened") : detail);
    }
}

std::string LostPortText(const std::string& path, int error, const std::string& detail) {
    // Which error QSerialPort meets first when a line goes away is a matter of
    // timing, so the message names the loss the same way for each of them and
    // lets the system's reason follow where there is one. A failed write, and
    // a resource error (the system's own code, such as an input/output error),
    // carry that reason. A read that ends is reported as a read error whose
    // text is whatever the system said last, unrelated and different from run
    // to run: it is left out.
    std::string text = "The device " + path + " was removed or stopped answering";
    const bool systemReason = error == QSerialPort::ResourceError || error == QSerialPort::WriteError;
    if (systemReason) {
        // The reason sits inside the sentence: worded as the system words it,
        // without a full stop of its own.
        std::string reason = AsSentence(detail);
        while (!reason.empty() && (reason.back() == '.' || reason.back() == ' ')) reason.pop_back();
        if (!reason.empty()) text += " (" + reason + ")";
    }
    return text + ".";
}

QtSerialPort::QtSerialPort() = default;
QtSerialPort::~QtSerialPort() { Close(); }

bool QtSerialPort::Open() {
    Close();
    ClearLastError();
    if (override_) {
        path_ = *override_;
    } else if (auto p = SerialDevicePath(CommPort())) {
        path_ = *p;
    } else {
        path_ = "COM" + std::to_string(CommPort());
        SetLastError("cannot open " + path_ + ": no such serial port on this computer;"
                     " choose a port that is listed");
        return false;
    }

    port_ = std::make_unique<QSerialPort>();
    port_->setPortName(QText(path_));
    const auto& s = Settings();
    port_->setBaudRate(s.baud);
    port_->setDataBits(static_cast<QSerialPort::DataBits>(s.dataBits));
    port_->setParity(ToParity(s.parity));
    port_->setStopBits(s.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
    port_->setFlowControl(QSerialPort::NoFlowControl);
    if (!port_->open(QIODevice::ReadWrite)) {
        const int error = port_->error();
        const bool accessible = ::access(path_.c_str(), R_OK | W_OK) == 0;
        SetLastError(OpenFailureText(path_, error, accessible, Utf8(port_->errorString())));
        port_.reset();
        return false;
    }
    ResetInput();
    // The receive event of the main window's serial control: what the session
    // does with it runs guarded, as every event handler does.
    QObject::connect(port_.get(), &QSerialPort::readyRead, port_.get(),
                     [this] { RunGuarded("MSComm1_OnComm", [this] { OnReadyRead(); }); });
    QObject::connect(port_.get(), &QSerialPort::errorOccurred, port_.get(), [this](QSerialPort::SerialPortError e) {
        RunGuarded("MSComm1_OnComm", [this, e] { OnError(e); });
    });
    return true;
}

void QtSerialPort::Close() {
    if (!port_) return;
    QSerialPort* port = port_.release();
    port->disconnect();
    if (port->isOpen()) port->close();
    // A handler that closes the port runs inside one of its signals; the
    // object is then released once that signal has returned.
    if (inSignal_)
        port->deleteLater();
    else
        delete port;
    ResetInput();
}

bool QtSerialPort::IsOpen() const { return port_ && port_->isOpen(); }

bool QtSerialPort::Write(std::span<const uint8_t> bytes) {
    if (!IsOpen()) return WriteFailed("the port is not open");
    // The frame goes to the device now. QSerialPort would keep it until the
    // event loop next looks at the device, after whatever else is queued (a
    // repaint, say), and wake the loop for that on every frame. Straight to
    // the device only while QSerialPort holds nothing, or the frame would
    // overtake the bytes it still holds.
    std::size_t done = 0;
    if (port_->bytesToWrite() == 0) {
        const auto now = WriteWithoutWaiting(static_cast<int>(port_->handle()), bytes);
        if (now.error != 0) return WriteFailed(std::generic_category().message(now.error));
        done = now.taken;
    }
    if (done == bytes.size()) return true;
    // Only the rest, which QSerialPort sends once the device has room: the
    // device has the first part already. Asking it to send at once (flush)
    // would find the device still full and take that for a failed device.
    const auto rest = bytes.subspan(done);
    const auto written = port_->write(reinterpret_cast<const char*>(rest.data()), static_cast<qint64>(rest.size()));
    if (written != static_cast<qint64>(rest.size())) return WriteFailed(Utf8(port_->errorString()));
    return true;
}

bool QtSerialPort::WriteFailed(const std::string& reason) {
    SetLastError("cannot write to " + (path_.empty() ? std::string("the serial port") : path_) + ": " + reason);
    return false;
}

void QtSerialPort::DropOutput() {
    if (IsOpen()) port_->clear(QSerialPort::Output);
}

void QtSerialPort::OnReadyRead() {
    if (!port_) return;
    const QByteArray data = port_->readAll();
    InsidePort inside(inSignal_);
    Deliver(std::span(reinterpret_cast<const uint8_t*>(data.constData()),
                      static_cast<std::size_t>(data.size())));
}

void QtSerialPort::OnError(int error) {
    // A pulled USB adapter reports a resource error; a terminal whose other
    // end hung up reports read errors, again and again until it is closed.
    const bool dead = error == QSerialPort::ResourceError || error == QSerialPort::ReadError ||
                      error == QSerialPort::WriteError;
    if (!dead || !port_) return;
    const std::string lost = LostPortText(path_, error, Utf8(port_->errorString()));
    // The device is gone: close it so that a later Open starts clean.
    {
        InsidePort inside(inSignal_);
        Close();
    }
    ReportLost(lost);
}

}  // namespace platform
