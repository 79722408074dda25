#pragma once
// The 16 decode codes of the five-tone block and their editor's rules: what
// a decode function allows of the response and the name, what the editor
// shows of an entry and stores back, and the check that a kill or stun code
// has a wake-up code and that no kill, stun or wake-up code is taken by a
// later code of another function.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/BasedArray.h"
#include "core/SignallingRecords.h"

inline constexpr int kInfoCodes = 16;
inline constexpr int kInfoCodeLength = 12;
inline constexpr int kInfoNameLength = 7;

// The decode functions are the items 0..7 of the function list; three of
// them the check knows by number.
inline constexpr int kInfoFunctions = 8;
inline constexpr int kKillFunction = 3;
inline constexpr int kStunFunction = 4;
inline constexpr int kWakeUpFunction = 5;
inline constexpr int kInfoResponses = 3;

// Language texts (section "OPTION") of the function list's items 0..7, of
// the response list's items 0..2 and of the check's two messages.
inline constexpr std::array<int32_t, kInfoFunctions> kInfoFunctionTexts = {60098, 60075, 60074, 60069,
                                                                            60093, 60082, 60099, 60100};
inline constexpr std::array<int32_t, kInfoResponses> kResponseTexts = {60057, 60058, 60059};
inline constexpr int32_t kNoWakeUpText = 60300;
inline constexpr int32_t kCodeConflictText = 60301;

// What choosing a function does to the response list and the name box.
struct InfoFunctionRule {
    int responses = kInfoResponses;  // items of the rebuilt response list
    std::optional<int> response;     // the item selected; nothing: kept
    bool responseEnabled = true;
    bool nameEnabled = true;         // a disabled name box is emptied
};
InfoFunctionRule InfoFunctionRuleOf(int function);

// What the editor shows of an entry. A stored function beyond the list shows
// the first function, a stored response beyond the function's responses the
// first response.
struct InfoCodeShown {
    int function = 0;
    int response = 0;
    std::string code;  // the first CodeLen characters
    std::string name;  // record bytes; empty when the function has no name
};
InfoCodeShown ShowInfoCodeValues(const Tone5InfoCode& entry);

// Stores the editor into an entry: the code blank-padded to 12 characters,
// its length, and the name without trailing blanks.
void SaveInfoCodeValues(Tone5InfoCode& entry, int function, int response, std::string_view code,
                        std::string_view name);

// The outcome of the decode-code check.
struct InfoCodeCheck {
    bool killWithoutWakeUp = false;  // a kill or stun code and no wake-up code
    bool conflict = false;           // a kill, stun or wake-up code equals a later code of another function
    bool ok() const { return !killWithoutWakeUp && !conflict; }
};
InfoCodeCheck CheckInfoCodes(const BasedArray<Tone5InfoCode, kInfoCodes>& codes);
