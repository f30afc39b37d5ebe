#include "slips/WydrukListy.h"

#include "wspolne/SystemyTestowe.h"

#include <gtest/gtest.h>

namespace tarvomund {
namespace {

TEST(WydrukListy, TytulSystemuLiczbowegoIPilkarskiego)
{
    TInfoGryRec liczbowy = testy::InfoSystemuLiczbowego(12, 6);
    liczbowy.Zakladow = 20;
    liczbowy.Metoda = 1;
    EXPECT_EQ(TytulListy(liczbowy), "Metoda skrócona równomierna 6/12/20 Lotto");
    liczbowy.Metoda = BrakMetody;
    EXPECT_EQ(TytulListy(liczbowy), " 6/12/20 Lotto");

    TInfoGryRec pilkarski = testy::InfoSystemuPilkarskiego(13);
    pilkarski.Zakladow = 8;
    pilkarski.Metoda = 0;
    EXPECT_EQ(TytulListy(pilkarski), "Metoda pełna 13/8");
}

TEST(WydrukListy, WierszeZWlasnymiLiczbamiIBezNich)
{
    TInfoGryRec info = testy::InfoSystemuLiczbowego(12, 6);
    info.Zakladow = 120;
    const uint8_t wlasne[] = {5, 7, 12, 19, 23, 31, 36, 40, 41, 44, 47, 49};
    std::copy(std::begin(wlasne), std::end(wlasne), info.Wlasne[1].begin());
    const uint8_t zaklad[] = {1, 2, 3, 10, 11, 12};

    struct TPrzypadek {
        int32_t Nr;
        bool Wlasne;
        int IleLiczb;
        const char* Wiersz;
    };
    const TPrzypadek przypadki[] = {
        {7, true, 49, "(  7)  5, 7,12,44,47,49"},
        {7, false, 49, "(  7)  1, 2, 3,10,11,12"},
        {120, false, 49, "(120)  1, 2, 3,10,11,12"},
        {1, false, 100, "(  1)   1,  2,  3, 10, 11, 12"},
    };
    for (const TPrzypadek& p : przypadki) {
        info.IleLiczb = p.IleLiczb;
        EXPECT_EQ(WierszListy(p.Nr, zaklad, info, p.Wlasne), p.Wiersz);
    }
}

TEST(WydrukListy, WierszeIWzorSystemuPilkarskiego)
{
    TInfoGryRec info = testy::InfoSystemuPilkarskiego(5);
    info.Zakladow = 9;
    const uint8_t zaklad[] = {1, 2, 3, 0, 1};
    // Own numbers are never looked up for signs, whatever the tick says.
    EXPECT_EQ(WierszListy(4, zaklad, info, true), "(4) 1,x,2,-,1");
    EXPECT_EQ(WzorWierszaListy(info), "(8) 8,8,8,8,8");

    TInfoGryRec liczbowy = testy::InfoSystemuLiczbowego(10, 3);
    liczbowy.Zakladow = 1500;
    EXPECT_EQ(WzorWierszaListy(liczbowy), "(8888) 88,88,88");
    liczbowy.IleLiczb = 100;
    EXPECT_EQ(WzorWierszaListy(liczbowy), "(8888) 888,888,888");
}

TEST(WydrukListy, GeometriaStronyIKolumn)
{
    struct TPrzypadek {
        int Kolumn;
        int Kolumna;
    };
    // W 1000, H 2000: m 100, o 50, g 100, U 900.
    const TPrzypadek przypadki[] = {{1, 900}, {2, 400}, {3, 233}, {0, 900}, {7, 233}};
    for (const TPrzypadek& p : przypadki) {
        const TGeometriaListy g = GeometriaListy(1000, 2000, p.Kolumn);
        EXPECT_EQ(g.Margines, 100);
        EXPECT_EQ(g.Lewy, 50);
        EXPECT_EQ(g.Odstep, 100);
        EXPECT_EQ(g.Szerokosc, 900);
        EXPECT_EQ(g.Kolumna, p.Kolumna) << p.Kolumn;
        EXPECT_EQ(g.Dol, 1800);
    }
    const TGeometriaListy g = GeometriaListy(1000, 2000, 3);
    EXPECT_EQ(g.LewyKolumny(0), 50);
    EXPECT_EQ(g.LewyKolumny(2), 50 + 2 * 233 + 2 * 100);
    // Lines stand from y 100 on and end while their bottom stays above 1800: 100 + i × 50 + 50 < 1800.
    EXPECT_EQ(WierszyWKolumnie(g, 50), 33);
    EXPECT_EQ(WierszyWKolumnie(g, 51), 33);
    // A line taller than the page still moves the list on.
    EXPECT_EQ(WierszyWKolumnie(g, 5000), 1);
    EXPECT_EQ(WierszyWKolumnie(g, 0), 1);
}

} // namespace
} // namespace tarvomund
