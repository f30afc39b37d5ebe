#pragma once

#include "systems/Losowosc.h"
#include "systems/ParametryPokrycia.h"
#include "systems/TCzesciBloku.h"
#include "systems/TWyzarzaniePokrycia.h"
#include "systems/TZbiorIndeksow.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tarvomund {

class TOrbity;

// Weighted local search over a fixed number of bets, for classic coverings (every t-subset in some
// bet) of at most 64 numbers. Every t-subset carries a weight; after every move the weights of the
// subsets left uncovered grow, so the subsets the search keeps failing to cover pull ever harder.
// A move picks a random uncovered subset and, of every bet that one exchange makes cover it and
// every number such a bet could give up, makes the exchange of the best weighted gain (ties at
// random), even a worsening one; a number just taken out of a bet stays out of it for a few moves,
// so the search does not undo itself.
//
// Near-perfect designs (Steiner-like, where nearly every subset is covered once) are where the
// annealing stalls: its cost landscape is flat there, and the weights give it a slope.
//
// With orbits the bets stand for whole orbits of a group acting on the numbers, as in the annealing:
// the weights and counts are kept per orbit of t-subsets, and a bet may be moved to cover any image of
// the chosen subset.
//
// Fixed bets (a system being completed) count in the cover but are never moved or dropped.
class TPrzeszukiwanieWagowe {
public:
    // The most t-subsets it keeps weights for (10 bytes each).
    static constexpr uint64_t MaxPodzbiorow = uint64_t{1} << 21;
    static bool Obsluguje(const TParametryPokrycia& p);

    // `orbity` (if given) must outlive the search.
    TPrzeszukiwanieWagowe(const TParametryPokrycia& p, const TOrbity* orbity, uint64_t ziarno);

    void UstawStale(const std::vector<TBlok>& stale);
    void UstawBloki(const std::vector<TBlok>& bloki);
    std::vector<TBlok> Bloki() const;
    std::size_t Ile() const { return bloki_.size(); }
    // Adds so many bets of random numbers (a start far from any greedy design, or room for a
    // search that cannot complete its design).
    void DodajLosowe(int ile);
    int64_t Niepokrytych() const { return static_cast<int64_t>(niepokryte_.Ile()); }

    // One move. Nothing while everything is covered.
    void Krok();
    // Drops the bet whose loss uncovers the least weight (ties at random). False when there is none.
    bool UsunNajmniejPotrzebny();

private:
    // Moves a number just taken out of a bet may not come back into it.
    static constexpr int64_t Kadencja = 10;
    // Weights are halved when one grows past this, so that no sum of them overflows.
    static constexpr uint32_t MaxWagi = uint32_t{1} << 28;

    uint32_t Ranga(uint64_t maska) const;
    uint32_t Jednostka(uint32_t ranga) const;
    void KrokNaOrbitach(uint64_t cel);
    // A random bet takes a step towards the subset `cel`: for when no bet is one exchange away.
    void KrokLosowy(uint64_t cel);
    // Makes the chosen exchange (or, with none, a random step) and raises the weights.
    void Wykonaj(bool jest, std::size_t blok, int x, int y, uint64_t cel);
    // The weighted gain of exchanging x for y in the bet whose parts `czesci_` holds, tried on the
    // counts and undone.
    int64_t Probuj(int x, int y, int czesci);
    // Fills `czesci_` with the parts of the bet; returns how many there are.
    int Czesci(uint64_t blok);
    uint32_t C(int a, int b) const { return czesci_.C(a, b); }
    uint64_t Odranga(uint32_t ranga) const;
    void Zmien(uint64_t maska, int znak);
    int64_t Strata(uint64_t maska);
    void Wymien(std::size_t blok, int x, int y);
    void PodniesWagi();

    const TParametryPokrycia p_;
    const TOrbity* orbity_;
    TLosowe losowe_;
    std::vector<uint64_t> bloki_;
    std::vector<uint16_t> licznik_;
    std::vector<uint32_t> waga_;
    TZbiorIndeksow niepokryte_;
    std::vector<int64_t> tabu_; // per bet and number: the move until which it may not come back
    TCzesciBloku czesci_;
    int64_t krok_ = 0;
};

} // namespace tarvomund
