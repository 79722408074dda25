#include "channels/BatchTones.h"

#include <algorithm>
#include <cmath>

#include "core/LangText.h"
#include "core/NumericText.h"
#include "core/TextCodec.h"
#include "core/ToneCodec.h"

namespace {

constexpr std::size_t kDCSTextLength = 5;

bool IsOctalDigit(char c) { return c >= '0' && c <= '7'; }

}  // namespace

std::vector<std::string> BatchToneItems() {
    std::vector<std::string> items;
    items.reserve(kBatchToneCount);
    items.push_back(GetLangText(kNoToneText));
    items.insert(items.end(), CTCSSTones.begin(), CTCSSTones.end());
    items.push_back(GetLangText(kUserToneText));
    for (int16_t invert = 0; invert <= 1; ++invert)
        for (int16_t code = 0; code < DCSCodeCount; ++code) items.push_back(DCSText(code, invert));
    return items;
}

void GetToneByText(std::string_view text, int position, ToneFieldRefs out) {
    out.type = 0;
    if (position == 0) return;
    if (IsNumericText(text)) {
        out.type = 1;
        out.ctcss = static_cast<int16_t>(position - 1);
        return;
    }
    // The DCS form before the user-tone text: no language text has that form,
    // and a batch over many DCS codes then reads no language file.
    if (text.size() == kDCSTextLength && text.front() == 'D' && (text.back() == 'N' || text.back() == 'I')) {
        const std::string_view digits = text.substr(1, 3);
        if (std::all_of(digits.begin(), digits.end(), IsOctalDigit)) {
            out.type = 2;
            out.invert = text.back() == 'I' ? 1 : 0;
            out.dcs = static_cast<int16_t>((digits[0] - '0') * 64 + (digits[1] - '0') * 8 + (digits[2] - '0'));
        }
        return;
    }
    if (TrimFixStr(text) == GetLangText(kUserToneText)) {
        out.type = 1;
        out.ctcss = static_cast<int16_t>(position - 1);
    }
}

int StepTonePosition(int selected, int64_t interval, int64_t n, bool increase, int count) {
    if (count <= 0) return 0;
    // Intervals of two digits over 758 channels stay far inside 64 bits.
    const int64_t p = increase ? selected + interval * n : selected - interval * n;
    return static_cast<int>(((p % count) + count) % count);
}

int RandomTonePosition(double draw, int count) {
    if (count <= 0) return 0;
    const double scaled = std::floor(draw * count);
    return static_cast<int>(std::clamp(scaled, 0.0, static_cast<double>(count - 1)));
}
