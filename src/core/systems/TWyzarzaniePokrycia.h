#pragma once

#include "systems/Losowosc.h"
#include "systems/ParametryPokrycia.h"
#include "systems/TCzesciBloku.h"

#include <array>
#include <bit>
#include <cstdint>
#include <memory>
#include <vector>

namespace tarvomund {

class TOrbity;

// The most numbers per bet the optimiser works with.
inline constexpr int MaxKOptymalizacji = 32;
// The most bets it keeps (fixed ones included): a subset's count of bets holding it stays in 16 bits.
inline constexpr std::size_t MaxBlokow = 60000;

// One bet of the optimiser: k sorted points 0..n-1 and the same as a bit mask.
struct TBlok {
    std::array<uint8_t, MaxKOptymalizacji> p{};
    std::array<uint64_t, 2> maska{};

    void UstawMaske(int k);
    bool Zawiera(int punkt) const { return (maska[static_cast<std::size_t>(punkt >> 6)] >> (punkt & 63)) & 1; }
};

TBlok BlokZZakladu(const TZaklad& zaklad, int k);
// The bet of the k numbers 0..63 in `maska`.
TBlok BlokZMaski(uint64_t maska, int k);
TZaklad ZakladZBloku(const TBlok& blok, int k);

// Simulated annealing over a fixed number of bets (after Nurmela and Östergård): the cost is the
// count of m-subsets that no bet meets in t points, kept per subset so that a move costs only the
// subsets it touches; a move changes one number of one bet so that the bet covers a randomly
// chosen uncovered subset, and is kept by the Metropolis rule at a fixed temperature. For classic
// coverings the number that leaves is the one whose exchange uncovers the least, not a random one.
//
// With orbits the bets stand for whole orbits of a group acting on the numbers: the design is the
// union of the images of the bets, and the counts are kept per orbit of m-subsets, so the search
// runs over a space |G| times smaller.
//
// Fixed bets (a system being completed) count in the cover but are never moved or dropped.
class TWyzarzaniePokrycia {
public:
    TWyzarzaniePokrycia(const TParametryPokrycia& p, const TRangi& rangi, const TOrbity* orbity, uint64_t ziarno);

    void UstawStale(const std::vector<TBlok>& stale);
    void UstawBloki(std::vector<TBlok> bloki);
    const std::vector<TBlok>& Bloki() const { return bloki_; }
    // Uncovered m-subsets, or uncovered orbits of them.
    int64_t Niepokrytych() const { return niepokrytych_; }

    void UstawTemperature(double temperatura);
    // One move: proposed, then kept or undone. Nothing while everything is covered.
    void Krok();
    // Greedy bets, each made to cover an uncovered subset and filled with the numbers that cover
    // the most further uncovered ones, until nothing is left uncovered. False, with the bets made
    // so far, when more than MaxBlokow bets would be needed.
    bool UzupelnijZachlannie();
    // Drops the bet whose loss uncovers the least (ties at random). False when there is none.
    bool UsunNajmniejPotrzebny();
    void DodajBlok(const TBlok& blok);

private:
    uint32_t Jednostka(uint64_t ranga) const;
    uint64_t Reprezentant(uint32_t jednostka) const;
    uint32_t LosowaNiepokryta();
    uint32_t PierwszaNiepokryta();
    void ZbudujListe();
    void Oznacz(uint32_t jednostka);
    // Adds (znak +1) or takes (-1) a bet's cover; returns how many units changed between covered
    // and uncovered, and puts the newly uncovered on the list.
    int64_t Zmien(const TBlok& blok, int znak, bool naProbe);
    int64_t ZyskPunktu(const uint8_t* czesc, int ile, int punkt);
    void Wybierz(const uint8_t* el, int ile, int r, uint8_t* wy);
    TBlok Zachlanny(const uint8_t* podzbior);
    // Bets weighed per move of a classic covering, each able to cover the chosen subset by one
    // exchange: weighing more of them gains less per move than it costs in moves.
    static constexpr int KandydatowRuchu = 1;
    struct TKandydatRuchu {
        std::size_t blok = 0;
        std::array<uint64_t, 2> maska{};
        std::array<uint8_t, MaxLiczbSystemu> obraz{};
    };
    bool Przyjmij(int64_t delta);
    // Ends a trial exchange of x for y: decided by the Metropolis rule when `rozstrzygnij`, else kept.
    void ZakonczRuch(TBlok& blok, uint8_t x, uint8_t y, int64_t delta, bool rozstrzygnij);
    void KrokKlasyczny(const TKandydatRuchu* kandydaci, int ile);

    const TParametryPokrycia p_;
    const TRangi& rangi_;
    const TOrbity* orbity_;
    TLosowe losowe_;
    std::vector<TBlok> bloki_;
    std::size_t stalych_ = 0;
    std::vector<uint16_t> licznik_;
    std::vector<uint64_t> naLiscie_;
    std::vector<uint32_t> lista_;
    bool listaAktualna_ = false;
    std::size_t kursor_ = 0;
    int64_t niepokrytych_ = 0;
    std::array<double, 65> akceptacja_{};
    // Classic coverings (t = m) of at most 64 numbers take the fast exchange of KrokKlasyczny.
    bool klasyczny_ = false;
    // The parts of the bet a classic move weighs; null for other coverings.
    std::unique_ptr<TCzesciBloku> czesci_;
    // The units a move touched, for its undo and its commit.
    std::vector<uint32_t> stracone_;
    std::vector<uint32_t> zyskane_;
};

} // namespace tarvomund
