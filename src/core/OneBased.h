#pragma once
// A fixed table whose entries are numbered from 1, read and written as
// table(i) with the entry's own number, so no caller has to shift indexes.
#include <array>
#include <cstddef>
#include <stdexcept>

template <class T, std::size_t N>
class OneBased {
public:
    static constexpr std::size_t size() { return N; }
    static constexpr bool Holds(int i) { return i >= 1 && i <= static_cast<int>(N); }

    T& operator()(int i) { return items_.at(Slot(i)); }
    const T& operator()(int i) const { return items_.at(Slot(i)); }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    friend bool operator==(const OneBased&, const OneBased&) = default;

private:
    static std::size_t Slot(int i) {
        if (!Holds(i)) throw std::out_of_range("entry number outside the table");
        return static_cast<std::size_t>(i - 1);
    }
    std::array<T, N> items_{};
};
