#include "settings/CommuBookEdit.h"

#include "core/ByteReader.h"
#include "core/ByteWriter.h"
#include "core/RecordPacking.h"
#include "platform/SafeFile.h"

namespace {

constexpr std::string_view kNul("\0", 1);

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

}  // namespace

void StoreBookField(CommuBookItem& entry, int col, std::string_view value) {
    if (col == kBookCallIDCol) {
        // The empty call ID becomes a NUL, which is then shorter than the
        // field and gets the second one.
        entry.CallID.SetNulEnded(value.empty() ? kNul : value);
    } else if (col == kBookNameCol) {
        if (value.empty())
            entry.Name = FixStr<kBookNameLength>::NulText();
        else
            entry.Name.SetNulEnded(value);
    }
}

std::optional<char16_t> BookFieldChar(int col, char16_t c) {
    if (c > 127) return std::nullopt;
    if (c < 32 || c == 127) return c;
    if (col == kBookCallIDCol && !IsDigit(c)) return std::nullopt;
    if (c == u'\\' || c == u'~') return std::nullopt;
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    if ((c >= u'A' && c <= u'Z') || IsDigit(c) || c == u' ') return c;
    return std::nullopt;
}

std::vector<uint8_t> PackBook(const CommuBook& book) {
    std::vector<uint8_t> out;
    out.reserve(kBookFileSize);
    ByteWriter w(out);
    for (const CommuBookItem& entry : book) Pack(w, entry);
    return out;
}

std::optional<CommuBook> UnpackBook(std::span<const uint8_t> bytes) {
    if (bytes.size() < kBookFileSize) return std::nullopt;
    CommuBook book;
    ByteReader r(bytes.first(kBookFileSize));
    for (CommuBookItem& entry : book) Unpack(r, entry);
    return book;
}

std::optional<CommuBook> ReadBookFile(const std::string& path) {
    const platform::FileBytes file = platform::ReadFileHead(path, kBookFileSize);
    if (!file.ok()) return std::nullopt;
    return UnpackBook(file.bytes);
}

bool WriteBookFile(const std::string& path, const CommuBook& book) {
    return !platform::WriteFileHead(path, PackBook(book)).has_value();
}
