#pragma once

#include "systems/Kombinatoryka.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace tarvomund {

// A guarantee "t jeśli m" of a system of k-number bets over n numbers: however m of the drawn
// numbers fall among the n, some bet holds at least t of them. With m = t every m-subset lies
// whole in a bet: the classic covering, the guarantee of "Metoda gwarancyjna".
struct TParametryPokrycia {
    int n = 0;
    int k = 0;
    int t = 0;
    int m = 0;

    // 1 <= t <= m <= n, t <= k <= n, n <= 120.
    bool Poprawne() const;
    bool Klasyczne() const { return t == m; }
};

// The most m-subsets the holes check marks: one bit each, 128 MiB.
inline constexpr uint64_t MaxPodzbiorowSprawdzenia = uint64_t{1} << 30;

// Colex ranks of the r-subsets (r <= m) of the points 0..n-1: a sorted subset s0 < s1 < ...
// has the rank C(s0, 1) + C(s1, 2) + ..., so the m-subsets are numbered 0..C(n, m)-1 without gaps.
class TRangi {
public:
    TRangi(int n, int m);

    int N() const { return n_; }
    int M() const { return m_; }
    // C(a, b) for a <= n, b <= m + 1; held at UINT64_MAX where it would overflow.
    uint64_t C(int a, int b) const { return c_[static_cast<std::size_t>(b) * wiersz_ + static_cast<std::size_t>(a)]; }
    uint64_t Podzbiorow() const { return C(n_, m_); }
    // `s` holds m sorted points.
    uint64_t Ranga(const uint8_t* s) const
    {
        uint64_t r = 0;
        for (int i = 0; i < m_; ++i)
            r += C(s[i], i + 1);
        return r;
    }
    void Odrangi(uint64_t ranga, uint8_t* s) const;

private:
    int n_;
    int m_;
    std::size_t wiersz_;
    std::vector<uint64_t> c_;
};

// Calls f() for every r-subset of the `ile` sorted points `el`, in lexicographic order, with the
// chosen points written ascending into `wy`. r = 0 calls f once.
template <typename F> inline void DlaKombinacji(const uint8_t* el, int ile, int r, uint8_t* wy, F&& f)
{
    if (r < 0 || r > ile)
        return;
    if (r == 0) {
        f();
        return;
    }
    std::array<int, MaxLiczbSystemu> idx; // only the first r entries are used
    for (int i = 0; i < r; ++i) {
        idx[static_cast<std::size_t>(i)] = i;
        wy[i] = el[i];
    }
    while (true) {
        f();
        int i = r - 1;
        while (i >= 0 && idx[static_cast<std::size_t>(i)] == ile - r + i)
            --i;
        if (i < 0)
            return;
        ++idx[static_cast<std::size_t>(i)];
        wy[i] = el[idx[static_cast<std::size_t>(i)]];
        for (int j = i + 1; j < r; ++j) {
            idx[static_cast<std::size_t>(j)] = idx[static_cast<std::size_t>(j - 1)] + 1;
            wy[j] = el[idx[static_cast<std::size_t>(j)]];
        }
    }
}

// Merges two sorted runs into `wy`.
inline void Scal(const uint8_t* a, int ia, const uint8_t* b, int ib, uint8_t* wy)
{
    int i = 0;
    int j = 0;
    int w = 0;
    while (i < ia && j < ib)
        wy[w++] = a[i] < b[j] ? a[i++] : b[j++];
    while (i < ia)
        wy[w++] = a[i++];
    while (j < ib)
        wy[w++] = b[j++];
}

// Calls f(subset) for every m-subset (sorted, points 0..n-1) that the bet `blok` (kb sorted,
// distinct points) meets in at least t points, each once.
template <typename F> void DlaPokrytych(const TParametryPokrycia& p, const uint8_t* blok, int kb, F&& f)
{
    std::array<uint8_t, MaxLiczbSystemu> reszta{};
    std::array<bool, MaxLiczbSystemu> wBloku{};
    for (int i = 0; i < kb; ++i)
        wBloku[blok[i]] = true;
    int ileReszty = 0;
    for (int q = 0; q < p.n; ++q)
        if (!wBloku[static_cast<std::size_t>(q)])
            reszta[static_cast<std::size_t>(ileReszty++)] = static_cast<uint8_t>(q);
    std::array<uint8_t, MaxLiczbSystemu> a{};
    std::array<uint8_t, MaxLiczbSystemu> u{};
    std::array<uint8_t, MaxLiczbSystemu> s{};
    for (int j = p.t; j <= std::min(kb, p.m); ++j) {
        DlaKombinacji(blok, kb, j, a.data(), [&] {
            DlaKombinacji(reszta.data(), ileReszty, p.m - j, u.data(), [&] {
                Scal(a.data(), j, u.data(), p.m - j, s.data());
                f(static_cast<const uint8_t*>(s.data()));
            });
        });
    }
}

// A bet's distinct positions within 1..n as sorted points 0..n-1; returns their count. Positions
// outside 1..n (a damaged file) hit nothing.
int PunktyZakladu(const TZaklad& zaklad, int k, int n, uint8_t* punkty);

// Which m-subsets the bets of a system meet in t or more numbers: one bit per subset, filled bet by
// bet, so that a system of any size is checked without holding its bets.
class TSprawdzeniePokrycia {
public:
    // Needs p.Poprawne() and C(n, m) within MaxPodzbiorowSprawdzenia (see Mozliwe).
    explicit TSprawdzeniePokrycia(const TParametryPokrycia& p);
    static bool Mozliwe(const TParametryPokrycia& p);

    void Dodaj(const TZaklad& zaklad);
    // The m-subsets no bet meets in t numbers.
    uint64_t Dziur() const;
    // Calls f(subset) for each of them, m ascending positions 1..n, in lexicographic order.
    void DlaDziur(const std::function<void(const TZaklad&)>& f) const;

private:
    TParametryPokrycia p_;
    TRangi rangi_;
    std::vector<uint64_t> pokryte_;
};

// The holes of a system of bets (positions 1..n); nullopt when the check is not possible.
std::optional<uint64_t> PoliczDziury(const TParametryPokrycia& p, const std::vector<TZaklad>& zaklady);

// The check every optimised system passes before it is handed back.
bool PokrycieKompletne(const TParametryPokrycia& p, const std::vector<TZaklad>& zaklady);

} // namespace tarvomund
