#include "stats/TGenSzukBazaL.h"

#include "stats/Kryteria.h"
#include "stats/WynikSzukania.h"
#include "systems/Kombinatoryka.h"
#include "wspolne/KatalogTymczasowy.h"
#include "wspolne/LosowaniaTestowe.h"
#include "wspolne/SystemyTestowe.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <set>

namespace tarvomund {
namespace {

using testy::Los;
using TBet = std::vector<int>;

TFiltrSzukBazaL Filtr(int kryterium, int ileLiczb = 49)
{
    TFiltrSzukBazaL f;
    f.ZakresDo = ileLiczb - 1;
    f.Kryteria[static_cast<std::size_t>(kryterium - 1)] = true;
    return f;
}

// The sets cut out of one draw, in the order they are found, each in the order collected.
TEST(TGenSzukBazaL, ZbioryZLosowania)
{
    struct TPrzypadek {
        const char* Opis;
        int Kryterium;
        std::function<void(TFiltrSzukBazaL&)> Ustaw;
        std::vector<int> Losowanie;
        std::vector<TBet> Zbiory;
    };
    const std::vector<TPrzypadek> przypadki{
        {"runs of two", 1, [](TFiltrSzukBazaL& f) { f.IleKolejnych = 1; }, {4, 5, 6, 20, 33, 41}, {{4, 5}, {5, 6}}},
        {"runs need the whole run in range", 1,
         [](TFiltrSzukBazaL& f) {
             f.IleKolejnych = 1;
             f.ZakresOd = 4;
         },
         {4, 5, 6, 20, 33, 41}, {{5, 6}}},
        {"even pairs; the fifth even is left over", 2, [](TFiltrSzukBazaL& f) { f.IleParzystych = 1; },
         {2, 4, 6, 9, 10, 12}, {{2, 4}, {6, 10}}},
        {"odd numbers in stored order", 3, [](TFiltrSzukBazaL& f) { f.IleNieparzystych = 1; },
         {9, 3, 4, 7, 1, 8}, {{9, 3}, {7, 1}}},
        {"pairs within intervals of ten", 4,
         [](TFiltrSzukBazaL& f) {
             f.IleWPrzedziale = 1;
             f.PrzedzialWielkosc = 9;
         },
         {1, 2, 3, 12, 13, 25}, {{1, 2}, {12, 13}}},
        {"even pairs within intervals of ten", 5,
         [](TFiltrSzukBazaL& f) {
             f.IleParzystychWPrzedziale = 1;
             f.PrzedzialParzystych = 9;
         },
         {1, 2, 4, 12, 13, 25}, {{2, 4}}},
        {"odd pairs within intervals of twenty", 6,
         [](TFiltrSzukBazaL& f) {
             f.IleNieparzystychWPrzedziale = 1;
             f.PrzedzialNieparzystych = 19;
         },
         {1, 2, 4, 12, 13, 25}, {{1, 13}}},
        {"the first two ending in 1", 7,
         [](TFiltrSzukBazaL& f) {
             f.IleKoncowych = 1;
             f.CyfryKoncowe[1] = true;
         },
         {1, 11, 21, 30, 41, 45}, {{1, 11}}},
        {"final digits digit by digit", 7,
         [](TFiltrSzukBazaL& f) {
             f.IleKoncowych = 1;
             f.CyfryKoncowe[1] = f.CyfryKoncowe[5] = f.CyfryKoncowe[0] = true;
         },
         {1, 11, 21, 30, 41, 45}, {{1, 11}}},
        {"leading digit 4 whatever the range", 8,
         [](TFiltrSzukBazaL& f) {
             f.IlePoczatkowych = 1;
             f.CyfryPoczatkowe[4] = true;
             f.ZakresDo = 9;
         },
         {1, 11, 21, 30, 41, 45}, {{41, 45}}},
        {"no digit chosen", 8, [](TFiltrSzukBazaL&) {}, {1, 11, 21, 30, 41, 45}, {}},
        {"step 10: 31 is missing for 11 21 31", 9,
         [](TFiltrSzukBazaL& f) {
             f.IleZPrzyrostem = 2;
             f.Przyrost = 9;
         },
         {1, 11, 21, 30, 41, 45}, {{1, 11, 21}}},
    };
    for (const TPrzypadek& p : przypadki) {
        SCOPED_TRACE(p.Opis);
        TFiltrSzukBazaL filtr = Filtr(p.Kryterium);
        p.Ustaw(filtr);
        const std::vector<uint8_t> losowanie(p.Losowanie.begin(), p.Losowanie.end());
        std::vector<TBet> zbiory;
        for (const auto& z : ZbioryZLosowania(p.Kryterium, filtr, losowanie.data(), 6, 49))
            zbiory.emplace_back(z.begin(), z.end());
        EXPECT_EQ(zbiory, p.Zbiory);
    }
}

// Never drawn together: the AND of the numbers' draw masks and the draws looked at number by
// number find the same subsets, in lexicographic order.
TEST(TGenSzukBazaL, NigdyRazemMaskamiIPoLiczbie)
{
    std::mt19937 los(7);
    std::vector<TObLos> losowania;
    std::vector<uint8_t> liczby(20);
    for (int i = 0; i < 20; ++i)
        liczby[static_cast<std::size_t>(i)] = static_cast<uint8_t>(i + 1);
    // 70 draws: more than one word of draw bits.
    for (int d = 0; d < 70; ++d) {
        std::shuffle(liczby.begin(), liczby.end(), los);
        TObLos l;
        std::copy_n(liczby.begin(), 5, l.Liczby.begin());
        losowania.push_back(l);
    }
    const std::vector<uint8_t> pula{2, 3, 5, 7, 11, 13, 17, 19, 20};
    const std::atomic<bool> przerwij{false};
    for (int rozmiar = 1; rozmiar <= 4; ++rozmiar) {
        SCOPED_TRACE(rozmiar);
        std::vector<TBet> zMasek;
        std::vector<TBet> poLiczbie;
        EXPECT_TRUE(SzukajNigdyRazem(pula, rozmiar, losowania, 5, TSposobNigdy::Maski, przerwij, nullptr,
                                     [&](const uint8_t* z) { zMasek.emplace_back(z, z + rozmiar); }));
        EXPECT_TRUE(SzukajNigdyRazem(pula, rozmiar, losowania, 5, TSposobNigdy::PoLiczbie, przerwij, nullptr,
                                     [&](const uint8_t* z) { poLiczbie.emplace_back(z, z + rozmiar); }));
        EXPECT_EQ(zMasek, poLiczbie);
        EXPECT_TRUE(std::is_sorted(zMasek.begin(), zMasek.end()));
        if (rozmiar >= 3) {
            EXPECT_FALSE(zMasek.empty());
        }
    }
}

class TGenSzukBazaLTest : public ::testing::Test {
protected:
    TWynikGeneracji Szukaj(const TObGraLista& gra, TFiltrSzukBazaL filtr, bool zatrzymany = false)
    {
        filtr.OdDaty = 0;
        filtr.DoDaty = 1e6;
        filtr.PlikWyniku = katalog_.Plik("wynik.ss2");
        const std::atomic<bool> przerwij{zatrzymany};
        const TWynikGeneracji wynik =
            TGenSzukBazaL(InfoWynikuSzukania(gra, RozmiarZbioru(filtr)), filtr, gra.Losowania, przerwij, nullptr)
                .Wykonaj();
        system_ = testy::CzytajSystemTestowy(filtr.PlikWyniku);
        zbiory_.clear();
        for (const TBet& zaklad : system_.Zaklady) {
            TBet liczby;
            for (int p : zaklad)
                liczby.push_back(system_.Naglowek.Info.Wlasne[1][static_cast<std::size_t>(p - 1)]);
            zbiory_.push_back(liczby);
        }
        return wynik;
    }

    testy::TKatalogTymczasowy katalog_;
    testy::TSystemZPliku system_;
    std::vector<TBet> zbiory_;
};

TEST_F(TGenSzukBazaLTest, NigdyRazemWZakresieLiczb)
{
    TObGraLista gra = testy::Gra649();
    gra.Losowania = {Los({2001, 5, 12}, {1, 2, 9, 20, 30, 40}), Los({2001, 5, 19}, {3, 4, 5, 21, 31, 41}),
                     Los({2010, 1, 2}, {1, 3, 22, 32, 42, 43})};
    TFiltrSzukBazaL filtr = Filtr(10);
    filtr.IleNigdy = 1;
    filtr.ZakresOd = 0;
    filtr.ZakresDo = 4;
    // Of the ten pairs of 1..5, 1-2, 3-4, 3-5, 4-5 and 1-3 were drawn together.
    Szukaj(gra, filtr);
    EXPECT_EQ(zbiory_, (std::vector<TBet>{{1, 4}, {1, 5}, {2, 3}, {2, 4}, {2, 5}}));
    EXPECT_EQ(system_.Naglowek.Info.k, 2);
    EXPECT_EQ(system_.Naglowek.Info.n, 5);
    EXPECT_EQ(std::vector<int>(system_.Naglowek.Info.Wystapienia.begin(), system_.Naglowek.Info.Wystapienia.begin() + 5),
              (std::vector<int>{2, 3, 1, 2, 2}));

    // The last draw lies outside the dates: 1-3 was never drawn then.
    TObGraLista wczesniej = gra;
    wczesniej.Losowania.pop_back();
    Szukaj(wczesniej, filtr);
    EXPECT_EQ(zbiory_.size(), 6u);
    EXPECT_EQ(zbiory_.front(), (TBet{1, 3}));

    // A range smaller than the set: nothing, and a valid empty system.
    filtr.IleNigdy = 5;
    const TWynikGeneracji wynik = Szukaj(gra, filtr);
    EXPECT_TRUE(zbiory_.empty());
    EXPECT_EQ(wynik.n, 0);
    EXPECT_FALSE(wynik.BladPliku);
}

TEST_F(TGenSzukBazaLTest, ZbioryZWieluLosowanRazITylkoWZakresieDat)
{
    TObGraLista gra = testy::Gra649();
    gra.Losowania = {Los({2001, 5, 12}, {4, 5, 6, 20, 33, 41}), Los({2001, 5, 19}, {5, 6, 7, 21, 31, 44}),
                     Los({2001, 5, 26}, {40, 41, 1, 2, 3, 9})};
    TFiltrSzukBazaL filtr = Filtr(1);
    filtr.IleKolejnych = 1;
    Szukaj(gra, filtr);
    // 5 6 found twice gives one bet; the bets come out in ascending order, numbered over 1..8 used.
    EXPECT_EQ(zbiory_, (std::vector<TBet>{{1, 2}, {2, 3}, {4, 5}, {5, 6}, {6, 7}, {40, 41}}));
    EXPECT_EQ(system_.Naglowek.Info.n, 9);
    EXPECT_EQ(system_.Zaklady.front(), (TBet{1, 2}));
    EXPECT_EQ(system_.Zaklady.back(), (TBet{8, 9}));
}

TEST_F(TGenSzukBazaLTest, ZatrzymanieIZaDuzoLiczb)
{
    // Stopped while enumerating the pairs of 1..49 never drawn (there are no draws): the sets found
    // so far are all written.
    TObGraLista gra = testy::Gra649();
    TFiltrSzukBazaL filtr = Filtr(10);
    filtr.IleNigdy = 1;
    TWynikGeneracji wynik = Szukaj(gra, filtr, true);
    EXPECT_TRUE(wynik.Przerwano);
    EXPECT_GT(wynik.Zakladow, 0);
    EXPECT_LT(wynik.Zakladow, 49 * 48 / 2);
    EXPECT_EQ(zbiory_.front(), (TBet{1, 2}));
    EXPECT_TRUE(std::is_sorted(zbiory_.begin(), zbiory_.end()));

    // Single numbers of 1..150 never drawn: 150 numbers, more than a system can number.
    gra.IleLiczb = 150;
    filtr = Filtr(10, 150);
    wynik = Szukaj(gra, filtr);
    EXPECT_TRUE(wynik.PonadMaxLiczb);
    EXPECT_EQ(wynik.Zakladow, 0);
    EXPECT_EQ(testy::CzytajPlik(katalog_.Plik("wynik.ss2")).size(), DlugoscNaglowkaSystemu);

    // No criterion chosen: nothing found.
    filtr.Kryteria = {};
    wynik = Szukaj(gra, filtr);
    EXPECT_EQ(wynik.Zakladow, 0);
}

} // namespace
} // namespace tarvomund
