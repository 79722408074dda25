#pragma once
// A simulated radio behind an echoing programming cable, for trying and
// testing the link without hardware. It is transport-free: it is handed the
// bytes the PC sent with their arrival time and returns what comes back down
// the cable (the echo and the radio's replies), each piece with the time it
// is due. A pseudo-terminal (the simradio tool) or an in-process pipe with a
// virtual clock (SimLine) carries the bytes.
//
// The radio answers the handshake (ordinary and factory), the identification
// request, block reads, block writes (checksum checked: 0x06 or 0x0A), "END",
// and a new handshake without "END". Faults can be switched on per frame.
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

inline constexpr int64_t kByteTimeUs = 1042;  // one byte at 9600 baud, 10 bits
inline constexpr int64_t kPartialFrameTimeoutUs = 100'000;

enum class FaultKind {
    Drop,          // no reply to frame N
    Resend,        // answer 0x0A to the next `count` write frames from frame N on
    BadChecksum,   // the reply's checksum byte is wrong
    BadAddress,    // a read reply for another address (checksum right)
    BadLength,     // a read reply whose length byte is wrong (checksum right)
    BadLastByte,   // the closing byte is not 0x06
    ExtraBytes,    // `count` bytes added after the reply
    MissingBytes,  // the reply's last `count` bytes left out
    Garbage,       // `count` stray bytes before the reply
    Late,          // the reply comes after the PC's reply time-out
    Split,         // the reply comes one byte at a time
    Silent,        // from frame N on the radio answers nothing (the cable still echoes)
    Disconnect,    // half of the reply to frame N, then the line goes dead
};

struct Fault {
    FaultKind kind = FaultKind::Drop;
    int frame = 0;  // 1-based number of the frame received; 0: every frame
    int count = 1;
};

struct SimRadioConfig {
    std::string model = "314KTR";  // up to 7 bytes; shorter is padded with 0x00
    uint8_t band = 0;
    std::string version = "V200";  // up to 4 bytes, padded with 0x00
    uint8_t features = 0;          // identification byte 13
    uint8_t status = 0;            // identification byte 14: bit 0 killed, bit 1 stunned
    bool paced = false;            // every byte sent takes kByteTimeUs
    bool byteAtATime = false;      // every reply comes one byte at a time
    int64_t replyDelayUs = 0;      // time the radio takes before answering
    int64_t lateUs = 400'000;      // delay of a late reply
    bool knowsFactoryWord = true;  // false: firmware without the factory handshake
    std::vector<Fault> faults;
};

// A piece of what comes back down the cable.
struct Emission {
    int64_t atUs = 0;
    std::vector<uint8_t> bytes;
    bool disconnect = false;  // after these bytes the line is dead
};

struct TranscriptEntry {
    int64_t atUs = 0;
    bool toRadio = true;  // PC to radio, else radio to PC
    std::vector<uint8_t> bytes;
    std::string note;
};

class SimRadio {
public:
    using Memory = std::array<uint8_t, 0x8000>;

    explicit SimRadio(SimRadioConfig config = {});

    SimRadioConfig& Config() { return config_; }
    Memory& Mem() { return memory_; }
    const Memory& Mem() const { return memory_; }
    // The read password in the memory (up to 4 characters; empty: none).
    void SetReadPassword(std::string_view password);

    // The memory from a file of 32,768 bytes; false (with `error`) otherwise.
    bool LoadMemory(const std::string& path, std::string& error);
    // The memory to a file, safely replaced.
    bool SaveMemory(const std::string& path, std::string& error) const;
    // Whether a write frame changed the memory since the last MarkSaved.
    bool Dirty() const { return dirty_; }
    void MarkSaved() { dirty_ = false; }

    // Bytes the PC sent, arriving at `nowUs`: returns what comes back, in order.
    std::vector<Emission> Receive(std::span<const uint8_t> bytes, int64_t nowUs);
    // Called after each accepted "END" (the tool saves the memory then).
    void OnSessionEnd(std::function<void()> f) { onEnd_ = std::move(f); }

    bool Linked() const { return linked_; }
    bool FactorySession() const { return factory_; }
    bool Disconnected() const { return disconnected_; }
    int FramesReceived() const { return frameCount_; }
    // Every complete frame received, in order.
    const std::vector<std::vector<uint8_t>>& Frames() const { return frames_; }
    const std::vector<TranscriptEntry>& Transcript() const { return transcript_; }
    static std::string FormatEntry(const TranscriptEntry& e);

private:
    enum class FrameKind { Link, FactoryLink, Identify, Read, Write, End };
    // The length of the frame at the start of pending_, 0 while unknown, -1
    // when the first byte starts no frame.
    int FrameLength(FrameKind& kind) const;
    std::vector<uint8_t> Answer(FrameKind kind, const std::vector<uint8_t>& frame, std::string& note);
    bool FaultAt(FaultKind kind, int frame, int* count = nullptr) const;
    void Emit(std::vector<Emission>& out, int64_t atUs, std::vector<uint8_t> bytes, bool split,
              bool disconnect = false, bool late = false);

    SimRadioConfig config_;
    Memory memory_{};
    bool dirty_ = false;
    bool linked_ = false;
    bool factory_ = false;
    bool disconnected_ = false;
    bool silent_ = false;
    int resendsLeft_ = 0;
    int frameCount_ = 0;
    std::vector<uint8_t> pending_;
    int64_t lastByteUs_ = 0;
    int64_t lineFreeUs_ = 0;
    std::vector<std::vector<uint8_t>> frames_;
    std::vector<TranscriptEntry> transcript_;
    std::function<void()> onEnd_;
};

// Reads "kind:N[:count]" (kinds: drop, resend, checksum, address, length,
// lastbyte, extra, missing, garbage, late, split, silent, disconnect).
bool ParseFault(std::string_view text, Fault& out);

}  // namespace sim
