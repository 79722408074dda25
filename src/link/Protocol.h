#pragma once
// The wire protocol between the PC and the radio: the frames the PC sends, the
// replies it accepts, the checksum, and the send steps every sender follows.
//
// There is no framing: a reply is known only by its exact total length and a
// few fixed bytes. The programming cable echoes every byte the PC sends, so
// every reply arrives behind a copy of its request (CommSendLen bytes), which
// the tests skip without comparing.
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "link/ImageAccess.h"

namespace platform {
class SerialPort;
class ReplyTimer;
}  // namespace platform

using Frame = std::vector<uint8_t>;

inline constexpr std::string_view kLinkWord = "PROGRAM";
// The handshake word that opens a factory session; it is answered like the
// ordinary one. None of its letters starts a frame of the protocol (P, R, W,
// E, 0x02): a radio that does not know the word takes it for stray bytes and
// answers the ordinary handshake sent after it, instead of reading part of
// it as a request and staying out of step.
inline constexpr std::string_view kFactoryLinkWord = "FCTLINK";
inline constexpr std::string_view kEndWord = "END";
inline constexpr uint8_t kIdentifyCommand = 0x02;
inline constexpr uint8_t kReadCommand = 0x52;   // 'R'
inline constexpr uint8_t kWriteCommand = 0x57;  // 'W', also the first byte of a read reply
inline constexpr uint8_t kIdentifyMark = 0x49;  // 'I'
inline constexpr uint8_t kAckByte = 0x06;
inline constexpr uint8_t kResendByte = 0x0A;
inline constexpr std::string_view kLinkReplyWord = "YH";

inline constexpr int kLinkReplyLength = 3;
inline constexpr int kIdentifyReplyLength = 16;
inline constexpr int kAckReplyLength = 1;
// Command, address high, address low, length ... checksum, 0x06.
inline constexpr int kBlockOverhead = 6;
inline constexpr int kReadRequestLength = 4;

inline constexpr int32_t kPassWordBlockAddr = 0x0050;
inline constexpr int32_t kTestAreaLastAddr = 0x001F;

// ---- frames --------------------------------------------------------------
Frame BuildLinkRequest();
Frame BuildFactoryLinkRequest();
Frame BuildIdentifyRequest();
// 'R', address high, address low, length.
Frame BuildReadRequest(int32_t addr, int32_t length);
// 'W', address high, address low, length, the data, checksum, 0x06.
Frame BuildWriteFrame(int32_t addr, std::span<const uint8_t> data);
Frame BuildEndRequest();

// Sums frame[first .. size-3] and writes the low 8 bits into frame[size-2]
// (1 for a frame the PC builds: the command byte is not summed).
void SetCheckSum(std::span<uint8_t> frame, int first);
// The same sum over reply[first .. size-3] compared with reply[size-2].
bool IsCheckSumOK(std::span<const uint8_t> reply, int first);

// ---- send steps ------------------------------------------------------------
// Sets CommSendLen to the frame's length, starts the reply timer, clears both
// buffers, sets the receive threshold to the echo plus `replyLength`, and
// writes the frame. False when the port refused the bytes (the port's
// LastError says why).
bool SendFrame(platform::SerialPort& port, platform::ReplyTimer& timer,
               std::span<const uint8_t> frame, int replyLength);

// ---- reply tests -------------------------------------------------------------
// Each takes every received byte (echo included) and uses CommSendLen.
bool IsAck(std::span<const uint8_t> rx);
bool IsResend(std::span<const uint8_t> rx);
bool IsLink(std::span<const uint8_t> rx);
// Also stores the identity (DecodeIdentity) when it accepts.
bool IsIdentify(std::span<const uint8_t> rx);
// A valid read reply for CommAddr with length ReadBlockSize.
bool IsReadData(std::span<const uint8_t> rx);
// A valid read reply for the password block, while the session awaits it.
bool IsPassWordData(std::span<const uint8_t> rx, bool passWordAwaited);
// A valid read reply for the test block requested (TestDataAddr, length
// ReadBlockSize), while a test read is awaited.
bool IsTestData(std::span<const uint8_t> rx, bool testReadAwaited);
bool IsCurrentBlock(int32_t addr, int32_t length);

// Which reply the bytes are, trying the tests in their fixed order; the first
// that accepts decides.
enum class ReplyKind { None, Ack, Resend, Link, Identify, PassWordData, TestData, ReadData };
struct ReplyContext {
    bool passWordAwaited = false;  // the session waits for the password block
    bool testReadAwaited = false;  // a test read of the factory steps is awaited
};
ReplyKind ClassifyReply(std::span<const uint8_t> rx, const ReplyContext& context);

// The address and length fields of a read reply behind the echo (valid only
// for bytes a read-reply test accepted).
int32_t ReplyAddress(std::span<const uint8_t> rx);
int32_t ReplyLength(std::span<const uint8_t> rx);
// The data bytes of an accepted read reply.
std::span<const uint8_t> ReplyData(std::span<const uint8_t> rx);

// Copies the ReadBlockSize data bytes of an accepted read reply into the
// image from CommAddr on (nothing past the image's end).
void SaveReadData(std::span<const uint8_t> rx, std::span<uint8_t> image);
