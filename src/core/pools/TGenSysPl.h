#pragma once

#include "model/TInfoGryRec.h"
#include "systems/Losowosc.h"
#include "systems/TGenSys01.h"
#include "systems/TLosGen.h"
#include "systems/TRaportPostepu.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tarvomund {

// The pool generator's methods: the method codes a pool system stores.
enum class TMetodaPl : int32_t { Pelna = 0, SkroconaRownomierna = 1, SkroconaPrzypadkowa = 2 };
inline constexpr int IleMetodPl = 3;

// The pool system generator: from the typed signs of the matches it writes single-sign bets into
// `plik` in the system file layout (k sign bytes a bet, header last) and counts how often each sign
// stands at each match. Method 0 writes the first B bets of the full odometer sequence; methods 1
// and 2 draw B distinct bets (each sign of a match in turn, or independently at random) and write
// them in key order: match by match, no sign before "1" before "x" before "2".
class TGenSysPl {
public:
    // `info` gives k, the bet count B and the method; `typowania` the typed matches (1-based Mecz).
    // B is held to the count of combinations the typings stand for.
    TGenSysPl(TInfoGryRec info, std::vector<TTypowanie> typowania, std::string plik,
              const std::atomic<bool>& przerwij, TPokazPostep postep, TLosowe& losowe);

    // n, the bets written and the sign counts (entry 3 × (m − 1) + s − 1 for sign code s at match m).
    // A stopped run writes the bets it holds; a file error ends the run quietly.
    TWynikGeneracji Wykonaj();

    // Optional: called with the count so far after each bet written (method 0) or after each new
    // distinct bet (methods 1 and 2), so that a caller can stop a run at an exact point.
    std::function<void(int32_t)> PoZakladzie;

private:
    void Pelna(int32_t zakladow, const std::function<void(const TZaklad&)>& zapisz);
    void Rownomierna(int32_t zakladow, TListaZakladow& lista);
    void Przypadkowa(int32_t zakladow, TListaZakladow& lista);
    void ZglosZbieranie(std::size_t zebranych, int32_t zakladow);
    void Dodano(TListaZakladow& lista, const TZaklad& zaklad);

    TInfoGryRec info_;
    std::vector<TTypowanie> typowania_;
    std::string plik_;
    const std::atomic<bool>& przerwij_;
    TRaportPostepu postep_;
    TLosowe& losowe_;
};

} // namespace tarvomund
