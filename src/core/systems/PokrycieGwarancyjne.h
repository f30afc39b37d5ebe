#pragma once

#include "systems/Kombinatoryka.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace tarvomund {

// Which m-subsets of the positions 1..n the bets of a guarantee system already hold: one bit per
// subset, numbered by the combinatorial number system, so that a bet marks its C(k, m) subsets
// directly instead of every subset being compared with every bet.
class TPokrycieGwarancyjne {
public:
    // The most subsets the map keeps: one bit each, 512 MiB at most.
    static constexpr uint64_t MaxPodzbiorow = uint64_t{1} << 32;
    // 1 <= m <= k <= n <= 120 and C(n, m) within MaxPodzbiorow.
    static bool Mozliwe(int n, int k, int m);

    TPokrycieGwarancyjne(int n, int k, int m);

    // Marks the m-subsets of the bet's first k positions as held; returns how many were not held yet.
    int64_t Oznacz(const TZaklad& zaklad);
    // The first m entries, ascending.
    bool Pokryty(const TZaklad& podzbior) const;
    uint64_t Podzbiorow() const { return podzbiorow_; }
    uint64_t Niepokrytych() const { return niepokrytych_; }

    // A bet of k positions holding the given uncovered subset: it starts with the subset's m positions
    // and takes, one at a time, the position that completes the most subsets still not held (ties: the
    // position found in the most such subsets, then the lowest). Ascending.
    TZaklad Dopelnij(const TZaklad& podzbior) const;

private:
    uint64_t Numer(const uint8_t* pozycje) const;
    bool Bit(uint64_t numer) const { return (mapa_[numer >> 6] >> (numer & 63)) & 1; }
    int64_t Zysk(const TZaklad& zaklad, int ile, int pozycja) const;

    int n_;
    int k_;
    int m_;
    uint64_t podzbiorow_;
    uint64_t niepokrytych_;
    std::vector<uint64_t> mapa_;
    // Dwumian_[a][b] = C(a, b), held at UINT64_MAX where it would overflow.
    std::vector<std::array<uint64_t, MaxLiczbSystemu + 1>> dwumian_;
    // How many subsets containing each position are held already.
    std::array<uint64_t, MaxLiczbSystemu + 1> pokrytychZ_{};
};

// Without a map: walks the m-subsets in lexicographic order, tries each against every bet held and
// gives each one that none holds a bet of its own (its positions and the lowest free ones). Serves
// where C(n, m) is beyond the map; `krok`(subset number, count of subsets) reports progress and
// returns true to stop. Returns the bets added.
std::vector<TZaklad> DopelnijPrzegladem(int n, int k, int m, std::vector<TZaklad> zaklady,
                                        const std::function<bool(int64_t, int64_t)>& krok);

} // namespace tarvomund
