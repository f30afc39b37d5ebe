#include "stats/TGenSzukBaza.h"

#include "model/Daty.h"
#include "stats/WynikSzukania.h"
#include "wspolne/KatalogTymczasowy.h"
#include "wspolne/LosowaniaTestowe.h"
#include "wspolne/SystemyTestowe.h"

#include <gtest/gtest.h>

#include <functional>

namespace tarvomund {
namespace {

using testy::Los;
using TBet = std::vector<int>;

// A small 6 of 49 history: 12.05.2001 was a Saturday.
std::vector<TObLos> Historia()
{
    return {
        Los({2001, 5, 12}, {4, 5, 6, 20, 33, 41}),  // Saturday
        Los({2001, 5, 16}, {1, 2, 3, 40, 41, 42}),  // Wednesday
        Los({2001, 6, 16}, {6, 5, 4, 41, 33, 20}),  // the first draw again, stored in another order
        Los({2001, 7, 1}, {1, 2, 3, 10, 11, 12}),   // Sunday; three in common with 16.05
        Los({2001, 7, 4}, {7, 17, 27, 37, 47, 48}), // Wednesday
    };
}

class TGenSzukBazaTest : public ::testing::Test {
protected:
    // Runs the search with criterion `kryterium` and the record as `ustaw` leaves it; the result's
    // bets are given in the numbers they stand for.
    std::vector<TBet> Szukaj(int kryterium, const std::function<void(TFiltrSzukBaza&)>& ustaw = {},
                             bool zatrzymany = false)
    {
        TObGraLista gra = testy::Gra649();
        gra.Losowania = Historia();
        TFiltrSzukBaza filtr = TFiltrSzukBaza::DlaGry(gra);
        filtr.Kryteria = {};
        filtr.Kryteria[static_cast<std::size_t>(kryterium - 1)] = true;
        filtr.PlikWyniku = katalog_.Plik("wynik.ss2");
        if (ustaw)
            ustaw(filtr);
        const std::atomic<bool> przerwij{zatrzymany};
        wynik_ = TGenSzukBaza(InfoWynikuSzukania(gra, 6), filtr, gra.Losowania, przerwij, nullptr).Wykonaj();
        system_ = testy::CzytajSystemTestowy(filtr.PlikWyniku);
        std::vector<TBet> zaklady;
        for (const TBet& zaklad : system_.Zaklady) {
            TBet liczby;
            for (int p : zaklad)
                liczby.push_back(system_.Naglowek.Info.Wlasne[1][static_cast<std::size_t>(p - 1)]);
            zaklady.push_back(liczby);
        }
        return zaklady;
    }

    testy::TKatalogTymczasowy katalog_;
    TWynikGeneracji wynik_;
    testy::TSystemZPliku system_;
};

TEST_F(TGenSzukBazaTest, KryteriaWspolneIPowtorzeniaIDaty)
{
    struct TPrzypadek {
        const char* Opis;
        int Kryterium;
        std::function<void(TFiltrSzukBaza&)> Ustaw;
        std::vector<TBet> Znalezione;
    };
    const double maj16 = DniZDaty({2001, 5, 16});
    const std::vector<TPrzypadek> przypadki{
        {"runs of 3; the repeated draw once", 1, [](TFiltrSzukBaza& f) { f.IleKolejnych = 2; },
         {{1, 2, 3, 10, 11, 12}, {1, 2, 3, 40, 41, 42}, {4, 5, 6, 20, 33, 41}}},
        {"within the date range, both ends included", 1,
         [maj16](TFiltrSzukBaza& f) {
             f.IleKolejnych = 2;
             f.OdDaty = maj16;
             f.DoDaty = DniZDaty({2001, 6, 16});
         },
         {{1, 2, 3, 40, 41, 42}, {4, 5, 6, 20, 33, 41}}},
        {"drawn again later with three common numbers", 13, [](TFiltrSzukBaza& f) { f.IlePowtorzonych = 2; },
         {{1, 2, 3, 40, 41, 42}, {4, 5, 6, 20, 33, 41}}},
        {"the later draw may lie outside the range", 13,
         [maj16](TFiltrSzukBaza& f) {
             f.IlePowtorzonych = 5;
             f.DoDaty = maj16;
         },
         {{4, 5, 6, 20, 33, 41}}},
        {"Wednesdays", 14, [](TFiltrSzukBaza& f) { f.DzienTygodnia = 3; },
         {{1, 2, 3, 40, 41, 42}, {7, 17, 27, 37, 47, 48}}},
        {"Sundays", 14, [](TFiltrSzukBaza& f) { f.DzienTygodnia = 0; }, {{1, 2, 3, 10, 11, 12}}},
        {"the 16th of a month", 15, [](TFiltrSzukBaza& f) { f.DzienMiesiaca = 15; },
         {{1, 2, 3, 40, 41, 42}, {4, 5, 6, 20, 33, 41}}},
        {"July", 16, [](TFiltrSzukBaza& f) { f.Miesiac = 6; }, {{1, 2, 3, 10, 11, 12}, {7, 17, 27, 37, 47, 48}}},
        {"nothing with a sum of 1000", 7, [](TFiltrSzukBaza& f) { f.SumaOd = f.SumaDo = 1000; }, {}},
    };
    for (const TPrzypadek& p : przypadki) {
        SCOPED_TRACE(p.Opis);
        EXPECT_EQ(Szukaj(p.Kryterium, p.Ustaw), p.Znalezione);
        EXPECT_EQ(wynik_.Zakladow, static_cast<int32_t>(p.Znalezione.size()));
        EXPECT_FALSE(wynik_.BladPliku);
    }
    // Nothing found: no bets over no numbers.
    EXPECT_EQ(wynik_.n, 0);
    EXPECT_EQ(system_.Naglowek.Info.n, 0);
}

TEST_F(TGenSzukBazaTest, NumeracjaINaglowekWyniku)
{
    // Two draws of three numbers: 3, 7, 12 and 7, 12, 40 are numbered 1..4.
    TObGraLista gra = testy::Gra649();
    gra.IleLosowanych = 3;
    gra.Losowania = {Los({2001, 5, 12}, {12, 3, 7}), Los({2001, 5, 19}, {40, 7, 12})};
    TFiltrSzukBaza filtr = TFiltrSzukBaza::DlaGry(gra);
    filtr.PlikWyniku = katalog_.Plik("wynik.ss2");
    const std::atomic<bool> przerwij{false};
    const TWynikGeneracji wynik =
        TGenSzukBaza(InfoWynikuSzukania(gra, 3), filtr, gra.Losowania, przerwij, nullptr).Wykonaj();
    const testy::TSystemZPliku system = testy::CzytajSystemTestowy(filtr.PlikWyniku);
    EXPECT_EQ(system.Zaklady, (std::vector<TBet>{{1, 2, 3}, {2, 3, 4}}));
    const TInfoGryRec& info = system.Naglowek.Info;
    EXPECT_EQ(info.n, 4);
    EXPECT_EQ(info.k, 3);
    EXPECT_EQ(info.Nazwa, "Lotto 6 z 49");
    EXPECT_EQ(info.Metoda, BrakMetody);
    EXPECT_EQ(info.Gwarancja, 0);
    EXPECT_EQ(std::vector<int>(info.Wlasne[1].begin(), info.Wlasne[1].begin() + 4), (std::vector<int>{3, 7, 12, 40}));
    EXPECT_EQ(info.Wlasne[0][3], 4);
    EXPECT_EQ(info.Wlasne[2][0], 0);
    EXPECT_EQ(std::vector<int>(info.Wystapienia.begin(), info.Wystapienia.begin() + 5),
              (std::vector<int>{1, 2, 2, 1, 0}));
    EXPECT_EQ(wynik.n, 4);
    ASSERT_TRUE(wynik.Wlasne.has_value());
    EXPECT_EQ(wynik.Wlasne->at(1), info.Wlasne[1]);
}

TEST_F(TGenSzukBazaTest, ZatrzymanieKonczySzukanieKryteriowWspolnychIZapis)
{
    // The shared criteria find nothing once stopped.
    EXPECT_TRUE(Szukaj(1, {}, true).empty());
    // The day criteria are still tested, and the writing ends after the first bet.
    EXPECT_EQ(Szukaj(14, [](TFiltrSzukBaza& f) { f.DzienTygodnia = 3; }, true),
              (std::vector<TBet>{{1, 2, 3, 40, 41, 42}}));
    EXPECT_TRUE(wynik_.Przerwano);
    EXPECT_EQ(system_.Naglowek.Info.Zakladow, 1);
}

TEST_F(TGenSzukBazaTest, WiecejNiz120LiczbNieDoZapisania)
{
    // 25 of 150, with every number drawn: the draws found use 150 numbers.
    TObGraLista gra = testy::Gra649();
    gra.IleLiczb = 150;
    gra.IleLosowanych = 25;
    for (int d = 0; d < 6; ++d) {
        std::vector<int> liczby;
        for (int j = 0; j < 25; ++j)
            liczby.push_back(d * 25 + j + 1);
        gra.Losowania.push_back(Los({2001, 5, 1 + d}, liczby));
    }
    TFiltrSzukBaza filtr = TFiltrSzukBaza::DlaGry(gra);
    filtr.PlikWyniku = katalog_.Plik("wynik.ss2");
    const std::atomic<bool> przerwij{false};
    const TWynikGeneracji wynik =
        TGenSzukBaza(InfoWynikuSzukania(gra, 25), filtr, gra.Losowania, przerwij, nullptr).Wykonaj();
    EXPECT_TRUE(wynik.PonadMaxLiczb);
    EXPECT_EQ(wynik.Zakladow, 0);
    EXPECT_EQ(testy::CzytajPlik(filtr.PlikWyniku).size(), DlugoscNaglowkaSystemu);
}

} // namespace
} // namespace tarvomund
