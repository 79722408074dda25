#include "signalling/FiveToneComposedCall.h"

#include <cstdio>

#include "core/ToneCodec.h"
#include "signalling/FiveToneCodes.h"

namespace {

constexpr int16_t kFirstSepCode = 10;
constexpr int16_t kLastSepCode = 15;
constexpr std::string_view kDataCallPrefix = "E1";
constexpr std::string_view kPTTIDPrefix = "E6";
constexpr std::string_view kRepeatTone = "E";
// AddRepeatToneEx: no tone before the code.
constexpr std::string_view kNoPreviousTone = "X";

// A data call: its prefix, the called ID, a repeat tone, then the message
// as hex pairs.
std::string DataCallCode(const SpecialCallInput& in) {
    return std::string(kDataCallPrefix) + in.calledID + std::string(kRepeatTone) + MessageHex(in.message);
}

}  // namespace

std::optional<char16_t> CalledIDChar(char16_t c) {
    if (c >= u'0' && c <= u'9') return c;
    if (c == u'A' || c == u'a') return u'A';
    return std::nullopt;
}

std::optional<char16_t> MessageChar(char16_t c) {
    if ((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z')) return c;
    if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - u'a' + u'A');
    return std::nullopt;
}

bool IsCalledIDComplete(std::string_view id) { return id.size() >= kCalledIDLength; }

int SeparatorItemOf(int16_t sepCode) {
    if (sepCode < kFirstSepCode || sepCode > kLastSepCode) return 0;
    return sepCode - kFirstSepCode + 1;
}

int16_t SepCodeOfItem(int item) {
    if (item < 1 || item > kLastSepCode - kFirstSepCode + 1) return 0;
    return static_cast<int16_t>(kFirstSepCode + item - 1);
}

std::string SeparatorLetterOf(int item) {
    if (SepCodeOfItem(item) == 0) return {};
    return std::string(1, static_cast<char>('A' + item - 1));
}

std::string MessageHex(std::string_view message) {
    std::string hex;
    for (unsigned char c : message) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02X", c);
        hex += pair;
    }
    return hex;
}

ComposedListCall ComposeListCall(const SpecialCallInput& in, std::string_view messageMarker) {
    switch (in.type) {
        case SpecialCallType::DataCall:
            return {DataCallCode(in), in.calledID + " " + std::string(messageMarker) + in.message};
        case SpecialCallType::ANI:
            return {in.calledID + in.separator + std::string(kSelfIDMark), in.calledID + in.separator};
        case SpecialCallType::PTTID: break;
    }
    return {std::string(kPTTIDPrefix) + std::string(kSelfIDMark), {}};
}

void StoreListCall(Tone5Code& entry, SpecialCallType type, std::string_view code, std::string_view ownID) {
    entry.CodeLen = static_cast<uint8_t>(code.size());
    // The message digits of a data call are no tones of a sequence.
    entry.Code = type == SpecialCallType::DataCall ? AddRepeatToneEx(code, kNoPreviousTone)
                                                   : Encode5ToneCode(code, ownID);
    entry.EmptyFlag = 0;
}

std::string ComposeBoxCall(const SpecialCallInput& in, std::string_view ownID) {
    std::string composed;
    switch (in.type) {
        case SpecialCallType::DataCall: composed = DataCallCode(in); break;
        case SpecialCallType::ANI: composed = in.calledID + in.separator + std::string(ownID); break;
        case SpecialCallType::PTTID: composed = std::string(kPTTIDPrefix) + std::string(ownID); break;
    }
    return Encode5ToneCode(composed, ownID);
}
