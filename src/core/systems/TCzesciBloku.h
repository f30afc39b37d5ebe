#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

namespace tarvomund {

// The (t - 1)-subsets of one bet of a classic covering, each with its colex rank already summed for
// every place q where one more number could go: rank(R + v) = przed[q] + C(v, q + 1), q being the
// numbers of R below v. A rank is then a popcount and two lookups, so the moves of classic coverings
// (the annealing's and the weighted search's) weigh every exchange a bet could make in one pass.
class TCzesciBloku {
public:
    // The most (t - 1)-subsets of a bet, the largest t, and the numbers a mask holds.
    static constexpr uint64_t MaxCzesci = 256;
    static constexpr int MaxT = 8;
    static constexpr int MaxPunktow = 64;

    struct TCzesc {
        uint64_t maska = 0;
        std::array<uint32_t, MaxT> przed{};
    };

    // Whether bets of k of n numbers and subsets of t fit (every rank below C(n, t) must fit 32 bits).
    static bool Mozliwe(int n, int k, int t);

    TCzesciBloku(int k, int t);

    // C(a, b) for a <= 64, b <= t (held at UINT32_MAX where it would overflow).
    uint32_t C(int a, int b) const
    {
        return dwumian_[static_cast<std::size_t>(b) * Wiersz + static_cast<std::size_t>(a)];
    }
    // Fills the parts of the bet of k ascending numbers `punkty`; returns how many there are.
    int Wypelnij(const uint8_t* punkty);
    const TCzesc& operator[](int i) const { return czesci_[static_cast<std::size_t>(i)]; }
    // The rank of R + v, for v outside R.
    uint32_t Ranga(const TCzesc& c, int v) const
    {
        const int q = std::popcount(c.maska & ((uint64_t{1} << v) - 1));
        return c.przed[static_cast<std::size_t>(q)] + C(v, q + 1);
    }

private:
    static constexpr std::size_t Wiersz = MaxPunktow + 1;
    int k_;
    int t_;
    std::vector<uint32_t> dwumian_;
    std::vector<TCzesc> czesci_;
};

} // namespace tarvomund
