#pragma once
// The channel section of the report: every used normal channel, in channel
// number order, five to a page, each a heading and ten rows of label/value
// pairs. Labels and list texts come from the channel dialog loaded hidden
// (once for the whole section), tones from the main window's tone lists,
// values from the channel table. Limit and hyper-bank channels are not
// printed.
#include <cstdint>
#include <string>
#include <vector>

#include "core/ChannelRecord.h"
#include "printing/ReportDialog.h"
#include "printing/ReportPage.h"

// The captions and lists of the channel dialog that the blocks print, and
// the language texts beside them.
struct ChannelPageTexts {
    std::string heading;          // text 1751, before each channel's label
    std::string rxLabel;          // text 1101
    std::string offsetLabel;      // text 1102
    std::string stepLabel;        // text 1104
    std::string bandwidthLabel;   // text 1106
    std::string powerLabel;       // text 1109
    std::string none;             // text 1206: no tone, no signalling
    std::string nameLabel;        // Label1(2)
    std::string decodeToneLabel;  // Label2(5)
    std::string encodeToneLabel;  // Label2(10)
    std::string signallingLabel;  // Label2(4)
    std::string squelchLabel;     // Label2(9)
    std::string pttIdLabel;       // Label2(7)
    std::string busyLockLabel;    // Label2(13)
    std::string scramblerLabel;   // Label2(6)
    std::string scanLabel;        // Label2(16)
    std::string txInhibitLabel;   // Check1
    std::string companderLabel;   // Check5
    std::string reverseLabel;     // Check4(0)
    std::string talkAroundLabel;  // Check4(1)
    std::vector<std::string> shiftDirs;   // Combo2
    std::vector<std::string> steps;       // Combo1(0)
    std::vector<std::string> bandwidths;  // Combo1(1)
    std::vector<std::string> powers;      // Combo1(2)
    std::vector<std::string> scramblers;  // Combo1(6)
    std::vector<std::string> pttIds;      // Combo1(7)
    std::vector<std::string> squelchModes;  // Combo1(11)
    std::vector<std::string> busyLocks;   // Combo1(13)
    std::vector<std::string> scans;       // Combo1(16)
};

ChannelPageTexts ReadChannelPageTexts(const ReportDialog& chEdit);

// The channels on a page.
inline constexpr int16_t kChannelsPerPage = 5;

// A channel's label in the report: "VFO" for 758, "PB" for 757, "PA" for 756,
// else the number less one (channel 1 is "0").
std::string ChannelLabel(int16_t chNo);

// The numbers of the used channels (the first CHCount entries of UFreList),
// in rising order.
std::vector<int16_t> SortedChannelNumbers();

// The ten rows of a channel's block, label columns at 10% and 55%, values at
// 30% and 75%. `ctcss` and `dcs` are the main window's tone lists.
std::vector<ReportRow> ChannelBlockRows(const UFreData& ch, const ChannelPageTexts& texts,
                                        const std::vector<std::string>& ctcss, const std::vector<std::string>& dcs);

// The blocks of page `page` (from 1): entries (page - 1) * perPage onwards of
// `sorted`, at most perPage of them and none at or beyond `count`.
void PrintCHInfo(Report& report, const std::vector<int16_t>& sorted, int32_t page, int32_t count, int16_t perPage,
                 const ChannelPageTexts& texts, const ReportSources& sources);

// The whole channel section; with no used channel, one page with the caption
// alone, and the channel dialog is not loaded.
void Prt_UHFChannel(Report& report, const ReportSources& sources);
