#include "core/ToneCodec.h"

#include "core/NumericText.h"
#include "core/TextCodec.h"
#include "core/TextNumbers.h"

namespace {

constexpr char RepeatTone = 'E';
constexpr std::string_view SelfIDMark = "SelfID";

// Tenths of a hertz.
constexpr int64_t CTCSSLowest = 625;
constexpr int64_t CTCSSHighest = 2541;

std::string MapChars(std::string_view code, char from1, char to1, char from2, char to2) {
    std::string out(code);
    for (char& c : out) {
        if (c == from1) c = to1;
        else if (c == from2) c = to2;
    }
    return out;
}

bool IsSeparatorTone(char c) { return (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

// Writes the repeat rule over `s`; positions (1-based) for which `keep` holds
// are copied as they are.
template <class Keep>
std::string WriteRepeats(std::string_view s, Keep keep) {
    std::string out;
    if (s.empty()) return out;
    out += s[0];
    for (size_t i = 2; i <= s.size(); ++i) {
        const char c = s[i - 1];
        out += (!keep(i) && c == out.back()) ? RepeatTone : c;
    }
    return out;
}

}  // namespace

std::string CheckCTCSSText(std::string_view text) {
    const auto v = ReadScaled(text, 1);
    // The upper edge is inclusive only for exactly 254.1, not 254.14.
    const bool inRange = v && v->whole >= CTCSSLowest &&
                         (v->whole < CTCSSHighest || (v->whole == CTCSSHighest && v->Exact()));
    if (!inRange) return "151.1";
    const int64_t tenths = v->RoundedHalfEven();
    return TenthsText(tenths);
}

std::string DCSText(int16_t code, int16_t invert) {
    return "D" + IntToOct(code, 3) + (invert != 0 ? "I" : "N");
}

std::string CodeToDTMF(std::string_view code) { return MapChars(code, 'E', '*', 'F', '#'); }
std::string DTMFToCode(std::string_view code) { return MapChars(code, '*', 'E', '#', 'F'); }

std::string AddRepeatTone(std::string_view code) {
    const bool callAndID = code.size() == 11;
    return WriteRepeats(code, [&](size_t i) { return callAndID && (i == 6 || i == 7); });
}

std::string AddRepeatToneEx(std::string_view code, std::string_view previousTone) {
    if (code.empty()) return {};
    const bool continues = !previousTone.empty() && previousTone != "X";
    std::string s = TrimFixStr(code);
    if (continues) s.insert(s.begin(), previousTone.front());
    const bool dataCall = s.starts_with("E1");
    std::string out = WriteRepeats(s, [&](size_t i) { return dataCall && i > 8; });
    if (continues) out.erase(0, 1);
    return out;
}

bool IsSelfIDCode(std::string_view code, std::string_view ownID) {
    const size_t len = code.size();
    if (len < 10) return false;
    if (code.ends_with(SelfIDMark)) {
        if (len == 11) return true;
        return len == 12 && IsSeparatorTone(code[5]);
    }
    if (ownID.size() != 5) return false;
    const std::string_view last5 = code.substr(len - 5);
    const bool carriesID = last5 == ownID || last5 == AddRepeatToneEx(ownID, "X") ||
                           last5 == AddRepeatToneEx(ownID, code.substr(len - 6, 1));
    if (!carriesID) return false;
    if (len == 10) return true;
    return len == 11 && IsSeparatorTone(code[5]);
}

std::string Encode5ToneCode(std::string_view code, std::string_view ownID) {
    return IsSelfIDCode(code, ownID) ? AddRepeatTone(code) : AddRepeatToneEx(code, "X");
}
