#include "settings/CommuBookSort.h"

#include <array>
#include <string>
#include <utility>

#include "core/SharedState.h"

namespace {

constexpr std::size_t kKeyLength = 5;

int HexDigit(uint8_t c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

int32_t SortKey(const CommuBookItem& item, int index) {
    std::string key;
    for (uint8_t c : item.CallID.bytes) {
        if (c == 0) break;
        key.push_back(c == ' ' ? 'A' : static_cast<char>(c));
    }
    key.resize(kKeyLength, 'B');
    int32_t value = 0;
    for (char c : key) {
        const int d = HexDigit(static_cast<uint8_t>(c));
        if (d < 0)
            throw CommuBookKeyError("contact entry " + std::to_string(index) + ": call ID \"" +
                                    item.CallID.value() + "\" is not a number");
        value = value * 16 + d;
    }
    return value;
}

}  // namespace

void SortCommBook() {
    auto& book = CurData.CommuBook;
    constexpr int n = kCommuBookSize;
    std::array<int32_t, n> key{};
    std::array<int, n> from{};  // the original position of each place
    for (int i = 0; i < n; ++i) {
        key[i] = SortKey(book[i], i);
        from[i] = i;
    }
    // This exchange order decides where entries with equal keys end up; a
    // stable sort would give another book.
    for (int i = 0; i < n - 1; ++i)
        for (int j = i + 1; j < n; ++j)
            if (key[j] < key[i]) {
                std::swap(key[i], key[j]);
                std::swap(from[i], from[j]);
            }
    // Entries go back by their position, not their No, so a book with
    // damaged numbers loses none of them.
    const auto old = book;
    for (int k = 0; k < n; ++k) {
        book[k] = old[from[k]];
        book[k].No = static_cast<int16_t>(k);
    }
}
