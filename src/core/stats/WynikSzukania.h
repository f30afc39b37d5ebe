#pragma once

#include "model/PlikSystemu.h"
#include "systems/Kombinatoryka.h"
#include "systems/TGenSys01.h"
#include "systems/TListaZakladow.h"
#include "systems/TRaportPostepu.h"

#include <array>
#include <atomic>
#include <bitset>
#include <cstdint>

// The result of a search of the draw history: the sets of numbers found (whole draws or parts of
// draws) become a system over just the numbers they use.
namespace tarvomund {

// The record of a window that receives a search of the draw history: the game's identity and
// parameters, k numbers per bet, n = N div 2, one bet, no generation method, guarantee 0 and the
// own numbers 1..N.
TInfoGryRec InfoWynikuSzukania(const TObGraLista& gra, int k);

// Numbers are bytes; the ones the sets use.
using TUzyteLiczby = std::bitset<256>;

// The used numbers in ascending order are given the system numbers 1..n: system number j stands
// for the j-th used number (second own-numbers array), the first array holds j, the third 0.
struct TNumeracjaWyniku {
    std::array<uint8_t, 256> Pozycja{}; // a number's system number, 0 for an unused one
    int n = 0;
    std::array<TTablicaLiczb, 3> Wlasne{};
    bool PonadMax = false; // more than 120 numbers used: no system can number them
};
TNumeracjaWyniku NumeracjaWyniku(const TUzyteLiczby& uzyte);

// Writes the header of a search result: `info` (the result window's game, name, game parameters,
// k and method) with guarantee 0, n, the own numbers and the counts of the numbering, and the bets
// written; hands the same figures back to the window.
TWynikGeneracji ZakonczWynikSzukania(TInfoGryRec info, TPisarzSystemu& pisarz, const TNumeracjaWyniku& numeracja,
                                     const std::array<int32_t, MaxLiczbSystemu>& wystapienia, bool przerwano);

// Distinct sets of k numbers, each kept sorted, in ascending key order.
class TZbioryWyniku {
public:
    explicit TZbioryWyniku(int k) : k_(k), lista_(k) {}

    // Sorts the set; false when an equal set was found before.
    bool Dodaj(TZaklad liczby);
    std::size_t Ile() const { return lista_.Ile(); }
    int K() const { return k_; }

    // Writes the sets in key order as system numbers (a stop raised meanwhile ends the writing
    // after the bet being written), then the header. Over 120 numbers nothing is written.
    TWynikGeneracji Zapisz(const TInfoGryRec& info, TPisarzSystemu& pisarz, const std::atomic<bool>& przerwij,
                           TRaportPostepu& postep) const;

private:
    int k_;
    TListaZakladow lista_;
    TUzyteLiczby uzyte_;
};

} // namespace tarvomund
