#pragma once
// The area codecs of the memory image `CommData`: one encoder (model -> image)
// and one decoder (image -> model) per area. The drivers in ImageCodec.h call
// them in a fixed order; each works on the shared `CommData` and the working
// configuration.
//
// Guarded encoders (channels, options, five-tone, two-tone, DTMF, contact
// book) report their own failure with "<Name>Error" in an OK box and clear
// `WriteDataOK` (see RunGuardedEncoder in ImageGuard.h). The hyper-settings
// encoder fails the same way on a value that does not fit (only a damaged
// file holds one), but shows its box only as the first failure of a write;
// the scan, alert and event-record encoders cannot fail. Decoders never
// fail: bytes are taken as the radio holds them.
//
// Address map (every byte belongs to one line):
//   0x0000-0x001F factory test data            0x0020-0x00FF embedded information
//   0x0100-0x027F channel flag nibbles          0x0280-0x029F options, first part
//   0x02B0-0x02BF hyper settings, bank 1        0x02C0-0x02CF hyper settings, bank 2
//   0x02D0-0x02D6 power-on password             0x02E0-0x02FF DTMF settings, kill/stun
//   0x0300-0x0317 two-tone header               0x0320-0x0335 five-tone settings
//   0x0340-0x035F DTMF PTT-ID codes             0x0360-0x037F five-tone PTT-ID codes
//   0x0380-0x038C five-tone presence bitmap     0x038D-0x038F two-tone presence bitmap
//   0x03A0-0x03AC alert                         0x03B0-0x03BD scan
//   0x03C0-0x03DF user five-tone tone table     0x03E0-0x03ED power-on text
//   0x0400-0x04FF DTMF code memories            0x0540-0x083F hyper channel slots
//   0x0900-0x0AFF five-tone decode codes        0x0B00-0x0C7F two-tone calls
//   0x0C80-0x0CFF event records                 0x0D00-0x197F five-tone codes
//   0x1980-0x1C9F contact book call IDs         0x1CA0-0x1FBF contact book names
//   0x2000-0x7FFF channel slots 0..767 (normal 1..758, then limit 1..10)
// Gaps between the lines are unused.
#include <cstddef>

#include "link/ImageAccess.h"

namespace image_map {
inline constexpr std::size_t kEmbedInfo = 0x0010;
inline constexpr std::size_t kFlagNibbles = 0x0100;
inline constexpr std::size_t kOption = 0x0280;
inline constexpr std::size_t kHyperSet1 = 0x02B0;
inline constexpr std::size_t kHyperSet2 = 0x02C0;
inline constexpr std::size_t kPowerOnPassWord = 0x02D0;
inline constexpr std::size_t kDTMFSettings = 0x02E0;
inline constexpr std::size_t kDTMFKillStun = 0x02F0;
inline constexpr std::size_t kTone2Head = 0x0300;
inline constexpr std::size_t kTone5Settings = 0x0320;
inline constexpr std::size_t kDTMFPTTID = 0x0340;
inline constexpr std::size_t kTone5PTTID = 0x0360;
inline constexpr std::size_t kTone5Bitmap = 0x0380;
inline constexpr std::size_t kTone2Bitmap = 0x038D;
inline constexpr std::size_t kAlert = 0x03A0;
inline constexpr std::size_t kScan = 0x03B0;
inline constexpr std::size_t kTone5DefTone = 0x03C0;
inline constexpr std::size_t kPowerOnText = 0x03E0;
inline constexpr std::size_t kDTMFCodes = 0x0400;
inline constexpr std::size_t kHyperSlots = 0x0540;
inline constexpr std::size_t kTone5InfoCodes = 0x0900;
inline constexpr std::size_t kTone2Calls = 0x0B00;
inline constexpr std::size_t kNotes = 0x0C80;
inline constexpr std::size_t kTone5Codes = 0x0D00;
inline constexpr std::size_t kBookCallIDs = 0x1980;
inline constexpr std::size_t kBookNames = 0x1CA0;
inline constexpr std::size_t kChannelSlots = 0x2000;
inline constexpr std::size_t kSlotSize = 32;
}  // namespace image_map

// Channels: normal, limit and hyper slots with the flag nibbles.
void SetCommDataByFrequency();
void GetFrequencyByCommData();

// Options (three pieces of the image), with the beep volume, external
// speaker and the two DTMF timing values.
void SetCommDataByOption();
void GetOptionByCommData();

// Hyper-bank settings; bank is 1 or 2.
void SetCommDataByHyperSet(int bank);
void GetHyperSetByCommData(int bank);

// Scan and alert blocks.
void SetCommDataByScan();
void GetScanByCommData();
void SetCommDataByAlert();
void GetAlertByCommData();

// The 16 event records.
void SetCommDataByNote();
void GetNoteByCommData();

// Contact book (sorted before it is written).
void SetCommDataByDTMFCommuBook();
void GetDTMFCommuBookByCommData();

// DTMF settings, kill/stun, PTT-ID codes and code memories.
void SetCommDataByDTMF();
void GetDTMFByCommData();

// Two-tone header, calls and presence bitmap.
void SetCommDataBy2Tone();
void Get2ToneByCommData();

// Five-tone settings, codes, decode codes, PTT-ID codes, tone table, bitmap.
void SetCommDataBy5Tone();
void Get5ToneByCommData();

// Embedded information (read only).
void GetEmbedInfoByCommData();
