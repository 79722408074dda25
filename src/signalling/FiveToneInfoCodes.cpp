#include "signalling/FiveToneInfoCodes.h"

#include <algorithm>

#include "core/TextCodec.h"

namespace {

bool KillOrStun(int f) { return f == kKillFunction || f == kStunFunction; }
bool Guarded(int f) { return KillOrStun(f) || f == kWakeUpFunction; }

// The code an entry holds: its first CodeLen characters.
std::string CodeOf(const Tone5InfoCode& entry) {
    std::string code = entry.Code.raw().substr(0, std::min<std::size_t>(entry.CodeLen, kInfoCodeLength));
    if (const auto nul = code.find('\0'); nul != std::string::npos) code.resize(nul);
    return code;
}

}  // namespace

InfoFunctionRule InfoFunctionRuleOf(int function) {
    switch (function) {
        case 1: return {.responses = 2, .response = 0, .responseEnabled = true, .nameEnabled = true};
        case 2:
        case 7: return {.responses = kInfoResponses, .response = 0, .responseEnabled = false, .nameEnabled = true};
        case kKillFunction:
        case kStunFunction:
        case kWakeUpFunction:
            return {.responses = kInfoResponses, .response = 2, .responseEnabled = false, .nameEnabled = true};
        case 6: return {.responses = kInfoResponses, .response = 0, .responseEnabled = false, .nameEnabled = false};
        default:
            return {.responses = kInfoResponses, .response = std::nullopt, .responseEnabled = true,
                    .nameEnabled = false};
    }
}

InfoCodeShown ShowInfoCodeValues(const Tone5InfoCode& entry) {
    InfoCodeShown shown;
    shown.function = entry.Func < kInfoFunctions ? entry.Func : 0;
    const InfoFunctionRule rule = InfoFunctionRuleOf(shown.function);
    shown.response = entry.Resp < rule.responses ? entry.Resp : 0;
    shown.code = CodeOf(entry);
    if (rule.nameEnabled) shown.name = entry.Name.value();
    return shown;
}

void SaveInfoCodeValues(Tone5InfoCode& entry, int function, int response, std::string_view code,
                        std::string_view name) {
    const std::string_view kept = code.substr(0, std::min<std::size_t>(code.size(), kInfoCodeLength));
    entry.Func = static_cast<uint8_t>(std::clamp(function, 0, kInfoFunctions - 1));
    entry.Resp = static_cast<uint8_t>(std::clamp(response, 0, kInfoResponses - 1));
    entry.Code = kept;
    entry.CodeLen = static_cast<uint8_t>(kept.size());
    entry.Name = TrimFixStr(name);
}

InfoCodeCheck CheckInfoCodes(const BasedArray<Tone5InfoCode, kInfoCodes>& codes) {
    InfoCodeCheck check;
    bool killOrStun = false;
    bool wakeUp = false;
    for (int i = codes.first(); i <= codes.last(); ++i) {
        const int f = codes[i].Func;
        killOrStun = killOrStun || KillOrStun(f);
        wakeUp = wakeUp || f == kWakeUpFunction;
        if (!Guarded(f)) continue;
        const std::string code = CodeOf(codes[i]);
        for (int j = i; j <= codes.last(); ++j)
            if (codes[j].Func != f && CodeOf(codes[j]) == code) check.conflict = true;
    }
    check.killWithoutWakeUp = killOrStun && !wakeUp;
    return check;
}
