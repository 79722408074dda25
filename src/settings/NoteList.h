#pragma once
// The rules of the event-record dialog (FrmNote): the records listed newest
// first, and a list stored back packed into the lowest slots.
#include <string>
#include <vector>

#include "core/RadioRecord.h"

// The texts of the records (record bytes), newest first: from the slot of
// NoteIndex (any value, reduced modulo 16) down through the ring, empty
// slots left out.
std::vector<std::string> NoteListTexts(const RadioData& data);

// Stores `texts` (newest first; at most 16 are kept) into the slots n - 1
// down to 0, each followed by one NUL when it is shorter than a slot, empties
// the slots above them and points NoteIndex at the newest (0 when none).
void StoreNoteList(RadioData& data, const std::vector<std::string>& texts);
