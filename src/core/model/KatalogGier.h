#pragma once

#include "model/PlikGry.h"
#include "model/TInfoGryRec.h"
#include "model/TObGraLista.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tarvomund {

// The game fields a statistics file keeps to find its game again.
struct TOpisGryStatystyki {
    std::string Nazwa;
    int32_t IleLiczb = 0;
    int32_t IleLosowanych = 0;
    int32_t IlePoziomo = 0;
    int32_t IlePionowo = 0;
    bool Kierunek = true;
    uint8_t Pilkarski = 0;
};

// A game file the scan of the data directory left out, and why.
struct TPominietaGra {
    std::string Plik;
    TBladPlikuGry Blad = TBladPlikuGry::Brak;
};

// What the scan could not read: the directory itself, or single game files.
struct TRaportKatalogu {
    bool KatalogNieczytelny = false;
    std::vector<TPominietaGra> Pominiete;
};

// The ordered list of all games with their draws. The order is that of the game file names
// (byte-wise ascending), so every menu and dialog lists games the same way on every platform.
// Games keep their addresses for the whole run: windows hold references to them.
class TKatalogGier {
public:
    // Reads every `*.pl2` file of the directory; files that cannot be read or are damaged are left
    // out (and listed in the report, in name order, when one is asked for).
    static TKatalogGier WczytajGry(const std::string& katalogDane, TRaportKatalogu* raport = nullptr);

    std::size_t Ile() const { return gry_.size(); }
    bool Pusty() const { return gry_.empty(); }
    TObGraLista& Gra(std::size_t indeks) { return *gry_.at(indeks); }
    const TObGraLista& Gra(std::size_t indeks) const { return *gry_.at(indeks); }

    // The first game whose bet limits, number counts and pool flag equal the system's copies.
    const TObGraLista* GraDlaSystemu(const TInfoGryRec& info) const;
    // The first game whose name and slip parameters equal those stored with a statistic.
    const TObGraLista* GraDlaStatystyki(const TOpisGryStatystyki& opis) const;
    // Catalogue index of an exact game name.
    std::optional<std::size_t> IndeksNazwy(const std::string& nazwa) const;

    void Dodaj(TObGraLista gra);
    // Puts a game created during the run where the start-up scan would have put it (by the name of
    // its file) and returns its catalogue index; the games after it move one place on.
    std::size_t Wstaw(TObGraLista gra);

private:
    std::vector<std::unique_ptr<TObGraLista>> gry_;
};

} // namespace tarvomund
