#pragma once

#include "draws/ParserLosowan.h"
#include "draws/TFormatowanie.h"
#include "model/TObGraLista.h"

#include <cstddef>
#include <functional>

namespace tarvomund {

// What an import did: lines that became new draws, lines that replaced the numbers of a draw of the
// same date, and lines that gave no draw (empty lines included).
struct TWynikImportu {
    std::size_t Dopisane = 0;
    std::size_t Zastapione = 0;
    std::size_t Pominiete = 0;
};

// Called for each line that gave no draw: its index in the file (from 0) and what the parser said.
using TPominietyWiersz = std::function<void(std::size_t wiersz, TWynikWiersza wynik)>;

// The line layout of a game's import: the date-order and column choices with the field width and the
// game's counts that follow from them.
TUkladWiersza UkladDlaGry(const TObGraLista& gra, bool numeracja, bool jestData, TKolejnoscDaty kolejnosc);

// Sorts draws by date, ascending; draws of one date keep their order. Damaged dates (not a number)
// go last instead of upsetting the sort.
void SortujLosowania(std::vector<TObLos>& losowania);

// Every formatted line in order becomes a draw of `gra`: its numbers sorted ascending, appended, or
// with `nadpisuj` copied into the first draw of exactly the same date already in the list (one read
// earlier in the same file included). The draws are sorted by date at the end.
TWynikImportu ImportujLosowania(TObGraLista& gra, const TFormatowanie& formatowanie, const TUkladWiersza& uklad,
                                bool nadpisuj, const TPominietyWiersz& pominiety = {});

} // namespace tarvomund
