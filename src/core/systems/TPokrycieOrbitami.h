#pragma once

#include "systems/Losowosc.h"
#include "systems/ParametryPokrycia.h"
#include "systems/TWyzarzaniePokrycia.h"
#include "systems/TZbiorIndeksow.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tarvomund {

class TOrbity;

// A classic covering invariant under a group, found as a set cover: every orbit of bets (k-subsets)
// under the group is listed with the orbits of t-subsets it covers, and the search picks whole orbits
// of bets so that every orbit of t-subsets is covered, at the fewest bets in all. A bet covers a
// t-subset exactly when its images cover the subset's images, so covering every orbit covers every
// subset.
//
// Listing every orbit of bets makes a much smaller problem than the numbers themselves (with a group
// of order 78 on 27 numbers, 3,812 orbits of bets against 234 orbits of 4-subsets), one a weighted
// set-cover search solves well: every orbit of t-subsets carries a weight that grows while it stays
// uncovered; a move gives up the chosen orbit whose loss weighs least for its bets, then adds, of
// the orbits that cover a random uncovered orbit, the one that gains most weight for its bets. Where
// searches that move single numbers of orbit representatives stall, this finds group designs whole.
//
// Only for classic coverings (t = m) of at most 64 numbers; the orbits of bets are listed once, as
// the search is made, within a memory budget the caller checks with `Pamiec`.
class TPokrycieOrbitami {
public:
    // The most bets of n numbers whose orbits are listed (one bit each while they are): listing
    // them all takes a fraction of a second, during which the search does not look at the clock.
    static constexpr uint64_t MaxZakladow = uint64_t{1} << 25;
    static bool Obsluguje(const TParametryPokrycia& p);
    // About how many bytes the search takes for a group of this order (short orbits make it a
    // little more).
    static uint64_t Pamiec(const TParametryPokrycia& p, std::size_t rzadGrupy);

    // `orbity` holds the orbits of the t-subsets under the group; it must outlive the search.
    TPokrycieOrbitami(const TParametryPokrycia& p, const TOrbity& orbity, uint64_t ziarno);

    // Adds orbits greedily (the most uncovered weight for their bets) until everything is covered.
    void Zachlannie();
    // Gives up every chosen orbit and every weight, and starts again greedily.
    void OdNowa();
    int64_t Niepokrytych() const { return static_cast<int64_t>(niepokryte_.Ile()); }
    // The bets of the chosen orbits, all of them.
    int64_t Zakladow() const { return zakladow_; }
    // One bet of every chosen orbit (the group's images of them make the design).
    std::vector<TBlok> Bloki() const;

    // One move (a drop and an add, and the weights raised). Nothing while everything is covered.
    void Krok();
    // Gives up the chosen orbit whose loss weighs least for its bets. False when none is chosen.
    bool UsunNajmniejPotrzebny();

private:
    void Wybierz(uint32_t j);
    void Porzuc(uint32_t j);
    // Whether orbit a weighs more than b for its bets: a's score per bet against b's.
    bool Wiecej(uint32_t a, uint32_t b) const
    {
        return ocena_[a] * static_cast<int64_t>(koszt_[b]) > ocena_[b] * static_cast<int64_t>(koszt_[a]);
    }
    bool Rowne(uint32_t a, uint32_t b) const
    {
        return ocena_[a] * static_cast<int64_t>(koszt_[b]) == ocena_[b] * static_cast<int64_t>(koszt_[a]);
    }
    uint32_t NajmniejPotrzebny(bool pominZmienione);

    const TParametryPokrycia p_;
    TLosowe losowe_;
    // The orbits of t-subsets that the representative of orbit j covers, each once, into `jednostki_`
    // (worked out afresh at every change: it costs less than the memory of keeping them).
    void Jednostki(uint32_t j);
    void ZbierzJednostki(int poziom, int od, uint64_t ranga);

    const TOrbity& orbity_;
    // The orbits of bets: a representative's mask and how many bets the orbit holds.
    std::vector<uint64_t> reprezentant_;
    std::vector<uint32_t> koszt_;
    std::vector<uint32_t> jednostki_;
    // How many orbits of t-subsets each orbit of bets covers (its score when nothing is chosen).
    std::vector<uint32_t> jednostekOrbity_;
    // While `Jednostki` runs: C(point, i + 1) for the representative's points in row i, and the mark
    // of the orbits of t-subsets already met in this call (a mark per call, so nothing is cleared).
    std::vector<std::array<uint64_t, MaxLiczbSystemu>> wiersze_;
    std::vector<uint32_t> znacznik_;
    uint32_t znak_ = 0;
    // For every orbit of t-subsets, the orbits of bets that cover it: their lists one after another,
    // `pierwszyZ_` giving where each begins.
    std::vector<uint32_t> pierwszyZ_;
    std::vector<uint32_t> pokrywajace_;
    // For an orbit of bets: chosen, the weight only it covers (the loss of giving it up); not chosen,
    // the uncovered weight it would cover (the gain of adding it).
    std::vector<int64_t> ocena_;
    std::vector<int64_t> zmiana_; // the move in which it was last added or given up
    TZbiorIndeksow wybrane_;
    // For an orbit of t-subsets: the chosen orbits covering it, their numbers xor-ed (which one it
    // is when there is one), and its weight; and the uncovered ones.
    std::vector<uint16_t> licznik_;
    std::vector<uint32_t> xorPokrywajacych_;
    std::vector<int64_t> waga_;
    TZbiorIndeksow niepokryte_;
    int64_t zakladow_ = 0;
    int64_t krok_ = 0;
};

} // namespace tarvomund
