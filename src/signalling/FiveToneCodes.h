#pragma once
// The text rules of five-tone codes: one hexadecimal digit a tone, "E" for a
// tone equal to the one before it. The kinds the dialog tells apart by the
// text alone: data calls ("E1", a called ID, "E", the message as hex pairs),
// PTT-ID own-ID codes ("E6" and the own ID), "E2" codes, ANI codes (a called
// ID, an optional separator, the own ID or the placeholder "SelfID") and
// plain codes. Codes that carry the own ID follow it when it changes.
#include <string>
#include <string_view>

#include "core/SignallingRecords.h"

// What stands in a list code in place of the own ID until the next save.
inline constexpr std::string_view kSelfIDMark = "SelfID";

// `length` characters of `code` from the 1-based position `start`, a repeat
// tone "E" read as the character before it. Positions past the end add
// nothing; an "E" at the very first position has no character before it and
// is taken as it is.
std::string Mid5ToneNoE(std::string_view code, int start, int length);

// A code as a plain code shows: cut to `length` characters, or filled up
// with "E" to that many.
std::string PlainCodeText(std::string_view code, int length);

// The list code a save stores for `code` (the field's value), with the own
// ID `ownID`: "E2"/"E6" codes get the own ID after their prefix, a code that
// carries an own ID or "SelfID" gets the current own ID, and the result is
// written with repeat tones. Codes of at most two characters stay as they
// are.
std::string SavedListCode(std::string_view code, std::string_view ownID);
// Stores SavedListCode into the entry; its length becomes CodeLen.
void SaveListCode(Tone5Code& entry, std::string_view ownID);

// A PTT-ID code box's text as stored: written with repeat tones, its length
// the code's CodeLen.
void SavePTTIDCode(Tone5Code& code, std::string_view boxText, std::string_view ownID);

// Rewrites every list code, then the PTT-ID begin and end codes, for a new
// own ID: "E2"/"E6" codes get `newID` after their prefix, and codes that
// carry `oldID` (or "SelfID") get the called ID with repeats expanded, their
// separator and `newID`. CodeLen is kept, and nothing is written with repeat
// tones until the next save.
void UpdateSelfIDCode(Tone5Data& block, std::string_view newID, std::string_view oldID);
