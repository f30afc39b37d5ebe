#include "slips/SkalaBlankietu.h"
#include "slips/TBlankietOb.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tarvomund {
namespace {

TEST(SkalaBlankietu, SkokZaokraglanyDoParzystej)
{
    const std::pair<int, int> przypadki[] = {{50, 1}, {75, 2}, {100, 2}, {125, 2}, {150, 3}, {175, 4},
                                             {250, 5}, {600, 12}, {0, 1}, {-100, 1}};
    for (const auto& [skala, skok] : przypadki)
        EXPECT_EQ(SkokDlaSkali(skala), skok) << skala;
}

TEST(SkalaBlankietu, MilimetryNaPikseleIZPowrotem)
{
    struct TPrzypadek {
        double Mm;
        int Skok;
        int32_t Piksele;
        int32_t Rozmiar;
    };
    const TPrzypadek przypadki[] = {
        {0.0, 3, -1, 0},      // zero millimetres lie just left of the picture
        {10.0, 3, 30, 31},    // Round(10 × 3 + 1) − 1
        {10.0, 1, 9, 10},     // one pixel per millimetre: L − L / 1 is 0, so no + 1
        {0.5, 3, 1, 2},       // 2.5 rounds to the even 2
        {1.5, 1, 1, 2},       // 1.5 rounds to 2
        {185.0, 3, 555, 556},
        {-1.0, 3, -4, -3},
        {2.3, 12, 28, 29},    // 27.6 + 1 = 28.6 → 29
    };
    for (const TPrzypadek& p : przypadki) {
        EXPECT_EQ(MmNaPiksele(p.Mm, p.Skok), p.Piksele) << p.Mm << " mm at " << p.Skok;
        EXPECT_EQ(RozmiarNaPiksele(p.Mm, p.Skok), p.Rozmiar) << p.Mm << " mm at " << p.Skok;
    }
    EXPECT_EQ(PikseleNaMm(7, 2), 3.5);
    EXPECT_EQ(PikseleNaMm(7, 0), 7.0);
    // Values no screen can show are held at the ends of the pixel range instead of overflowing.
    EXPECT_EQ(RozmiarNaPiksele(1e300, 12), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(MmNaPiksele(-1e300, 12), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(MmNaPiksele(std::nan(""), 3), -1);
}

TEST(TBlankietOb, NoweUkladIPoleMajaSwojeWartosciDomyslne)
{
    const TBlankietOb b;
    EXPECT_FALSE(b.Pilkarski);
    EXPECT_EQ(b.KodGry, 0);
    EXPECT_EQ(b.Nazwa, "Blankiet 1");
    EXPECT_EQ(b.Szer, 185.0);
    EXPECT_EQ(b.Wys, 82.0);
    EXPECT_TRUE(b.Pola.empty() && b.Grupy.empty() && b.Prowadnice.empty());

    struct TRodzaj {
        uint8_t Rodzaj;
        TRozmiaryPola Rozmiary;
    };
    const TRodzaj rodzaje[] = {
        {1, {4.0, 2.3, 3.4, 1.0, 1.0}},  {2, {2.3, 4.0, 1.0, 3.4, 1.0}},   {3, {4.0, 4.0, 2.4, 2.4, 0.7}},
        {4, {4.0, 4.0, 3.4, 3.4, 1.0}},  {5, {20.0, 4.0, 19.0, 3.0, 1.0}}, {6, {4.0, 20.0, 3.0, 19.0, 1.0}},
    };
    uint32_t poprzedniId = 0;
    for (const TRodzaj& r : rodzaje) {
        const TEdPole p = TEdPole::Nowe(r.Rodzaj, 10, 20);
        EXPECT_EQ(p.Rodzaj, r.Rodzaj);
        EXPECT_EQ(p.SzerPola, r.Rozmiary.SzerPola) << int(r.Rodzaj);
        EXPECT_EQ(p.WysPola, r.Rozmiary.WysPola) << int(r.Rodzaj);
        EXPECT_EQ(p.SzerZaz, r.Rozmiary.SzerZaz) << int(r.Rodzaj);
        EXPECT_EQ(p.WysZaz, r.Rozmiary.WysZaz) << int(r.Rodzaj);
        EXPECT_EQ(p.Grubosc, r.Rozmiary.Grubosc) << int(r.Rodzaj);
        EXPECT_EQ(p.NrPola, 1);
        EXPECT_EQ(p.NrGrupy, 0);
        EXPECT_EQ(p.Kolor, KolorPolaZwykly);
        EXPECT_GT(p.Id, poprzedniId);
        poprzedniId = p.Id;
    }
}

TEST(TBlankietOb, ZaznaczenieNaSrodkuPolaIPikseleWedlugSkoku)
{
    TEdPole p = TEdPole::Nowe(RodzajKrzyzyk, 10, 20);
    EXPECT_DOUBLE_EQ(p.ZazX(), 10.8);
    EXPECT_DOUBLE_EQ(p.ZazY(), 20.8);
    p.PrzeliczPiksele(3);
    EXPECT_EQ(p.Piksele.Lewy, 30);
    EXPECT_EQ(p.Piksele.Gorny, 60);
    EXPECT_EQ(p.Piksele.Szer, 12);
    EXPECT_EQ(p.Piksele.SzerZaz, 7); // 2.4 × 3 + 1 = 8.2 → 8, − 1
    EXPECT_EQ(p.Piksele.Pioro, 2);

    TBlankietOb b;
    TEdPole& pole = b.DodajPole(TEdPole::Nowe(RodzajElipsa, 1, 1));
    TProwOb& prowadnica = b.DodajProwadnice(ProwadnicaPionowa, 5);
    b.UstawSkok(12);
    EXPECT_EQ(pole.Piksele.Lewy, 12);
    EXPECT_EQ(prowadnica.Poz, 60);
}

TEST(TBlankietOb, PolaIProwadniceZachowujaAdresy)
{
    TBlankietOb b;
    TEdPole& pierwsze = b.DodajPole(TEdPole::Nowe(RodzajElipsa, 1, 1));
    for (int i = 0; i < 100; ++i)
        b.DodajPole(TEdPole::Nowe(RodzajElipsa, i, i));
    EXPECT_EQ(b.Pola.front().get(), &pierwsze);
    EXPECT_TRUE(b.UsunPole(&pierwsze));
    EXPECT_FALSE(b.UsunPole(&pierwsze));
    EXPECT_EQ(b.Pola.size(), 100u);

    b.DodajProwadnice(ProwadnicaPozioma, 1);
    const TProwOb& pionowa = b.DodajProwadnice(ProwadnicaPionowa, 2);
    b.DodajProwadnice(ProwadnicaPozioma, 3);
    EXPECT_EQ(b.IleProwadnic(ProwadnicaPozioma), 2u);
    EXPECT_TRUE(b.UsunProwadnice(&pionowa));
    EXPECT_EQ(b.IleProwadnic(ProwadnicaPionowa), 0u);
}

TEST(TBlankietOb, NumeryGrupNajmniejszeWolneAzDoLimitu)
{
    TBlankietOb b;
    EXPECT_EQ(b.DodajGrupe("A", false)->Nr, 0);
    EXPECT_EQ(b.DodajGrupe("B", true, true, 5)->Nr, 1);
    EXPECT_EQ(b.DodajGrupe("C", false)->Nr, 2);
    b.Grupy.erase(b.Grupy.begin() + 1);
    EXPECT_EQ(b.WolnyNumerGrupy(), 1);
    const TGrupaOb* d = b.DodajGrupe("D", true, false, 3);
    EXPECT_EQ(d->Nr, 1);
    EXPECT_TRUE(d->Specjalna);
    EXPECT_EQ(d->Pocz, 3);
    EXPECT_EQ(b.Grupa(1)->Nazwa, "D");
    EXPECT_EQ(b.Grupa(9), nullptr);

    // Group numbers are reused: with every group gone the next one is 0 again.
    b.UsunPolaIGrupy();
    EXPECT_EQ(b.DodajGrupe("E", false)->Nr, 0);

    // The header holds 255 groups: the 256th is refused, though one number is still free.
    while (b.Grupy.size() < MaxGrupBlankietu)
        ASSERT_NE(b.DodajGrupe("x", false), nullptr);
    EXPECT_EQ(b.Grupy.back().Nr, 254);
    EXPECT_EQ(b.WolnyNumerGrupy(), std::nullopt);
    EXPECT_EQ(b.DodajGrupe("za dużo", false), nullptr);
    EXPECT_EQ(b.Grupy.size(), MaxGrupBlankietu);
}

TEST(TBlankietOb, PierwszePoleONumerzeWGrupie)
{
    TBlankietOb b;
    b.DodajGrupe("A", false);
    b.DodajGrupe("B", false);
    TEdPole& a3 = b.DodajPole(TEdPole::Nowe(RodzajElipsa, 1, 1));
    a3.NrPola = 3;
    TEdPole& b3 = b.DodajPole(TEdPole::Nowe(RodzajElipsa, 2, 2));
    b3.NrPola = 3;
    b3.NrGrupy = 1;
    b.DodajPole(a3).Id = NowyIdPola(); // a second field for number 3 of group A
    EXPECT_EQ(b.Pole(0, 3), &a3);
    EXPECT_EQ(b.Pole(1, 3), &b3);
    EXPECT_EQ(b.Pole(1, 4), nullptr);
}

} // namespace
} // namespace tarvomund
