#pragma once
// The radio's identification reply and the checks that decide whether a
// session may go on with it.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The program's own model code and version. Start-up keeps its own copies of
// these as data; these name the values the checks compare with.
inline constexpr std::string_view kPcModelCode = "314KTR";
inline constexpr std::string_view kPcVersion = "V200";
// The other code under which a radio of this model reports itself.
inline constexpr std::string_view kRadioModelAlias = "YH314KT";

// Stores the identity from the 16 reply bytes behind the echo ('I' first,
// 0x06 last) into RadioModel, RadioBand, RadioVersion, RadioVerNo,
// SettingFlag, RadioKilled and RadioStunned.
void DecodeIdentity(std::span<const uint8_t, 16> reply);

bool IsModelOK(std::string_view pc, std::string_view radio);
bool IsVersionOK(std::string_view pc, std::string_view radio);

// The identity checks with their messages; false ends the session. `writing`
// is true in a write session (band, killed and stunned matter only there).
// The caller stops the reply timer first.
bool CheckRadioIdentity(bool writing);
