#pragma once
// What the lists of the single-channel dialog hold, item 0 first, in the
// current language. The item index is the value stored in the channel record
// except for the signalling code lists, whose items are entry numbers.
// Texts are UTF-8.
#include <string>
#include <vector>

#include "core/SignallingRecords.h"

using ListItems = std::vector<std::string>;

ListItems ChannelStepItems();        // "2.5K" .. "50K"
ListItems ChannelBandwidthItems();   // "25KHz", "20KHz", "12.5KHz"
ListItems ChannelPowerItems();       // low, middle 1, middle 2, high
ListItems ToneTypeItems();           // none, "CTCSS", "DCS"
ListItems ChannelCTCSSItems();       // the 51 tones, then the channel's own tone
ListItems ChannelDCSItems();         // "000" .. "777", index = code
ListItems SignallingItems();         // none, "DTMF", "2Tone", "5Tone"
ListItems DTMFMemoryItems();         // "M1" .. "M16"
ListItems SquelchModeItems();        // the five squelch modes
ListItems PTTIDItems();              // off, begin, end, both
ListItems ScramblerItems();          // off, "1" .. "9", user 1, user 2
ListItems BusyLockItems();           // off, "Repeater", "Busy"
ListItems ModulationItems();         // "FM", "AM"
ListItems ScanItems();               // off, "Skip", "P Scan"
ListItems ShiftDirItems();           // transmit on receive, "-", "+"
ListItems DisplayItems();            // ten display modes
ListItems TalkAroundItems();         // off, on

// The two-tone calls in use (EmptyFlag 0), each as its number from 0 ("0"
// for call 1), in call order.
ListItems TwoToneEntryItems(const Tone2Data& tone2);
// The five-tone codes in use, each as its number from 0, in code order.
ListItems FiveToneCodeItems(const Tone5Data& tone5);
