// Event-record and contact-book areas of the memory image.
#include <string>

#include "core/NumericText.h"
#include "core/SharedState.h"
#include "core/TextCodec.h"
#include "link/ImageAreas.h"
#include "link/ImageGuard.h"
#include "settings/CommuBookSort.h"
#include "settings/ModNote.h"

namespace {
using image_map::kBookCallIDs;
using image_map::kBookNames;
using image_map::kNotes;

constexpr std::size_t kNoteSize = 8;
constexpr uint8_t kNoteOther = 0x24;  // every character but 0-9 and A-Z, and the padding
constexpr std::size_t kBookEntrySize = 8;
constexpr std::size_t kCallIDSize = 5;
constexpr std::size_t kBookNameSize = 7;
}  // namespace

void SetCommDataByNote() {
    ImageView img(CommData);
    for (int i = 0; i < kNoteCount; ++i) {
        const std::string t = CurData.Note[i].value();
        const std::size_t a = kNotes + kNoteSize * i;
        for (std::size_t k = 0; k < kNoteSize; ++k)
            img.setByte(a + k, k < t.size() ? GetNoteCode(std::string_view(t).substr(k, 1)) : kNoteOther);
    }
}

void GetNoteByCommData() {
    const ImageView img(CommData);
    for (int i = 0; i < kNoteCount; ++i) {
        const std::size_t a = kNotes + kNoteSize * i;
        std::string t;
        // The radio's records hold at most 7 characters; byte 7 is not read.
        for (std::size_t k = 0; k < kNoteSize - 1; ++k) {
            const uint8_t b = img.byte(a + k);
            if (b >= kNoteOther) {
                t.push_back('\0');
                break;
            }
            t += GetNoteChar(b);
        }
        t.push_back('\0');
        CurData.Note[i] = t;
    }
}

void SetCommDataByDTMFCommuBook() {
    RunGuardedEncoder("SetCommDataByDTMFCommuBook", [] {
        try {
            SortCommBook();
        } catch (const CommuBookKeyError& e) {
            throw EncodeError(e.what());
        }
        ImageView img(CommData);
        for (int i = 0; i < kCommuBookSize; ++i) {
            const CommuBookItem& item = CurData.CommuBook[i];
            // An ID that is no number is written as none.
            const std::string id = item.CallID.value();
            img.setText(kBookCallIDs + kBookEntrySize * i, kBookEntrySize,
                        IsNumericText(id) ? id : std::string(), 0x00);
            img.setText(kBookNames + kBookEntrySize * i, kBookEntrySize, item.Name.value(), 0x20);
        }
    });
}

void GetDTMFCommuBookByCommData() {
    const ImageView img(CommData);
    for (int i = 0; i < kCommuBookSize; ++i) {
        CommuBookItem& item = CurData.CommuBook[i];
        item.No = static_cast<int16_t>(i);

        std::string id;
        std::size_t k = 0;
        for (; k < kCallIDSize; ++k) {
            const uint8_t c = img.byte(kBookCallIDs + kBookEntrySize * i + k);
            if (c < '0' || c > '9') break;
            id.push_back(static_cast<char>(c));
        }
        if (k < kCallIDSize) id.push_back('\0');
        item.CallID = id;

        // Up to the first 0xFF, then the value of a fixed text (ends at the
        // first NUL, trailing blanks go), at most 7 characters. Blanks before
        // the NUL go too: the writer pads with blanks, so they could not
        // come back.
        std::string name = img.text(kBookNames + kBookEntrySize * i, kBookEntrySize, 0xFF);
        name = TrimFixStr(name);
        while (!name.empty() && name.back() == ' ') name.pop_back();
        if (name.size() > kBookNameSize)
            name.resize(kBookNameSize);
        else
            name.push_back('\0');
        item.Name = name;
    }
}
