#pragma once

#include "model/PlikSystemu.h"
#include "systems/ParametryPokrycia.h"

#include <optional>
#include <string>
#include <vector>

namespace tarvomund {

// A number system read whole for the optimiser: its header and its bets.
struct TSystemPokrycia {
    TInfoGryRec Info;
    std::vector<TZaklad> Zaklady;
};

enum class TBladOdczytuPokrycia {
    Brak,
    Plik,        // unreadable or damaged (TBladSystemu says how)
    Pilkarski,   // a pool system
    ZaDuzo,      // more bets than the optimiser keeps
};

// Reads a number system of at most `maxZakladow` bets; a pool system or a damaged file gives nullopt
// with the reason.
std::optional<TSystemPokrycia> CzytajSystemPokrycia(const std::string& plik, std::size_t maxZakladow,
                                                    TBladOdczytuPokrycia* blad = nullptr,
                                                    TBladSystemu* bladPliku = nullptr);

// The header of a system made to a guarantee: "Metoda gwarancyjna" with the guarantee index t - 1.
void OznaczGwarancje(TInfoGryRec& info, const TParametryPokrycia& p);
// The header of a covering made without a game: n and k, the own numbers 1..n, the game fields
// standing for a game of n numbers with k per bet and m drawn.
TInfoGryRec InfoPokrycia(const TParametryPokrycia& p);

// The bet count and the occurrence counts of `info` from the bets.
void PoliczWystapienia(TInfoGryRec& info, const std::vector<TZaklad>& zaklady);

// Writes the bets under `info` (bet count and occurrence counts from the bets) in the system file
// layout: a placeholder header, the bets, the header last.
bool ZapiszSystemPokrycia(const std::string& plik, TInfoGryRec info, const std::vector<TZaklad>& zaklady);

} // namespace tarvomund
