#pragma once

#include "model/TInfoGryRec.h"
#include "model/TObGraLista.h"
#include "stats/TFiltry.h"
#include "systems/TGenSys01.h"
#include "systems/TRaportPostepu.h"

#include <atomic>
#include <vector>

namespace tarvomund {

// The search criteria of the draw base beyond the shared twelve.
enum class TKryteriumBazy : int {
    Powtorzone = 13,  // drawn again later with at least c + 1 common numbers
    DzienTygodnia,    // 1 = Sunday .. 7 = Saturday equals the choice + 1
    DzienMiesiaca,
    Miesiac,
};
inline constexpr int IleKryteriowBazy = 16;

// The search in the draw base: the draws of the date range that meet the chosen criterion, each
// once, become the bets of the result store `PlikWyniku` over the numbers they use (system number
// j stands for the j-th used number). The bet size is the game's drawn count (`info.IleLosowanych`);
// `info` also gives the result's game, name, game parameters and method.
//
// A stop makes the shared criteria 1..12 find nothing more while 13..16 are still tested, and
// ends the writing after the bet being written.
class TGenSzukBaza {
public:
    TGenSzukBaza(TInfoGryRec info, TFiltrSzukBaza filtr, const std::vector<TObLos>& losowania,
                 const std::atomic<bool>& przerwij, TPokazPostep postep);
    TWynikGeneracji Wykonaj();

private:
    TInfoGryRec info_;
    TFiltrSzukBaza filtr_;
    const std::vector<TObLos>& losowania_;
    const std::atomic<bool>& przerwij_;
    TRaportPostepu postep_;
};

} // namespace tarvomund
