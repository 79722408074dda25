#pragma once
// A fixed array whose first index is not 0: lists the radio numbers from 1
// (two-tone calls 1..24, five-tone codes 1..100, information codes 1..16) are
// reached with those numbers, so no caller has to remember the shift.
#include <array>
#include <cstddef>

template <typename T, std::size_t N, int First = 1>
struct BasedArray {
    std::array<T, N> items{};

    static constexpr int first() { return First; }
    static constexpr int last() { return First + static_cast<int>(N) - 1; }
    static constexpr bool contains(int i) { return i >= first() && i <= last(); }

    // Checked: an index outside first()..last() throws std::out_of_range.
    T& operator[](int i) { return items.at(static_cast<std::size_t>(i - First)); }
    const T& operator[](int i) const { return items.at(static_cast<std::size_t>(i - First)); }

    auto begin() { return items.begin(); }
    auto end() { return items.end(); }
    auto begin() const { return items.begin(); }
    auto end() const { return items.end(); }

    bool operator==(const BasedArray&) const = default;
};
