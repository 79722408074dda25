#include "link/SimRadio.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "link/Protocol.h"
#include "platform/SafeFile.h"

namespace sim {
namespace {

constexpr int64_t kImage = 0x8000;
constexpr uint8_t kGarbageByte = 0x55;

bool StartsWithWord(const std::vector<uint8_t>& bytes, std::string_view word) {
    const auto n = std::min(bytes.size(), word.size());
    for (std::size_t i = 0; i < n; ++i)
        if (bytes[i] != static_cast<uint8_t>(word[i])) return false;
    return true;
}

void Resum(std::vector<uint8_t>& reply) {
    if (reply.size() >= static_cast<std::size_t>(kBlockOverhead)) SetCheckSum(reply, 1);
}

std::string Hex4(int value) {
    char s[8];
    std::snprintf(s, sizeof s, "0x%04X", value & 0xFFFF);
    return s;
}

std::string Printable(const std::vector<uint8_t>& bytes) {
    std::string s;
    for (uint8_t b : bytes) s.push_back(b >= 0x20 && b < 0x7F ? static_cast<char>(b) : '.');
    return s;
}

}  // namespace

SimRadio::SimRadio(SimRadioConfig config) : config_(std::move(config)) {
    memory_.fill(0xFF);
}

void SimRadio::SetReadPassword(std::string_view password) {
    for (int i = 0; i < 4; ++i) {
        const auto at = static_cast<std::size_t>(kPassWordBlockAddr + 12 + i);
        if (password.empty())
            memory_[at] = 0xFF;
        else
            memory_[at] = i < static_cast<int>(password.size()) ? static_cast<uint8_t>(password[i]) : 0x00;
    }
}

bool SimRadio::LoadMemory(const std::string& path, std::string& error) {
    const auto data = platform::ReadWholeFile(path);
    if (!data) {
        error = "cannot read " + path;
        return false;
    }
    if (data->size() != memory_.size()) {
        error = path + " holds " + std::to_string(data->size()) + " bytes, not " +
                std::to_string(memory_.size());
        return false;
    }
    std::transform(data->begin(), data->end(), memory_.begin(), [](std::byte b) { return uint8_t(b); });
    dirty_ = false;
    return true;
}

bool SimRadio::SaveMemory(const std::string& path, std::string& error) const {
    if (!platform::WriteFileAtomically(path, std::as_bytes(std::span(memory_)))) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

bool SimRadio::FaultAt(FaultKind kind, int frame, int* count) const {
    for (const auto& f : config_.faults) {
        if (f.kind != kind) continue;
        const bool hit = f.frame == 0 || (kind == FaultKind::Silent ? frame >= f.frame : frame == f.frame);
        if (hit) {
            if (count) *count = f.count;
            return true;
        }
    }
    return false;
}

int SimRadio::FrameLength(FrameKind& kind) const {
    if (pending_.empty()) return 0;
    const uint8_t first = pending_[0];
    auto word = [&](std::string_view w, FrameKind k) {
        if (!StartsWithWord(pending_, w)) return -1;
        kind = k;
        return static_cast<int>(w.size());
    };
    if (first == kLinkWord[0] && StartsWithWord(pending_, kLinkWord)) return word(kLinkWord, FrameKind::Link);
    if (config_.knowsFactoryWord && first == kFactoryLinkWord[0] && StartsWithWord(pending_, kFactoryLinkWord))
        return word(kFactoryLinkWord, FrameKind::FactoryLink);
    if (first == kEndWord[0]) return word(kEndWord, FrameKind::End);
    switch (first) {
        case kIdentifyCommand: kind = FrameKind::Identify; return 1;
        case kReadCommand: kind = FrameKind::Read; return kReadRequestLength;
        case kWriteCommand:
            kind = FrameKind::Write;
            return pending_.size() < 4 ? 0 : pending_[3] + kBlockOverhead;
        default: return -1;
    }
}

std::vector<uint8_t> SimRadio::Answer(FrameKind kind, const std::vector<uint8_t>& frame, std::string& note) {
    switch (kind) {
        case FrameKind::Link:
        case FrameKind::FactoryLink:
            linked_ = true;
            factory_ = kind == FrameKind::FactoryLink;
            note = factory_ ? "factory handshake" : "handshake";
            return {'Y', 'H', kAckByte};
        default: break;
    }
    if (!linked_) {
        note = "ignored: no handshake yet";
        return {};
    }
    switch (kind) {
        case FrameKind::Identify: {
            std::vector<uint8_t> r(kIdentifyReplyLength, 0x00);
            r[0] = kIdentifyMark;
            for (std::size_t i = 0; i < 7 && i < config_.model.size(); ++i) r[1 + i] = config_.model[i];
            r[8] = config_.band;
            for (std::size_t i = 0; i < 4 && i < config_.version.size(); ++i) r[9 + i] = config_.version[i];
            r[13] = config_.features;
            r[14] = config_.status;
            r[15] = kAckByte;
            note = "identify";
            return r;
        }
        case FrameKind::Read: {
            const int addr = frame[1] * 256 + frame[2];
            const int len = frame[3];
            if (len == 0 || addr + len > kImage) {
                note = "ignored: read outside the memory";
                return {};
            }
            auto r = BuildWriteFrame(addr, std::span(memory_).subspan(addr, len));
            note = "read " + Hex4(addr);
            return r;
        }
        case FrameKind::Write: {
            const int addr = frame[1] * 256 + frame[2];
            const int len = frame[3];
            const bool good = frame.back() == kAckByte && IsCheckSumOK(frame, 1) && addr + len <= kImage;
            if (!good) {
                note = "write " + Hex4(addr) + " refused: resend";
                return {kResendByte};
            }
            if (resendsLeft_ > 0) {
                --resendsLeft_;
                note = "write " + Hex4(addr) + " answered with resend (fault)";
                return {kResendByte};
            }
            std::copy(frame.begin() + 4, frame.begin() + 4 + len, memory_.begin() + addr);
            dirty_ = true;
            note = "write " + Hex4(addr);
            return {kAckByte};
        }
        case FrameKind::End:
            linked_ = false;
            factory_ = false;
            note = "end";
            if (onEnd_) onEnd_();
            return {kAckByte};
        default: return {};
    }
}

void SimRadio::Emit(std::vector<Emission>& out, int64_t atUs, std::vector<uint8_t> bytes, bool split,
                    bool disconnect, bool late) {
    if (bytes.empty() && !disconnect) return;
    if (config_.paced) {
        // A late reply does not hold the line for the echoes sent before it.
        int64_t t = late ? atUs : std::max(atUs, lineFreeUs_);
        // Each byte arrives once it has been sent whole.
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            t += kByteTimeUs;
            out.push_back({t, {bytes[i]}, disconnect && i + 1 == bytes.size()});
        }
        if (!late) lineFreeUs_ = t;
        if (bytes.empty()) out.push_back({t, {}, true});
        return;
    }
    if (split && bytes.size() > 1) {
        for (std::size_t i = 0; i < bytes.size(); ++i)
            out.push_back({atUs, {bytes[i]}, disconnect && i + 1 == bytes.size()});
        return;
    }
    out.push_back({atUs, std::move(bytes), disconnect});
}

std::vector<Emission> SimRadio::Receive(std::span<const uint8_t> bytes, int64_t nowUs) {
    std::vector<Emission> out;
    if (disconnected_ || bytes.empty()) return out;
    if (!pending_.empty() && nowUs - lastByteUs_ > kPartialFrameTimeoutUs) {
        transcript_.push_back({nowUs, true, pending_, "partial frame dropped"});
        pending_.clear();
    }
    lastByteUs_ = nowUs;
    // The cable echoes every byte at once.
    Emit(out, nowUs, std::vector<uint8_t>(bytes.begin(), bytes.end()), config_.byteAtATime);
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());

    while (!pending_.empty() && !disconnected_) {
        FrameKind kind{};
        const int len = FrameLength(kind);
        if (len < 0) {
            transcript_.push_back({nowUs, true, {pending_[0]}, "stray byte"});
            pending_.erase(pending_.begin());
            continue;
        }
        if (len == 0 || pending_.size() < static_cast<std::size_t>(len)) break;
        std::vector<uint8_t> frame(pending_.begin(), pending_.begin() + len);
        pending_.erase(pending_.begin(), pending_.begin() + len);
        const int n = ++frameCount_;
        frames_.push_back(frame);

        int count = 1;
        if (FaultAt(FaultKind::Resend, n, &count)) resendsLeft_ = count;
        if (FaultAt(FaultKind::Silent, n)) silent_ = true;
        std::string note;
        auto reply = Answer(kind, frame, note);
        transcript_.push_back({nowUs, true, frame, "#" + std::to_string(n) + " " + note});
        if (reply.empty()) continue;
        if (silent_) {
            transcript_.push_back({nowUs, false, {}, "silent: no reply"});
            continue;
        }
        if (FaultAt(FaultKind::Drop, n)) {
            transcript_.push_back({nowUs, false, reply, "reply dropped"});
            continue;
        }
        std::string faults;
        const bool block = reply.size() >= static_cast<std::size_t>(kBlockOverhead);
        if (FaultAt(FaultKind::BadChecksum, n) && reply.size() >= 2) {
            reply[reply.size() - 2] ^= 0xFF;
            faults += " bad-checksum";
        }
        if (FaultAt(FaultKind::BadAddress, n) && block) {
            reply[2] = static_cast<uint8_t>(reply[2] + 0x10);
            Resum(reply);
            faults += " bad-address";
        }
        if (FaultAt(FaultKind::BadLength, n) && block) {
            reply[3] ^= 0x01;
            Resum(reply);
            faults += " bad-length";
        }
        if (FaultAt(FaultKind::BadLastByte, n)) {
            reply.back() ^= 0x01;
            faults += " bad-last-byte";
        }
        if (FaultAt(FaultKind::ExtraBytes, n, &count)) {
            reply.insert(reply.end(), static_cast<std::size_t>(std::max(count, 0)), 0x00);
            faults += " extra:" + std::to_string(count);
        }
        if (FaultAt(FaultKind::MissingBytes, n, &count)) {
            reply.resize(reply.size() - std::min<std::size_t>(reply.size(), std::max(count, 0)));
            faults += " missing:" + std::to_string(count);
        }
        if (FaultAt(FaultKind::Garbage, n, &count)) {
            reply.insert(reply.begin(), static_cast<std::size_t>(std::max(count, 0)), kGarbageByte);
            faults += " garbage:" + std::to_string(count);
        }
        int64_t at = nowUs + config_.replyDelayUs;
        const bool late = FaultAt(FaultKind::Late, n);
        if (late) {
            at += config_.lateUs;
            faults += " late";
        }
        const bool split = config_.byteAtATime || FaultAt(FaultKind::Split, n);
        if (FaultAt(FaultKind::Disconnect, n)) {
            reply.resize(reply.size() / 2);
            transcript_.push_back({at, false, reply, "disconnect after these bytes" + faults});
            Emit(out, at, reply, split, true, late);
            disconnected_ = true;
            pending_.clear();
            break;
        }
        transcript_.push_back({at, false, reply, faults.empty() ? "" : faults.substr(1)});
        Emit(out, at, std::move(reply), split, false, late);
    }
    return out;
}

std::string SimRadio::FormatEntry(const TranscriptEntry& e) {
    char head[48];
    std::snprintf(head, sizeof head, "%10.3f ms %s", static_cast<double>(e.atUs) / 1000.0,
                  e.toRadio ? "PC>" : "<RA");
    std::string s = head;
    for (uint8_t b : e.bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02X", b);
        s += hex;
    }
    s += "  |" + Printable(e.bytes) + "|";
    if (!e.note.empty()) s += "  " + e.note;
    return s;
}

bool ParseFault(std::string_view text, Fault& out) {
    struct Name {
        std::string_view name;
        FaultKind kind;
    };
    static constexpr Name names[] = {
        {"drop", FaultKind::Drop},         {"resend", FaultKind::Resend},
        {"checksum", FaultKind::BadChecksum}, {"address", FaultKind::BadAddress},
        {"length", FaultKind::BadLength},  {"lastbyte", FaultKind::BadLastByte},
        {"extra", FaultKind::ExtraBytes},  {"missing", FaultKind::MissingBytes},
        {"garbage", FaultKind::Garbage},   {"late", FaultKind::Late},
        {"split", FaultKind::Split},       {"silent", FaultKind::Silent},
        {"disconnect", FaultKind::Disconnect},
    };
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const auto colon = text.find(':', start);
        parts.push_back(text.substr(start, colon == std::string_view::npos ? std::string_view::npos : colon - start));
        if (colon == std::string_view::npos) break;
        start = colon + 1;
    }
    if (parts.size() < 2 || parts.size() > 3) return false;
    auto number = [](std::string_view s, int& v) {
        const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
        return !s.empty() && ec == std::errc() && end == s.data() + s.size() && v >= 0;
    };
    Fault f;
    const auto it = std::find_if(std::begin(names), std::end(names), [&](const Name& n) { return n.name == parts[0]; });
    if (it == std::end(names)) return false;
    f.kind = it->kind;
    if (!number(parts[1], f.frame)) return false;
    if (parts.size() == 3 && !number(parts[2], f.count)) return false;
    out = f;
    return true;
}

}  // namespace sim
