#pragma once

#include "systems/Kombinatoryka.h"
#include "systems/TKonfig.h"
#include "systems/TLosGen.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tarvomund {

// Number systems above this many bets are too big for the guarantee.
inline constexpr int32_t MaxZakladowGwarancji = 50'000;
// The sampling steps of "Błąd" are indexes 0..9; the step is index + 1, the shown error these percents.
inline constexpr int IleBledowGwarancji = 10;
int ProcentBleduGwarancji(int indeks);

// The bets of a system as the guarantee needs them. A number bet holds positions 1..n; a pool bet
// holds one sign code per match (1 "1", 2 "x", 3 "2"). `Typy` are the pool system's matches typed
// with more than one sign, in match order.
struct TSystemGwarancji {
    bool Pilkarski = false;
    int n = 0;
    int k = 0;
    int IleLosowanych = 0; // the game's drawn count, the most hits a draw can bring
    std::vector<TZaklad> Zaklady;
    std::vector<TTypowanie> Typy;
};

enum class TBladWczytaniaGwarancji { Brak, ZbytDuzy, BladOdczytu };

// Loads a system file (a window's temporary file or a saved system). Number systems above
// MaxZakladowGwarancji bets are refused. For a pool system the typed matches are those of its typing
// block (the own-numbers arrays); a block left empty falls back on the signs the bets use.
std::optional<TSystemGwarancji> WczytajSystemGwarancji(const std::string& plik, TBladWczytaniaGwarancji* blad);

struct TUstawieniaGwarancji {
    int m = 1;          // hits assumed (number systems)
    int IndeksBledu = 0; // 0..9
    int32_t IleNad = 5000;
    int32_t IlePod = 1000;
    bool MinMax = true;
    // How many distinct configurations the run may collect before it stops (memory guard).
    std::size_t LimitKonfiguracji = TKonfig::DomyslnyLimit;
};

// Progress as the window shows it: the bar position, the remaining time and the percentage.
struct TPostepGwarancji {
    int Pozycja = 0;
    std::string Czas;
    std::string Procent;
};
using TPokazPostepGwarancji = std::function<void(const TPostepGwarancji&)>;
TPostepGwarancji PostepGwarancji(long double wszystkich, long double zrobionych, int64_t sekund);

struct TWynikGwarancji {
    std::vector<std::string> Wiersze; // the lines the output list receives after the run
    bool Przerwano = false;
    bool ZaDuzoKonfiguracji = false;
};

// The guarantee of a system: every way the hits can fall (m-subsets of the n positions, or the
// single-sign outcomes of the multi-sign matches), each every `step`-th case, tabulated as the
// distinct distributions of hits over the bets with their shares.
//
// Bets are held as one bit mask per position over all bets; a case's hit counts are bit-sliced
// counters summed position by position, and consecutive cases reuse the sums of their common
// prefix. The enumeration is split over `watkow` threads (0: as many as the machine has); the
// result does not depend on the split.
class TGenGwar01 {
public:
    TGenGwar01(const TSystemGwarancji& system, TUstawieniaGwarancji ustawienia, const std::atomic<bool>& przerwij,
               TPokazPostepGwarancji postep = {}, unsigned watkow = 0);
    TWynikGwarancji Wykonaj();

    // Only the configurations (for tests that compare with the plain definition).
    TKonfig Konfiguracje(bool& przerwano, bool& zaDuzo);

private:
    const TSystemGwarancji& system_;
    TUstawieniaGwarancji ustawienia_;
    const std::atomic<bool>& przerwij_;
    TPokazPostepGwarancji postep_;
    unsigned watkow_;
};

// The table lines from sorted configurations: the "=====" line, the summary and the numbered
// lines with their shares. `wszystkich` is the full count of cases (C(n, m) or the outcomes).
std::vector<std::string> WierszeGwarancji(const TKonfig& posortowane, const TSystemGwarancji& system,
                                          const TUstawieniaGwarancji& ustawienia, long double wszystkich);
// The count of columns: min(k, m) for number systems, the multi-sign matches for pool systems.
int KolumnyGwarancji(const TSystemGwarancji& system, int m);
long double PrzypadkiGwarancji(const TSystemGwarancji& system, int m);

} // namespace tarvomund
