#pragma once
// What a radio session is doing: its kind and the state of its state machine.
// The numbers are the ones the link has always used (they show in logs and
// transcripts), so they are kept.
#include <cstdint>

enum class SessionMode : int32_t {
    Idle = 0,
    Read = 1,       // the whole memory into the working data
    Write = 2,      // the working data into the whole memory
    EmbedInfo = 3,  // the embedded information only, no dialog
};

enum class SessionState : int16_t {
    Idle = 0,
    Link = 1,              // waiting for the handshake answer
    Identify = 2,          // waiting for the identification reply
    PassWord = 3,          // waiting for the password block
    Blocks = 4,            // waiting for a block's reply
    FactoryTestRead = 31,  // test-area read at the start of a factory write
    FactoryTestWrite = 32, // test-area write of a factory write
    Restart = 45,          // waiting for the "END" of a restart
    End = 69,              // waiting for the final "END"
};

// One skipped address range of a transfer plan, both ends included.
struct SkipRangeItem {
    int32_t first = 0;
    int32_t last = 0;
};
inline constexpr int kMaxSkipRanges = 501;
