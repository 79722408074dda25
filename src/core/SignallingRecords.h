#pragma once
// The signalling blocks: DTMF, two-tone and five-tone.
#include <array>
#include <cstddef>
#include <cstdint>

#include "core/BasedArray.h"
#include "core/FixStr.h"

// A 16-bit value kept as the two bytes the radio uses, high byte first.
struct BigEndianWord {
    std::array<uint8_t, 2> bytes{};
    int value() const { return bytes[0] << 8 | bytes[1]; }
    void set(int v) { bytes = {static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v)}; }
    bool operator==(const BigEndianWord&) const = default;
};

// A 16-bit value kept as the two bytes the radio uses, low byte first.
struct LittleEndianWord {
    std::array<uint8_t, 2> bytes{};
    int value() const { return bytes[1] << 8 | bytes[0]; }
    void set(int v) { bytes = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)}; }
    bool operator==(const LittleEndianWord&) const = default;
};

// ---- DTMF ----------------------------------------------------------------

// Digits as stored: "0".."9", "A".."D", "E" for "*", "F" for "#".
struct DTMFCodeItem {
    FixStr<24> Code;
    int16_t CodeLen = 0;
    bool operator==(const DTMFCodeItem&) const = default;
};

struct DTMFKillItem {
    FixStr<14> Code;
    int16_t CodeLen = 0;
    bool operator==(const DTMFKillItem&) const = default;
};

struct DTMFData {
    std::array<DTMFCodeItem, 16> DTMFCode{};  // memories M1..M16 at 0..15
    DTMFCodeItem PTTIDBeginCode;
    DTMFCodeItem PTTIDEndCode;
    DTMFKillItem DTMFKillCode;
    DTMFKillItem DTMFStunCode;
    int16_t DTMFANI = 0;
    int16_t DTMFSendTime = 0;    // index of 30, 50, 80, 100, 150, 200, 250 ms
    int16_t PTTIDMode = 0;
    FixStr<3> DTMFSelfID;
    int16_t DTMFSepCode = 0;     // 10..15 = A, B, C, D, *, #
    int16_t DTMFGroupCode = 0;   // 10..15 as above, 255 off
    int16_t DTMFDecodeResp = 0;
    int16_t DTMFFirstDelay = 0;  // 10 ms
    int16_t DTMFPreDelay = 0;    // index of 100, 300, 500, 800, 1000 ms
    int16_t DTMFResetTime = 0;   // 0.1 s
    int16_t DTMFPostDelay = 0;   // 10 ms
    int16_t DTMFPauseTime = 0;
    int16_t DTMFSideTone = 0;

    static constexpr std::size_t kPackedSize = 527;
    bool operator==(const DTMFData&) const = default;
};

// ---- two-tone ------------------------------------------------------------

// The 24-byte decoder header exactly as the radio lays it out.
struct Tone2Head {
    BigEndianWord DecTone1;     // 0.1 Hz
    BigEndianWord DecTone2;     // 0.1 Hz, 0 for the "Long" pairs
    uint8_t DecPair = 0;        // 0..14
    BigEndianWord DecDiv1;
    BigEndianWord DecDiv2;
    uint8_t Time9 = 0;          // 0.1 s
    uint8_t DecodeResp = 0;
    uint8_t SideTone = 0;
    LittleEndianWord ToneA;     // 0.1 Hz
    LittleEndianWord ToneB;
    LittleEndianWord ToneC;
    LittleEndianWord ToneD;
    uint8_t Time20 = 0;         // list index + 5
    uint8_t Time21 = 0;
    uint8_t Time22 = 0;
    uint8_t Time23 = 0;         // 100 ms

    static constexpr std::size_t kPackedSize = 24;
    bool operator==(const Tone2Head&) const = default;
};

struct Tone2Item {
    int16_t EmptyFlag = 0;      // 0 used, 1 empty
    BigEndianWord Div1;
    BigEndianWord Div2;
    BigEndianWord Tone1;        // 0.1 Hz
    BigEndianWord Tone2;        // 0.1 Hz, 0 none
    FixStr<7> Name;

    static constexpr std::size_t kPackedSize = 17;
    bool operator==(const Tone2Item&) const = default;
};

struct Tone2Data {
    Tone2Head Tone2Set;
    BasedArray<Tone2Item, 24> Tone2List;  // calls 1..24; a channel's Tone2No is the call - 1

    static constexpr std::size_t kPackedSize = 432;
    bool operator==(const Tone2Data&) const = default;
};

// ---- five-tone -----------------------------------------------------------

struct Tone5InfoCode {
    uint8_t Func = 0;           // 0..7: 3 kill, 4 stun, 5 wake-up
    uint8_t Resp = 0;
    uint8_t CodeLen = 0;        // 0..12
    FixStr<12> Code;            // hex digit characters
    FixStr<7> Name;

    static constexpr std::size_t kPackedSize = 22;
    bool operator==(const Tone5InfoCode&) const = default;
};

struct Tone5Code {
    int16_t EmptyFlag = 0;      // 1 no code, 0 a code
    uint8_t Reserved = 0;
    uint8_t Standard = 0;
    uint8_t CodeLen = 0;        // 0..40
    uint8_t TonePeriod = 0;     // ms, 30..100
    FixStr<40> Code;            // hex digits, "E" repeat, may end in "SelfID"
    FixStr<7> Name;

    static constexpr std::size_t kPackedSize = 53;
    bool operator==(const Tone5Code&) const = default;
};

struct Tone5Data {
    uint8_t Head0 = 0;
    uint8_t DecodeResp = 0;
    uint8_t Standard = 0;
    uint8_t SelfIDLen = 0;
    uint8_t TonePeriod = 0;
    FixStr<6> SelfID;
    uint8_t Time17 = 0;
    uint8_t Time18 = 0;
    uint8_t Time19 = 0;
    uint8_t Time20 = 0;
    int16_t FirstDelay = 0;
    int16_t PauseTime = 0;
    int16_t PauseCode = 0;
    int16_t PauseFirstDelay = 0;
    int16_t SideTone = 0;
    int16_t SepCode = 0;
    BasedArray<Tone5InfoCode, 16> InfoCode;  // 1..16
    Tone5Code PTTIDBegin;
    Tone5Code PTTIDEnd;
    BasedArray<Tone5Code, 100> Tone5List;    // 1..100; a channel's Tone5No is the index - 1
    std::array<int16_t, 16> DefTone{};       // tone of digit 0..F, 0.1 Hz

    static constexpr std::size_t kPackedSize = 5817;
    bool operator==(const Tone5Data&) const = default;
};
