#pragma once
// Orders the contact book by call ID.
#include <stdexcept>

// A call ID whose sort key is not a hexadecimal number.
struct CommuBookKeyError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reorders CurData.CommuBook ascending by the key of each call ID (blanks read
// as "A", cut at the first NUL, padded with "B" to 5 characters, read as a
// hexadecimal number; so an empty ID sorts last) and renumbers it 0..99. The
// entries keep their call IDs and names as stored. Throws CommuBookKeyError,
// before changing anything, when a key is not a hexadecimal number.
void SortCommBook();
