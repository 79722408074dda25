#pragma once
// The rules of the contact book dialog (FrmCommuBook) and of its file: how
// an edited cell is stored, which characters each column takes, and the
// contact-book file (*.cb), one record of the 100 entries, 14 bytes each.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/RadioRecord.h"

using CommuBook = std::array<CommuBookItem, kCommuBookSize>;

// Grid columns of the dialog; column 0 shows the entry's index.
inline constexpr int kBookCallIDCol = 1;
inline constexpr int kBookNameCol = 2;
// The editor's length over each column.
inline constexpr int kBookCallIDLength = 5;
inline constexpr int kBookNameLength = 7;

// Stores an edited value (already trimmed) into the call ID (column 1) or the
// name (column 2): a value shorter than the field is followed by one NUL and
// blanks; an empty call ID is two NULs and three blanks, an empty name one
// NUL and six blanks. Other columns store nothing.
void StoreBookField(CommuBookItem& entry, int col, std::string_view value);

// The character an editor over `col` keeps for the typed character `c`, or
// nothing when it drops it: the call ID takes digits; the name capitals,
// digits and the blank, small letters raised. Control characters pass.
std::optional<char16_t> BookFieldChar(int col, char16_t c);

// The contact-book file: the entries back to back, number (16-bit
// little-endian), call ID and name as stored.
inline constexpr std::size_t kBookFileSize = kCommuBookSize * CommuBookItem::kPackedSize;
std::vector<uint8_t> PackBook(const CommuBook& book);
// The book of the first kBookFileSize bytes; nothing when there are fewer.
std::optional<CommuBook> UnpackBook(std::span<const uint8_t> bytes);

// Reads a contact-book file without writing to it; nothing when it is
// missing, unreadable or too short.
std::optional<CommuBook> ReadBookFile(const std::string& path);
// Writes the book over the first kBookFileSize bytes of the file, keeping any
// bytes after them, as one step (the file is created when missing); false
// when it could not be written, the file then as it was.
bool WriteBookFile(const std::string& path, const CommuBook& book);
