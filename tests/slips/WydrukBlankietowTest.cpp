#include "slips/WydrukBlankietow.h"

#include "wspolne/BlankietyTestowe.h"
#include "wspolne/KatalogTymczasowy.h"
#include "wspolne/SystemyTestowe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace tarvomund {
namespace {

using testy::BlankietLiczbowy;
using testy::BlankietPilkarskiTestowy;
using testy::TKatalogTymczasowy;
using testy::TZakladTestowy;

void OczekujProstokat(const TProstokatMm& r, double lewy, double gorny, double szer, double wys)
{
    EXPECT_NEAR(r.Lewy, lewy, 1e-9);
    EXPECT_NEAR(r.Gorny, gorny, 1e-9);
    EXPECT_NEAR(r.Szer, szer, 1e-9);
    EXPECT_NEAR(r.Wys, wys, 1e-9);
}

TEST(WydrukBlankietow, PolePolozoneNaStronieWObuUlozeniach)
{
    TEdPole pole = TEdPole::Nowe(RodzajBelkaPozioma, 10, 20); // 4 × 2.3 field, 3.4 × 1 mark
    const double wys = 82;
    {
        SCOPED_TRACE("across the page, turned a quarter turn clockwise");
        const TPoleNaStronie p = PolozPole(pole, wys, {5, 7, false});
        OczekujProstokat(p.Pole, 5 + 82 - 20 - 2.3, 7 + 10, 2.3, 4);
        OczekujProstokat(p.Zaznaczenie, 5 + 82 - 20 - (2.3 + 1) / 2, 7 + 10 + 0.3, 1, 3.4);
        // The mark stays centred in the field.
        EXPECT_NEAR(p.Zaznaczenie.Lewy + p.Zaznaczenie.Szer / 2, p.Pole.Lewy + p.Pole.Szer / 2, 1e-9);
        EXPECT_NEAR(p.Zaznaczenie.Gorny + p.Zaznaczenie.Wys / 2, p.Pole.Gorny + p.Pole.Wys / 2, 1e-9);
        OczekujProstokat(ObrysBlankietu(185, 82, {5, 7, false}), 5, 7, 82, 185);
    }
    {
        SCOPED_TRACE("as drawn");
        const TPoleNaStronie p = PolozPole(pole, wys, {5, 7, true});
        OczekujProstokat(p.Pole, 15, 27, 4, 2.3);
        OczekujProstokat(p.Zaznaczenie, 15.3, 27.65, 3.4, 1);
        OczekujProstokat(ObrysBlankietu(185, 82, {5, 7, true}), 5, 7, 185, 82);
    }
    // The slip's top left corner lands at the right end of its place when not turned: a field at
    // the slip's origin touches the right edge of the outline.
    pole.PozX = pole.PozY = 0;
    const TPoleNaStronie rog = PolozPole(pole, wys, {0, 0, false});
    EXPECT_NEAR(rog.Pole.Prawy(), 82, 1e-9);
    EXPECT_NEAR(rog.Pole.Gorny, 0, 1e-9);
}

TEST(WydrukBlankietow, UkladLiczyGrupyZakladowPolaIOpcje)
{
    TBlankietOb b = BlankietLiczbowy(3, 49, 1, 10);
    // An empty bet group still takes a bet; a special group without fields offers nothing.
    b.DodajGrupe("Pusta", false);
    b.DodajGrupe("Bez pól", true);
    const TUkladDruku u = UkladDruku(b);
    EXPECT_EQ(u.ZakladowNaBlankiecie(), 4u);
    EXPECT_EQ(u.NajwiekszyNrPola, 49);
    ASSERT_EQ(u.Opcje.size(), 1u);
    EXPECT_EQ(u.Opcje[0].Nazwa, "Losowania");
    EXPECT_EQ(u.Opcje[0].IlePol, 10);
    EXPECT_EQ(u.Opcje[0].Najwieksza(), 10);

    EXPECT_EQ(IleBlankietow(25, 10), 3);
    EXPECT_EQ(IleBlankietow(20, 10), 2);
    EXPECT_EQ(IleBlankietow(0, 10), 0);
    EXPECT_EQ(IleBlankietow(25, 0), 0);
}

TEST(WydrukBlankietow, ZakresBlankietowPoprawianyJakPrzyDrukowaniu)
{
    struct TPrzypadek {
        int32_t Od, Do, Ile;
        int32_t OczOd, OczDo;
    };
    const TPrzypadek przypadki[] = {
        {1, 3, 3, 1, 3}, {0, 0, 3, 1, 1}, {3, 1, 3, 1, 3}, {2, 9, 3, 2, 3}, {3, 3, 3, 3, 3}, {0, 5, 0, 1, 0},
    };
    for (const TPrzypadek& p : przypadki) {
        const TZakresBlankietow z = ZakresDruku(p.Od, p.Do, p.Ile);
        EXPECT_EQ(z.Od, p.OczOd) << p.Od << ".." << p.Do;
        EXPECT_EQ(z.Do, p.OczDo) << p.Od << ".." << p.Do;
    }
    EXPECT_EQ(ZakresDruku(0, 5, 0).Ile(), 0);
}

// Marks grouped by the group they fall into, each as the set of field numbers marked.
std::map<uint8_t, std::set<int>> ZnakiWGrupach(const std::vector<TZnakBlankietu>& znaki)
{
    std::map<uint8_t, std::set<int>> wynik;
    for (const TZnakBlankietu& z : znaki)
        wynik[z.Pole->NrGrupy].insert(z.Pole->NrPola);
    return wynik;
}

class DrukSystemu : public ::testing::Test {
protected:
    std::string System(const TInfoGryRec& info, const std::vector<TZakladTestowy>& zaklady)
    {
        const std::string plik = katalog_.Plik("system.ss2");
        EXPECT_TRUE(testy::ZapiszSystemTestowy(plik, info, zaklady));
        return plik;
    }

    TKatalogTymczasowy katalog_;
};

TEST_F(DrukSystemu, DwadziesciaPiecZakladowNaBlankietachPoDziesiec)
{
    // Bet b holds the numbers b, b+1, ..., b+5 (positions; own numbers are 1..120 unchanged).
    std::vector<TZakladTestowy> zaklady;
    for (int b = 1; b <= 25; ++b)
        zaklady.push_back({b, b + 1, b + 2, b + 3, b + 4, b + 5});
    const std::string plik = System(testy::InfoSystemuLiczbowego(30, 6), zaklady);
    const TBlankietOb blankiet = BlankietLiczbowy(10, 49, 1);

    TDrukBlankietow druk(blankiet, plik, {}, 3, 3);
    ASSERT_EQ(druk.Blad(), TBladDrukuBlankietow::Brak);
    EXPECT_EQ(druk.IleBlankietowSystemu(), 3);
    const auto strona = druk.Nastepna();
    ASSERT_TRUE(strona);
    EXPECT_FALSE(druk.Nastepna());
    EXPECT_EQ(strona->NrBlankietu, 3);
    EXPECT_EQ(strona->PierwszyZaklad, 21);
    EXPECT_EQ(strona->IleZakladow, 5);

    const auto grupy = ZnakiWGrupach(strona->Znaki);
    // Groups 0..4 hold bets 21..25; groups 5..9 stay empty.
    ASSERT_EQ(grupy.size(), 5u);
    for (int g = 0; g < 5; ++g) {
        const int b = 21 + g;
        EXPECT_EQ(grupy.at(static_cast<uint8_t>(g)), (std::set<int>{b, b + 1, b + 2, b + 3, b + 4, b + 5})) << g;
    }
    for (const TZnakBlankietu& z : strona->Znaki)
        EXPECT_EQ(z.Tekst, EtykietaBlankietu(3, 21 + z.Pole->NrGrupy));

    // All three slips, in order, and a reversed range with a 0 comes out the same.
    TDrukBlankietow wszystkie(blankiet, plik, {}, 0, 3);
    std::vector<int> pierwsze;
    while (const auto s = wszystkie.Nastepna())
        pierwsze.push_back(s->PierwszyZaklad);
    EXPECT_EQ(pierwsze, (std::vector<int>{1, 11, 21}));
}

TEST_F(DrukSystemu, WlasneLiczbyWskazujaPolaBlankietu)
{
    TInfoGryRec info = testy::InfoSystemuLiczbowego(6, 6);
    const uint8_t wlasne[] = {3, 9, 17, 25, 33, 49};
    std::copy(std::begin(wlasne), std::end(wlasne), info.Wlasne[1].begin());
    const std::string plik = System(info, {{1, 2, 3, 4, 5, 6}});
    const TBlankietOb blankiet = BlankietLiczbowy(2, 49, 1);
    TDrukBlankietow druk(blankiet, plik, {}, 1, 1);
    const auto strona = druk.Nastepna();
    ASSERT_TRUE(strona);
    EXPECT_EQ(ZnakiWGrupach(strona->Znaki), (std::map<uint8_t, std::set<int>>{{0, {3, 9, 17, 25, 33, 49}}}));
}

TEST_F(DrukSystemu, ZnakiPilkarskie)
{
    // Match 1 "2", match 2 "x", match 3 without a sign, match 4 "1".
    const std::string plik = System(testy::InfoSystemuPilkarskiego(4), {{3, 2, 0, 1}, {1, 1, 1, 1}});
    const TBlankietOb blankiet = BlankietPilkarskiTestowy(2, 4);
    TDrukBlankietow druk(blankiet, plik, {}, 1, 1);
    ASSERT_EQ(druk.Blad(), TBladDrukuBlankietow::Brak);
    const auto strona = druk.Nastepna();
    ASSERT_TRUE(strona);
    const auto grupy = ZnakiWGrupach(strona->Znaki);
    EXPECT_EQ(grupy.at(0), (std::set<int>{3, 5, 10}));
    EXPECT_EQ(grupy.at(1), (std::set<int>{1, 4, 7, 10}));
}

TEST_F(DrukSystemu, BledyUkladuISystemu)
{
    const std::string plik = System(testy::InfoSystemuLiczbowego(10, 6), {{1, 2, 3, 4, 5, 6}});
    // A slip with 40 numbers cannot hold a bet of a 49 game.
    const TBlankietOb zaMalo = BlankietLiczbowy(2, 40, 1);
    EXPECT_EQ(TDrukBlankietow(zaMalo, plik, {}, 1, 1).Blad(), TBladDrukuBlankietow::ZaMaloPol);
    TBlankietOb bezZakladow;
    bezZakladow.DodajGrupe("Losowania", true);
    EXPECT_EQ(TDrukBlankietow(bezZakladow, plik, {}, 1, 1).Blad(), TBladDrukuBlankietow::BrakGrupZakladow);
    const TBlankietOb dobry = BlankietLiczbowy(2, 49, 1);
    TDrukBlankietow brak(dobry, katalog_.Plik("brak.ss2"), {}, 1, 1);
    EXPECT_EQ(brak.Blad(), TBladDrukuBlankietow::BrakSystemu);
    EXPECT_FALSE(brak.Nastepna());
}

TEST(WydrukBlankietow, OpcjeSpecjalneIPierwszePoleONumerze)
{
    TBlankietOb b = BlankietLiczbowy(1, 49, 1, 10);
    const uint8_t losowania = b.Grupy.back().Nr;
    b.Grupa(losowania)->Pocz = 5;
    const uint8_t jedno = b.DodajGrupe("Plus", true, true)->Nr;
    TEdPole& plus = b.DodajPole(TEdPole::Nowe(RodzajTekstPoziomy, 100, 70));
    plus.NrGrupy = jedno;
    // A second field numbered 3 in the bet group: the first one in field order is marked.
    TEdPole& drugie = b.DodajPole(TEdPole::Nowe(RodzajElipsa, 150, 70));
    drugie.NrGrupy = 0;
    drugie.NrPola = 3;

    const TUkladDruku u = UkladDruku(b);
    ASSERT_EQ(u.Opcje.size(), 2u);
    EXPECT_EQ(u.Opcje[0].Pocz, 5);
    EXPECT_EQ(u.Opcje[0].Najwieksza(), 14);
    const std::vector<TOpcjaDruku> domyslne = OpcjeDomyslne(u);
    ASSERT_EQ(domyslne.size(), 2u);
    EXPECT_FALSE(domyslne[0].Zaznaczona);
    EXPECT_EQ(domyslne[0].Wartosc, 5);
    EXPECT_TRUE(domyslne[1].Zaznaczona);

    TTablicaLiczb wlasne{};
    for (int i = 0; i < MaxLiczbSystemu; ++i)
        wlasne[static_cast<std::size_t>(i)] = static_cast<uint8_t>(i + 1);
    const TIndeksPol indeks(b);
    const std::vector<TOpcjaDruku> opcje{{losowania, true, 7}, {jedno, true, 1}};
    const auto znaki = ZnakiBlankietu(b, indeks, u, opcje, 2, 11, {{1, 2, 3}}, wlasne);
    ASSERT_EQ(znaki.size(), 5u);
    // Value 7 of a group counting from 5 marks its field 3.
    EXPECT_EQ(znaki[0].Pole->NrGrupy, losowania);
    EXPECT_EQ(znaki[0].Pole->NrPola, 3);
    // The one-field option prints its text field with the label of the slip's first bet.
    EXPECT_EQ(znaki[1].Pole, &plus);
    EXPECT_EQ(znaki[1].Tekst, "Bl.2 Zakl.11");
    EXPECT_NE(znaki[4].Pole, &drugie);
    EXPECT_EQ(znaki[4].Pole->NrPola, 3);

    // Un-ticked options mark nothing.
    const auto bezOpcji = ZnakiBlankietu(b, indeks, u, OpcjeDomyslne(u), 1, 1, {}, wlasne);
    ASSERT_EQ(bezOpcji.size(), 1u);
    EXPECT_EQ(bezOpcji[0].Pole, &plus);
}

TEST(WydrukBlankietow, TestZaznaczaKazdePole)
{
    TBlankietOb b = BlankietLiczbowy(2, 49, 1, 4);
    const auto znaki = ZnakiTestu(b);
    // Every field, the special group's un-ticked crosses too, in group order.
    EXPECT_EQ(znaki.size(), b.Pola.size());
    std::set<const TEdPole*> pola;
    for (const TZnakBlankietu& z : znaki) {
        pola.insert(z.Pole);
        EXPECT_EQ(z.Tekst, TekstTestuBlankietu);
    }
    EXPECT_EQ(pola.size(), b.Pola.size());
    EXPECT_EQ(znaki.front().Pole->NrGrupy, b.Grupy.front().Nr);
    EXPECT_EQ(znaki.back().Pole->NrGrupy, b.Grupy.back().Nr);
}

TEST(WydrukBlankietow, ProstokatyGrupNaPodgladzie)
{
    TBlankietOb b;
    b.Wys = 82;
    const uint8_t g = b.DodajGrupe("Zakład", false)->Nr;
    b.DodajGrupe("Pusta", true);
    for (double x : {10.2, 30.0}) {
        TEdPole& p = b.DodajPole(TEdPole::Nowe(RodzajBelkaPozioma, x, 20.4));
        p.NrGrupy = g;
    }
    // As drawn: x 10.2..34, y 20.4..22.7, moved by the rounded offsets (3, 5).
    const auto prosto = EkranyGrup(b, {3.4, 4.6, true});
    ASSERT_EQ(prosto.size(), 1u);
    EXPECT_FALSE(prosto[0].Specjalna);
    EXPECT_EQ(std::vector<int>({prosto[0].Lewy, prosto[0].Gorny, prosto[0].Prawy, prosto[0].Dolny}),
              std::vector<int>({13, 25, 37, 28}));
    // Turned: page x 82 − 22.7 .. 82 − 20.4 = 59.3..61.6, page y 10.2..34.
    const auto obrocone = EkranyGrup(b, {0, 0, false});
    ASSERT_EQ(obrocone.size(), 1u);
    EXPECT_EQ(std::vector<int>({obrocone[0].Lewy, obrocone[0].Gorny, obrocone[0].Prawy, obrocone[0].Dolny}),
              std::vector<int>({59, 10, 62, 34}));
}

} // namespace
} // namespace tarvomund
