#pragma once
// The rules of the embedded-information viewer (FrmEMG): its captions, fixed
// in English and Chinese rather than taken from the language files, and the
// texts its boxes show of EmbedInfo. The viewer never writes anything.
#include <array>
#include <cstdint>
#include <string>

#include "core/RadioRecord.h"

// Label1(0..13) and Text1(0..11) of the viewer.
inline constexpr int kEmbedLabels = 14;
inline constexpr int kEmbedBoxes = 12;
// Text1(5), the version, is shown as stored; Text1(4) is the three-row
// maintenance reason.
inline constexpr int kEmbedVersionBox = 5;
inline constexpr int kEmbedReasonBox = 4;

struct EmbedCaptions {
    std::string form;
    std::string frame;    // Frame1, round the dealer rows
    std::string label2;   // the area code
    std::array<std::string, kEmbedLabels> label1;
};
// LangIndex 1 gives the English captions, every other value the Chinese ones.
// UTF-8.
EmbedCaptions EmbedCaptionsOf(int16_t langIndex);

// The items of the band list Combo1(1).
inline constexpr std::array<const char*, 2> kEmbedBandItems = {"Band 1", "Band 2"};

// The texts of Text1(0..11), record bytes: every field through TrimFixStr
// but the version, which is shown as it is stored.
std::array<std::string, kEmbedBoxes> EmbedInfoBoxTexts(const EmbedInfoData& info);
