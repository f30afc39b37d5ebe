#pragma once

#include "group/PlikGrupy.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace tarvomund {

// What one participant paid and won in one game: the share in percent of the cost and of the
// winnings. Nothing is rounded here; only the texts round.
struct TCzesciGracza {
    double Udzial = 0.0;
    double Koszt = 0.0;
    double Wygrana = 0.0;
    double Bilans() const { return Wygrana - Koszt; }
};

// The parts of the participant at a place; all zero for somebody who does not play the game.
TCzesciGracza CzesciGracza(const TGraGrupy& gra, int miejsce);

// One row of the shares of a game: a participant who plays it.
struct TUdzialWGrze {
    int Miejsce = 0;
    TCzesciGracza Czesci;
};
// Everybody who plays the game, in place order.
std::vector<TUdzialWGrze> UdzialyGry(const TGraGrupy& gra);

// "/": every participant of the game gets the same share, 100 / their count.
void PodzielRowno(TGraGrupy& gra);
// The shares of the participants of the game added up.
double SumaUdzialow(const TGraGrupy& gra);
// True when the shares add up to more than 100 %. Shares split evenly add up to 100 only within
// the precision of the values (three times 100 / 3), so a sum within a billionth of a percent
// above 100 is not reported.
bool UdzialyPrzekraczaja100(const TGraGrupy& gra);

// The group's figures over all games: sums of costs and winnings.
struct TSumyGrupy {
    double Koszt = 0.0;
    double Wygrana = 0.0;
    double Bilans() const { return Wygrana - Koszt; }
};
TSumyGrupy SumyGrupy(const TGrupa& grupa);

// One row of a settlement: a participant who plays a game.
struct TPozycjaRozliczenia {
    std::size_t Gra = 0; // index of the game in file order
    int Miejsce = 0;
    TCzesciGracza Czesci;
};

struct TRozliczenie {
    std::vector<TPozycjaRozliczenia> Pozycje;
    double SumaKosztow = 0.0;
    double SumaWygranych = 0.0;
    double Bilans() const { return SumaWygranych - SumaKosztow; }
};

// The settlement of all participants, or of the one at `miejsce`: rows grouped by game in file
// order and by place within a game.
TRozliczenie Rozlicz(const TGrupa& grupa, std::optional<int> miejsce = std::nullopt);

} // namespace tarvomund
