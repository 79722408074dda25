#include "signalling/FiveToneCodes.h"

#include <algorithm>

#include "core/TextCodec.h"
#include "core/ToneCodec.h"

namespace {

constexpr std::size_t kCodeField = 40;

bool HasOwnIDPrefix(std::string_view code) { return code.starts_with("E2") || code.starts_with("E6"); }

uint8_t LengthOf(std::string_view code) { return static_cast<uint8_t>(std::min(code.size(), kCodeField)); }

// A code that carries `ownID` (or "SelfID") rewritten for `newID`: the
// called ID with repeats expanded, the separator of an 11-character code,
// then the new ID.
std::string WithNewOwnID(std::string_view code, std::string_view newID) {
    std::string out = Mid5ToneNoE(code, 1, 5);
    if ((code.size() == 11 || code.size() == 12) && !code.ends_with(kSelfIDMark)) out += code[5];
    out += newID;
    return out;
}

void UpdateOwnIDOf(Tone5Code& entry, std::string_view newID, std::string_view oldID) {
    const std::string code = entry.Code.value();
    if (code.size() <= 1) return;
    if (HasOwnIDPrefix(code)) entry.Code = code.substr(0, 2) + std::string(newID);
    const std::string t = entry.Code.value();
    if (IsSelfIDCode(t, oldID)) entry.Code = WithNewOwnID(t, newID);
}

}  // namespace

std::string Mid5ToneNoE(std::string_view code, int start, int length) {
    std::string out;
    for (int i = 0; i < length; ++i) {
        const int pos = start + i;
        if (pos < 1 || pos > static_cast<int>(code.size())) continue;
        char c = code[static_cast<std::size_t>(pos - 1)];
        if (c == 'E' && pos > 1) c = code[static_cast<std::size_t>(pos - 2)];
        out += c;
    }
    return out;
}

std::string PlainCodeText(std::string_view code, int length) {
    const std::size_t n = static_cast<std::size_t>(std::max(length, 0));
    std::string out(code.substr(0, std::min(code.size(), n)));
    out.resize(n, 'E');
    return out;
}

std::string SavedListCode(std::string_view code, std::string_view ownID) {
    std::string s = TrimFixStr(code);
    if (s.size() <= 2) return s;
    if (HasOwnIDPrefix(s)) s = s.substr(0, 2) + std::string(ownID);
    s = TrimFixStr(s);
    if (IsSelfIDCode(s, ownID)) {
        const std::size_t carried = s.ends_with(kSelfIDMark) ? kSelfIDMark.size() : 5;
        s = s.substr(0, s.size() - carried) + std::string(ownID);
    }
    return TrimFixStr(Encode5ToneCode(TrimFixStr(s), ownID));
}

void SaveListCode(Tone5Code& entry, std::string_view ownID) {
    const std::string before = entry.Code.value();
    const std::string saved = SavedListCode(before, ownID);
    // A short code keeps its bytes as they are.
    if (saved != before) entry.Code = saved;
    entry.CodeLen = LengthOf(saved);
}

void SavePTTIDCode(Tone5Code& code, std::string_view boxText, std::string_view ownID) {
    const std::string saved = Encode5ToneCode(boxText, ownID);
    code.Code = saved;
    code.CodeLen = LengthOf(saved);
}

void UpdateSelfIDCode(Tone5Data& block, std::string_view newID, std::string_view oldID) {
    for (Tone5Code& entry : block.Tone5List) UpdateOwnIDOf(entry, newID, oldID);
    UpdateOwnIDOf(block.PTTIDBegin, newID, oldID);
    UpdateOwnIDOf(block.PTTIDEnd, newID, oldID);
}
