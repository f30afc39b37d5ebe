#include "systems/Kombinatoryka.h"
#include "systems/TLosGen.h"
#include "systems/TListaZakladow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <set>

namespace tarvomund {
namespace {

TZaklad Zaklad(std::initializer_list<int> wartosci)
{
    TZaklad z{};
    std::size_t i = 0;
    for (int w : wartosci)
        z[i++] = static_cast<uint8_t>(w);
    return z;
}

std::vector<int> Pierwsze(const TZaklad& z, int k)
{
    return {z.begin(), z.begin() + k};
}

TEST(Kombinatoryka, Liczenie)
{
    EXPECT_EQ(Zaokraglij(Kombinacje(10, 3)), 120);
    EXPECT_EQ(Zaokraglij(Kombinacje(49, 6)), 13'983'816);
    EXPECT_EQ(Zaokraglij(Kombinacje(36, 7)), 8'347'680);
    EXPECT_EQ(Zaokraglij(Kombinacje(5, 0)), 1);
    EXPECT_EQ(Zaokraglij(Kombinacje(5, 5)), 1);
    EXPECT_LT(Kombinacje(3, 5), 1.0L);
    EXPECT_DOUBLE_EQ(static_cast<double>(IlorazKombinacji(6, 10, 3)), 6.0);
    EXPECT_DOUBLE_EQ(static_cast<double>(IlorazKombinacji(6, 10, 2)), 3.0);
    EXPECT_EQ(Zaokraglij(Silnia(10)), 3'628'800);
    EXPECT_EQ(Zaokraglij(Silnia(1)), 1);
    // C(120, 60) ≈ 9.66e34 stays finite and near the true value.
    EXPECT_NEAR(static_cast<double>(Kombinacje(120, 60) / 9.66e34L), 1.0, 1e-3);
    EXPECT_EQ(Zaokraglij(1e30L), INT64_MAX);
}

TEST(Kombinatoryka, KombGenWPorzadkuLeksykograficznym)
{
    TKombGen gen(3, 5);
    std::vector<std::vector<int>> widziane;
    while (!gen.Koniec) {
        TZaklad z;
        gen.Pobierz(z);
        widziane.push_back(Pierwsze(z, 3));
        gen.Nastepna();
    }
    const std::vector<std::vector<int>> oczekiwane{{1, 2, 3}, {1, 2, 4}, {1, 2, 5}, {1, 3, 4}, {1, 3, 5},
                                                   {1, 4, 5}, {2, 3, 4}, {2, 3, 5}, {2, 4, 5}, {3, 4, 5}};
    EXPECT_EQ(widziane, oczekiwane);
    // After the last one the combination stays as it was.
    EXPECT_EQ(Pierwsze(gen.Kombinacja, 3), (std::vector<int>{3, 4, 5}));

    TKombGen pelny(4, 4);
    EXPECT_EQ(Pierwsze(pelny.Kombinacja, 4), (std::vector<int>{1, 2, 3, 4}));
    pelny.Nastepna();
    EXPECT_TRUE(pelny.Koniec);

    int ile = 0;
    for (TKombGen g(6, 12); !g.Koniec; g.Nastepna())
        ++ile;
    EXPECT_EQ(ile, 924);
}

TEST(Kombinatoryka, TekstyZakladu)
{
    const TZaklad z = Zaklad({1, 5, 12});
    EXPECT_EQ(KluczZakladu(z, 3), "  1  5 12");
    EXPECT_EQ(KluczZakladu(Zaklad({100, 120}), 2), "100120");
    EXPECT_EQ(Pierwsze(ZakladZKlucza("  1  5 12"), 4), (std::vector<int>{1, 5, 12, 0}));
    EXPECT_EQ(Pierwsze(ZakladZKlucza("7.  1  5 12"), 3), (std::vector<int>{1, 5, 12}));
    EXPECT_EQ(TekstZakladu(z, 3), "1,5,12");
    EXPECT_EQ(TekstZakladu(z, 1), "1");
    EXPECT_EQ(Pierwsze(ZakladZTekstu("1,5,12"), 4), (std::vector<int>{1, 5, 12, 0}));
    EXPECT_EQ(Pierwsze(ZakladZTekstu("3,x,120"), 3), (std::vector<int>{3, 0, 120}));
    // Keys sort as text exactly like bets by value.
    EXPECT_LT(KluczZakladu(Zaklad({1, 9}), 2), KluczZakladu(Zaklad({1, 10}), 2));
    EXPECT_LT(KluczZakladu(Zaklad({2, 3}), 2), KluczZakladu(Zaklad({10, 11}), 2));
}

TEST(Kombinatoryka, ZawieraWszystkieISortowanie)
{
    const TZaklad zaklad = Zaklad({1, 2, 3, 4, 5, 6});
    EXPECT_TRUE(ZawieraWszystkie(6, 3, zaklad, Zaklad({2, 4, 6})));
    EXPECT_FALSE(ZawieraWszystkie(6, 3, zaklad, Zaklad({2, 4, 7})));
    EXPECT_TRUE(ZawieraWszystkie(6, 0, zaklad, Zaklad({})));
    TZaklad doSortowania = Zaklad({9, 3, 7, 1, 50});
    SortujZaklad(doSortowania, 4);
    EXPECT_EQ(Pierwsze(doSortowania, 5), (std::vector<int>{1, 3, 7, 9, 50}));
}

TEST(Losowanie, LosujZakladDajeRosnacyPodzbior)
{
    TLosowe losowe(7);
    std::set<std::vector<int>> rozne;
    for (int proba = 0; proba < 500; ++proba) {
        const TZaklad z = LosujZaklad(6, 10, losowe);
        const std::vector<int> bet = Pierwsze(z, 6);
        EXPECT_TRUE(std::is_sorted(bet.begin(), bet.end()));
        EXPECT_EQ(std::adjacent_find(bet.begin(), bet.end()), bet.end());
        EXPECT_GE(bet.front(), 1);
        EXPECT_LE(bet.back(), 10);
        EXPECT_EQ(z[6], 0);
        rozne.insert(bet);
    }
    // 500 draws out of 210 subsets reach nearly all of them.
    EXPECT_GT(rozne.size(), 180u);
    TLosowe jeden(1);
    EXPECT_EQ(Pierwsze(LosujZaklad(1, 1, jeden), 1), std::vector<int>{1});
}

TEST(Losowanie, TLosGenRozkladaLimityRowno)
{
    TLosowe losowe(3);
    TLosGen gen(5, 0, TTablicaLiczb{}, 4, 10, losowe);
    for (int p = 1; p <= 10; ++p)
        EXPECT_EQ(gen.Limit(p), 2);
    const TZaklad pierwszy = gen.Losuj();
    for (int p = 1; p <= 10; ++p)
        EXPECT_EQ(gen.Limit(p), std::count(pierwszy.begin(), pierwszy.begin() + 5, p) ? 1 : 2) << p;
    for (int i = 0; i < 3; ++i)
        gen.Losuj();
    EXPECT_EQ(gen.Lista.Ile(), 4u);
    // Four bets of five over ten positions use every position exactly twice.
    for (int p = 1; p <= 10; ++p)
        EXPECT_EQ(gen.Limit(p), 0) << p;

    TLosGen reszta(4, 0, TTablicaLiczb{}, 7, 10, losowe);
    EXPECT_EQ(reszta.Limit(8), 3); // 28 places over 10: positions 1..8 take 3
    EXPECT_EQ(reszta.Limit(9), 2);
}

TEST(Losowanie, TLosGenZPewnymi)
{
    TLosowe losowe(11);
    TTablicaLiczb pewne{};
    pewne[0] = 100;
    pewne[3] = 100;
    TLosGen gen(5, 2, pewne, 6, 10, losowe);
    EXPECT_EQ(gen.Limit(1), 6);
    for (int i = 0; i < 6; ++i) {
        const TZaklad z = gen.LosujZPewnymi();
        EXPECT_EQ(z[0], 1);
        EXPECT_TRUE(std::count(z.begin(), z.begin() + 5, 4));
    }
    EXPECT_EQ(gen.Lista.Ile(), 6u);
}

// A draw that can find no further distinct bet would search for ever; the stop flag ends it.
TEST(Losowanie, TLosGenKonczySieNaStopGdyBrakNowychZakladow)
{
    TLosowe losowe(5);
    TLosGen gen(2, 0, TTablicaLiczb{}, 8, 4, losowe);
    std::atomic<bool> przerwij{false};
    gen.UstawPrzerwij(&przerwij);
    for (int i = 0; i < 6; ++i)
        gen.Losuj();
    EXPECT_EQ(gen.Lista.Ile(), 6u); // every 2 of 4
    EXPECT_FALSE(gen.Przerwany());
    przerwij = true;
    gen.Losuj();
    EXPECT_TRUE(gen.Przerwany());
    EXPECT_EQ(gen.Lista.Ile(), 6u);
}

TEST(TListaZakladow, RozneWPorzadkuKluczy)
{
    TListaZakladow lista(3);
    const std::vector<TZaklad> zaklady{Zaklad({2, 3, 9}), Zaklad({1, 5, 12}), Zaklad({1, 5, 9}), Zaklad({10, 11, 12})};
    for (const TZaklad& z : zaklady)
        EXPECT_TRUE(lista.Dodaj(z));
    EXPECT_FALSE(lista.Dodaj(Zaklad({1, 5, 12})));
    EXPECT_TRUE(lista.Zawiera(Zaklad({2, 3, 9})));
    EXPECT_FALSE(lista.Zawiera(Zaklad({2, 3, 8})));
    std::vector<std::string> klucze;
    for (const TZaklad& z : lista.Posortowane())
        klucze.push_back(KluczZakladu(z, 3));
    EXPECT_EQ(klucze, (std::vector<std::string>{"  1  5  9", "  1  5 12", "  2  3  9", " 10 11 12"}));

    // A removed bet is gone from the order and may come back.
    EXPECT_TRUE(lista.Usun(Zaklad({1, 5, 9})));
    EXPECT_FALSE(lista.Usun(Zaklad({1, 5, 9})));
    EXPECT_EQ(lista.Ile(), 3u);
    EXPECT_EQ(lista.Posortowane().front(), Zaklad({1, 5, 12}));
    EXPECT_TRUE(lista.Dodaj(Zaklad({1, 5, 9})));
    EXPECT_FALSE(lista.Dodaj(Zaklad({2, 3, 9})));
    EXPECT_EQ(lista.Posortowane().front(), Zaklad({1, 5, 9}));

    // Long bets are kept byte by byte and sort the same way.
    TListaZakladow dlugie(10);
    EXPECT_TRUE(dlugie.Dodaj(Zaklad({1, 2, 3, 4, 5, 6, 7, 8, 9, 11})));
    EXPECT_TRUE(dlugie.Dodaj(Zaklad({1, 2, 3, 4, 5, 6, 7, 8, 9, 10})));
    EXPECT_FALSE(dlugie.Dodaj(Zaklad({1, 2, 3, 4, 5, 6, 7, 8, 9, 10})));
    EXPECT_TRUE(dlugie.Usun(Zaklad({1, 2, 3, 4, 5, 6, 7, 8, 9, 11})));
    EXPECT_EQ(dlugie.Posortowane(), std::vector<TZaklad>{Zaklad({1, 2, 3, 4, 5, 6, 7, 8, 9, 10})});

    // Many bets: the table grows and still finds every duplicate.
    TListaZakladow duza(2);
    for (TKombGen g(2, 120); !g.Koniec; g.Nastepna())
        ASSERT_TRUE(duza.Dodaj(g.Kombinacja));
    for (TKombGen g(2, 120); !g.Koniec; g.Nastepna())
        ASSERT_FALSE(duza.Dodaj(g.Kombinacja));
    EXPECT_EQ(duza.Ile(), 7140u);
    const auto posortowane = duza.Posortowane();
    EXPECT_TRUE(std::is_sorted(posortowane.begin(), posortowane.end()));
}

TEST(TPermut, OdometrOstatniNajszybszy)
{
    TPermut permut({TTypowanie("1x", 2), TTypowanie("1x2", 5)});
    EXPECT_EQ(permut.IleZakladow, 6);
    EXPECT_EQ(permut.IlePodwojnych, 1);
    EXPECT_EQ(permut.IlePotrojnych, 1);
    std::vector<std::pair<int, int>> widziane;
    do {
        TZaklad z{};
        permut.Pobierz(z);
        widziane.emplace_back(z[1], z[4]);
        EXPECT_EQ(z[0], 0);
    } while (permut.Nastepna());
    EXPECT_TRUE(permut.Koniec);
    EXPECT_EQ(widziane, (std::vector<std::pair<int, int>>{{1, 1}, {1, 2}, {1, 3}, {2, 1}, {2, 2}, {2, 3}}));
    EXPECT_EQ(TTypowanie("12x1").Typy, "12x");
}

} // namespace
} // namespace tarvomund
