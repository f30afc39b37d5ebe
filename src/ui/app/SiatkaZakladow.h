#pragma once

#include <Qt>

class QTableWidget;

namespace tarvomund {

// The program's text grid of bets: row 0 is its own heading row (the column numbers), the table's
// headers are hidden, nothing is edited in place and the selected cell is navy with yellow text.
void UstawWygladSiatki(QTableWidget& siatka);
// Lays out k + 1 columns (the first `szerokoscPierwszej` pixels wide, the numbers `szerokoscLiczby`)
// and `wierszy` rows of `wysokoscWiersza` pixels, each cell with an empty item; the heading row
// carries the numbers 1..k on the button colour. Returns the height the rows take with the frame.
int UstawKomorkiSiatki(QTableWidget& siatka, int k, int wierszy, int szerokoscPierwszej, int szerokoscLiczby,
                       int wysokoscWiersza, Qt::Alignment wyrownaniePierwszej);

} // namespace tarvomund
