#pragma once

#include "draws/ImportLosowan.h"
#include "model/TObGraLista.h"

#include <cstddef>
#include <string>
#include <vector>

namespace tarvomund {

// The draw editor's work on one game's draw list. Every edit changes the game's list in memory at
// once, so later computations of the same run see it; the game file changes only by Zatwierdz().
class TEdycjaLosowan {
public:
    explicit TEdycjaLosowan(TObGraLista& gra) : gra_(gra) {}

    TObGraLista& Gra() const { return gra_; }
    const std::vector<TObLos>& Losowania() const { return gra_.Losowania; }
    // Set by every add, correction, deletion and import that took at least one line.
    bool Zmieniono() const { return zmieniono_; }

    // "dd.mm.yyyy <--> dd.mm.yyyy" of the first and the last draw; empty without draws.
    std::string Zakres() const;

    // Appends the draw and sorts the list by date; the index the draw ended at.
    std::size_t Dodaj(const TObLos& los);
    // New numbers for the draw at `indeks`; false for an index beyond the list.
    bool Popraw(std::size_t indeks, const std::array<uint8_t, MaxLiczbWLosowaniu>& liczby);
    // Removes the draws from `od` to `do_` inclusive; indexes beyond the list are ignored. The count removed.
    std::size_t Usun(std::size_t od, std::size_t do_);
    TWynikImportu Importuj(const TFormatowanie& formatowanie, const TUkladWiersza& uklad, bool nadpisuj,
                           const TPominietyWiersz& pominiety = {});

    // "OK": after changes, writes the draws into the game file (through a temporary file, so a failure
    // keeps the old file and the list in memory). False when the write failed.
    bool Zatwierdz();
    // "Anuluj": after changes, reads the draws back from the game file. False when the file could not
    // be read; the list then stays as it is.
    bool Odrzuc();

private:
    TObGraLista& gra_;
    bool zmieniono_ = false;
};

} // namespace tarvomund
