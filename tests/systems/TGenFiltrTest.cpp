#include "systems/TGenFiltr.h"

#include "model/Wspolne.h"
#include "systems/PrzesiewSystemu.h"
#include "wspolne/KatalogTymczasowy.h"
#include "wspolne/LosowaniaTestowe.h"
#include "wspolne/PrzesiewTestowy.h"
#include "wspolne/SystemyTestowe.h"

#include <gtest/gtest.h>

#include <functional>

namespace tarvomund {
namespace {

using testy::Los;
using TBet = std::vector<int>;

class TGenFiltrTest : public ::testing::Test {
protected:
    // Writes the source system (positions over n with these own numbers), puts its copy into the
    // result store as the main window does, runs the filter and reads the result back.
    TWynikGeneracji Filtruj(int numer, const std::function<void(TFiltr&)>& ustaw, const std::vector<TBet>& zaklady,
                            int32_t n = 49, const std::vector<int>& wlasne = {}, bool zatrzymany = false)
    {
        return testy::Przesiej<TGenFiltr, TFiltr>(katalog_, numer, ustaw, zaklady, n, wlasne, zatrzymany, wynik_);
    }

    testy::TKatalogTymczasowy katalog_;
    testy::TSystemZPliku wynik_;
};

TEST_F(TGenFiltrTest, FiltryUsuwajaZakladyKryteriowIDat)
{
    const std::vector<TBet> zaklady{{1, 2, 3, 4, 5, 6},      {2, 4, 6, 31, 33, 35},  {2, 4, 7, 31, 33, 35},
                                    {10, 20, 30, 40, 41, 49}, {11, 21, 31, 41, 43, 47}, {1, 3, 5, 7, 9, 49}};
    struct TPrzypadek {
        const char* Opis;
        int Filtr;
        std::function<void(TFiltr&)> Ustaw;
        std::vector<TBet> Zostaja;
    };
    const std::vector<TPrzypadek> przypadki{
        {"three or more even numbers go", 2, [](TFiltr& f) { f.IleParzystych = 2; },
         {{1, 3, 5, 7, 9, 49}, {2, 4, 7, 31, 33, 35}, {11, 21, 31, 41, 43, 47}}},
        {"only even numbers up to 10 count", 2,
         [](TFiltr& f) {
             f.IleParzystych = 2;
             f.ZakresDo = 9;
         },
         {{1, 3, 5, 7, 9, 49}, {2, 4, 7, 31, 33, 35}, {10, 20, 30, 40, 41, 49}, {11, 21, 31, 41, 43, 47}}},
        {"sums of 100..150 given reversed go", 7,
         [](TFiltr& f) {
             f.SumaOd = 150;
             f.SumaDo = 100;
         },
         {{1, 2, 3, 4, 5, 6}, {1, 3, 5, 7, 9, 49}, {10, 20, 30, 40, 41, 49}, {11, 21, 31, 41, 43, 47}}},
        {"bets sharing three numbers with a draw of the range go", 13,
         [](TFiltr& f) {
             f.IlePowtorzonych = 2;
             f.OdDaty = f.DoDaty = DniZDaty({2001, 5, 12});
         },
         {{1, 3, 5, 7, 9, 49}, {2, 4, 7, 31, 33, 35}, {10, 20, 30, 40, 41, 49}, {11, 21, 31, 41, 43, 47}}},
        {"a date range without draws keeps every bet", 13,
         [](TFiltr& f) {
             f.IlePowtorzonych = 2;
             f.OdDaty = f.DoDaty = DniZDaty({2001, 5, 13});
         },
         {{1, 2, 3, 4, 5, 6}, {1, 3, 5, 7, 9, 49}, {2, 4, 6, 31, 33, 35}, {2, 4, 7, 31, 33, 35},
          {10, 20, 30, 40, 41, 49}, {11, 21, 31, 41, 43, 47}}},
    };
    for (const TPrzypadek& p : przypadki) {
        SCOPED_TRACE(p.Opis);
        const TWynikGeneracji wynik = Filtruj(p.Filtr, p.Ustaw, zaklady);
        EXPECT_EQ(wynik_.Zaklady, p.Zostaja);
        EXPECT_EQ(wynik.Zakladow, static_cast<int32_t>(p.Zostaja.size()));
    }
}

TEST_F(TGenFiltrTest, PozycjeIDuplikatyINaglowek)
{
    std::vector<TBet> zaklady;
    for (int i = 10; i >= 1; --i)
        zaklady.push_back({i, i + 1, i + 2});
    // Bets 3..5 of the source (the bets 8, 7 and 6) go; the rest stay in ascending order.
    Filtruj(14,
            [](TFiltr& f) {
                f.PozycjaOd = 5;
                f.PozycjaDo = 3;
            },
            zaklady, 12, {40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 1, 2});
    EXPECT_EQ(wynik_.Zaklady,
              (std::vector<TBet>{{1, 2, 3}, {2, 3, 4}, {3, 4, 5}, {4, 5, 6}, {5, 6, 7}, {9, 10, 11}, {10, 11, 12}}));
    const TInfoGryRec& info = wynik_.Naglowek.Info;
    // n, guarantee and own numbers stay the source's; the method is none; counts of the kept bets.
    EXPECT_EQ(info.n, 12);
    EXPECT_EQ(info.Gwarancja, 3);
    EXPECT_EQ(info.Metoda, BrakMetody);
    EXPECT_EQ(info.Wlasne[1][0], 40);
    EXPECT_EQ(info.Wystapienia[2], 3);
    EXPECT_EQ(info.Wystapienia[6], 1);
    EXPECT_EQ(info.Wystapienia[7], 0);

    // A bet held twice comes out once.
    Filtruj(9, {}, {{1, 2, 3}, {2, 3, 4}, {1, 2, 3}}, 5);
    EXPECT_EQ(wynik_.Zaklady, (std::vector<TBet>{{1, 2, 3}}));
}

TEST_F(TGenFiltrTest, KryteriaPatrzaNaLiczbyWlasne)
{
    // Positions 1..3 stand for 10, 11, 12: bet 1 2 3 holds a run of three, bet 1 3 4 does not.
    const TWynikGeneracji wynik =
        Filtruj(1, [](TFiltr& f) { f.IleKolejnych = 2; }, {{1, 2, 3}, {1, 3, 4}}, 4, {10, 11, 12, 30});
    EXPECT_EQ(wynik_.Zaklady, (std::vector<TBet>{{1, 3, 4}}));
    ASSERT_TRUE(wynik.Wlasne.has_value());
    EXPECT_EQ((*wynik.Wlasne)[1][3], 30);
}

TEST_F(TGenFiltrTest, ZatrzymanieIPustyWybor)
{
    // Stopped while reading: the writing stops after its first bet.
    const TWynikGeneracji wynik = Filtruj(8, {}, {{1, 2, 3}, {2, 3, 5}}, 5, {}, true);
    EXPECT_TRUE(wynik.Przerwano);
    EXPECT_LE(wynik_.Zaklady.size(), 1u);
    // No filter chosen: nothing runs and the store keeps the source's copy.
    const TWynikGeneracji nic = Filtruj(
        1, [](TFiltr& f) { f.Kryteria = {}; }, {{1, 2, 3}, {2, 3, 5}}, 5);
    EXPECT_TRUE(nic.BezZmian);
    EXPECT_EQ(wynik_.Zaklady.size(), 2u);
}

} // namespace
} // namespace tarvomund
