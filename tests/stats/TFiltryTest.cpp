#include "stats/TFiltry.h"

#include <gtest/gtest.h>

namespace tarvomund {
namespace {

TObGraLista Gra(int32_t liczb, std::initializer_list<double> daty)
{
    TObGraLista gra;
    gra.IleLiczb = liczb;
    gra.IleLosowanych = 6;
    for (double d : daty) {
        TObLos los;
        los.Data = d;
        gra.Losowania.push_back(los);
    }
    return gra;
}

TEST(TPamiecFiltrow, PierwszeUzycieWypelniaZGryPozniejZostajaOstatnie)
{
    TPamiecFiltrow pamiec;
    const TObGraLista lotek = Gra(49, {20847, 30000, 46000});
    const TObGraLista mini = Gra(42, {29000, 29500});
    EXPECT_TRUE(pamiec.PierwszeUzycie(TPamietaneParametry::Filtry));

    TFiltr& filtr = pamiec.Filtr(lotek);
    EXPECT_FALSE(pamiec.PierwszeUzycie(TPamietaneParametry::Filtry));
    EXPECT_TRUE(pamiec.PierwszeUzycie(TPamietaneParametry::SzukajWBazie));
    EXPECT_DOUBLE_EQ(filtr.OdDaty, 20847);
    EXPECT_DOUBLE_EQ(filtr.DoDaty, 46000);
    EXPECT_EQ(filtr.ZakresOd, 0);
    EXPECT_EQ(filtr.ZakresDo, 48);
    EXPECT_TRUE(filtr.Kryteria[0]);
    EXPECT_EQ(std::count(filtr.Kryteria.begin(), filtr.Kryteria.end(), true), 1);
    EXPECT_EQ(filtr.SumaOd, 1);
    EXPECT_EQ(filtr.SumaDo, 1000);
    EXPECT_EQ(filtr.PozycjaOd, 1);
    EXPECT_EQ(filtr.PozycjaDo, 1);
    EXPECT_EQ(std::count(filtr.CyfryKoncowe.begin(), filtr.CyfryKoncowe.end(), true), 0);

    // The next command starts from what the last one left, even for another game.
    filtr.SumaOd = 100;
    filtr.Kryteria = {};
    filtr.Kryteria[6] = true;
    const TFiltr& znowu = pamiec.Filtr(mini);
    EXPECT_EQ(znowu.SumaOd, 100);
    EXPECT_TRUE(znowu.Kryteria[6]);
    EXPECT_EQ(znowu.ZakresDo, 48);

    // Each search keeps its own record, filled at its own first use.
    const TFiltrSzukBaza& baza = pamiec.SzukajWBazie(mini);
    EXPECT_DOUBLE_EQ(baza.OdDaty, 29000);
    EXPECT_EQ(baza.ZakresDo, 41);
    EXPECT_TRUE(baza.Kryteria[0]);
    EXPECT_EQ(pamiec.SzukajWBazieLiczb(lotek).ZakresDo, 48);
    EXPECT_EQ(pamiec.SzukajWSystemie(lotek).SumaDo, 1000);
    for (auto p : {TPamietaneParametry::SzukajWBazie, TPamietaneParametry::SzukajWBazieLiczb,
                   TPamietaneParametry::SzukajWSystemie})
        EXPECT_FALSE(pamiec.PierwszeUzycie(p));

    // A game without draws leaves the dates at zero.
    TPamiecFiltrow pusta;
    EXPECT_DOUBLE_EQ(pusta.SzukajWSystemie(Gra(80, {})).DoDaty, 0.0);
}

} // namespace
} // namespace tarvomund
