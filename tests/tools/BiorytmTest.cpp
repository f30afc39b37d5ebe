#include "tools/Biorytm.h"

#include "model/Daty.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tarvomund {
namespace {

double Data(const char* tekst)
{
    const auto data = DataZTekstu(tekst);
    EXPECT_TRUE(data.has_value()) << tekst;
    return data.value_or(0);
}

TBiorytm Biorytm(const char* urodzenie, const char* data)
{
    const auto biorytm = ObliczBiorytm(Data(urodzenie), Data(data));
    EXPECT_TRUE(biorytm.has_value()) << urodzenie << " " << data;
    return biorytm.value_or(TBiorytm{});
}

TEST(Biorytm, DniZyciaPierwszyDzienIDzienCyklu)
{
    struct TPrzypadek {
        const char* Urodzenie;
        const char* Data;
        bool Rysuje;
        int64_t DniZycia;
        int64_t PierwszyDzien;
        const char* Poczatek;
        std::array<int, IleRytmow> DzienCyklu;
    };
    const TPrzypadek przypadki[] = {
        // The birth date after the chart date, on it, and 30 days before it: nothing to draw.
        {"10.05.2020", "01.05.2020", false, 0, 0, "", {}},
        {"01.05.2020", "01.05.2020", false, 0, 0, "", {}},
        {"01.01.2001", "31.01.2001", false, 0, 0, "", {}},
        // 31 days before: the first chart.
        {"01.01.2001", "01.02.2001", true, 32, 12, "12.01.2001", {9, 4, 32, 32}},
        // A leap day lies between: 30.01 to 01.03 is 31 days in 2000 but only 30 in 2001.
        {"30.01.2000", "01.03.2000", true, 32, 12, "10.02.2000", {9, 4, 32, 32}},
        {"30.01.2001", "01.03.2001", false, 0, 0, "", {}},
        // Born on a leap day, charted on one 24 years later (six leap days on the way).
        {"29.02.2000", "29.02.2024", true, 8767, 8747, "09.02.2024", {4, 3, 22, 27}},
        // 9200 days lived, a multiple of 23: the physical rhythm starts a new cycle.
        {"01.01.1999", "09.03.2024", true, 9200, 9180, "18.02.2024", {0, 16, 26, 4}},
    };
    for (const TPrzypadek& p : przypadki) {
        SCOPED_TRACE(std::string(p.Urodzenie) + " " + p.Data);
        const auto biorytm = ObliczBiorytm(Data(p.Urodzenie), Data(p.Data));
        ASSERT_EQ(biorytm.has_value(), p.Rysuje);
        if (!biorytm)
            continue;
        EXPECT_EQ(biorytm->DniZycia, p.DniZycia);
        EXPECT_EQ(biorytm->PierwszyDzien, p.PierwszyDzien);
        EXPECT_EQ(TekstDaty(biorytm->Poczatek), p.Poczatek);
        EXPECT_EQ(biorytm->DzienCyklu, p.DzienCyklu);
    }
}

TEST(Biorytm, ZnakIDzienCyklu)
{
    struct TPrzypadek {
        int Dzien;
        int Okres;
        const char* Tekst;
    };
    const TPrzypadek przypadki[] = {
        {0, 23, "0"},    {1, 23, "+1"},   {5, 23, "+5"},   {11, 23, "+11"}, {12, 23, "-12"}, {22, 23, "-22"},
        {0, 28, "0"},    {13, 28, "+13"}, {14, 28, "14"},  {15, 28, "-15"}, {27, 28, "-27"}, {16, 33, "+16"},
        {17, 33, "-17"}, {32, 33, "-32"}, {18, 38, "+18"}, {19, 38, "19"},  {20, 38, "-20"}, {0, 38, "0"},
    };
    for (const TPrzypadek& p : przypadki)
        EXPECT_EQ(ZnakDniaCyklu(p.Dzien, p.Okres), p.Tekst) << p.Dzien << "/" << p.Okres;
}

TEST(Biorytm, DniMiesiacaPrzechodzaNaNastepnyMiesiac)
{
    const auto Ciag = [](std::initializer_list<std::pair<int, int>> odcinki) {
        std::vector<int> dni;
        for (const auto& [od, do_] : odcinki)
            for (int d = od; d <= do_; ++d)
                dni.push_back(d);
        return dni;
    };
    struct TPrzypadek {
        const char* Poczatek;
        std::vector<int> Dni;
    };
    const TPrzypadek przypadki[] = {
        {"20.01.1999", Ciag({{20, 31}, {1, 28}, {1, 1}})}, // a common February
        {"20.01.2000", Ciag({{20, 31}, {1, 29}})},         // a leap February
        {"20.01.1900", Ciag({{20, 31}, {1, 28}, {1, 1}})}, // 1900 is no leap year
        {"10.02.2000", Ciag({{10, 29}, {1, 21}})},
        {"20.12.1999", Ciag({{20, 31}, {1, 29}})}, // December into January of the next year
        {"15.04.2023", Ciag({{15, 30}, {1, 25}})}, // a 30-day month
        {"01.03.2023", Ciag({{1, 31}, {1, 10}})},
    };
    for (const TPrzypadek& p : przypadki) {
        const auto dni = DniMiesiacaWykresu(Data(p.Poczatek));
        EXPECT_EQ(std::vector<int>(dni.begin(), dni.end()), p.Dni) << p.Poczatek;
    }

    // The counting agrees with the calendar for every start over four years around a leap day.
    for (double s = Data("01.01.1999"); s < Data("01.01.2003"); ++s) {
        const auto dni = DniMiesiacaWykresu(s);
        for (int j = 0; j < IleDniWykresu; ++j)
            ASSERT_EQ(dni[static_cast<std::size_t>(j)], DataZDni(s + j).Dzien) << TekstDaty(s) << " +" << j;
    }
}

TEST(Biorytm, SiatkaIDniNaWykresie)
{
    const TPlanBiorytmu plan = PlanBiorytmu(Biorytm("01.01.1999", "09.02.1999"), {});
    EXPECT_EQ(plan.Szerokosc, 500);
    EXPECT_EQ(plan.Wysokosc, 240);
    EXPECT_EQ(plan.Tlo, (TKolorRGB{255, 255, 213}));
    EXPECT_EQ(plan.Ramka, (TKolorRGB{0, 0, 0}));
    EXPECT_EQ(plan.Czcionka, "Arial");
    EXPECT_EQ(plan.RozmiarCzcionki, 7);
    EXPECT_TRUE(plan.Krzywe.empty());

    const TKolorRGB szary{128, 128, 128};
    const TKolorRGB srebrny{192, 192, 192};
    const TKolorRGB czerwony{255, 0, 0};
    ASSERT_EQ(plan.Linie.size(), 5u + 41u);
    const std::vector<TOdcinekBio> poziome(plan.Linie.begin(), plan.Linie.begin() + 5);
    EXPECT_EQ(poziome, (std::vector<TOdcinekBio>{{25, 20, 494, 20, srebrny},
                                                 {25, 70, 494, 70, srebrny},
                                                 {25, 120, 494, 120, szary},
                                                 {25, 170, 494, 170, srebrny},
                                                 {25, 220, 494, 220, srebrny}}));
    ASSERT_EQ(plan.Napisy.size(), 5u + 2u * 41u);
    const std::vector<TNapisBio> osi(plan.Napisy.begin(), plan.Napisy.begin() + 5);
    EXPECT_EQ(osi, (std::vector<TNapisBio>{{2, 15, "+100", szary},
                                           {2, 65, " +50", szary},
                                           {2, 115, "   0", szary},
                                           {2, 165, " -50", szary},
                                           {2, 215, "-100", szary}}));

    // Day lines every 12 pixels from x = 25, the 21st red; the chart starts on 20.01.1999.
    for (int j = 0; j < 41; ++j) {
        SCOPED_TRACE(j);
        const int x = 25 + 12 * j;
        const TKolorRGB kolor = j == 20 ? czerwony : srebrny;
        EXPECT_EQ(plan.Linie[5 + static_cast<std::size_t>(j)], (TOdcinekBio{x, 20, x, 220, kolor}));
        const std::string dzien = std::to_string(j < 12 ? 20 + j : j < 40 ? j - 11 : 1);
        const TKolorRGB etykieta = j == 20 ? czerwony : szary;
        EXPECT_EQ(plan.Napisy[5 + 2 * static_cast<std::size_t>(j)], (TNapisBio{x - 4, 225, dzien, etykieta}));
        EXPECT_EQ(plan.Napisy[6 + 2 * static_cast<std::size_t>(j)], (TNapisBio{x - 4, 5, dzien, etykieta}));
    }
}

TEST(Biorytm, KrzyweTylkoZaznaczonychRytmow)
{
    const TBiorytm biorytm = Biorytm("01.01.1999", "09.03.2024");
    const TPlanBiorytmu plan = PlanBiorytmu(biorytm, {true, false, true, true});
    ASSERT_EQ(plan.Krzywe.size(), 3u);
    const int rytmy[] = {0, 2, 3};
    const TKolorRGB kolory[] = {{255, 0, 0}, {0, 0, 255}, {128, 0, 0}};
    for (std::size_t k = 0; k < plan.Krzywe.size(); ++k) {
        const TKrzywaBio& krzywa = plan.Krzywe[k];
        SCOPED_TRACE(krzywa.Rytm);
        EXPECT_EQ(krzywa.Rytm, rytmy[k]);
        EXPECT_EQ(krzywa.Kolor, kolory[k]);
        ASSERT_EQ(krzywa.Punkty.size(), 469u);
        for (int i = 0; i < 469; ++i)
            ASSERT_EQ(krzywa.Punkty[static_cast<std::size_t>(i)].X, 25 + i);
        const auto [najwyzszy, najnizszy] = std::minmax_element(
            krzywa.Punkty.begin(), krzywa.Punkty.end(),
            [](const TPunktBio& a, const TPunktBio& b) { return a.Y < b.Y; });
        // 39 days hold a full cycle of every period: the curves reach both ends of the scale.
        EXPECT_GE(najwyzszy->Y, 20);
        EXPECT_LE(najwyzszy->Y, 21);
        EXPECT_GE(najnizszy->Y, 219);
        EXPECT_LE(najnizszy->Y, 220);
    }

    // 9200 days lived: the physical curve crosses the axis upwards on the chart date (pixel 240),
    // downwards half a cycle (11.5 days, 138 pixels) before it, and peaks a quarter cycle after it.
    const std::vector<TPunktBio>& fizyczny = plan.Krzywe[0].Punkty;
    EXPECT_EQ(fizyczny[240].Y, 120);
    EXPECT_GT(fizyczny[239].Y, 120);
    EXPECT_LT(fizyczny[241].Y, 120);
    EXPECT_EQ(fizyczny[102].Y, 120);
    EXPECT_LT(fizyczny[101].Y, 120);
    EXPECT_GT(fizyczny[103].Y, 120);
    EXPECT_LE(fizyczny[240 + 69].Y, 21);
}

TEST(Biorytm, TabelaDniZgodnaZWykresem)
{
    const TBiorytm biorytm = Biorytm("01.01.2000", "01.03.2000");
    const std::vector<TDzienBiorytmu> tabela = TabelaBiorytmu(biorytm);
    ASSERT_EQ(tabela.size(), 41u);
    EXPECT_EQ(TekstDaty(tabela.front().Data), "10.02.2000");
    EXPECT_EQ(TekstDaty(tabela[20].Data), "01.03.2000");
    EXPECT_EQ(TekstDaty(tabela.back().Data), "21.03.2000");

    const TPlanBiorytmu plan = PlanBiorytmu(biorytm, {true, true, true, true});
    for (int j = 0; j < 41; ++j) {
        for (int r = 0; r < IleRytmow; ++r) {
            const double wartosc = tabela[static_cast<std::size_t>(j)].Wartosci[static_cast<std::size_t>(r)];
            // sin(2 pi (D + j) / P), with D = 41 the index of 10.02.2000 in a life begun on 01.01.2000.
            const int okres = Rytmy[static_cast<std::size_t>(r)].Okres;
            const double oczekiwana = std::sin(2 * std::numbers::pi * (41 + j) / okres);
            EXPECT_NEAR(wartosc, oczekiwana, 1e-9) << j << " " << r;
            // The day lines within the curves' width cross each curve at the table's value.
            if (j * 12 < 469) {
                EXPECT_EQ(plan.Krzywe[static_cast<std::size_t>(r)].Punkty[static_cast<std::size_t>(j * 12)].Y,
                          120 - static_cast<int>(std::trunc(100 * wartosc)))
                    << j << " " << r;
            }
        }
    }
}

} // namespace
} // namespace tarvomund
