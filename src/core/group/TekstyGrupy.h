#pragma once

#include "group/RozliczenieGrupy.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tarvomund {

// The texts of a group as its windows, printouts and the command line show them. Amounts use the
// decimal comma; the "n" forms also group thousands with a space ("1 234,50"). A value that rounds
// to zero is shown without a sign.

// "%11.2f": "    1234,50"
std::string KwotaF(double kwota);
// "%11.2n": "   1 234,50"
std::string KwotaN(double kwota);
// "+%11.2n" when the amount shown is above zero, otherwise "%11.2n".
std::string BilansN(double kwota);
// "%6.2f": " 33,33"
std::string UdzialF(double udzial);
// The short day name, a space and the date: "Pn 12.05.2001".
std::string DzienIData(double dni);

// The cells of a grid and the three totals under it (cost, winnings, balance).
struct TTabelaGrupy {
    std::vector<std::vector<std::string>> Wiersze;
    std::array<std::string, 3> Sumy;
};

// The group window: number, day and date, game name, cost, winnings, balance; totals as "%11.2f".
inline constexpr std::array<const char*, 6> NaglowkiListyGier{"L.p.", "Data", "Nazwa gry",
                                                               "Koszty", "Wygrana", "Bilans"};
TTabelaGrupy TabelaListyGier(const TGrupa& grupa);

// The settlement window: day and date, game name, participant, cost part, share, win part,
// balance. With no rows the totals stay empty.
inline constexpr std::array<const char*, 7> NaglowkiRozliczenia{
    "Data", "Nazwa gry", "Nazwisko grającego", "Koszty", "%", "Wygrana", "Bilans"};
TTabelaGrupy TabelaRozliczenia(const TGrupa& grupa, const TRozliczenie& rozliczenie);

// The shares of one game: name, share as "%6.2f %", cost part, win part.
inline constexpr std::array<const char*, 4> NaglowkiUdzialow{"Nazwisko grającego", "Udział", "Koszty",
                                                              "Wygrana"};
std::vector<std::vector<std::string>> TabelaUdzialow(const TNaglowekGrupy& naglowek, const TGraGrupy& gra);

// The three text printouts, line by line; cells are padded to their columns, and a cell longer
// than its column is printed whole and shifts the rest of its line.
std::vector<std::string> WydrukListyGier(std::string_view tytul, const TTabelaGrupy& tabela);
std::vector<std::string> WydrukRozliczenia(std::string_view tytul, const TTabelaGrupy& tabela);
std::vector<std::string> WydrukUdzialow(std::string_view tytul, const std::vector<std::vector<std::string>>& wiersze);

} // namespace tarvomund
