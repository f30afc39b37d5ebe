#include "slips/EdytorBlankietu.h"

#include "slips/SkalaBlankietu.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tarvomund {
namespace {

// At zoom 150 one millimetre is 3 pixels.
class EdytorBlankietu : public ::testing::Test {
protected:
    TEdPole& Pole(uint8_t rodzaj, double x, double y)
    {
        TEdPole& p = e_.Blankiet().DodajPole(TEdPole::Nowe(rodzaj, x, y));
        p.PrzeliczPiksele(e_.Skok());
        return p;
    }
    std::vector<const TEdPole*> Zaznaczone() const
    {
        std::vector<const TEdPole*> wynik;
        for (const TEdPolePom& w : e_.Zaznaczenie())
            wynik.push_back(w.Pole);
        return wynik;
    }
    std::vector<double> Prowadnice(uint8_t kier) const
    {
        std::vector<double> wynik;
        for (const auto& p : e_.Blankiet().Prowadnice)
            if (p->Kier == kier)
                wynik.push_back(p->PozMm);
        return wynik;
    }

    TEdytorBlankietu e_;
};

TEST_F(EdytorBlankietu, StanPoczatkowyISkala)
{
    EXPECT_EQ(e_.Skala(), 150);
    EXPECT_EQ(e_.Skok(), 3);
    EXPECT_EQ(e_.Narzedzie(), NarzedzieStrzalka);
    EXPECT_TRUE(e_.ProwadniceWidoczne());
    // Saved, but without a file the marker shows.
    EXPECT_TRUE(e_.Zapisany());
    EXPECT_TRUE(e_.PokazZnacznik());
    EXPECT_EQ(e_.SzerokoscObrazu(), RozmiarNaPiksele(185, 3));

    TEdPole& p = Pole(RodzajBelkaPozioma, 10, 10);
    e_.UstawSkale(600);
    EXPECT_EQ(e_.Skok(), 12);
    EXPECT_EQ(p.Piksele.Lewy, MmNaPiksele(10, 12));
    EXPECT_FALSE(e_.MoznaPowiekszyc());
    e_.UstawSkale(650);
    EXPECT_EQ(e_.Skala(), 600);
    e_.UstawSkale(0);
    EXPECT_EQ(e_.Skala(), 50);
    EXPECT_FALSE(e_.MoznaPomniejszyc());
    EXPECT_TRUE(e_.MoznaPowiekszyc());

    e_.Zapisano("a.bln");
    EXPECT_FALSE(e_.PokazZnacznik());
    e_.Zmieniono();
    EXPECT_TRUE(e_.PokazZnacznik());
    EXPECT_FALSE(e_.Zapisany());
}

TEST_F(EdytorBlankietu, NarzedzieRodzajuStawiaPoleWPunkcieKlikniecia)
{
    e_.Zapisano("a.bln");
    e_.UstawNarzedzie(RodzajKrzyzyk);
    e_.Wcisnij(30, 45, false);
    ASSERT_EQ(e_.Blankiet().Pola.size(), 1u);
    const TEdPole& p = *e_.Blankiet().Pola[0];
    EXPECT_EQ(p.Rodzaj, RodzajKrzyzyk);
    EXPECT_DOUBLE_EQ(p.PozX, 10);
    EXPECT_DOUBLE_EQ(p.PozY, 15);
    EXPECT_DOUBLE_EQ(p.SzerPola, 4.0);
    EXPECT_DOUBLE_EQ(p.Grubosc, 0.7);
    EXPECT_EQ(p.NrPola, 1);
    EXPECT_EQ(p.NrGrupy, 0);
    EXPECT_EQ(Zaznaczone(), std::vector<const TEdPole*>{&p});
    EXPECT_FALSE(e_.Zapisany());
    // The tool stays: a second click places a second field.
    e_.Zwolnij(30, 45, 0, 0);
    e_.Wcisnij(90, 45, false);
    EXPECT_EQ(e_.Blankiet().Pola.size(), 2u);
    EXPECT_EQ(Zaznaczone().size(), 1u);
}

TEST_F(EdytorBlankietu, ZaznaczanieKliknieciemShiftemIPrzesuwanie)
{
    TEdPole& a = Pole(RodzajBelkaPozioma, 10, 10); // pixels 30..42 × 30..36.9
    TEdPole& b = Pole(RodzajBelkaPozioma, 20, 10);
    e_.Wcisnij(31, 31, false);
    EXPECT_EQ(Zaznaczone(), std::vector<const TEdPole*>{&a});
    EXPECT_EQ(e_.Przeciaganie(), TPrzeciaganie::Przesuwanie);
    e_.Zwolnij(31, 31, 0, 0);
    e_.Wcisnij(61, 31, true);
    EXPECT_EQ(Zaznaczone(), (std::vector<const TEdPole*>{&a, &b}));
    EXPECT_EQ(e_.Przeciaganie(), TPrzeciaganie::Brak);
    e_.Zwolnij(61, 31, 0, 0);

    // Dragging moves the working copies only; the fields follow on release, in whole pixels.
    e_.Wcisnij(31, 31, false);
    e_.Przesun(37, 34);
    EXPECT_DOUBLE_EQ(a.PozX, 10);
    EXPECT_DOUBLE_EQ(e_.Zaznaczenie()[0].X, (a.Piksele.Lewy + 6) / 3.0);
    e_.Zwolnij(40, 37, 0, 0);
    EXPECT_DOUBLE_EQ(a.PozX, (MmNaPiksele(10, 3) + 9) / 3.0);
    EXPECT_DOUBLE_EQ(b.PozY, (MmNaPiksele(10, 3) + 6) / 3.0);

    // Shift on a selected field takes it out of the selection.
    e_.Wcisnij(b.Piksele.Lewy + 1, b.Piksele.Gorny + 1, true);
    EXPECT_EQ(Zaznaczone(), std::vector<const TEdPole*>{&a});
    // A click on the empty slip clears the selection.
    e_.Zwolnij(0, 0, 0, 0);
    e_.Wcisnij(400, 200, false);
    EXPECT_TRUE(Zaznaczone().empty());
}

TEST_F(EdytorBlankietu, TrafienieNajpierwWZaznaczonych)
{
    TEdPole& spod = Pole(RodzajElipsa, 10, 10);
    TEdPole& wierzch = Pole(RodzajElipsa, 11, 11);
    // Where the two overlap, the first in field order is hit...
    EXPECT_EQ(e_.PoleW(36, 36), &spod);
    // ...unless the other one is selected.
    e_.Wcisnij(wierzch.Piksele.Lewy + 10, wierzch.Piksele.Gorny + 10, false);
    EXPECT_EQ(e_.PoleW(36, 36), &wierzch);
    // Edges belong to the field.
    EXPECT_EQ(e_.PoleW(spod.Piksele.Lewy, spod.Piksele.Gorny), &spod);
    EXPECT_EQ(e_.PoleW(spod.Piksele.Lewy - 1, spod.Piksele.Gorny), nullptr);
}

TEST_F(EdytorBlankietu, RamkaZaznaczaPolaZLewymGornymRogiemWSrodku)
{
    const TEdPole& a = Pole(RodzajBelkaPozioma, 10, 10);
    const TEdPole& b = Pole(RodzajBelkaPozioma, 20, 10);
    Pole(RodzajBelkaPozioma, 40, 40);
    // A band over the right part of b misses it: its top left corner stays outside.
    e_.Wcisnij(b.Piksele.Lewy + 5, 60, false);
    EXPECT_EQ(e_.Przeciaganie(), TPrzeciaganie::Ramka);
    e_.Zwolnij(200, 20, 0, 0);
    EXPECT_TRUE(Zaznaczone().empty());
    // Drawn from bottom right to top left, edges included.
    e_.Wcisnij(b.Piksele.Lewy, 60, false);
    e_.Zwolnij(a.Piksele.Lewy, a.Piksele.Gorny, 0, 0);
    EXPECT_EQ(Zaznaczone(), (std::vector<const TEdPole*>{&a, &b}));
}

TEST_F(EdytorBlankietu, ProwadniceZLinijekUpuszczaneISciagane)
{
    EXPECT_TRUE(e_.DodajProwadnice(ProwadnicaPionowa, 60));
    EXPECT_FALSE(e_.DodajProwadnice(ProwadnicaPionowa, 60)); // equal: not added
    EXPECT_TRUE(e_.DodajProwadnice(ProwadnicaPozioma, 60));
    EXPECT_TRUE(e_.DodajProwadnice(ProwadnicaPionowa, 90));
    EXPECT_EQ(Prowadnice(ProwadnicaPionowa), (std::vector<double>{20, 30}));

    // Dropping the guide at 90 onto the one at 60 leaves one guide.
    e_.Wcisnij(91, 200, false);
    EXPECT_EQ(e_.Przeciaganie(), TPrzeciaganie::Prowadnica);
    e_.Zwolnij(60, 200, 0, 0);
    EXPECT_EQ(Prowadnice(ProwadnicaPionowa), (std::vector<double>{20}));
    // Dragged back onto the ruler (left of the view) it is gone.
    e_.Wcisnij(60, 300, false);
    e_.Zwolnij(-5, 300, 0, 0);
    EXPECT_TRUE(Prowadnice(ProwadnicaPionowa).empty());
    // A horizontal guide above a scrolled view, or below the slip, is gone too.
    e_.Wcisnij(200, 60, false);
    e_.Zwolnij(200, 40, 0, 50);
    EXPECT_TRUE(Prowadnice(ProwadnicaPozioma).empty());
    // Hidden guides cannot be hit.
    e_.DodajProwadnice(ProwadnicaPozioma, 60);
    e_.UstawProwadniceWidoczne(false);
    EXPECT_EQ(e_.ProwadnicaW(100, 60), nullptr);
}

TEST_F(EdytorBlankietu, ProwadniceWRownychOdstepach)
{
    struct TPrzypadek {
        double Od, Do, Czesci;
        std::vector<double> Oczekiwane;
    };
    const TPrzypadek przypadki[] = {
        {10, 50, 5, {10, 20, 30, 40, 50}},
        {50, 10, 5, {10, 20, 30, 40, 50}},
        {10, 30, 1, {10, 30}},
        {10, 30, 0, {10, 30}},
        {10, 30, 2.6, {10, 20, 30}},
    };
    for (const TPrzypadek& p : przypadki) {
        e_.UsunProwadnice();
        EXPECT_EQ(e_.WstawProwadnice(p.Od, p.Do, p.Czesci, ProwadnicaPozioma),
                  static_cast<int>(p.Oczekiwane.size()));
        EXPECT_EQ(Prowadnice(ProwadnicaPozioma), p.Oczekiwane) << p.Czesci;
        EXPECT_TRUE(Prowadnice(ProwadnicaPionowa).empty());
    }
    // Inserting again adds nothing new.
    EXPECT_EQ(e_.WstawProwadnice(10, 30, 3, ProwadnicaPozioma), 0);
    EXPECT_EQ(Prowadnice(ProwadnicaPozioma).size(), 3u);
}

TEST_F(EdytorBlankietu, WyrownanieDoProwadnic)
{
    TEdPole& waskie = Pole(RodzajBelkaPionowa, 12, 10); // 2.3 wide
    TEdPole& szerokie = Pole(RodzajTekstPoziomy, 15, 30); // 20 wide
    e_.ZaznaczWszystko();
    EXPECT_FALSE(e_.Wyrownaj(1)); // no guide yet
    e_.Blankiet().DodajProwadnice(ProwadnicaPionowa, 0);
    e_.Blankiet().DodajProwadnice(ProwadnicaPionowa, -4);
    EXPECT_FALSE(e_.Wyrownaj(1)); // guides at 0 and below do not count
    e_.Blankiet().DodajProwadnice(ProwadnicaPionowa, 8);
    e_.Blankiet().DodajProwadnice(ProwadnicaPionowa, 50);
    e_.Zapisano("a.bln");

    struct TPrzypadek {
        int Przycisk;
        double WaskieX, SzerokieX;
    };
    const TPrzypadek przypadki[] = {
        {1, 8, 8},          // both left edges to the guide at 8
        {2, 8, 11},         // the block moves by 8 − 12
        {4, 47.7, 30},      // right edges to the guide at 50 (right of the rightmost, 15 + 20)
        {3, 12 + 15, 30},   // the block moves by 50 − 35
    };
    for (const TPrzypadek& p : przypadki) {
        waskie.PozX = 12;
        szerokie.PozX = 15;
        e_.ZaznaczWszystko();
        EXPECT_TRUE(e_.Wyrownaj(p.Przycisk)) << p.Przycisk;
        EXPECT_NEAR(waskie.PozX, p.WaskieX, 1e-9) << "A" << p.Przycisk;
        EXPECT_NEAR(szerokie.PozX, p.SzerokieX, 1e-9) << "A" << p.Przycisk;
        EXPECT_NEAR(e_.Zaznaczenie()[0].X, waskie.PozX, 1e-9);
    }
    EXPECT_FALSE(e_.Zapisany());
    // A5 and A7 use horizontal guides: bottoms to the guide below the lowest field.
    e_.Blankiet().DodajProwadnice(ProwadnicaPozioma, 40);
    EXPECT_FALSE(e_.Wyrownaj(5)); // none above the top field at 10
    EXPECT_TRUE(e_.Wyrownaj(8));
    EXPECT_NEAR(waskie.PozY, 40 - 4.0, 1e-9);
    EXPECT_NEAR(szerokie.PozY, 40 - 4.0, 1e-9);
}

TEST_F(EdytorBlankietu, KopiujWytnijWstaw)
{
    TEdPole& a = Pole(RodzajElipsa, 10, 10);
    a.NrPola = 7;
    e_.ZaznaczWszystko();
    e_.Kopiuj();
    e_.Wstaw();
    e_.Wstaw();
    ASSERT_EQ(e_.Blankiet().Pola.size(), 3u);
    // Both pastes land 1 mm right and down from the copy, with new Ids; the last is selected.
    for (std::size_t i = 1; i < 3; ++i) {
        const TEdPole& p = *e_.Blankiet().Pola[i];
        EXPECT_DOUBLE_EQ(p.PozX, 11);
        EXPECT_DOUBLE_EQ(p.PozY, 11);
        EXPECT_EQ(p.NrPola, 7);
        EXPECT_NE(p.Id, a.Id);
    }
    EXPECT_NE(e_.Blankiet().Pola[1]->Id, e_.Blankiet().Pola[2]->Id);
    EXPECT_EQ(Zaznaczone(), std::vector<const TEdPole*>{e_.Blankiet().Pola[2].get()});

    e_.Wytnij();
    EXPECT_EQ(e_.Blankiet().Pola.size(), 2u);
    EXPECT_TRUE(Zaznaczone().empty());
    EXPECT_EQ(e_.WSchowku(), 1u);

    e_.Blankiet().DodajGrupe("Zakład", false);
    e_.Blankiet().DodajProwadnice(ProwadnicaPozioma, 5);
    e_.UsunWszystko();
    EXPECT_TRUE(e_.Blankiet().Pola.empty());
    EXPECT_TRUE(e_.Blankiet().Grupy.empty());
    EXPECT_EQ(e_.Blankiet().Prowadnice.size(), 1u);
}

TEST_F(EdytorBlankietu, ParametryKilkuPolZachowujaPozycjeINumery)
{
    TEdPole& a = Pole(RodzajBelkaPozioma, 10, 10);
    TEdPole& b = Pole(RodzajElipsa, 30, 20);
    a.NrPola = 3;
    b.NrPola = 4;
    e_.ZaznaczWszystko();
    TParametryPola p;
    p.SzerPola = 5;
    p.WysPola = 6;
    p.SzerZaz = 4;
    p.WysZaz = 5;
    p.Grubosc = 0.5;
    p.PozX = 99;
    p.PozY = 99;
    p.NrPola = 9;
    p.NrGrupy = 2;
    e_.UstawParametry(p);
    for (const TEdPole* pole : {&a, &b}) {
        EXPECT_DOUBLE_EQ(pole->SzerPola, 5);
        EXPECT_DOUBLE_EQ(pole->WysZaz, 5);
        EXPECT_EQ(pole->NrGrupy, 2);
    }
    EXPECT_DOUBLE_EQ(a.PozX, 10);
    EXPECT_DOUBLE_EQ(b.PozX, 30);
    EXPECT_EQ(a.NrPola, 3);
    EXPECT_EQ(b.NrPola, 4);
    EXPECT_EQ(a.Rodzaj, RodzajBelkaPozioma); // no kind chosen: each keeps its own
    EXPECT_EQ(b.Rodzaj, RodzajElipsa);

    // One field takes the position and the number too, and the kind chosen.
    e_.WyczyscZaznaczenie();
    e_.Wcisnij(a.Piksele.Lewy + 1, a.Piksele.Gorny + 1, false);
    e_.Zwolnij(a.Piksele.Lewy + 1, a.Piksele.Gorny + 1, 0, 0);
    p.NrGrupy.reset();
    p.Rodzaj = RodzajKrzyzyk;
    e_.UstawParametry(p);
    EXPECT_DOUBLE_EQ(a.PozX, 99);
    EXPECT_EQ(a.NrPola, 9);
    EXPECT_EQ(a.NrGrupy, 2); // no group chosen: the group stays
    EXPECT_EQ(a.Rodzaj, RodzajKrzyzyk);
    EXPECT_EQ(a.Piksele.Lewy, MmNaPiksele(99, 3));
}

TEST_F(EdytorBlankietu, WczytanieZastepujeWszystkoTakzeUkryteProwadnice)
{
    Pole(RodzajElipsa, 10, 10);
    e_.DodajProwadnice(ProwadnicaPionowa, 30);
    e_.UstawProwadniceWidoczne(false);
    e_.ZaznaczWszystko();
    TBlankietOb z;
    z.DodajProwadnice(ProwadnicaPozioma, 12);
    e_.Wczytano(std::move(z), "z.bln");
    EXPECT_TRUE(e_.Blankiet().Pola.empty());
    EXPECT_TRUE(e_.Zaznaczenie().empty());
    EXPECT_TRUE(Prowadnice(ProwadnicaPionowa).empty());
    EXPECT_EQ(Prowadnice(ProwadnicaPozioma), std::vector<double>{12});
    EXPECT_EQ(e_.Blankiet().Prowadnice[0]->Poz, MmNaPiksele(12, 3));
    EXPECT_TRUE(e_.Zapisany());
    EXPECT_FALSE(e_.PokazZnacznik());

    e_.UstawRozmiarZTla(720, 360);
    EXPECT_NEAR(e_.Blankiet().Szer, 254, 1e-9);
    EXPECT_NEAR(e_.Blankiet().Wys, 127, 1e-9);
    EXPECT_FALSE(e_.Zapisany());
}

} // namespace
} // namespace tarvomund
