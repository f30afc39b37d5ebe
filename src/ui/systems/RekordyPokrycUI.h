#pragma once

#include "systems/RekordyPokryc.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace tarvomund {

// The table of the best coverings known, read once from Dane beside the program.
const TRekordyPokryc& RekordyPokryc();
// The main window names the table's file at start-up (the tests name their own); it is read anew.
void UstawPlikRekordow(const QString& plik);

// What the windows show for a covering of every t-subset of n numbers by bets of k: the size of
// the best one known (when the table has it) and the lower bound, the table's or the computed one,
// whichever is higher.
struct TOpisRekordu {
    std::optional<int64_t> Najlepszy;
    int64_t Dolne = 0;
    // "15", or "brak w tablicy"
    QString TekstNajlepszego() const;
};
TOpisRekordu OpisRekordu(int n, int k, int t);

} // namespace tarvomund
