#pragma once

#include "model/TInfoGryRec.h"
#include "model/TObGraLista.h"
#include "stats/TFiltry.h"
#include "systems/TGenSys01.h"
#include "systems/TRaportPostepu.h"

#include <atomic>
#include <vector>

namespace tarvomund {

// The filters beyond the twelve shared criteria, as the dialog numbers them.
enum class TRodzajFiltru : int {
    Wylosowane = 13, // some draw of the date range shares at least c + 1 numbers with the bet
    Pozycje = 14,    // the bet's place in the system lies within PozycjaOd..PozycjaDo
};
inline constexpr int IleFiltrowBetow = 14;

// The bet filters: of the system in the result window's store `PlikWyniku` (a copy of the source
// system), the bets the chosen filter does not remove stay, each once, in ascending order of their
// positions (PrzesiejSystem, with `PlikRoboczy` as the scratch copy). Filters 1 to 13 look at the
// numbers the positions stand for; `info` is the result window's record (its N and drawn count
// serve the criteria), `losowania` the game's draws for filter 13.
class TGenFiltr {
public:
    TGenFiltr(TInfoGryRec info, TFiltr filtr, const std::vector<TObLos>& losowania, const std::atomic<bool>& przerwij,
              TPokazPostep postep);
    // With no filter chosen nothing runs and the store stays as it is (BezZmian).
    TWynikGeneracji Wykonaj();

private:
    TInfoGryRec info_;
    TFiltr filtr_;
    const std::vector<TObLos>& losowania_;
    const std::atomic<bool>& przerwij_;
    TRaportPostepu postep_;
};

} // namespace tarvomund
