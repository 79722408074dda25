#include "channels/BatchLists.h"

#include <algorithm>
#include <limits>

#include "channels/BatchTones.h"
#include "core/ChannelTexts.h"
#include "core/LangText.h"
#include "core/SharedState.h"
#include "core/TextNumbers.h"

namespace {

std::vector<std::string> Texts(std::initializer_list<int16_t> ids) {
    std::vector<std::string> items;
    for (int16_t id : ids) items.push_back(GetLangText(id));
    return items;
}

std::vector<std::string> DTMFMemories() {
    std::vector<std::string> items;
    const auto& memories = CurData.FunSet.DTMF.DTMFCode;
    for (std::size_t m = 0; m < memories.size(); ++m)
        if (memories[m].CodeLen > 0) items.push_back("M" + std::to_string(m + 1));
    return items;
}

// The entry number - 1 of every entry in use.
template <class List>
std::vector<std::string> EntriesInUse(const List& list) {
    std::vector<std::string> items;
    for (int e = list.first(); e <= list.last(); ++e)
        if (list[e].EmptyFlag == 0) items.push_back(std::to_string(e - list.first()));
    return items;
}

}  // namespace

std::vector<std::string> BatchListItems(BatchList list) {
    switch (list) {
        case BatchList::DecodeTone:
        case BatchList::EncodeTone: return BatchToneItems();
        case BatchList::Step: return StepTexts();
        case BatchList::Bandwidth: return {"25KHz", "20KHz", "12.5KHz"};
        case BatchList::Power: {
            const std::string middle = GetLangText(4073);
            return {GetLangText(4072), middle + "1", middle + "2", GetLangText(4074)};
        }
        case BatchList::Signalling: return {GetLangText(kNoToneText), "DTMF", "2Tone", "5Tone"};
        case BatchList::Squelch: return Texts({4075, 4076, 4077, 4078, 4079});
        case BatchList::PttId: return Texts({4071, 4080, 4081, 4082});
        case BatchList::Modulation: return {"FM", "AM"};
        case BatchList::Scrambler: {
            std::vector<std::string> items = {GetLangText(4071)};
            for (int k = 1; k <= 9; ++k) items.push_back(std::to_string(k));
            const std::string user = GetLangText(4031);
            items.push_back(user + "1");
            items.push_back(user + "2");
            return items;
        }
        case BatchList::BusyLock: return Texts({4071, 4084, 4085});
        case BatchList::DTMFCode: return DTMFMemories();
        case BatchList::Tone2Entry: return EntriesInUse(CurData.FunSet.Tone2.Tone2List);
        case BatchList::Tone5Code: return EntriesInUse(CurData.FunSet.Tone5.Tone5List);
        case BatchList::ScanSkip: return {GetLangText(1755), "Skip", "P Scan"};
    }
    return {};
}

int16_t GetNumByText(std::string_view text, int16_t def, std::string_view strip) {
    if (text.empty()) return def;
    std::string rest(text);
    std::erase_if(rest, [strip](char c) { return strip.find(c) != std::string_view::npos; });
    const auto value = WholeNumberOf(rest);
    if (!value || *value > std::numeric_limits<int16_t>::max()) return def;
    return static_cast<int16_t>(*value);
}
