#pragma once
// A fixed-length text field of a record: N bytes, one byte per character
// (Latin-1), blank-padded when set. A fresh field holds N NUL bytes.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/TextCodec.h"

template <std::size_t N>
struct FixStr {
    std::array<uint8_t, N> bytes{};

    static constexpr std::size_t size() { return N; }

    // The field's value: trailing blanks removed first, then cut before the first NUL.
    std::string value() const {
        return TrimFixStr(std::string_view(reinterpret_cast<const char*>(bytes.data()), N));
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

    // Stores the text as the dialogs store a typed one: a text shorter than
    // the field is followed by one NUL and then blanks; a text that fills the
    // field has no NUL; a longer one is cut.
    FixStr& SetNulEnded(std::string_view text) {
        *this = text;
        if (text.size() < N) bytes[text.size()] = 0;
        return *this;
    }

    bool operator==(const FixStr&) const = default;
};
