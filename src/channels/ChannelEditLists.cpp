#include "channels/ChannelEditLists.h"

#include <cstdint>
#include <initializer_list>

#include "core/ChannelTexts.h"
#include "core/LangText.h"
#include "core/TextCodec.h"
#include "core/ToneCodec.h"

namespace {

// Language texts of the lists.
constexpr int16_t kOffText = 1755;
constexpr int16_t kNoToneText = 1206;
constexpr int16_t kPowerLowText = 1204;
constexpr int16_t kPowerMiddleText = 1221;
constexpr int16_t kPowerHighText = 1205;
constexpr int16_t kUserToneText = 4031;
constexpr int16_t kUserScramblerText = 1115;
constexpr int16_t kSameAsReceiveText = 1210;
constexpr int16_t kFirstSquelchText = 4075;
constexpr int16_t kFirstPTTIDText = 4080;
constexpr int16_t kTalkAroundOffText = 1202;
constexpr int16_t kTalkAroundOnText = 1203;
// The display list skips text 1213.
constexpr std::initializer_list<int16_t> kDisplayTexts = {1210, 1211, 1212, 1214, 1215,
                                                          1216, 1217, 1218, 1219, 1220};

constexpr int kSquelchModes = 5;
constexpr int kDTMFMemories = 16;
constexpr int kScramblerDigits = 9;

}  // namespace

ListItems ChannelStepItems() { return StepTexts(); }

ListItems ChannelBandwidthItems() { return {"25KHz", "20KHz", "12.5KHz"}; }

ListItems ChannelPowerItems() {
    const std::string middle = GetLangText(kPowerMiddleText);
    return {GetLangText(kPowerLowText), middle + "1", middle + "2", GetLangText(kPowerHighText)};
}

ListItems ToneTypeItems() { return {GetLangText(kNoToneText), "CTCSS", "DCS"}; }

ListItems ChannelCTCSSItems() {
    ListItems items(CTCSSTones.begin(), CTCSSTones.end());
    items.push_back(GetLangText(kUserToneText));
    return items;
}

ListItems ChannelDCSItems() {
    ListItems items;
    items.reserve(DCSCodeCount);
    for (int16_t code = 0; code < DCSCodeCount; ++code) items.push_back(IntToOct(code, 3));
    return items;
}

ListItems SignallingItems() { return {GetLangText(kNoToneText), "DTMF", "2Tone", "5Tone"}; }

ListItems DTMFMemoryItems() {
    ListItems items;
    for (int m = 1; m <= kDTMFMemories; ++m) items.push_back("M" + std::to_string(m));
    return items;
}

ListItems SquelchModeItems() {
    ListItems items;
    for (int mode = 0; mode < kSquelchModes; ++mode)
        items.push_back(GetLangText(static_cast<int16_t>(kFirstSquelchText + mode)));
    return items;
}

ListItems PTTIDItems() {
    ListItems items = {GetLangText(kOffText)};
    for (int16_t k = 0; k < 3; ++k) items.push_back(GetLangText(static_cast<int16_t>(kFirstPTTIDText + k)));
    return items;
}

ListItems ScramblerItems() {
    ListItems items = {GetLangText(kOffText)};
    for (int d = 1; d <= kScramblerDigits; ++d) items.push_back(std::to_string(d));
    const std::string user = GetLangText(kUserScramblerText);
    items.push_back(user + "1");
    items.push_back(user + "2");
    return items;
}

ListItems BusyLockItems() { return {GetLangText(kOffText), "Repeater", "Busy"}; }

ListItems ModulationItems() { return {"FM", "AM"}; }

ListItems ScanItems() { return {GetLangText(kOffText), "Skip", "P Scan"}; }

ListItems ShiftDirItems() { return {GetLangText(kSameAsReceiveText), "-", "+"}; }

ListItems DisplayItems() {
    ListItems items;
    for (int16_t id : kDisplayTexts) items.push_back(GetLangText(id));
    return items;
}

ListItems TalkAroundItems() { return {GetLangText(kTalkAroundOffText), GetLangText(kTalkAroundOnText)}; }

ListItems TwoToneEntryItems(const Tone2Data& tone2) {
    ListItems items;
    for (int call = tone2.Tone2List.first(); call <= tone2.Tone2List.last(); ++call)
        if (tone2.Tone2List[call].EmptyFlag == 0) items.push_back(std::to_string(call - 1));
    return items;
}

ListItems FiveToneCodeItems(const Tone5Data& tone5) {
    ListItems items;
    for (int code = tone5.Tone5List.first(); code <= tone5.Tone5List.last(); ++code)
        if (tone5.Tone5List[code].EmptyFlag == 0) items.push_back(std::to_string(code - 1));
    return items;
}
