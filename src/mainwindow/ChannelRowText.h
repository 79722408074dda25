#pragma once
// What a row of the channel grid shows for one channel record: the text of
// every logical column, from the record, the hidden lookup lists and the
// language texts. Displaying never changes the record; out-of-range values
// are corrected on the way, never stored.
#include "core/ChannelTexts.h"
#include <array>
#include <string>
#include <vector>

#include "core/ChannelRecord.h"
#include "mainwindow/ColumnMap.h"

// The hidden lookup lists whose items the cells show, and the few language
// texts of the power, tone and signalling cells. Texts are UTF-8.
struct RowLookups {
    std::vector<std::string> steps;  // step texts, index = StepIndex
    std::vector<std::string> ctcss;  // 51 tones, then the user-tone item
    std::vector<std::string> dcs;    // "000N".."777N", index = code
    std::string none;                // no tone, no signalling
    std::string powerLow;
    std::string powerMid;            // followed by "1" or "2"
    std::string powerHigh;
};

// "000N".."777N".
std::vector<std::string> DCSLookupTexts();
// The 51 CTCSS tone texts.
std::vector<std::string> CTCSSLookupTexts();

// The texts of logical columns 0..11; only the columns in kRowDataColumns
// are filled.
using RowTexts = std::array<std::string, kLogicalColumns>;

// The logical columns a channel row writes, in the order it writes them.
inline constexpr std::array<Col, 9> kRowDataColumns = {Col::RxFre, Col::TxFre, Col::Name,
                                                       Col::Step, Col::Bandwidth, Col::Power,
                                                       Col::DecodeTone, Col::EncodeTone, Col::OptSig};

// A receive or offset code that is not a number shows "Not IsNumeric"
// (callers redrawing many rows hold a NotNumericOncePerRedraw); the receive
// cell then stays empty.
RowTexts ChannelRowText(const UFreData& ch, const RowLookups& lookups);

