#pragma once

#include "systems/ParametryPokrycia.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tarvomund {

// What the optimiser is asked: the guarantee, the time it may take, and where it starts.
struct TZadaniePokrycia {
    TParametryPokrycia Parametry;
    double Sekundy = 10.0;
    int Watki = 0; // 0: one per core
    // Seeds this run alone (the program's random source is left as it is).
    std::optional<uint64_t> Ziarno;
    // Reducing a system: its bets (positions 1..n) are the first solution, made complete if they
    // are not; the result never has more bets than that.
    std::vector<TZaklad> Poczatkowe;
    // Completing a system: these bets stay as they are and the fewest bets are added to them.
    std::vector<TZaklad> Stale;
    // Stop as soon as a result of this many bets (all of them, fixed ones included) is found;
    // 0: the lower bound the optimiser knows itself.
    int64_t Cel = 0;
    // The best size known for these parameters (the records table), 0 when none is: a search aims
    // just above it from the start instead of working its way down from the greedy design.
    int64_t Znany = 0;
    // Try designs invariant under groups acting on the numbers and the known constructions too.
    bool Konstrukcje = true;
};

struct TPostepPokrycia {
    double Procent = 0.0; // of the time limit
    int64_t Zakladow = 0; // the best complete result so far; 0 before the first one
};
using TPokazPostepPokrycia = std::function<void(const TPostepPokrycia&)>;

enum class TBladPokrycia {
    Brak,
    ZleParametry, // not 1 <= t <= m <= n, t <= k <= n <= 120, or k beyond 32
    ZaDuze,       // more m-subsets or bets than the optimiser keeps in memory
    Niepelny,     // the final check found the result incomplete: nothing is handed back
};

struct TWynikPokrycia {
    TBladPokrycia Blad = TBladPokrycia::Brak;
    // Ascending lexicographic order, positions 1..n; complete (checked afresh before it is handed back).
    std::vector<TZaklad> Zaklady;
    bool Przerwano = false; // the stop flag ended the run early
    // Where the result comes from: "zachłanny", "wyżarzanie", "wagi" (the weighted search), a group
    // such as "Z13", a construction.
    std::string Zrodlo;
};

// Whether the optimiser takes these parameters (the subsets and bets it keeps stay within memory).
TBladPokrycia SprawdzZadanie(const TParametryPokrycia& p);

// Finds as few bets as it can within the time limit, on every core, polling `przerwij` and
// reporting progress (on the calling thread) a few times a second. The first complete system (the
// given bets completed, or greedy bets) is made before the clock and the stop flag are looked at, so
// that there is always a result; on very large parameters it takes part of the time on top.
TWynikPokrycia OptymalizujPokrycie(const TZadaniePokrycia& zadanie, const std::atomic<bool>& przerwij,
                                   const TPokazPostepPokrycia& postep = {});

// The Schönheim bound: L(n,k,1) = ceil(n/k), L(n,k,t) = ceil(n/k * L(n-1,k-1,t-1)); for a classic
// covering (m = t). 0 when it does not apply.
int64_t DolneOgraniczenie(int n, int k, int t);

} // namespace tarvomund
