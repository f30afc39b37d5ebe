#include "systems/PrzesiewSystemu.h"

#include "model/PlikSystemu.h"
#include "model/Wspolne.h"
#include "systems/Kombinatoryka.h"
#include "systems/TListaZakladow.h"

#include <filesystem>
#include <memory>
#include <new>

namespace tarvomund {

namespace {

constexpr int InterwalCzytaniaMs = 100;
constexpr int InterwalZapisuMs = 200;

TWynikGeneracji BladPliku()
{
    TWynikGeneracji wynik;
    wynik.BladPliku = true;
    wynik.BezZmian = true;
    return wynik;
}

} // namespace

TInfoGryRec InfoWynikuPrzesiewu(const TInfoGryRec& zrodlo)
{
    TInfoGryRec info = zrodlo;
    info.Metoda = BrakMetody;
    return info;
}

TWynikGeneracji PrzesiejSystem(const TInfoGryRec& info, const std::string& roboczy, const std::string& wynik,
                               const TWarunekZakladu& zostaw, const std::atomic<bool>& przerwij,
                               TRaportPostepu& postep)
{
    if (!KopiujPlik(wynik, roboczy))
        return BladPliku();
    TCzytnikSystemu czytnik(roboczy);
    if (!czytnik.Otwarty() || czytnik.Naglowek().Pilkarski() || czytnik.Naglowek().Info.k != info.k)
        return BladPliku();
    const TInfoGryRec& zrodlo = czytnik.Naglowek().Info;
    const int k = zrodlo.k;
    std::error_code blad;
    std::filesystem::remove(wynik, blad);
    TPisarzSystemu pisarz(wynik, k);
    if (!pisarz.Otwarty())
        return BladPliku();

    bool bladOdczytu = false;
    bool przerwano = false;
    TListaZakladow lista(k);
    TStrumienZakladow zaklady(czytnik);
    try {
        postep.NowaFaza(InterwalCzytaniaMs);
        while (!(przerwano = przerwij.load(std::memory_order_relaxed))) {
            const int32_t numer = zaklady.Numer();
            const auto* rekord = zaklady.Nastepny();
            if (!rekord)
                break;
            postep.Zglos(numer, zrodlo.Zakladow);
            TZaklad pozycje{};
            TZaklad liczby{};
            bool poprawny = true;
            for (int j = 0; j < k && poprawny; ++j) {
                const uint8_t p = (*rekord)[static_cast<std::size_t>(j)];
                poprawny = p >= 1 && p <= MaxLiczbSystemu;
                pozycje[static_cast<std::size_t>(j)] = p;
                if (poprawny)
                    liczby[static_cast<std::size_t>(j)] = zrodlo.Wlasne[1][p - 1u];
            }
            // A damaged bet has no numbers to test and no positions to count.
            if (!poprawny)
                continue;
            SortujZaklad(liczby, k);
            if (zostaw(numer, liczby.data(), k))
                lista.Dodaj(pozycje);
        }
    } catch (const std::bad_alloc&) {
        // No memory for the list: what it holds is still written out.
        bladOdczytu = true;
    }
    bladOdczytu = bladOdczytu || zaklady.Blad();

    std::array<int32_t, MaxLiczbSystemu> wystapienia{};
    postep.NowaFaza(InterwalZapisuMs);
    const auto doZapisu = static_cast<int64_t>(lista.Ile());
    int64_t i = 0;
    bool koniec = false;
    lista.DlaKazdegoPosortowanego([&](const TZaklad& zaklad) {
        if (koniec)
            return;
        for (int j = 0; j < k; ++j)
            ++wystapienia[zaklad[static_cast<std::size_t>(j)] - 1u];
        pisarz.Dodaj(zaklad.data());
        postep.Zglos(++i, doZapisu);
        koniec = przerwij.load(std::memory_order_relaxed);
    });

    TInfoGryRec naglowek = zrodlo;
    naglowek.IdGry = info.IdGry;
    naglowek.KodGry = info.KodGry;
    naglowek.Nazwa = info.Nazwa;
    naglowek.k = k;
    naglowek.Metoda = info.Metoda;
    naglowek.MinSkreslen = info.MinSkreslen;
    naglowek.MaxSkreslen = info.MaxSkreslen;
    naglowek.NormSkreslen = info.NormSkreslen;
    naglowek.IleDodatkowych = info.IleDodatkowych;
    naglowek.IleLiczb = info.IleLiczb;
    naglowek.IleLosowanych = info.IleLosowanych;
    naglowek.IlePoziomo = info.IlePoziomo;
    naglowek.IlePionowo = info.IlePionowo;
    naglowek.Kierunek = info.Kierunek;
    naglowek.Pilkarski = info.Pilkarski;
    naglowek.Wystapienia = wystapienia;

    TWynikGeneracji wynikRun;
    wynikRun.n = zrodlo.n;
    wynikRun.Zakladow = pisarz.Zapisanych();
    wynikRun.Wystapienia = wystapienia;
    wynikRun.Wlasne = zrodlo.Wlasne;
    wynikRun.Przerwano = przerwano || koniec;
    wynikRun.BladPliku = !pisarz.Zakoncz(naglowek) || bladOdczytu;
    return wynikRun;
}

} // namespace tarvomund
