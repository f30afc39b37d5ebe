#include "stats/TGenStat.h"

#include "model/Daty.h"
#include "wspolne/LosowaniaTestowe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace tarvomund {
namespace {

using R = TRodzajStatystyki;
using testy::GraLosowa;
using testy::Los;

TParametryStatystyki Parametry(const TObGraLista& gra, R rodzaj, int32_t wybor1 = 0,
                               TGrupowanie grupowanie = TGrupowanie::Wszystkie)
{
    TParametryStatystyki p = TParametryStatystyki::DlaGry(gra);
    p.Rodzaj = static_cast<int32_t>(rodzaj);
    p.Wybor1 = wybor1;
    p.Grupowanie = static_cast<int32_t>(grupowanie);
    return p;
}

TWynikiStatystyki Licz(const TParametryStatystyki& p, const TObGraLista& gra, TUstawieniaStatystyki u = {})
{
    std::atomic<bool> przerwij{false};
    return TGenStat(p, gra, u, przerwij).Wykonaj();
}

std::vector<std::string> Opisy(const TSeriaStatystyki& seria)
{
    std::vector<std::string> opisy;
    for (const TWynik& w : seria)
        opisy.push_back(w.Opis);
    return opisy;
}

std::vector<int32_t> Wartosci(const TSeriaStatystyki& seria)
{
    std::vector<int32_t> wartosci;
    for (const TWynik& w : seria)
        wartosci.push_back(w.Wartosc);
    return wartosci;
}

int SeriiNiepustych(const TWynikiStatystyki& wyniki)
{
    return static_cast<int>(
        std::count_if(wyniki.begin(), wyniki.end(), [](const auto& s) { return !s.empty(); }));
}

std::string WNawiasach(int liczba)
{
    std::string opis("< ");
    opis += std::to_string(liczba);
    opis += " >";
    return opis;
}

// The dictionary kinds counted the plain way the statistic is defined: every label text is a key of
// a sorted map, series in key order, then sorted by value and cut.
TWynikiStatystyki Wzorzec(const TParametryStatystyki& p, const TObGraLista& gra,
                          const TUstawieniaStatystyki& u)
{
    const int n = gra.IleLiczb;
    const int k = gra.IleLosowanych;
    const int grup = IleGrup(p.Grupowanie);
    std::vector<std::map<std::string, int>> slowniki(static_cast<std::size_t>(grup));
    const auto dodaj = [&](int g, const std::string& opis, int ile = 1) {
        slowniki[static_cast<std::size_t>(g)][opis] += ile;
    };
    for (const TObLos& los : gra.Losowania) {
        if (los.Data < p.OdDaty || los.Data > p.DoDaty)
            continue;
        const int g = GrupaDaty(los.Data, p.Grupowanie);
        std::vector<int> liczby(los.Liczby.begin(), los.Liczby.begin() + k);
        const auto ma = [&](int x) { return std::find(liczby.begin(), liczby.end(), x) != liczby.end(); };
        switch (p.RodzajS()) {
        case R::Liczby:
        case R::Parzyste:
        case R::Nieparzyste: {
            const int m = p.Wybor1 + 1;
            std::vector<int> poz;
            std::function<void(int)> dalej = [&](int od) {
                if (static_cast<int>(poz.size()) == m) {
                    std::string opis;
                    for (int i : poz) {
                        const int y = liczby[static_cast<std::size_t>(i)];
                        if ((p.RodzajS() == R::Parzyste && y % 2 != 0) ||
                            (p.RodzajS() == R::Nieparzyste && y % 2 == 0))
                            return;
                        if (!opis.empty())
                            opis += ',';
                        opis += std::to_string(y);
                    }
                    dodaj(g, opis);
                    return;
                }
                for (int i = od; i <= k - (m - static_cast<int>(poz.size())); ++i) {
                    poz.push_back(i);
                    dalej(i + 1);
                    poz.pop_back();
                }
            };
            dalej(0);
            break;
        }
        case R::Sumy: {
            int suma = 0;
            for (int y : liczby)
                suma += y;
            dodaj(g, WNawiasach(suma));
            break;
        }
        case R::ZadanaZKazda:
        case R::ZadanaParzysta:
        case R::ZadanaNieparzysta: {
            const int x = p.RodzajS() == R::ZadanaZKazda     ? p.Wybor1 + 1
                          : p.RodzajS() == R::ZadanaParzysta ? 2 * p.Wybor1 + 2
                                                             : 2 * p.Wybor1 + 1;
            if (!ma(x))
                break;
            for (int y : liczby)
                if (p.RodzajS() == R::ZadanaZKazda || (y % 2 == 0) == (p.RodzajS() == R::ZadanaNieparzysta))
                    dodaj(g, WNawiasach(y));
            break;
        }
        case R::PrzedzialJeden: {
            const int w = p.Wybor1 + 1;
            for (int a = 1; a <= n; a += w) {
                const int b = std::min(n, a + w - 1);
                dodaj(g, std::to_string(a) + ".." + std::to_string(b),
                      static_cast<int>(std::count_if(liczby.begin(), liczby.end(),
                                                     [&](int y) { return y >= a && y <= b; })));
            }
            break;
        }
        case R::WPrzedziale:
            for (int y : liczby)
                if (y >= p.Wybor1 + 1 && y <= p.Wybor2 + 1)
                    dodaj(g, std::to_string(y));
            break;
        default:
            break;
        }
    }
    TWynikiStatystyki wyniki;
    for (int g = 0; g < grup; ++g) {
        TSeriaStatystyki& seria = wyniki[static_cast<std::size_t>(g)];
        for (const auto& [opis, ile] : slowniki[static_cast<std::size_t>(g)]) {
            std::string etykieta = opis;
            const bool nawiasy = opis.starts_with("< ");
            if (nawiasy && p.RodzajS() != R::Sumy) {
                etykieta = opis.substr(2, opis.size() - 4);
                const int y = std::stoi(etykieta);
                const int x = p.RodzajS() == R::ZadanaZKazda     ? p.Wybor1 + 1
                              : p.RodzajS() == R::ZadanaParzysta ? 2 * p.Wybor1 + 2
                                                                 : 2 * p.Wybor1 + 1;
                if (y == x)
                    continue;
            }
            const bool progowe = p.RodzajS() == R::Liczby || p.RodzajS() == R::Parzyste ||
                                 p.RodzajS() == R::Nieparzyste || p.RodzajS() == R::Sumy;
            if (progowe && ile < 2)
                continue;
            seria.emplace_back(ile, etykieta);
        }
        std::stable_sort(seria.begin(), seria.end(),
                         [](const TWynik& a, const TWynik& b) { return a.Wartosc > b.Wartosc; });
        if (!u.WszystkieWyniki && seria.size() > static_cast<std::size_t>(u.MaksWynikow))
            seria.erase(seria.begin() + u.MaksWynikow, seria.end());
    }
    return wyniki;
}

struct TPrzypadekSlownika {
    R Rodzaj;
    int32_t Wybor1;
    int32_t Wybor2;
    TGrupowanie Grupowanie;
    int32_t MaksWynikow;
    bool Wszystkie;
};

void PrintTo(const TPrzypadekSlownika& c, std::ostream* os)
{
    *os << "rodzaj " << static_cast<int>(c.Rodzaj) << ", wybór " << c.Wybor1 << "/" << c.Wybor2
        << ", grupowanie " << static_cast<int>(c.Grupowanie) << ", najwyżej " << c.MaksWynikow
        << (c.Wszystkie ? ", wszystkie" : "");
}

class SlownikiJakWzorzec : public ::testing::TestWithParam<TPrzypadekSlownika> {};

// Every dictionary kind, grouped and not, cut and not, on ascending draws (sets ranked into flat
// tables) and on draws in the order drawn (sets hashed): the same series as the plain text-keyed count.
TEST_P(SlownikiJakWzorzec, TeSameSerieCoSlownikEtykiet)
{
    const TPrzypadekSlownika c = GetParam();
    for (const bool rosnaco : {true, false}) {
        const TObGraLista gra = GraLosowa(20, 5, 400, 11, rosnaco);
        TParametryStatystyki p = Parametry(gra, c.Rodzaj, c.Wybor1, c.Grupowanie);
        p.Wybor2 = c.Wybor2;
        // A range inside the history: the first and last draws stay out.
        p.OdDaty = gra.Losowania[3].Data;
        p.DoDaty = gra.Losowania[390].Data;
        const TUstawieniaStatystyki u{c.MaksWynikow, c.Wszystkie};
        const TWynikiStatystyki wynik = Licz(p, gra, u);
        const TWynikiStatystyki wzorzec = Wzorzec(p, gra, u);
        ASSERT_GT(SeriiNiepustych(wzorzec), 0);
        for (std::size_t s = 0; s < wynik.size(); ++s) {
            EXPECT_EQ(Opisy(wynik[s]), Opisy(wzorzec[s]))
                << "seria " << s << (rosnaco ? " rosnąco" : " w kolejności");
            EXPECT_EQ(Wartosci(wynik[s]), Wartosci(wzorzec[s])) << "seria " << s;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rodzaje, SlownikiJakWzorzec,
    ::testing::Values(TPrzypadekSlownika{R::Liczby, 1, 0, TGrupowanie::Wszystkie, 150, false},
                      TPrzypadekSlownika{R::Liczby, 1, 0, TGrupowanie::Wszystkie, 7, false},
                      TPrzypadekSlownika{R::Liczby, 2, 0, TGrupowanie::DzienTygodnia, 10, false},
                      TPrzypadekSlownika{R::Liczby, 2, 0, TGrupowanie::Wszystkie, 3, true},
                      TPrzypadekSlownika{R::Liczby, 3, 0, TGrupowanie::Wszystkie, 150, false},
                      TPrzypadekSlownika{R::Parzyste, 1, 0, TGrupowanie::DzienMiesiaca, 150, false},
                      TPrzypadekSlownika{R::Nieparzyste, 2, 0, TGrupowanie::Miesiac, 5, false},
                      TPrzypadekSlownika{R::Sumy, 0, 0, TGrupowanie::DzienTygodnia, 4, false},
                      TPrzypadekSlownika{R::ZadanaZKazda, 6, 0, TGrupowanie::Wszystkie, 150, false},
                      TPrzypadekSlownika{R::ZadanaZKazda, 0, 0, TGrupowanie::Miesiac, 6, false},
                      TPrzypadekSlownika{R::ZadanaParzysta, 1, 0, TGrupowanie::DzienTygodnia, 150, false},
                      TPrzypadekSlownika{R::ZadanaNieparzysta, 3, 0, TGrupowanie::Wszystkie, 4, false},
                      TPrzypadekSlownika{R::PrzedzialJeden, 2, 0, TGrupowanie::Wszystkie, 150, false},
                      TPrzypadekSlownika{R::PrzedzialJeden, 5, 0, TGrupowanie::DzienMiesiaca, 2, false},
                      TPrzypadekSlownika{R::WPrzedziale, 4, 14, TGrupowanie::DzienTygodnia, 150, false},
                      TPrzypadekSlownika{R::WPrzedziale, 0, 19, TGrupowanie::Wszystkie, 8, false}));

// Sets of more than eight numbers no longer fit one word; those of more than sixteen not two.
TEST(TGenStat, DlugieUkladyLiczoneJakWzorzec)
{
    struct TPrzypadek {
        int N;
        int k;
        int32_t Wybor1;
    };
    for (const TPrzypadek c : {TPrzypadek{24, 12, 7}, TPrzypadek{24, 12, 10}, TPrzypadek{30, 20, 16}}) {
        for (const bool rosnaco : {true, false}) {
            // Every draw twice, so every set is counted at least twice and the cut falls among equal values.
            TObGraLista gra = GraLosowa(c.N, c.k, 60, 5, rosnaco);
            const std::vector<TObLos> raz = gra.Losowania;
            for (TObLos los : raz) {
                los.Data += 1;
                gra.Losowania.push_back(los);
            }
            const TParametryStatystyki p = Parametry(gra, R::Liczby, c.Wybor1);
            const TUstawieniaStatystyki u{20, false};
            const TWynikiStatystyki wynik = Licz(p, gra, u);
            const TWynikiStatystyki wzorzec = Wzorzec(p, gra, u);
            ASSERT_FALSE(wzorzec[0].empty()) << c.k << "/" << c.N;
            EXPECT_EQ(Opisy(wynik[0]), Opisy(wzorzec[0])) << c.Wybor1 + 1 << (rosnaco ? " rosnąco" : "");
            EXPECT_EQ(Wartosci(wynik[0]), Wartosci(wzorzec[0]));
        }
    }
}

TObGraLista GraReczna(int n, int k, const std::vector<std::vector<int>>& losowania,
                      TDataKal od = {2024, 1, 1})
{
    TObGraLista gra = testy::Gra649();
    gra.IleLiczb = n;
    gra.IleLosowanych = k;
    double data = DniZDaty(od);
    for (const std::vector<int>& l : losowania) {
        TObLos los = Los({2000, 1, 1}, l);
        los.Data = data++;
        gra.Losowania.push_back(los);
    }
    return gra;
}

TEST(TGenStat, PojedynczeLiczbyWszystkieWPorzadkuBezObcinania)
{
    const TObGraLista gra = GraLosowa(49, 6, 200, 3);
    const TWynikiStatystyki w = Licz(Parametry(gra, R::Liczby), gra, {10, false});
    ASSERT_EQ(w[0].size(), 49u);
    std::vector<int> liczniki(50, 0);
    for (const TObLos& l : gra.Losowania)
        for (int i = 0; i < 6; ++i)
            ++liczniki[l.Liczby[static_cast<std::size_t>(i)]];
    for (int a = 1; a <= 49; ++a) {
        EXPECT_EQ(w[0][static_cast<std::size_t>(a - 1)].Opis, std::to_string(a));
        EXPECT_EQ(w[0][static_cast<std::size_t>(a - 1)].Wartosc, liczniki[static_cast<std::size_t>(a)]);
    }
    EXPECT_EQ(SeriiNiepustych(w), 1);

    // The parity kinds list only their numbers, also unsorted and uncut.
    const TWynikiStatystyki parzyste = Licz(Parametry(gra, R::Parzyste), gra, {3, false});
    const TWynikiStatystyki nieparzyste = Licz(Parametry(gra, R::Nieparzyste), gra, {3, false});
    ASSERT_EQ(parzyste[0].size(), 24u);
    ASSERT_EQ(nieparzyste[0].size(), 25u);
    EXPECT_EQ(parzyste[0].front().Opis, "2");
    EXPECT_EQ(parzyste[0].back().Opis, "48");
    EXPECT_EQ(nieparzyste[0].back().Opis, "49");
    EXPECT_EQ(parzyste[0][4].Wartosc, liczniki[10]);
}

TEST(TGenStat, ParyWylosowaneRazNiePojawiajaSie)
{
    // 1,2 drawn together twice (in positions 1-2 and 3-6); every other pair once.
    const TObGraLista gra = GraReczna(49, 6, {{1, 2, 10, 11, 12, 13}, {20, 21, 1, 30, 31, 2}});
    const TWynikiStatystyki w = Licz(Parametry(gra, R::Liczby, 1), gra);
    // The label keeps the draw's order of the numbers.
    ASSERT_EQ(w[0].size(), 1u);
    EXPECT_EQ(w[0][0].Opis, "1,2");
    EXPECT_EQ(w[0][0].Wartosc, 2);

    // In another order the same numbers make another label.
    const TObGraLista odwrotnie = GraReczna(49, 6, {{1, 2, 10, 11, 12, 13}, {20, 21, 2, 30, 31, 1}});
    EXPECT_TRUE(Licz(Parametry(odwrotnie, R::Liczby, 1), odwrotnie)[0].empty());
}

TEST(TGenStat, KolejneLiczbyWszystkieStartyZZerami)
{
    const TObGraLista gra = GraReczna(49, 6, {{1, 2, 3, 20, 48, 49}, {2, 3, 7, 8, 30, 31}});
    const TWynikiStatystyki dwie = Licz(Parametry(gra, R::KolejneLiczby, 0), gra, {5, false});
    ASSERT_EQ(dwie[0].size(), 48u);
    EXPECT_EQ(dwie[0].front().Opis, "1,2");
    EXPECT_EQ(dwie[0].back().Opis, "48,49");
    EXPECT_EQ(dwie[0][0].Wartosc, 1);  // 1,2
    EXPECT_EQ(dwie[0][1].Wartosc, 2);  // 2,3
    EXPECT_EQ(dwie[0][2].Wartosc, 0);  // 3,4
    EXPECT_EQ(dwie[0][47].Wartosc, 1); // 48,49
    const TWynikiStatystyki trzy = Licz(Parametry(gra, R::KolejneLiczby, 1), gra);
    ASSERT_EQ(trzy[0].size(), 47u);
    EXPECT_EQ(trzy[0][0].Opis, "1,2,3");
    EXPECT_EQ(trzy[0][0].Wartosc, 1);
    EXPECT_EQ(trzy[0][1].Wartosc, 0);
}

TEST(TGenStat, ZadanaNieparzystaLiczyParzysteObokNiej)
{
    // With the first choice, X = 1: the even numbers drawn with 1.
    const TObGraLista gra =
        GraReczna(49, 6, {{1, 2, 4, 5, 7, 9}, {1, 4, 6, 11, 13, 15}, {2, 4, 6, 8, 10, 12}});
    const TWynikiStatystyki w = Licz(Parametry(gra, R::ZadanaNieparzysta, 0), gra);
    EXPECT_EQ(Opisy(w[0]), (std::vector<std::string>{"4", "2", "6"}));
    EXPECT_EQ(Wartosci(w[0]), (std::vector<int32_t>{2, 1, 1}));
    // X = 4 of kind 8: the odd numbers drawn with 4.
    const TWynikiStatystyki z4 = Licz(Parametry(gra, R::ZadanaParzysta, 1), gra);
    EXPECT_EQ(Opisy(z4[0]), (std::vector<std::string>{"1", "11", "13", "15", "5", "7", "9"}));
    EXPECT_EQ(z4[0][0].Wartosc, 2);
}

TEST(TGenStat, PrzedzialyWszystkichSzerokosci)
{
    const TObGraLista gra = GraLosowa(49, 6, 100, 8);
    const TWynikiStatystyki w = Licz(Parametry(gra, R::PrzedzialyWszystkie), gra);
    EXPECT_EQ(SeriiNiepustych(w), 49);
    EXPECT_EQ(w[0].size(), 49u);
    EXPECT_EQ(w[0][6].Opis, "7..7");
    EXPECT_EQ(w[9].size(), 5u);
    EXPECT_EQ(w[9].back().Opis, "41..49");
    EXPECT_EQ(w[4][9].Opis, "46..49");
    ASSERT_EQ(w[48].size(), 1u);
    EXPECT_EQ(w[48][0].Opis, "1..49");
    EXPECT_EQ(w[48][0].Wartosc, 600);
    // Every width shares out the same 600 numbers.
    for (std::size_t s = 0; s < 49; ++s) {
        int32_t suma = 0;
        for (const TWynik& e : w[s])
            suma += e.Wartosc;
        EXPECT_EQ(suma, 600) << s;
    }
}

TEST(TGenStat, SerieWKolejnychLosowaniach)
{
    // 7 in five consecutive draws, then missing; 9 in draws 1, 2 and 4.
    const TObGraLista gra = GraReczna(10, 2, {{7, 9}, {7, 9}, {7, 1}, {7, 9}, {7, 2}, {3, 4}});
    const TWynikiStatystyki w = Licz(Parametry(gra, R::Serie), gra);
    ASSERT_EQ(SeriiNiepustych(w), 10);
    const std::vector<int32_t> siodemka{5, 2, 1, 1, 1, 0, 0, 0, 0, 0};
    const std::vector<int32_t> dziewiatka{3, 1, 0, 0, 0, 0, 0, 0, 0, 0};
    for (std::size_t l = 0; l < 10; ++l) {
        ASSERT_EQ(w[l].size(), 10u);
        EXPECT_EQ(w[l][6].Opis, "7");
        EXPECT_EQ(w[l][6].Wartosc, siodemka[l]) << "L = " << l + 1;
        EXPECT_EQ(w[l][8].Wartosc, dziewiatka[l]) << "L = " << l + 1;
    }
}

TEST(TGenStat, OdstepyLiczaCoKtoreLosowanieWZakresie)
{
    const TObGraLista gra = GraLosowa(30, 4, 50, 21);
    TParametryStatystyki p = Parametry(gra, R::Odstepy);
    p.OdDaty = gra.Losowania[5].Data;
    p.DoDaty = gra.Losowania[40].Data;
    TParametryStatystyki pojedyncze = Parametry(gra, R::Liczby);
    pojedyncze.OdDaty = p.OdDaty;
    pojedyncze.DoDaty = p.DoDaty;
    // Spacing 1 counts every draw in range, like single numbers.
    EXPECT_EQ(Wartosci(Licz(p, gra)[0]), Wartosci(Licz(pojedyncze, gra)[0]));

    // Spacing 7: the draws 5, 12, 19, 26, 33 and 40.
    p.Odstep = 7;
    std::vector<int32_t> oczekiwane(30, 0);
    for (std::size_t d = 5; d <= 40; d += 7)
        for (int i = 0; i < 4; ++i)
            ++oczekiwane[gra.Losowania[d].Liczby[static_cast<std::size_t>(i)] - 1u];
    EXPECT_EQ(Wartosci(Licz(p, gra)[0]), oczekiwane);
}

TEST(TGenStat, BlankietDzieliLiczbyNaCzesci)
{
    // Each number 1..40 drawn once, across ten draws of four.
    std::vector<std::vector<int>> losowania;
    for (int d = 0; d < 10; ++d)
        losowania.push_back({d * 4 + 1, d * 4 + 2, d * 4 + 3, d * 4 + 4});
    TObGraLista gra = GraReczna(40, 4, losowania);
    gra.IlePoziomo = 10;
    gra.IlePionowo = 4;
    struct TPrzypadek {
        TPodzialBlankietu Podzial;
        int32_t Gorne;
        int32_t Lewe;
        std::vector<std::pair<std::string, std::string>> Serie; // first and last label of each series
    };
    const std::vector<TPrzypadek> przypadki{
        {TPodzialBlankietu::Kolumny,
         2,
         5,
         {{"1", "31"},
          {"2", "32"},
          {"3", "33"},
          {"4", "34"},
          {"5", "35"},
          {"6", "36"},
          {"7", "37"},
          {"8", "38"},
          {"9", "39"},
          {"10", "40"}}},
        {TPodzialBlankietu::Rzedy, 2, 5, {{"1", "10"}, {"11", "20"}, {"21", "30"}, {"31", "40"}}},
        {TPodzialBlankietu::PolowkiPionowo, 2, 3, {{"1", "33"}, {"4", "40"}}},
        {TPodzialBlankietu::PolowkiPoziomo, 2, 5, {{"1", "20"}, {"21", "40"}}},
        {TPodzialBlankietu::Cwiartki, 1, 4, {{"1", "4"}, {"5", "10"}, {"11", "34"}, {"15", "40"}}},
    };
    for (const TPrzypadek& c : przypadki) {
        TParametryStatystyki p = Parametry(gra, R::Blankiet);
        p.PodzialBlankietu = static_cast<int32_t>(c.Podzial);
        p.RzedyGorne = c.Gorne;
        p.KolumnyLewe = c.Lewe;
        const TWynikiStatystyki w = Licz(p, gra);
        ASSERT_EQ(SeriiNiepustych(w), static_cast<int>(c.Serie.size())) << static_cast<int>(c.Podzial);
        std::size_t razem = 0;
        for (std::size_t s = 0; s < c.Serie.size(); ++s) {
            EXPECT_EQ(w[s].front().Opis, c.Serie[s].first) << static_cast<int>(c.Podzial) << " " << s;
            EXPECT_EQ(w[s].back().Opis, c.Serie[s].second) << static_cast<int>(c.Podzial) << " " << s;
            razem += w[s].size();
            // Number order, whatever the digits.
            for (std::size_t i = 1; i < w[s].size(); ++i)
                EXPECT_LT(std::stoi(w[s][i - 1].Opis), std::stoi(w[s][i].Opis));
        }
        EXPECT_EQ(razem, 40u);
    }
    // No columns at all: nothing to divide, and no division by zero.
    TParametryStatystyki p = Parametry(gra, R::Blankiet);
    p.IleKolumn = 0;
    EXPECT_EQ(SeriiNiepustych(Licz(p, gra)), 0);
}

TEST(TGenStat, MacierzePar)
{
    const TObGraLista gra = GraReczna(6, 3, {{1, 2, 3}, {2, 3, 4}, {3, 5, 6}});
    const TWynikiStatystyki kazda = Licz(Parametry(gra, R::KazdaZKazda), gra);
    EXPECT_EQ(SeriiNiepustych(kazda), 6);
    // Series of 3: every other number with how often it came with 3.
    EXPECT_EQ(Opisy(kazda[2]), (std::vector<std::string>{"1", "2", "4", "5", "6"}));
    EXPECT_EQ(Wartosci(kazda[2]), (std::vector<int32_t>{1, 2, 1, 1, 1}));

    const TWynikiStatystyki pn = Licz(Parametry(gra, R::ParzysteZNieparzystymi), gra);
    EXPECT_EQ(SeriiNiepustych(pn), 3); // 2, 4, 6
    EXPECT_EQ(Opisy(pn[0]), (std::vector<std::string>{"1", "3", "5"}));
    EXPECT_EQ(Wartosci(pn[0]), (std::vector<int32_t>{1, 2, 0}));
    EXPECT_EQ(Wartosci(pn[2]), (std::vector<int32_t>{0, 1, 1}));

    const TWynikiStatystyki np = Licz(Parametry(gra, R::NieparzysteZParzystymi), gra);
    EXPECT_EQ(SeriiNiepustych(np), 3); // 1, 3, 5
    EXPECT_EQ(Opisy(np[1]), (std::vector<std::string>{"2", "4", "6"}));
    EXPECT_EQ(Wartosci(np[1]), (std::vector<int32_t>{2, 1, 1}));
}

TEST(TGenStat, ObcinanieZostawiaNajwiekszeWartosci)
{
    const TObGraLista gra = GraLosowa(49, 6, 600, 17);
    for (const R rodzaj : {R::Liczby, R::Sumy, R::ZadanaZKazda}) {
        const TParametryStatystyki p = Parametry(gra, rodzaj, rodzaj == R::Liczby ? 1 : 0);
        const TWynikiStatystyki obciete = Licz(p, gra, {10, false});
        const TWynikiStatystyki wszystkie = Licz(p, gra, {10, true});
        ASSERT_EQ(obciete[0].size(), 10u) << static_cast<int>(rodzaj);
        ASSERT_GT(wszystkie[0].size(), 10u);
        EXPECT_TRUE(std::is_sorted(wszystkie[0].begin(), wszystkie[0].end(),
                                   [](const TWynik& a, const TWynik& b) { return a.Wartosc > b.Wartosc; }));
        for (std::size_t i = 0; i < 10; ++i) {
            EXPECT_EQ(obciete[0][i].Opis, wszystkie[0][i].Opis);
            EXPECT_EQ(obciete[0][i].Wartosc, wszystkie[0][i].Wartosc);
        }
    }
}

TEST(TGenStat, GrupowanieWedlugDniaTygodnia)
{
    // 01.01.2024 was a Monday: series 1; 07.01.2024 a Sunday: series 0; 06.01.2024 a Saturday: series 6.
    const TObGraLista gra = GraReczna(10, 1, {{1}, {2}, {3}, {4}, {5}, {6}, {7}}, {2024, 1, 1});
    const TWynikiStatystyki w = Licz(Parametry(gra, R::Liczby, 0, TGrupowanie::DzienTygodnia), gra);
    EXPECT_EQ(SeriiNiepustych(w), 7);
    EXPECT_EQ(w[1][0].Wartosc, 1); // Monday: 1
    EXPECT_EQ(w[0][6].Wartosc, 1); // Sunday: 7
    EXPECT_EQ(w[6][5].Wartosc, 1); // Saturday: 6
    EXPECT_EQ(w[0][0].Wartosc, 0);
    EXPECT_TRUE(w[7].empty());

    const TWynikiStatystyki dni = Licz(Parametry(gra, R::Liczby, 0, TGrupowanie::DzienMiesiaca), gra);
    EXPECT_EQ(SeriiNiepustych(dni), 31);
    EXPECT_EQ(dni[2][2].Wartosc, 1); // the 3rd: number 3
    const TWynikiStatystyki miesiace = Licz(Parametry(gra, R::Liczby, 0, TGrupowanie::Miesiac), gra);
    EXPECT_EQ(SeriiNiepustych(miesiace), 12);
    EXPECT_EQ(miesiace[0][3].Wartosc, 1);
    EXPECT_EQ(miesiace[1][3].Wartosc, 0);
}

TEST(TGenStat, ZakresBezLosowan)
{
    const TObGraLista gra = GraLosowa(20, 5, 30, 2);
    const auto pusty = [&](R rodzaj) {
        TParametryStatystyki p = Parametry(gra, rodzaj);
        p.OdDaty = gra.Losowania.back().Data + 1;
        p.DoDaty = p.OdDaty + 100;
        return Licz(p, gra);
    };
    // Kinds listing every number or interval give zeros, the others nothing.
    const TWynikiStatystyki liczby = pusty(R::Liczby);
    ASSERT_EQ(liczby[0].size(), 20u);
    EXPECT_TRUE(
        std::all_of(liczby[0].begin(), liczby[0].end(), [](const TWynik& w) { return w.Wartosc == 0; }));
    EXPECT_EQ(pusty(R::PrzedzialyWszystkie)[19][0].Wartosc, 0);
    EXPECT_TRUE(pusty(R::Sumy)[0].empty());
    EXPECT_TRUE(pusty(R::WPrzedziale)[0].empty());
}

TEST(TGenStat, PrzerwanieZostawiaPoliczoneDoTejPory)
{
    const TObGraLista gra = GraLosowa(20, 5, 100, 4);
    std::atomic<bool> przerwij{false};
    std::vector<std::string> postepy;
    // The first progress report comes at the first step; the stop requested there ends the pass at the next.
    TGenStat gen(Parametry(gra, R::KazdaZKazda), gra, {}, przerwij, [&](const std::string& tekst) {
        postepy.push_back(tekst);
        przerwij = true;
    });
    const TWynikiStatystyki w = gen.Wykonaj();
    ASSERT_EQ(postepy.size(), 1u);
    EXPECT_EQ(postepy[0], "  0.0000%");
    EXPECT_EQ(SeriiNiepustych(w), 20);
    // Only the first draw is counted: its numbers meet each other once.
    const auto& pierwsze = gra.Losowania[0].Liczby;
    int32_t suma = 0;
    for (const auto& seria : w)
        for (const TWynik& e : seria)
            suma += e.Wartosc;
    EXPECT_EQ(suma, 5 * 4);
    const std::size_t a = pierwsze[0] - 1u;
    for (const TWynik& e : w[a]) {
        const int b = std::stoi(e.Opis);
        const bool razem = std::find(pierwsze.begin(), pierwsze.begin() + 5, b) != pierwsze.begin() + 5;
        EXPECT_EQ(e.Wartosc, razem ? 1 : 0) << b;
    }

    // Stopped before it starts, a set statistic is empty but built.
    przerwij = true;
    EXPECT_EQ(SeriiNiepustych(TGenStat(Parametry(gra, R::Liczby, 1), gra, {}, przerwij).Wykonaj()), 0);
}

// A damaged game file may hold any date, any number: the statistic still counts what it can.
TEST(TGenStat, UszkodzoneLosowaniaBezSzkody)
{
    TObGraLista gra = GraReczna(10, 3, {{1, 2, 3}, {0, 200, 255}, {4, 4, 4}});
    gra.Losowania[1].Data = 1e300;
    TParametryStatystyki p = Parametry(gra, R::Liczby, 0, TGrupowanie::DzienTygodnia);
    p.DoDaty = 1e301;
    const TWynikiStatystyki w = Licz(p, gra);
    int32_t suma = 0;
    for (const auto& seria : w)
        for (const TWynik& e : seria)
            suma += e.Wartosc;
    // Only the numbers of the game count: 1, 2, 3 and three times 4.
    EXPECT_EQ(suma, 6);
    for (const R rodzaj : {R::KazdaZKazda, R::Sumy, R::Serie, R::Blankiet, R::PrzedzialJeden}) {
        TParametryStatystyki q = Parametry(gra, rodzaj, 1'000'000, TGrupowanie::Miesiac);
        q.DoDaty = 1e301;
        EXPECT_NO_THROW(Licz(q, gra)) << static_cast<int>(rodzaj);
    }
}

TEST(TGenStat, FormatyPostepu)
{
    const TObGraLista gra = testy::Gra649();
    struct TPrzypadek {
        R Rodzaj;
        int32_t Wybor1;
        const char* Format;
    };
    for (const TPrzypadek c :
         {TPrzypadek{R::Liczby, 0, "%6.2f%%"}, TPrzypadek{R::Parzyste, 0, "%6.2f%%"},
          TPrzypadek{R::Nieparzyste, 0, "%6.2f%%"}, TPrzypadek{R::KolejneLiczby, 3, "%6.2f%%"},
          TPrzypadek{R::Liczby, 1, "%8.4f%%"}, TPrzypadek{R::Sumy, 0, "%8.4f%%"},
          TPrzypadek{R::Blankiet, 0, "%8.4f%%"}})
        EXPECT_STREQ(TGenStat::FormatPostepu(Parametry(gra, c.Rodzaj, c.Wybor1)), c.Format);
}

TEST(ParametryStatystyki, IloscSeriiIListyWyboru)
{
    TObGraLista gra = testy::Gra649();
    gra.IlePoziomo = 9;
    gra.IlePionowo = 6;
    struct TPrzypadek {
        R Rodzaj;
        TGrupowanie Grupowanie;
        int32_t Podzial;
        int Serii;
    };
    for (const TPrzypadek c : {TPrzypadek{R::KazdaZKazda, TGrupowanie::DzienTygodnia, 0, 49},
                               TPrzypadek{R::PrzedzialyWszystkie, TGrupowanie::Wszystkie, 0, 49},
                               TPrzypadek{R::ParzysteZNieparzystymi, TGrupowanie::Wszystkie, 0, 24},
                               TPrzypadek{R::NieparzysteZParzystymi, TGrupowanie::Wszystkie, 0, 25},
                               TPrzypadek{R::Serie, TGrupowanie::Miesiac, 0, 10},
                               TPrzypadek{R::Odstepy, TGrupowanie::DzienMiesiaca, 0, 1},
                               TPrzypadek{R::Blankiet, TGrupowanie::Wszystkie, 0, 9},
                               TPrzypadek{R::Blankiet, TGrupowanie::Wszystkie, 1, 6},
                               TPrzypadek{R::Blankiet, TGrupowanie::Wszystkie, 3, 2},
                               TPrzypadek{R::Blankiet, TGrupowanie::Wszystkie, 4, 4},
                               TPrzypadek{R::Sumy, TGrupowanie::Wszystkie, 0, 1},
                               TPrzypadek{R::Sumy, TGrupowanie::DzienTygodnia, 0, 7},
                               TPrzypadek{R::WPrzedziale, TGrupowanie::DzienMiesiaca, 0, 31},
                               TPrzypadek{R::Liczby, TGrupowanie::Miesiac, 0, 12}}) {
        TParametryStatystyki p = Parametry(gra, c.Rodzaj, 0, c.Grupowanie);
        p.PodzialBlankietu = c.Podzial;
        EXPECT_EQ(IleSerii(p, 49), c.Serii) << static_cast<int>(c.Rodzaj);
    }
    // A game beyond 120 numbers still has at most 120 series.
    EXPECT_EQ(IleSerii(Parametry(gra, R::KazdaZKazda), 150), 120);

    EXPECT_EQ(WartosciWyboru1(0, 49, 6), (std::vector<int32_t>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(WartosciWyboru1(1, 49, 6), (std::vector<int32_t>{2, 3, 4, 5, 6}));
    EXPECT_EQ(WartosciWyboru1(8, 9, 6), (std::vector<int32_t>{2, 4, 6, 8}));
    EXPECT_EQ(WartosciWyboru1(10, 9, 6), (std::vector<int32_t>{1, 3, 5, 7, 9}));
    EXPECT_EQ(WartosciWyboru1(12, 49, 6).size(), 49u);
    EXPECT_TRUE(WartosciWyboru1(4, 49, 6).empty());
    EXPECT_EQ(WartosciWyboru2(13, 49).size(), 49u);
    EXPECT_TRUE(WartosciWyboru2(12, 49).empty());

    const TParametryStatystyki nowa = TParametryStatystyki::DlaGry(testy::GraLosowa(49, 6, 5, 1));
    EXPECT_EQ(nowa.Wybor2, 48);
    EXPECT_EQ(nowa.IleKolumn, 5);
    EXPECT_EQ(nowa.RzedyGorne, 10 / 2);
    EXPECT_EQ(nowa.KolumnyLewe, 2);
    EXPECT_EQ(nowa.Odstep, 1);
}

} // namespace
} // namespace tarvomund
