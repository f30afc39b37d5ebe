#pragma once

#include "model/PlikGry.h"

#include <cstdlib>
#include <iostream>
#include <string>

// The sample games the build writes beside the programs, read once per benchmark program; a
// missing game ends the run, as no figure would mean anything without it.
namespace tarvomund::bench {

inline TObGraLista WczytajGrePrzykladowa(const char* plik, const char* opis)
{
    const std::optional<TObGraLista> wczytana = WczytajPlikGry(std::string(TARVOMUND_DANE) + "/" + plik);
    if (!wczytana || wczytana->Losowania.empty()) {
        std::cerr << "the sample " << opis << " game is missing from " << TARVOMUND_DANE << "\n";
        std::exit(1);
    }
    return *wczytana;
}

inline const TObGraLista& Lotto649()
{
    static const TObGraLista gra = WczytajGrePrzykladowa("lotto-6z49.pl2", "6 of 49");
    return gra;
}

inline const TObGraLista& Multi2080()
{
    static const TObGraLista gra = WczytajGrePrzykladowa("multi-20z80.pl2", "20 of 80");
    return gra;
}

} // namespace tarvomund::bench
