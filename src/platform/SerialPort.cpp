#include "platform/SerialPort.h"

#include <charconv>

namespace platform {
namespace {

bool ParseInt(std::string_view text, int& out) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (text.empty()) return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size();
}

// Runs the handler with the re-entry flag set, and clears it however the
// handler leaves.
class HandlerScope {
public:
    explicit HandlerScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~HandlerScope() { flag_ = false; }
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;

private:
    bool& flag_;
};

}  // namespace

bool ParseLineSettings(std::string_view text, LineSettings& out) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const auto comma = text.find(',', start);
        parts.push_back(text.substr(start, comma == std::string_view::npos ? std::string_view::npos
                                                                            : comma - start));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    if (parts.size() != 4) return false;
    LineSettings s;
    if (!ParseInt(parts[0], s.baud) || s.baud <= 0) return false;
    auto parity = parts[1];
    while (!parity.empty() && parity.front() == ' ') parity.remove_prefix(1);
    while (!parity.empty() && parity.back() == ' ') parity.remove_suffix(1);
    if (parity.size() != 1) return false;
    const char p = static_cast<char>(parity[0] & ~0x20);  // upper case
    if (std::string_view("NEOMS").find(p) == std::string_view::npos) return false;
    s.parity = p;
    if (!ParseInt(parts[2], s.dataBits) || s.dataBits < 5 || s.dataBits > 8) return false;
    if (!ParseInt(parts[3], s.stopBits) || (s.stopBits != 1 && s.stopBits != 2)) return false;
    out = s;
    return true;
}

bool SerialPort::SetSettings(std::string_view text) {
    LineSettings s;
    if (!ParseLineSettings(text, s)) return false;
    settings_ = s;
    return true;
}

void SerialPort::ClearInput() {
    rx_.clear();
    armed_ = true;
}

std::vector<uint8_t> SerialPort::ReadAll() {
    std::vector<uint8_t> out;
    out.swap(rx_);
    armed_ = true;
    return out;
}

void SerialPort::SetReceiveThreshold(int bytes) {
    threshold_ = bytes < 0 ? 0 : bytes;
    armed_ = true;
}

void SerialPort::ResetInput() {
    rx_.clear();
    armed_ = true;
    lostPending_ = false;
}

void SerialPort::Deliver(std::span<const uint8_t> bytes) {
    if (bytes.empty()) return;
    rx_.insert(rx_.end(), bytes.begin(), bytes.end());
    armed_ = true;
    Dispatch();
}

void SerialPort::ReportLost(std::string message) {
    SetLastError(std::move(message));
    lostPending_ = true;
    Dispatch();
}

void SerialPort::Dispatch() {
    if (inHandler_) return;  // the running handler's caller picks it up afterwards
    while (handler_) {
        if (lostPending_) {
            lostPending_ = false;
            HandlerScope scope(inHandler_);
            handler_(CommEvent::PortLost);
            continue;
        }
        if (threshold_ <= 0 || !armed_ || rx_.size() < static_cast<std::size_t>(threshold_)) break;
        armed_ = false;
        HandlerScope scope(inHandler_);
        handler_(CommEvent::Receive);
    }
}

std::string AsSentence(std::string_view text) {
    std::string s(text);
    while (!s.empty() && s.back() == ' ') s.pop_back();
    if (s.empty()) return s;
    if (s.front() >= 'a' && s.front() <= 'z') s.front() = static_cast<char>(s.front() - 'a' + 'A');
    if (s.back() != '.' && s.back() != '!' && s.back() != '?') s.push_back('.');
    return s;
}

}  // namespace platform
