#include "systems/TCzesciBloku.h"

#include "systems/ParametryPokrycia.h"

#include <algorithm>
#include <limits>

namespace tarvomund {

bool TCzesciBloku::Mozliwe(int n, int k, int t)
{
    if (t < 1 || t > MaxT || k < t || n < k || n > MaxPunktow)
        return false;
    const TRangi rangi(n, t);
    return rangi.C(k, t - 1) <= MaxCzesci && rangi.Podzbiorow() <= std::numeric_limits<uint32_t>::max() / MaxT;
}

TCzesciBloku::TCzesciBloku(int k, int t) : k_(k), t_(t)
{
    dwumian_.assign(Wiersz * static_cast<std::size_t>(t + 1), 0);
    for (int a = 0; a <= MaxPunktow; ++a) {
        uint64_t c = 1; // C(a, b), built up b by b
        for (int b = 0; b <= t; ++b) {
            if (b > 0)
                c = b > a ? 0 : c * static_cast<uint64_t>(a - b + 1) / static_cast<uint64_t>(b);
            dwumian_[static_cast<std::size_t>(b) * Wiersz + static_cast<std::size_t>(a)] =
                static_cast<uint32_t>(std::min<uint64_t>(c, std::numeric_limits<uint32_t>::max()));
        }
    }
    czesci_.resize(static_cast<std::size_t>(C(k, t - 1)));
}

int TCzesciBloku::Wypelnij(const uint8_t* punkty)
{
    const int r = t_ - 1;
    std::array<int, MaxT> idx{};
    for (int i = 0; i < r; ++i)
        idx[static_cast<std::size_t>(i)] = i;
    int ile = 0;
    while (true) {
        TCzesc& c = czesci_[static_cast<std::size_t>(ile++)];
        c.maska = 0;
        // przed[q]: the numbers below place q at their own index, those from q on one index up.
        uint32_t po = 0;
        for (int i = r - 1; i >= 0; --i) {
            const uint8_t a = punkty[idx[static_cast<std::size_t>(i)]];
            po += C(a, i + 2);
            c.przed[static_cast<std::size_t>(i)] = po;
            c.maska |= uint64_t{1} << a;
        }
        c.przed[static_cast<std::size_t>(r)] = 0;
        uint32_t przed = 0;
        for (int q = 0; q < r; ++q) {
            przed += C(punkty[idx[static_cast<std::size_t>(q)]], q + 1);
            c.przed[static_cast<std::size_t>(q + 1)] += przed;
        }
        // The next (t - 1)-subset of positions in lexicographic order.
        int i = r - 1;
        while (i >= 0 && idx[static_cast<std::size_t>(i)] == k_ - r + i)
            --i;
        if (i < 0)
            return ile;
        ++idx[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < r; ++j)
            idx[static_cast<std::size_t>(j)] = idx[static_cast<std::size_t>(j - 1)] + 1;
    }
}

} // namespace tarvomund
