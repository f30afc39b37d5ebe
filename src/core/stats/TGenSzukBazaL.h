#pragma once

#include "model/TInfoGryRec.h"
#include "model/TObGraLista.h"
#include "stats/TFiltry.h"
#include "systems/TGenSys01.h"
#include "systems/TRaportPostepu.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

namespace tarvomund {

class TPisarzSystemu;

// The criteria of the search in the numbers base, as its dialog numbers them.
enum class TKryteriumLiczb : int {
    Kolejne = 1,
    Parzyste,
    Nieparzyste,
    WPrzedziale,
    ParzysteWPrzedziale,
    NieparzysteWPrzedziale,
    CyfryKoncowe,
    CyfryPoczatkowe,
    StalyPrzyrost,
    NigdyRazem, // sets of numbers never drawn together
};
inline constexpr int IleKryteriowLiczb = 10;

// The size of the sets the chosen criterion looks for: its count choice + 1 (0 with none chosen).
int RozmiarZbioru(const TFiltrSzukBazaL& filtr);

// The sets criteria 1 to 9 cut out of one draw (its numbers in stored order): each with `rozmiar`
// numbers in the order they were collected. N is the game's count of numbers.
std::vector<std::vector<uint8_t>> ZbioryZLosowania(int kryterium, const TFiltrSzukBazaL& filtr, const uint8_t* liczby,
                                                   int ile, int32_t ileLiczb);

// How "never drawn together" tests a subset: the AND of its numbers' draw masks (one bit per
// draw), or each draw looked at number by number (the definition, kept for measurements).
enum class TSposobNigdy { Maski, PoLiczbie };
using TPostepNigdy = std::function<void(double procent)>;

// Every subset of `rozmiar` numbers of `pula` (ascending numbers) that none of the draws (each its
// first `ileLosowanych` numbers) holds whole, in lexicographic order, handed to `znaleziony`.
// Progress goes out every few thousand subsets; a raised stop flag ends the enumeration early.
// Returns false when it was stopped.
bool SzukajNigdyRazem(const std::vector<uint8_t>& pula, int rozmiar, const std::vector<TObLos>& losowania,
                      int ileLosowanych, TSposobNigdy sposob, const std::atomic<bool>& przerwij,
                      const TPostepNigdy& postep, const std::function<void(const uint8_t*)>& znaleziony);

// The search in the numbers base: the distinct sets the chosen criterion cuts out of the draws of
// the date range (or the sets never drawn together) become the bets of `PlikWyniku`, numbered over
// the numbers they use. `info` gives the result's game, name, game parameters and method.
//
// A stop ends the scan of the draws and then the writing after its first bet; a stopped
// enumeration of never-drawn sets keeps and writes every set found so far.
class TGenSzukBazaL {
public:
    TGenSzukBazaL(TInfoGryRec info, TFiltrSzukBazaL filtr, const std::vector<TObLos>& losowania,
                  const std::atomic<bool>& przerwij, TPokazPostep postep);
    TWynikGeneracji Wykonaj();

private:
    TWynikGeneracji NigdyRazem(TPisarzSystemu& pisarz, int rozmiar);

    TInfoGryRec info_;
    TFiltrSzukBazaL filtr_;
    const std::vector<TObLos>& losowania_;
    const std::atomic<bool>& przerwij_;
    TRaportPostepu postep_;
};

} // namespace tarvomund
