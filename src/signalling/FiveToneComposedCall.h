#pragma once
// The five-tone special-call composer's rules: the characters its boxes take,
// the separator list against the stored separator, and the codes it composes
// for a list entry (kept with the placeholder "SelfID") or for a PTT-ID code
// box (with the own ID itself). The dialog holds the widgets.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/SignallingRecords.h"

// Combo1(1): the call types, in list order.
enum class SpecialCallType : int { DataCall = 0, ANI = 1, PTTID = 2 };

inline constexpr int kCalledIDLength = 5;
inline constexpr int kDataCallMessageLength = 16;
// What a PTT-ID code slot of the radio holds.
inline constexpr std::size_t kPTTIDBoxDigits = 24;
// Language texts (section "OPTION").
inline constexpr int32_t kNoSeparatorText = 60318;

// A called ID takes digits and "A" ("a" becomes "A").
std::optional<char16_t> CalledIDChar(char16_t c);
// The message takes letters and digits, letters upper-cased.
std::optional<char16_t> MessageChar(char16_t c);
// An ID box holds a whole called ID.
bool IsCalledIDComplete(std::string_view id);

// Combo3: item 0 no separator, items 1..6 "A".."F" (10..15).
// The item a stored separator selects: 10..15 their letter, anything else
// item 0.
int SeparatorItemOf(int16_t sepCode);
// The separator an item stores: 10..15 for the letters, 0 for anything else.
int16_t SepCodeOfItem(int item);
// The separator letter composed into an ANI call; "" for none.
std::string SeparatorLetterOf(int item);

// The message as hex pairs of its character codes ("AB" -> "4142").
std::string MessageHex(std::string_view message);

struct SpecialCallInput {
    SpecialCallType type = SpecialCallType::DataCall;
    std::string calledID;   // the ID box of the call type
    std::string separator;  // "A".."F" or ""
    std::string message;    // data call
};

// A composed call for an entry of the code list.
struct ComposedListCall {
    std::string code;  // as composed, "SelfID" where the own ID belongs
    std::string cell;  // what the grid's code cell shows
};
// `messageMarker` is the trimmed text shown between the ID and the message.
ComposedListCall ComposeListCall(const SpecialCallInput& in, std::string_view messageMarker);
// Writes a composed list call into its entry: its length, the code with
// repeat tones, and the entry marked used; standard, period and name stay.
void StoreListCall(Tone5Code& entry, SpecialCallType type, std::string_view code, std::string_view ownID);

// A composed call for a PTT-ID code box, in its stored form.
std::string ComposeBoxCall(const SpecialCallInput& in, std::string_view ownID);
