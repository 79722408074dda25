#pragma once
// A fixed-length text field of a record: N bytes, one byte per character
// (Latin-1), blank-padded when set. A fresh field holds N NUL bytes.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

template <std::size_t N>
struct FixStr {
    std::array<uint8_t, N> bytes{};

    static constexpr std::size_t size() { return N; }

    // The field's value: trailing blanks removed first, then cut before the
    // first NUL. The order matters: "AB\0  X  " keeps nothing after "AB".
    std::string value() const {
        std::size_t end = N;
        while (end > 0 && bytes[end - 1] == ' ') --end;
        std::size_t cut = 0;
        while (cut < end && bytes[cut] != 0) ++cut;
        return std::string(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cut));
    }

    // All N bytes as they are stored.
    std::string raw() const { return std::string(bytes.begin(), bytes.end()); }

    // Stores the text as the field would: cut to N characters, padded with blanks.
    FixStr& operator=(std::string_view text) {
        const std::size_t n = std::min(text.size(), N);
        for (std::size_t i = 0; i < n; ++i) bytes[i] = static_cast<uint8_t>(text[i]);
        std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(n), bytes.end(), uint8_t{' '});
        return *this;
    }

    static FixStr Of(std::string_view text) {
        FixStr f;
        f = text;
        return f;
    }

    // One NUL followed by blanks: the form an empty field takes in the defaults.
    static FixStr NulText() { return Of(std::string_view("\0", 1)); }

    bool operator==(const FixStr&) const = default;
};
