#pragma once
// Which blocks a read or a write transfers, and the progress count.
//
// Channel slots, two-tone calls and five-tone codes that are not in use are
// skipped. A write knows what is in use from the working data before it
// starts; a read reads the first 57 blocks (0x0010-0x0390), and on reaching
// 0x03A0 plans the rest from the presence bitmaps it has just read.
#include <cstdint>

// First address whose block a read plans from the bitmaps.
inline constexpr int32_t kReadPlanAddr = 0x03A0;
// Last block address of a full transfer.
inline constexpr int32_t kLastBlockAddr = 0x7FF0;
// Blocks counted before the read plan exists (0x0010-0x0390).
inline constexpr int32_t kReadHeadBytes = 896;

// Appends start .. start + length - 1 to the skip list, or extends the last
// range when it ends just before start. A full list takes nothing more (the
// range is then transferred, which is harmless).
void AddSkipRange(int32_t start, int32_t length);
// The address after the first range holding `address`; the address itself
// when no range holds it.
int32_t GetNextCommAddr(int32_t address);
// Blocks from first to last (both block addresses) less the skipped ones.
int32_t GetCommBlockCount(int32_t first, int32_t last);

// The read plan from the bitmaps of the image read so far.
void SetSkipRangeByCommData();
// The write plan from the working data.
void SetSkipRangeByData();

// rebuild false (the read command): no plan yet, 57 blocks to count.
// rebuild true (reaching 0x03A0): the plan from the bitmaps, count restarted.
void InitReadSpeed(bool rebuild);
void InitWriteSpeed();

// The percentage shown for `done` blocks of `total` planned:
// done * 100 / (total + 1), rounded half to even, at most 100.
int16_t ProgressPercent(int32_t done, int32_t total);
// Counts one block; returns true (and updates CommProgress) when the shown
// percentage changed.
bool CountCommBlock();
