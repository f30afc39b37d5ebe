#pragma once

#include "model/TInfoGryRec.h"
#include "model/TObGraLista.h"
#include "stats/TFiltry.h"
#include "systems/TGenSys01.h"
#include "systems/TRaportPostepu.h"

#include <atomic>
#include <vector>

namespace tarvomund {

// The search in a system beyond the twelve shared criteria: the bet was already drawn, some draw
// of the date range sharing at least c + 1 of its numbers.
inline constexpr int KryteriumWylosowanych = 13;
inline constexpr int IleKryteriowSystemu = 13;

// The search in a system: of the system in the result window's store `PlikWyniku` (a copy of the
// source), the bets that meet the chosen criterion stay, each once, in ascending order of their
// positions (PrzesiejSystem, with `PlikRoboczy` as the scratch copy). The criteria look at the
// numbers the positions stand for, and the result keeps the source's own numbers, so its bets
// show the numbers they showed in the source. `info` is the result window's record (its N and
// drawn count serve the criteria), `losowania` the game's draws for criterion 13.
class TGenSzukSys {
public:
    TGenSzukSys(TInfoGryRec info, TFiltrSzukSys filtr, const std::vector<TObLos>& losowania,
                const std::atomic<bool>& przerwij, TPokazPostep postep);
    // With no criterion chosen nothing runs and the store stays as it is (BezZmian).
    TWynikGeneracji Wykonaj();

private:
    TInfoGryRec info_;
    TFiltrSzukSys filtr_;
    const std::vector<TObLos>& losowania_;
    const std::atomic<bool>& przerwij_;
    TRaportPostepu postep_;
};

} // namespace tarvomund
