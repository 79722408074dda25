#pragma once
// Field shapes the signalling areas of the memory image share: digit strings
// packed two to a byte, names, and the presence bitmaps of the call and code
// lists. Each area's codec uses them at the addresses of its own table.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "link/ImageAccess.h"

// Writes hexadecimal digit characters two to a byte, the first in the high
// nibble, from `addr` on. `digits` must have an even length. A character that
// is not a hexadecimal digit is an error naming `what`.
void SetPackedDigits(ImageView& image, std::size_t addr, std::string_view digits,
                     std::string_view what);

// The first `count` digits of the bytes from `addr` on, each byte as two
// upper-case hexadecimal digits.
std::string PackedDigits(const ImageView& image, std::size_t addr, std::size_t count);

// The value 0..15 of a hexadecimal digit character (either case); an error
// naming `what` for any other character.
int HexDigitValue(char c, std::string_view what);

// A name of `size` bytes: an empty name is all 0x00; any other is padded with
// `pad` (0x20 or 0x00). A longer name is an error.
void SetNameBytes(ImageView& image, std::size_t addr, std::size_t size, std::string_view name,
                  uint8_t pad);

// A name read back: the bytes up to the first 0x00 or 0xFF without the
// blanks that end them, followed by a NUL when it ended before `size` bytes
// (the record keeps that NUL, so the value of the field stops there while its
// stored text stays blank-padded). Blanks before the end are dropped because
// a writer pads with blanks: kept, they would be lost at the next read.
std::string NameBytes(const ImageView& image, std::size_t addr, std::size_t size);
std::string NameOfBytes(std::span<const uint8_t> bytes);

// Presence bitmaps: entry n (from 1) has bit (n - 1) mod 8 of byte
// base + (n - 1) / 8, set when the entry is empty.
bool EntryEmpty(const ImageView& image, std::size_t base, int entry);
void SetEntryEmpty(ImageView& image, std::size_t base, int entry, bool empty);
