#pragma once
// Channel slots of the memory image: 32 bytes a channel, the same layout for
// normal, limit and hyper channels, and the flag nibble of each normal and
// limit slot (0x0100 + slot / 2, low nibble for even slots):
//   bit 3  0 = receive frequency in a standard transmit range
//   bit 2  0 = slot in use
//   bits 1-0  scan skip
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/ChannelRecord.h"

inline constexpr int kNormalSlots = 758;   // slots 0..757: normal channels 1..758
inline constexpr int kFlaggedSlots = 768;  // slots 758..767: limit channels 1..10
inline constexpr int kHyperSlotFirst = 768;
inline constexpr int kHyperSlotCount = 24;

// Image address of a slot 0..767 (normal and limit) or 768..791 (hyper:
// bank 1 rows 1-6, bank 2 rows 1-6, bank 1 rows 7-12, bank 2 rows 7-12);
// 0 for any other index.
std::size_t ChannelSlotAddr(int slot);

// Packs one record into its slot (and flag nibble for slots 0..767). Stores
// bit 8 of the DCS codes into Reserved1 / Reserved2 of the record once the
// nibble and bytes 0-8 fit, before byte 9 on is checked. A value that does
// not fit its place throws EncodeError naming the channel and the field;
// nothing of the slot is written then. Any other slot index writes nothing.
void SetCommDataByChannel(int slot, UFreData& ch);

// Unpacks one slot into its list: list 0 normal (number 1..758, appended to
// UFreList), 1 limit (number 759..768), 2 / 3 hyper bank 1 / 2 (number = row).
// A receive field that is not decimal, and a hyper row's field of 00 00 00 00
// (the blank slot an unused row is written as), read as unused: only the
// used flag changes.
void GetChannelByCommData(int number, int scanSkip, int list);

// The four BCD bytes of a frequency or offset code (the field's value): the
// 10 Hz digit is dropped, a shorter code is padded with "0" on the right, the
// empty text gives FF FF FF FF (receive) or 00 00 00 00 (offset) and the
// all-"F" marker FF FF FF FF. Nothing for any other text.
std::optional<std::array<uint8_t, 4>> PackFreCode(std::string_view code, bool isOffset);
// The nine-digit code read back from four BCD bytes with the 10 Hz digit
// restored; nothing when the bytes are not decimal (FF FF FF FF included).
std::optional<std::string> UnpackFreCode(std::span<const uint8_t, 4> bytes);
