#include "settings/NoteList.h"

#include <algorithm>

#include "core/NoteSlot.h"

namespace {
constexpr std::size_t kSlots = kNoteCount;
}

std::vector<std::string> NoteListTexts(const RadioData& data) {
    std::vector<std::string> texts;
    const std::size_t newest = NoteSlot(data.NoteIndex);
    for (std::size_t step = 0; step < kSlots; ++step) {
        const std::size_t slot = (newest + kSlots - step) % kSlots;
        std::string text = data.Note[slot].value();
        if (!text.empty()) texts.push_back(std::move(text));
    }
    return texts;
}

void StoreNoteList(RadioData& data, const std::vector<std::string>& texts) {
    const std::size_t n = std::min(texts.size(), kSlots);
    data.NoteIndex = static_cast<int16_t>(n == 0 ? 0 : n - 1);
    for (std::size_t i = 0; i < n; ++i) data.Note[n - 1 - i].SetNulEnded(texts[i]);
    for (std::size_t slot = n; slot < kSlots; ++slot) data.Note[slot] = FixStr<8>::NulText();
}
