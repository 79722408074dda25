#include "settings/OptionEdit.h"

#include <limits>

#include "core/LangText.h"
#include "core/TextNumbers.h"
#include "core/NumericText.h"
#include "core/TextCodec.h"

namespace {

constexpr int16_t kOffText = 1755;

// Each list's field; Combo1(10) and Combo1(28) have none of this kind.
constexpr std::array<int16_t OptionData::*, kOptionLists> kListFields = {
    &OptionData::DisplayMode,   &OptionData::SqlLeft,      &OptionData::SqlRight,     &OptionData::DisplayManner,
    &OptionData::ScanTime,      &OptionData::ScanMode,     &OptionData::ToneBurst,    &OptionData::TOT,
    &OptionData::PTTLock,       &OptionData::AutoPowerOff, nullptr,                   &OptionData::SubMute,
    &OptionData::ARTS,          &OptionData::CLKShift,     &OptionData::RightBandKey, &OptionData::SQLKeyFun,
    &OptionData::TailElimMode,  &OptionData::PAKeyFun,     &OptionData::DisplayModeSub, &OptionData::PBKeyFun,
    &OptionData::PCKeyFun,      &OptionData::PDKeyFun,     &OptionData::RFSqlLeft,    &OptionData::RFSqlRight,
    &OptionData::KeyLight,      &OptionData::BgRed,        &OptionData::BgGreen,      &OptionData::BgBlue,
    nullptr,
};

constexpr std::array<int16_t OptionData::*, kExtSpeakerCheck> kCheckFields = {
    &OptionData::KeyLock,  &OptionData::ClearMemLock, &OptionData::MicLock, &OptionData::SetupLock,
    &OptionData::TxSpread, &OptionData::AMEnable,     &OptionData::Beep,    &OptionData::NoSigTailElim,
};

std::string Text(int id) { return GetLangText(static_cast<int16_t>(id)); }

std::vector<std::string> Texts(std::initializer_list<int> ids) {
    std::vector<std::string> out;
    for (int id : ids) out.push_back(Text(id));
    return out;
}


std::vector<std::string> Numbers(int first, int last) {
    std::vector<std::string> out;
    for (int n = first; n <= last; ++n) out.push_back(std::to_string(n));
    return out;
}

std::vector<std::string> KeyFunctions() {
    std::vector<std::string> out{Text(kOffText)};
    for (int id = 1784; id <= 1798; ++id) out.push_back(Text(id));
    for (int id = 1850; id <= 1852; ++id) out.push_back(Text(id));
    return out;
}

std::vector<std::string> RFSquelch() { return {Text(kOffText), "S-2", "S-5", "S-9", "FULL"}; }

// num / den (den > 0) rounded to the nearest whole number, halves to the even one.
int64_t DivideHalfEven(int64_t num, int64_t den) {
    int64_t q = num / den;
    int64_t r = num % den;
    if (r < 0) r += den, --q;  // floor division: 0 <= r < den
    if (2 * r > den || (2 * r == den && q % 2 != 0)) ++q;
    return q;
}

// The scrambler factor 0.7324 as a fraction.
constexpr int64_t kFactorNum = 7324;
constexpr int64_t kFactorDen = 10000;

}  // namespace

int OptionListCaptionId(int list) {
    if (list >= 0 && list <= 17) return 1702 + list;
    if (list >= 19 && list <= 24) return 1701 + list;
    if (list >= 25 && list <= 28) return 8010 + (list - 25);
    return 0;
}

std::vector<std::string> OptionListItems(int list) {
    switch (list) {
        case 0: return Texts({1750, 1751, 1752});
        case 1:
        case 2: return Numbers(0, 20);
        case 3: return Texts({1753, 1754});
        case 4: return Texts({1747, 1748, 1749});
        case 5: return Texts({1758, 1759});
        case 6: return {Text(kOffText), "1750Hz", "2100Hz", "1000Hz", "1450Hz"};
        case 7: {
            std::vector<std::string> out{Text(kOffText)};
            for (int j = 1; j <= 30; ++j) out.push_back(std::to_string(j) + Text(1782));
            return out;
        }
        case 8: return Texts({kOffText, 1760, 1761, 1762});
        case 9: {
            std::vector<std::string> out{Text(kOffText)};
            for (int j = 1; j <= 24; ++j) out.push_back(TenthsText(j * 5) + Text(1783));
            return out;
        }
        case kLongPressList: {
            std::vector<std::string> out;
            for (int k = 0; k < 4; ++k) out.push_back(TenthsText(LongPressTimeOf(k)) + Text(1781));
            return out;
        }
        case 11: return {Text(kOffText), "TX", "RX", "RX&TX"};
        case 12: return Texts({1763, 1764});
        case 13: return Texts({kOffText, 1756});
        case 14: return Texts({1767, 1768});
        case 15: return Texts({1769, 1770});
        case 16: return Texts({kOffText, 1771, 1772});
        case 17:
        case 19:
        case 20:
        case 21: return KeyFunctions();
        case kDisplaySubList: return Texts({1773, 1774});
        case 22:
        case 23: return RFSquelch();
        case 24:
        case 25:
        case 26:
        case 27: return Numbers(1, 32);
        case kBeepVolumeList: return Texts({8100, 8101});
        default: return {};
    }
}

int OptionListStoredIndex(const OptionData& option, int16_t beepVolume, int list) {
    if (list == kLongPressList) return LongPressIndex(option.LongPressTime);
    if (list == kBeepVolumeList) return beepVolume;
    if (list < 0 || list >= kOptionLists) return 0;
    return option.*kListFields[static_cast<std::size_t>(list)];
}

void StoreOptionListChoice(OptionData& option, int list, int k) {
    if (list == kLongPressList) {
        option.LongPressTime = LongPressTimeOf(k);
        return;
    }
    if (list < 0 || list >= kOptionLists) return;
    if (auto field = kListFields[static_cast<std::size_t>(list)]) option.*field = static_cast<int16_t>(k);
}

int LongPressIndex(int16_t time) { return time / 5 - 2; }

int16_t LongPressTimeOf(int index) { return static_cast<int16_t>((index + 2) * 5); }

int16_t OptionData::*OptionCheckField(int check) {
    if (check < 0 || check >= kExtSpeakerCheck) return nullptr;
    return kCheckFields[static_cast<std::size_t>(check)];
}

int64_t ScramblerHzOf(int32_t word) { return DivideHalfEven(int64_t{word} * kFactorNum, 2 * kFactorDen); }

std::optional<int32_t> ScramblerWordOf(std::string_view hzText) {
    // Read exactly to nine decimals; whole parts beyond 10^9 read as 10^9,
    // which no 32-bit word reaches anyway.
    constexpr int kDecimals = 9;
    const auto hz = ReadScaled(hzText, kDecimals);
    if (!hz) return std::nullopt;
    // hz * 2 / 0.7324 = scaled * 2 * 10000 / (7324 * 10^9)
    constexpr int64_t kScaleDen = 1'000'000'000 / kFactorDen;  // 10^9 / 10^4
    const int64_t x = DivideHalfEven(hz->whole * 2, kFactorNum * kScaleDen);
    if (x > std::numeric_limits<int32_t>::max()) return std::nullopt;
    // The radio keeps 16 bits: (x mod 256) + (x \ 256 mod 256) * 256.
    return static_cast<int32_t>(x <= 0xFFFF ? x : x & 0xFFFF);
}

std::array<std::string, kPowerOnBoxes> PowerOnBoxTexts(const FixStr<14>& text) {
    std::string s = text.value();
    s.resize(kPowerOnBoxes, ' ');
    std::array<std::string, kPowerOnBoxes> boxes;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (s[i] != ' ') boxes[i] = std::string(1, s[i]);
    return boxes;
}

FixStr<14> PowerOnTextOf(const std::array<std::string, kPowerOnBoxes>& boxes) {
    std::string joined;
    for (const auto& box : boxes) joined += box.empty() ? std::string(" ") : box;
    return FixStr<14>::Of(joined);
}

bool IsPowerOnChar(char32_t c) { return c <= 0xFF && c != U'\\' && c != U'~'; }

void StoreOptionDialog(OptionData& edit, const OptionBoxes& boxes, RadioData& data) {
    edit.Scrambler1 = ScramblerWordOf(boxes.scrambler1).value_or(edit.Scrambler1);
    edit.Scrambler2 = ScramblerWordOf(boxes.scrambler2).value_or(edit.Scrambler2);
    edit.PowerOnPWEnable = boxes.passWordEnable;
    edit.PowerOnPassWord.SetNulEnded(boxes.passWord);
    edit.PowerOnText = PowerOnTextOf(boxes.powerOn);
    if (boxes.beepVolumeIndex >= 0) data.BeepVolume = static_cast<int16_t>(boxes.beepVolumeIndex);
    data.ExtSpeaker = boxes.extSpeaker;
    data.FunSet.Option = edit;
}
