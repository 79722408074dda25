#pragma once
// The serial port as the radio link uses it: a numbered port opened with a
// line setting such as "9600,N,8,1", no handshaking, bytes in and out without
// conversion, and a receive event raised once the receive threshold's worth of
// bytes is buffered.
//
// The threshold rule lives here, above every transport: bytes from the device
// are gathered in our own buffer and the event is raised only when at least
// the threshold's bytes are there, so the handler always sees whole replies
// (replies are recognised by their exact length; a partial chunk would be
// dropped as a wrong one). The event is not raised again while its handler
// runs: a message box or a dialog opened inside the handler runs a nested event
// loop, and bytes arriving then wait until the handler has returned.
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

enum class CommEvent {
    Receive = 2,  // at least the receive threshold's bytes are buffered
    PortLost = 1001,  // the device failed or went away while open; see LastError()
};

struct LineSettings {
    int baud = 9600;
    char parity = 'N';  // N, E, O, M or S
    int dataBits = 8;
    int stopBits = 1;
};

// Reads "9600,N,8,1"; false when the text is not such a setting.
bool ParseLineSettings(std::string_view text, LineSettings& out);

class SerialPort {
public:
    using Handler = std::function<void(CommEvent)>;

    virtual ~SerialPort() = default;

    // The port number of the port list (COM number); applied at the next Open.
    void SetCommPort(int portNumber) { portNumber_ = portNumber; }
    int CommPort() const { return portNumber_; }
    // Returns false (and keeps the old setting) for a text that is no setting.
    bool SetSettings(std::string_view text);
    const LineSettings& Settings() const { return settings_; }
    // The link only ever uses no handshaking and binary input that reads every
    // buffered byte; these are the only modes there are.
    void SetNoHandshaking() {}
    void SetBinaryInput() {}

    // Opens the port; on failure returns false and LastError() says why, with
    // the device path.
    virtual bool Open() = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // The last failure, in words for the user; empty when there was none.
    const std::string& LastError() const { return lastError_; }

    // Sends bytes; false (with LastError()) when the port is closed or failed.
    virtual bool Write(std::span<const uint8_t> bytes) = 0;
    // Drops what is buffered for sending and received so far.
    void ClearOutput() { DropOutput(); }
    void ClearInput();
    // Every buffered received byte, first byte first; the buffer is emptied.
    std::vector<uint8_t> ReadAll();
    std::size_t InBufferCount() const { return rx_.size(); }

    // 0 turns the receive event off.
    void SetReceiveThreshold(int bytes);
    int ReceiveThreshold() const { return threshold_; }
    void OnComm(Handler handler) { handler_ = std::move(handler); }

protected:
    // Transports hand every received byte to Deliver, in order.
    void Deliver(std::span<const uint8_t> bytes);
    // A transport reports that the open device failed (a pulled cable).
    void ReportLost(std::string message);
    void SetLastError(std::string message) { lastError_ = std::move(message); }
    void ClearLastError() { lastError_.clear(); }
    virtual void DropOutput() {}
    // Forget received bytes (on open and close).
    void ResetInput();

private:
    void Dispatch();

    int portNumber_ = 0;
    LineSettings settings_{};
    std::string lastError_;
    std::vector<uint8_t> rx_;
    int threshold_ = 0;
    bool armed_ = true;      // bytes came or the buffer changed since the last event
    bool lostPending_ = false;
    bool inHandler_ = false;
    Handler handler_;
};

// A failure text as a sentence: its first letter a capital, ending with a
// full stop (or the mark it already ends with).
std::string AsSentence(std::string_view text);

}  // namespace platform
