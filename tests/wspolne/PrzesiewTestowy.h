#pragma once

#include "model/Wspolne.h"
#include "systems/PrzesiewSystemu.h"
#include "wspolne/KatalogTymczasowy.h"
#include "wspolne/LosowaniaTestowe.h"
#include "wspolne/SystemyTestowe.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>

// The filters and the search in a system run the same way: a source system (positions over n with
// these own numbers, method 2 and guarantee index 3) of the 6 of 49 game with two draws, its copy
// put into the result store as the main window does, the worker on it, the result read back.
namespace tarvomund::testy {

// The game's draws: 12.05.2001 the even numbers 2..12, 19.05.2001 the odd numbers 1..11.
inline TObGraLista GraPrzesiewu()
{
    TObGraLista gra = Gra649();
    gra.Losowania = {Los({2001, 5, 12}, {2, 4, 6, 8, 10, 12}), Los({2001, 5, 19}, {1, 3, 5, 7, 9, 11})};
    return gra;
}

template <typename TGen, typename TRekord>
TWynikGeneracji Przesiej(TKatalogTymczasowy& katalog, int numer, const std::function<void(TRekord&)>& ustaw,
                         const std::vector<TZakladTestowy>& zaklady, int32_t n, const std::vector<int>& wlasne,
                         bool zatrzymany, TSystemZPliku& wynik)
{
    const TObGraLista gra = GraPrzesiewu();
    TInfoGryRec zrodlo = TInfoGryRec::DlaGry(gra);
    zrodlo.n = n;
    zrodlo.k = zaklady.empty() ? 6 : static_cast<int32_t>(zaklady.front().size());
    zrodlo.Metoda = 2;
    zrodlo.Gwarancja = 3;
    for (std::size_t i = 0; i < wlasne.size(); ++i)
        zrodlo.Wlasne[1][i] = static_cast<uint8_t>(wlasne[i]);
    const std::string plikZrodla = katalog.Plik("zrodlo.ss2");
    EXPECT_TRUE(ZapiszSystemTestowy(plikZrodla, zrodlo, zaklady));

    TRekord rekord = TRekord::DlaGry(gra);
    rekord.Kryteria = {};
    rekord.Kryteria[static_cast<std::size_t>(numer - 1)] = true;
    rekord.PlikWyniku = katalog.Plik("1.$$$");
    rekord.PlikRoboczy = katalog.Plik("2.$$$");
    EXPECT_TRUE(KopiujPlik(plikZrodla, rekord.PlikWyniku));
    if (ustaw)
        ustaw(rekord);
    const std::atomic<bool> przerwij{zatrzymany};
    const TWynikGeneracji w = TGen(InfoWynikuPrzesiewu(zrodlo), rekord, gra.Losowania, przerwij, nullptr).Wykonaj();
    wynik = CzytajSystemTestowy(rekord.PlikWyniku);
    return w;
}

} // namespace tarvomund::testy
