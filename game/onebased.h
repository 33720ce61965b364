#pragma once

#include <QtGlobal>

#include <array>

// A fixed array indexed from 1 to N, as the game's deck, hands and records
// tables are counted. Out-of-range access is a programming error.
template <typename T, int N>
class OneBased
{
public:
    constexpr T &operator[](int i)
    {
        Q_ASSERT(i >= 1 && i <= N);
        return m_items[static_cast<std::size_t>(i - 1)];
    }
    constexpr const T &operator[](int i) const
    {
        Q_ASSERT(i >= 1 && i <= N);
        return m_items[static_cast<std::size_t>(i - 1)];
    }
    static constexpr int size() { return N; }
    constexpr void fill(const T &value) { m_items.fill(value); }
    constexpr auto begin() { return m_items.begin(); }
    constexpr auto end() { return m_items.end(); }
    constexpr auto begin() const { return m_items.begin(); }
    constexpr auto end() const { return m_items.end(); }
    friend constexpr bool operator==(const OneBased &, const OneBased &) = default;

private:
    std::array<T, N> m_items{};
};
