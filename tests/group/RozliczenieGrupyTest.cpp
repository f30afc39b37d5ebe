#include "group/RozliczenieGrupy.h"

#include "group/TekstyGrupy.h"
#include "wspolne/GrupyTestowe.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace tarvomund {
namespace {

using testy::GraGrupy;
using testy::Grupa;

std::vector<std::string> Wiersz(const TTabelaGrupy& tabela, std::size_t i)
{
    return tabela.Wiersze.at(i);
}

TEST(RozliczenieGrupy, CzesciKosztowIWygranych)
{
    // Cost 100 without a win split in halves; a win of 1000 at 25 %; a share of 0; somebody who
    // keeps a share but does not play.
    TGrupa grupa = Grupa({"Adam", "Beata", "Cyryl", "Dorota"},
                         {GraGrupy(37023, "Lotek", 100, 0, {{0, 50}, {1, 50}}),
                          GraGrupy(37024, "Keno", 40, 1000, {{2, 25}, {3, 0}})});
    grupa.Gry[1].Uczestnicy[0].Udzial = TWartoscExt::Z(75); // kept, but Adam does not play game 2

    const TRozliczenie r = Rozlicz(grupa);
    ASSERT_EQ(r.Pozycje.size(), 4u);
    const TTabelaGrupy t = TabelaRozliczenia(grupa, r);
    using W = std::vector<std::string>;
    EXPECT_EQ(Wiersz(t, 0), (W{"So 12.05.2001", "Lotek", "Adam", "      50,00", " 50,00", "       0,00", "     -50,00"}));
    EXPECT_EQ(Wiersz(t, 1), (W{"So 12.05.2001", "Lotek", "Beata", "      50,00", " 50,00", "       0,00", "     -50,00"}));
    EXPECT_EQ(Wiersz(t, 2), (W{"Nd 13.05.2001", "Keno", "Cyryl", "      10,00", " 25,00", "     250,00", "+     240,00"}));
    EXPECT_EQ(Wiersz(t, 3), (W{"Nd 13.05.2001", "Keno", "Dorota", "       0,00", "  0,00", "       0,00", "       0,00"}));
    EXPECT_EQ(r.SumaKosztow, 110);
    EXPECT_EQ(r.SumaWygranych, 250);
    EXPECT_EQ(t.Sumy, (std::array<std::string, 3>{"     110,00", "     250,00", "+     140,00"}));

    // The shares of one game: only those who play, in place order.
    const auto udzialy = TabelaUdzialow(grupa.Naglowek, grupa.Gry[1]);
    ASSERT_EQ(udzialy.size(), 2u);
    EXPECT_EQ(udzialy[0], (W{"Cyryl", " 25,00 %", "      10,00", "     250,00"}));
    EXPECT_EQ(udzialy[1], (W{"Dorota", "  0,00 %", "       0,00", "       0,00"}));

    // The game list: amounts as "%11.2f", the balance of each game and of the whole group.
    const TTabelaGrupy lista = TabelaListyGier(grupa);
    EXPECT_EQ(Wiersz(lista, 0), (W{"1", "So 12.05.2001", "Lotek", "     100,00", "       0,00", "    -100,00"}));
    EXPECT_EQ(Wiersz(lista, 1), (W{"2", "Nd 13.05.2001", "Keno", "      40,00", "    1000,00", "     960,00"}));
    EXPECT_EQ(lista.Sumy, (std::array<std::string, 3>{"     140,00", "    1000,00", "     860,00"}));
}

TEST(RozliczenieGrupy, JedenGraczBezGierToPustaTabela)
{
    const TGrupa grupa = Grupa({"Adam", "Beata"}, {GraGrupy(37023, "Lotek", 100, 0, {{0, 100}})});
    const TRozliczenie r = Rozlicz(grupa, 1);
    EXPECT_TRUE(r.Pozycje.empty());
    const TTabelaGrupy t = TabelaRozliczenia(grupa, r);
    EXPECT_TRUE(t.Wiersze.empty());
    EXPECT_EQ(t.Sumy, (std::array<std::string, 3>{}));
    EXPECT_EQ(Rozlicz(grupa, 0).Pozycje.size(), 1u);
    // A group without games totals to zero in its window.
    EXPECT_EQ(TabelaListyGier(Grupa({})).Sumy, (std::array<std::string, 3>{"       0,00", "       0,00", "       0,00"}));
}

TEST(RozliczenieGrupy, DziesiecGierTrzechGraczyTo30WierszyWKolejnosci)
{
    TGrupa grupa = Grupa({"A", "B", "C"});
    for (int i = 0; i < 10; ++i)
        grupa.Gry.push_back(GraGrupy(37023 + i, std::string("G").append(std::to_string(i)), 30, 3, {{2, 20}, {0, 30}, {1, 50}}));
    const TRozliczenie r = Rozlicz(grupa);
    ASSERT_EQ(r.Pozycje.size(), 30u);
    for (std::size_t i = 0; i < r.Pozycje.size(); ++i) {
        EXPECT_EQ(r.Pozycje[i].Gra, i / 3);
        EXPECT_EQ(r.Pozycje[i].Miejsce, static_cast<int>(i % 3));
    }
    EXPECT_NEAR(r.SumaKosztow, 300, 1e-9);
    EXPECT_NEAR(r.SumaWygranych, 30, 1e-9);
}

TEST(RozliczenieGrupy, PodzialRownyISumaUdzialow)
{
    TGraGrupy gra = GraGrupy(37023, "Lotek", 10, 0, {{0, 1}, {3, 1}, {7, 1}});
    gra.Uczestnicy[1].Udzial = TWartoscExt::Z(90); // does not play, keeps the share
    PodzielRowno(gra);
    EXPECT_EQ(gra.Uczestnicy[0].Udzial.Wartosc(), 100.0 / 3);
    EXPECT_EQ(gra.Uczestnicy[7].Udzial.Wartosc(), 100.0 / 3);
    EXPECT_EQ(gra.Uczestnicy[1].Udzial.Wartosc(), 90);
    EXPECT_EQ(UdzialF(gra.Uczestnicy[3].Udzial.Wartosc()) + " %", " 33,33 %");
    // Three thirds are a whole, not more, whatever the last bit of the sum.
    EXPECT_FALSE(UdzialyPrzekraczaja100(gra));
    for (int grajacych : {6, 7, 11, 49, 50}) {
        TGraGrupy wielu;
        for (int j = 0; j < grajacych; ++j)
            wielu.Uczestnicy[static_cast<std::size_t>(j)].Gra = true;
        PodzielRowno(wielu);
        EXPECT_FALSE(UdzialyPrzekraczaja100(wielu)) << grajacych;
        EXPECT_NEAR(SumaUdzialow(wielu), 100, 1e-9);
    }

    const TGraGrupy za_duzo = GraGrupy(37023, "Lotek", 10, 0, {{0, 60}, {1, 50}});
    EXPECT_TRUE(UdzialyPrzekraczaja100(za_duzo));
    EXPECT_EQ(SumaUdzialow(za_duzo), 110);
    EXPECT_TRUE(UdzialyPrzekraczaja100(GraGrupy(37023, "Lotek", 10, 0, {{0, 100.01}})));
    EXPECT_FALSE(UdzialyPrzekraczaja100(GraGrupy(37023, "Lotek", 10, 0, {{0, 100}})));
    TGraGrupy nikt;
    PodzielRowno(nikt); // nobody plays: nothing to split
    EXPECT_EQ(SumaUdzialow(nikt), 0);
}

// An independent settlement in whole numbers: amounts in grosz, shares in hundredths of a percent,
// so a part is exactly grosz × hundredths / 10 000 grosz.
struct TCalkowita {
    int64_t Licznik = 0; // in millionths of a zloty
};

// The text of Licznik millionths rounded to grosz, "%11.2n"-style with a leading "+" on request.
std::string Tekst(int64_t milionowe, bool plus)
{
    const int64_t reszta = std::llabs(milionowe) % 10000;
    EXPECT_NE(reszta, 5000) << "the fixture must not fall on a half grosz";
    const int64_t grosze = (std::llabs(milionowe) + 5000) / 10000;
    std::string zlote = std::to_string(grosze / 100);
    std::string pogrupowane;
    for (std::size_t i = 0; i < zlote.size(); ++i) {
        if (i > 0 && (zlote.size() - i) % 3 == 0)
            pogrupowane += ' ';
        pogrupowane += zlote[i];
    }
    std::string gr = std::to_string(grosze % 100);
    if (gr.size() == 1)
        gr = "0" + gr;
    std::string tekst = (milionowe < 0 && grosze != 0 ? "-" : "") + pogrupowane + "," + gr;
    while (tekst.size() < 11)
        tekst = " " + tekst;
    return (plus && milionowe > 0 && grosze != 0 ? "+" : "") + tekst;
}

TEST(RozliczenieGrupy, PieciuGraczyDziesiecGierZgodnieZRachunkiemCalkowitym)
{
    const std::vector<std::string> nazwiska{"Anna", "Bartłomiej", "Cezary", "Dorota", "Ewelina"};
    // Per game: cost and win in grosz, and the shares of the five places in hundredths of a percent
    // (0 = does not play). Shares are unequal and do not always add up to 100 %.
    struct TGraCalkowita {
        int64_t Koszt;
        int64_t Wygrana;
        std::array<int64_t, 5> Udzialy;
    };
    const std::vector<TGraCalkowita> gry{
        {123456, 0, {1250, 3333, 2917, 0, 2500}},
        {9999999, 1234567, {2000, 2000, 2000, 2000, 2000}},
        {300, 1700, {0, 6667, 0, 3333, 0}},
        {4711, 25000000, {1, 9999, 0, 0, 0}},
        {18050, 7, {3125, 1875, 1111, 2222, 1667}},
        {100000, 100000, {4000, 0, 3500, 0, 1000}},
        {77777, 888888, {0, 0, 0, 0, 10000}},
        {2500, 0, {5000, 5000, 0, 0, 0}},
        {654321, 123, {1313, 2727, 3131, 1717, 1112}},
        {1, 99999999, {3333, 3333, 3333, 1, 0}},
    };
    TGrupa grupa = Grupa({nazwiska[0], nazwiska[1], nazwiska[2], nazwiska[3], nazwiska[4]});
    for (std::size_t i = 0; i < gry.size(); ++i) {
        TGraGrupy gra = GraGrupy(40000 + static_cast<double>(i) * 3, "Gra " + std::to_string(i + 1),
                                 static_cast<double>(gry[i].Koszt) / 100, static_cast<double>(gry[i].Wygrana) / 100);
        for (std::size_t j = 0; j < 5; ++j)
            if (gry[i].Udzialy[j] != 0)
                gra.Uczestnicy[j] = {true, TWartoscExt::Z(static_cast<double>(gry[i].Udzialy[j]) / 100)};
        grupa.Gry.push_back(gra);
    }

    for (const std::optional<int> gracz : {std::optional<int>{}, std::optional<int>{2}}) {
        std::vector<std::vector<std::string>> oczekiwane;
        int64_t sumaKosztow = 0;
        int64_t sumaWygranych = 0;
        for (std::size_t i = 0; i < gry.size(); ++i) {
            for (std::size_t j = 0; j < 5; ++j) {
                const int64_t u = gry[i].Udzialy[j];
                if (u == 0 || (gracz && static_cast<int>(j) != *gracz))
                    continue;
                const int64_t koszt = gry[i].Koszt * u; // millionths of a zloty
                const int64_t wygrana = gry[i].Wygrana * u;
                sumaKosztow += koszt;
                sumaWygranych += wygrana;
                char udzial[32];
                std::snprintf(udzial, sizeof udzial, "%3lld,%02lld", static_cast<long long>(u / 100),
                              static_cast<long long>(u % 100));
                oczekiwane.push_back({grupa.Gry[i].NazwaGry, nazwiska[j], Tekst(koszt, false), udzial,
                                      Tekst(wygrana, false), Tekst(wygrana - koszt, true)});
            }
        }
        const TRozliczenie r = Rozlicz(grupa, gracz);
        const TTabelaGrupy t = TabelaRozliczenia(grupa, r);
        ASSERT_EQ(t.Wiersze.size(), oczekiwane.size());
        for (std::size_t w = 0; w < oczekiwane.size(); ++w) {
            const auto& wiersz = t.Wiersze[w];
            EXPECT_EQ((std::vector<std::string>(wiersz.begin() + 1, wiersz.end())), oczekiwane[w]) << "row " << w;
        }
        // The sums carry no rounding of the rows: they equal the exact sums to far below a grosz.
        EXPECT_NEAR(r.SumaKosztow, static_cast<double>(sumaKosztow) / 1e6, 1e-6);
        EXPECT_NEAR(r.SumaWygranych, static_cast<double>(sumaWygranych) / 1e6, 1e-6);
        EXPECT_EQ(t.Sumy, (std::array<std::string, 3>{Tekst(sumaKosztow, false), Tekst(sumaWygranych, false),
                                                       Tekst(sumaWygranych - sumaKosztow, true)}));
    }
}

} // namespace
} // namespace tarvomund
