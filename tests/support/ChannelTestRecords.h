#pragma once
// The start, channel records and band warnings shared by the channel
// dialog's tests.
#include <cstdint>
#include <string_view>

#include "ScriptedPrompts.h"
#include "core/BandPlan.h"
#include "core/ChannelRecord.h"
#include "core/Defaults.h"
#include "core/HyperRange.h"
#include "core/LangText.h"
#include "core/SharedState.h"

// Band plan 0 with its hyper ranges, the default data, no normal channel.
inline void StartWithoutChannels() {
    PCBand = 0;
    SetBandByType(0);
    InitHyperRange();
    InitRadioData();
    CurData.CHCount = 0;
}

// Appends `ch` to the used normal entries.
inline void AddNormalChannel(const UFreData& ch) { UFreList[static_cast<std::size_t>(CurData.CHCount++)] = ch; }

// A used channel as the dialog stores a fresh one: scan skip, tone indexes
// 20 (127.3 Hz), user tone 151.1 Hz, an empty name.
inline UFreData UsedChannel(int16_t no, std::string_view rx, std::string_view offset = "000000000") {
    UFreData ch;
    ch.CHNo = no;
    ch.UsedFlag = 1;
    ch.ScanSkip = 1;
    ch.RxFre = rx;
    ch.OffsetFre = offset;
    ch.CHName = FixStr<7>::NulText();
    ch.En_CTCSS = ch.De_CTCSS = 20;
    ch.UserCTCSS = 1511;
    return ch;
}

// The next `count` prompts are the band checks' warning (language text 2001).
inline void ExpectFreWarnings(ScriptedPrompts& prompts, int count) {
    for (int i = 0; i < count; ++i)
        prompts.expect(GetLangText(2001), platform::Buttons::Ok, platform::Answer::Ok, platform::Icon::Exclamation, true);
}
