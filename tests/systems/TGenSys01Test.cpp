#include "systems/TGenSys01.h"

#include "model/PlikSystemu.h"
#include "systems/Kombinatoryka.h"
#include "systems/Metody.h"
#include "systems/PokrycieGwarancyjne.h"
#include "systems/TLosGen.h"
#include "wspolne/KatalogTymczasowy.h"
#include "wspolne/SystemyTestowe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <regex>
#include <set>
#include <vector>

namespace tarvomund {
namespace {

using testy::CzytajPlik;
using testy::TKatalogTymczasowy;

constexpr int LiczbGry = 49;

using TBet = std::vector<int>;

struct TParametry {
    int n;
    int k;
    TMetoda Metoda;
    int Zakladow;
    int Gwarancja = 0;
};

TInfoGryRec Info(const TParametry& p)
{
    TObGraLista gra;
    gra.Id = 7;
    gra.KodGry = 17;
    gra.Nazwa = "Lotek próbny";
    gra.MinSkreslen = 6;
    gra.MaxSkreslen = 12;
    gra.NormSkreslen = 6;
    gra.IleLiczb = LiczbGry;
    gra.IleLosowanych = 6;
    TInfoGryRec info = TInfoGryRec::DlaGry(gra);
    info.n = p.n;
    info.k = p.k;
    info.Metoda = static_cast<int32_t>(p.Metoda);
    info.Zakladow = p.Zakladow;
    info.Gwarancja = p.Gwarancja;
    // Own numbers that differ from the positions, so that a lost block shows.
    for (std::size_t i = 0; i < MaxLiczbSystemu; ++i)
        info.Wlasne[1][i] = static_cast<uint8_t>(MaxLiczbSystemu - i);
    return info;
}

using TSystem = testy::TSystemZPliku;

TSystem Czytaj(const std::string& plik)
{
    return testy::CzytajSystemTestowy(plik);
}

class TGenSys01Test : public ::testing::Test {
protected:
    // Runs the generator on a fresh file with a seeded engine.
    TWynikGeneracji Generuj(const TInfoGryRec& info, uint64_t ziarno = 1,
                            std::function<void(int32_t)> poZapisie = nullptr, TPokazPostep postep = nullptr)
    {
        TLosowe losowe(ziarno);
        TGenSys01 generator(info, Plik(), przerwij_, std::move(postep), losowe);
        generator.PoZapisie = std::move(poZapisie);
        return generator.Wykonaj();
    }
    std::string Plik() const { return katalog_.Plik("system.ss2"); }

    TKatalogTymczasowy katalog_;
    std::atomic<bool> przerwij_{false};
};

std::vector<TBet> WszystkieKombinacje(int n, int k)
{
    std::vector<TBet> wynik;
    for (TKombGen gen(k, n); !gen.Koniec; gen.Nastepna())
        wynik.emplace_back(gen.Kombinacja.begin(), gen.Kombinacja.begin() + k);
    return wynik;
}

bool ZawieraPodzbior(const TBet& zaklad, const TBet& podzbior)
{
    return std::includes(zaklad.begin(), zaklad.end(), podzbior.begin(), podzbior.end());
}

// Every property a generated system has, whatever the method: the header as the run left it,
// positions ascending within 1..n, bets in ascending key order without duplicates, and
// occurrence counts that are the counts of the bets written.
void SprawdzSystem(const TSystem& system, const TInfoGryRec& info, const TWynikGeneracji& wynik)
{
    const TInfoGryRec& h = system.Naglowek.Info;
    EXPECT_EQ(h.IdGry, info.IdGry);
    EXPECT_EQ(h.KodGry, info.KodGry);
    EXPECT_EQ(h.Nazwa, info.Nazwa);
    EXPECT_EQ(system.Naglowek.RozmiarRekordu, info.k);
    EXPECT_EQ(h.n, info.n);
    EXPECT_EQ(h.k, info.k);
    EXPECT_EQ(h.Metoda, info.Metoda);
    EXPECT_EQ(h.Gwarancja, info.Gwarancja);
    EXPECT_EQ(h.IleLiczb, info.IleLiczb);
    EXPECT_EQ(h.MaxSkreslen, info.MaxSkreslen);
    EXPECT_EQ(h.Wlasne, info.Wlasne);
    EXPECT_EQ(h.Zakladow, wynik.Zakladow);
    EXPECT_EQ(wynik.n, info.n);
    EXPECT_FALSE(wynik.BladPliku);

    std::array<int32_t, MaxLiczbSystemu> policzone{};
    for (std::size_t b = 0; b < system.Zaklady.size(); ++b) {
        const TBet& zaklad = system.Zaklady[b];
        ASSERT_EQ(std::adjacent_find(zaklad.begin(), zaklad.end(), std::greater_equal<>()), zaklad.end())
            << "bet " << b + 1 << " not strictly ascending";
        ASSERT_GE(zaklad.front(), 1);
        ASSERT_LE(zaklad.back(), info.n);
        if (b > 0) {
            ASSERT_LT(system.Zaklady[b - 1], zaklad) << "bet " << b + 1 << " out of key order or repeated";
        }
        for (int p : zaklad)
            ++policzone[static_cast<std::size_t>(p - 1)];
    }
    EXPECT_EQ(h.Wystapienia, policzone);
    EXPECT_EQ(wynik.Wystapienia, policzone);
    EXPECT_EQ(std::accumulate(policzone.begin(), policzone.end(), int64_t{0}),
              int64_t{info.k} * static_cast<int64_t>(system.Zaklady.size()));
}

std::string Opis(const TParametry& p, uint64_t ziarno)
{
    return "n=" + std::to_string(p.n) + " k=" + std::to_string(p.k) + " method=" +
           std::to_string(static_cast<int>(p.Metoda)) + " bets=" + std::to_string(p.Zakladow) +
           " g=" + std::to_string(p.Gwarancja) + " seed=" + std::to_string(ziarno);
}

TEST_F(TGenSys01Test, KazdaMetodaPiszeRosnaceRozneZakladyZLicznikami)
{
    const std::vector<TParametry> przypadki{
        {7, 6, TMetoda::Pelna, 7},
        {12, 4, TMetoda::Pelna, 100},
        {10, 6, TMetoda::Pelna, 500}, // more than C(10, 6) = 210: the enumerator ends first
        {10, 5, TMetoda::SkroconaRownomierna, 4},
        {30, 6, TMetoda::SkroconaRownomierna, 200},
        {8, 3, TMetoda::SkroconaRownomierna, 55},
        {49, 6, TMetoda::SkroconaPrzypadkowa, 1000},
        {9, 4, TMetoda::SkroconaPrzypadkowa, 125},
        {10, 6, TMetoda::LancuchowaI, 5},
        {49, 12, TMetoda::LancuchowaI, 38},
        {6, 3, TMetoda::LancuchowaII, 6},
        {49, 6, TMetoda::LancuchowaII, 49},
        {12, 6, TMetoda::Gwarancyjna, 11, 2},
        {20, 6, TMetoda::Gwarancyjna, 323, 3},
        {8, 8, TMetoda::Gwarancyjna, 1, 4},
    };
    for (const TParametry& p : przypadki)
        for (uint64_t ziarno : {1u, 2u}) {
            SCOPED_TRACE(Opis(p, ziarno));
            const TInfoGryRec info = Info(p);
            const TWynikGeneracji wynik = Generuj(info, ziarno);
            EXPECT_FALSE(wynik.Przerwano);
            EXPECT_GT(wynik.Zakladow, 0);
            SprawdzSystem(Czytaj(Plik()), info, wynik);
        }
}

TEST_F(TGenSys01Test, ZakladyOdPoczatkuDoKonca)
{
    struct TPrzypadek {
        TParametry Parametry;
        std::vector<TBet> Zaklady;
    };
    const std::vector<TPrzypadek> przypadki{
        // Each bet leaves out one position, in lexicographic order.
        {{7, 6, TMetoda::Pelna, 7},
         {{1, 2, 3, 4, 5, 6},
          {1, 2, 3, 4, 5, 7},
          {1, 2, 3, 4, 6, 7},
          {1, 2, 3, 5, 6, 7},
          {1, 2, 4, 5, 6, 7},
          {1, 3, 4, 5, 6, 7},
          {2, 3, 4, 5, 6, 7}}},
        {{5, 3, TMetoda::Pelna, 4}, {{1, 2, 3}, {1, 2, 4}, {1, 2, 5}, {1, 3, 4}}},
        {{10, 6, TMetoda::LancuchowaI, 5},
         {{1, 2, 3, 4, 5, 6}, {2, 3, 4, 5, 6, 7}, {3, 4, 5, 6, 7, 8}, {4, 5, 6, 7, 8, 9}, {5, 6, 7, 8, 9, 10}}},
        {{4, 4, TMetoda::LancuchowaI, 1}, {{1, 2, 3, 4}}},
        // Asking a random method for every bet there is gives the full system.
        {{5, 3, TMetoda::SkroconaPrzypadkowa, 10}, WszystkieKombinacje(5, 3)},
        {{5, 3, TMetoda::SkroconaRownomierna, 10}, WszystkieKombinacje(5, 3)},
    };
    for (const TPrzypadek& p : przypadki) {
        SCOPED_TRACE(Opis(p.Parametry, 1));
        Generuj(Info(p.Parametry));
        EXPECT_EQ(Czytaj(Plik()).Zaklady, p.Zaklady);
    }
}

TEST_F(TGenSys01Test, PrzypadkowaZeWszystkimiZakladamiToPelna)
{
    for (const auto& [n, k] : {std::pair{8, 3}, std::pair{9, 5}, std::pair{6, 6}}) {
        const int wszystkich = static_cast<int>(Zaokraglij(Kombinacje(n, k)));
        SCOPED_TRACE(std::to_string(n) + "/" + std::to_string(k));
        Generuj(Info({n, k, TMetoda::Pelna, wszystkich}));
        const TSystem pelna = Czytaj(Plik());
        ASSERT_EQ(pelna.Zaklady.size(), static_cast<std::size_t>(wszystkich));
        Generuj(Info({n, k, TMetoda::SkroconaPrzypadkowa, wszystkich}));
        const TSystem przypadkowa = Czytaj(Plik());
        EXPECT_EQ(przypadkowa.Zaklady, pelna.Zaklady);
        EXPECT_EQ(przypadkowa.Naglowek.Info.Wystapienia, pelna.Naglowek.Info.Wystapienia);
        // One bet short of all of them is drawn, and still comes out distinct and in order.
        const TInfoGryRec info = Info({n, k, TMetoda::SkroconaPrzypadkowa, wszystkich - 1});
        const TWynikGeneracji wynik = Generuj(info);
        EXPECT_EQ(wynik.Zakladow, wszystkich - 1);
        SprawdzSystem(Czytaj(Plik()), info, wynik);
    }
}

// The seed whose first drawn bet of k out of n is the one wanted.
uint64_t ZiarnoDlaStartu(int k, int n, const TBet& start)
{
    for (uint64_t ziarno = 0;; ++ziarno) {
        TLosowe losowe(ziarno);
        const TZaklad z = LosujZaklad(k, n, losowe);
        if (TBet(z.begin(), z.begin() + k) == start)
            return ziarno;
    }
}

TEST_F(TGenSys01Test, LancuchowaIIPiszeRozneObrotyStartu)
{
    struct TPrzypadek {
        TBet Start;
        std::vector<TBet> Zaklady;
    };
    const std::vector<TPrzypadek> przypadki{
        // Symmetric under a shift by two: only two distinct rotations.
        {{1, 3, 5}, {{1, 3, 5}, {2, 4, 6}}},
        {{1, 2, 4}, {{1, 2, 4}, {1, 3, 6}, {1, 4, 5}, {2, 3, 5}, {2, 5, 6}, {3, 4, 6}}},
    };
    for (const TPrzypadek& p : przypadki) {
        const uint64_t ziarno = ZiarnoDlaStartu(3, 6, p.Start);
        const TInfoGryRec info = Info({6, 3, TMetoda::LancuchowaII, 6});
        const TWynikGeneracji wynik = Generuj(info, ziarno);
        const TSystem system = Czytaj(Plik());
        EXPECT_EQ(system.Zaklady, p.Zaklady);
        SprawdzSystem(system, info, wynik);
        const int naPozycje = 3 * static_cast<int>(p.Zaklady.size()) / 6;
        for (int pozycja = 1; pozycja <= 6; ++pozycja)
            EXPECT_EQ(wynik.Wystapienia[static_cast<std::size_t>(pozycja - 1)], naPozycje) << pozycja;
    }
}

TEST_F(TGenSys01Test, RownomiernaTrzymaPewneWKazdymZakladzie)
{
    struct TPrzypadek {
        TParametry Parametry;
        TBet Pewne;
        TBet Inne; // positions with a mark other than the sure one
        int Oczekiwanych;
    };
    const std::vector<TPrzypadek> przypadki{
        {{10, 5, TMetoda::SkroconaRownomierna, 4}, {1}, {}, 4},
        {{20, 6, TMetoda::SkroconaRownomierna, 50}, {3, 17}, {5}, 50},
        // Only C(6, 2) = 15 bets hold both sure positions: they are all written and the run ends.
        {{8, 4, TMetoda::SkroconaRownomierna, 40}, {2, 8}, {}, 15},
        {{8, 4, TMetoda::SkroconaRownomierna, 15}, {2, 8}, {}, 15},
        // Another mark is no sure position: 15 bets hold position 1, not just the 5 that also hold 7.
        {{7, 3, TMetoda::SkroconaRownomierna, 20}, {1}, {7}, 15},
        {{7, 3, TMetoda::SkroconaRownomierna, 20}, {}, {7}, 20},
        // As many sure positions as numbers per bet leave a single bet.
        {{8, 3, TMetoda::SkroconaRownomierna, 5}, {1, 4, 6}, {}, 1},
    };
    for (const TPrzypadek& p : przypadki)
        for (uint64_t ziarno : {1u, 2u, 3u}) {
            SCOPED_TRACE(Opis(p.Parametry, ziarno));
            TInfoGryRec info = Info(p.Parametry);
            for (int pozycja : p.Pewne)
                info.Wlasne[2][static_cast<std::size_t>(pozycja - 1)] = ZnakPewnejPozycji;
            for (int pozycja : p.Inne)
                info.Wlasne[2][static_cast<std::size_t>(pozycja - 1)] = 1;
            const TWynikGeneracji wynik = Generuj(info, ziarno);
            const TSystem system = Czytaj(Plik());
            EXPECT_EQ(wynik.Zakladow, p.Oczekiwanych);
            SprawdzSystem(system, info, wynik);
            for (const TBet& zaklad : system.Zaklady)
                EXPECT_TRUE(ZawieraPodzbior(zaklad, p.Pewne)) << ::testing::PrintToString(zaklad);
        }
}

// Method 1 asked for (nearly) every bet there is, or for half of them: B distinct bets with all sure
// positions, and the counts of the free positions at most one apart.
TEST_F(TGenSys01Test, RownomiernaBliskoWszystkichZakladow)
{
    struct TPrzypadek {
        TParametry Parametry;
        TBet Pewne;
    };
    const std::vector<TPrzypadek> przypadki{
        {{16, 9, TMetoda::SkroconaRownomierna, 11439}, {}},
        {{16, 14, TMetoda::SkroconaRownomierna, 60}, {}},
        {{16, 14, TMetoda::SkroconaRownomierna, 119}, {}},
        {{16, 8, TMetoda::SkroconaRownomierna, 6435}, {}},
        {{20, 10, TMetoda::SkroconaRownomierna, 184000}, {}},
        {{12, 6, TMetoda::SkroconaRownomierna, 209}, {3, 9}},
        {{12, 6, TMetoda::SkroconaRownomierna, 100}, {3, 9}},
        {{30, 27, TMetoda::SkroconaRownomierna, 2000}, {1, 2, 30}},
    };
    for (const TPrzypadek& p : przypadki) {
        SCOPED_TRACE(Opis(p.Parametry, 1));
        TInfoGryRec info = Info(p.Parametry);
        for (int pozycja : p.Pewne)
            info.Wlasne[2][static_cast<std::size_t>(pozycja - 1)] = ZnakPewnejPozycji;
        const TWynikGeneracji wynik = Generuj(info);
        EXPECT_EQ(wynik.Zakladow, p.Parametry.Zakladow);
        const TSystem system = Czytaj(Plik());
        SprawdzSystem(system, info, wynik);
        for (const TBet& zaklad : system.Zaklady)
            ASSERT_TRUE(ZawieraPodzbior(zaklad, p.Pewne)) << ::testing::PrintToString(zaklad);
        int32_t najmniej = std::numeric_limits<int32_t>::max();
        int32_t najwiecej = 0;
        for (int pozycja = 1; pozycja <= p.Parametry.n; ++pozycja)
            if (std::find(p.Pewne.begin(), p.Pewne.end(), pozycja) == p.Pewne.end()) {
                najmniej = std::min(najmniej, wynik.Wystapienia[static_cast<std::size_t>(pozycja - 1)]);
                najwiecej = std::max(najwiecej, wynik.Wystapienia[static_cast<std::size_t>(pozycja - 1)]);
            }
        EXPECT_LE(najwiecej - najmniej, 1) << "counts between " << najmniej << " and " << najwiecej;
    }
}

TEST_F(TGenSys01Test, GwarancyjnaPokrywaKazdyPodzbior)
{
    struct TPrzypadek {
        int n, k, m, Zakladow;
    };
    const std::vector<TPrzypadek> przypadki{
        {10, 6, 3, 6},  {12, 6, 3, 11}, {22, 6, 3, 77}, {9, 4, 3, 21}, {13, 7, 2, 4},
        {15, 5, 4, 105}, {16, 6, 3, 1}, // one candidate: the completion covers nearly everything
        {10, 5, 1, 2},  {8, 5, 5, 56},  // m = 1 and m = k (every 5-subset is a bet: the full system)
        {11, 10, 6, 2}, {6, 6, 3, 1},  {17, 3, 2, 45},
    };
    for (const TPrzypadek& p : przypadki)
        for (uint64_t ziarno : {1u, 2u}) {
            const TParametry parametry{p.n, p.k, TMetoda::Gwarancyjna, p.Zakladow, p.m - 1};
            SCOPED_TRACE(Opis(parametry, ziarno));
            const TInfoGryRec info = Info(parametry);
            const TWynikGeneracji wynik = Generuj(info, ziarno);
            const TSystem system = Czytaj(Plik());
            SprawdzSystem(system, info, wynik);
            // The candidates: the bet 1..k and B - 1 drawn ones.
            TBet pierwszy(static_cast<std::size_t>(p.k));
            std::iota(pierwszy.begin(), pierwszy.end(), 1);
            EXPECT_TRUE(std::binary_search(system.Zaklady.begin(), system.Zaklady.end(), pierwszy));
            EXPECT_GE(wynik.Zakladow, p.Zakladow);
            int niepokrytych = 0;
            for (const TBet& podzbior : WszystkieKombinacje(p.n, p.m))
                if (std::none_of(system.Zaklady.begin(), system.Zaklady.end(),
                                 [&](const TBet& z) { return ZawieraPodzbior(z, podzbior); }))
                    ++niepokrytych;
            EXPECT_EQ(niepokrytych, 0);
            // Each added bet covers several subsets, not one bet per uncovered subset.
            const auto dolnaGranica = static_cast<int>(std::ceil(IlorazKombinacji(p.k, p.n, p.m)));
            EXPECT_LE(wynik.Zakladow, 3 * std::max(p.Zakladow, dolnaGranica));
        }
}

TZaklad Zaklad(std::initializer_list<int> pozycje)
{
    TZaklad z{};
    std::size_t i = 0;
    for (int p : pozycje)
        z[i++] = static_cast<uint8_t>(p);
    return z;
}

TBet Bet(const TZaklad& z, int k)
{
    return TBet(z.begin(), z.begin() + k);
}

TEST(PokrycieGwarancyjne, OznaczaPodzbioryZakladu)
{
    TPokrycieGwarancyjne pokrycie(8, 4, 2);
    EXPECT_EQ(pokrycie.Podzbiorow(), 28u);
    EXPECT_EQ(pokrycie.Oznacz(Zaklad({3, 1, 4, 2})), 6);
    EXPECT_EQ(pokrycie.Oznacz(Zaklad({1, 2, 3, 4})), 0);
    EXPECT_EQ(pokrycie.Oznacz(Zaklad({1, 2, 7, 8})), 5);
    EXPECT_EQ(pokrycie.Niepokrytych(), 17u);
    EXPECT_TRUE(pokrycie.Pokryty(Zaklad({1, 2})));
    EXPECT_TRUE(pokrycie.Pokryty(Zaklad({7, 8})));
    EXPECT_FALSE(pokrycie.Pokryty(Zaklad({1, 5})));
    EXPECT_FALSE(pokrycie.Pokryty(Zaklad({4, 7})));

    EXPECT_TRUE(TPokrycieGwarancyjne::Mozliwe(49, 6, 6));
    EXPECT_FALSE(TPokrycieGwarancyjne::Mozliwe(120, 7, 7)); // C(120, 7) subsets are beyond the map
    EXPECT_FALSE(TPokrycieGwarancyjne::Mozliwe(10, 3, 4));
    EXPECT_FALSE(TPokrycieGwarancyjne::Mozliwe(10, 3, 0));
}

TEST(PokrycieGwarancyjne, DopelniaPozycjamiKtoreKryjaNajwiecej)
{
    TPokrycieGwarancyjne pokrycie(8, 4, 2);
    pokrycie.Oznacz(Zaklad({1, 2, 3, 4}));
    // Every position completes two pairs with 5 and 6; 7 and 8 are in no held pair yet.
    EXPECT_EQ(Bet(pokrycie.Dopelnij(Zaklad({5, 6})), 4), (TBet{5, 6, 7, 8}));
    pokrycie.Oznacz(Zaklad({5, 6, 7, 8}));
    // Two positions from each half make the four cross pairs, the most a bet with 1 and 5 can add.
    const TZaklad zaklad = pokrycie.Dopelnij(Zaklad({1, 5}));
    EXPECT_EQ(Bet(zaklad, 4), (TBet{1, 2, 5, 6}));
    EXPECT_EQ(pokrycie.Oznacz(zaklad), 4);
}

TEST(PokrycieGwarancyjne, PrzegladBezMapyPokrywaResztePodzbiorow)
{
    const std::vector<TZaklad> zaklady{Zaklad({1, 2, 3, 4}), Zaklad({2, 5, 6, 7})};
    int64_t krokow = 0;
    const std::vector<TZaklad> dodane = DopelnijPrzegladem(8, 4, 3, zaklady, [&](int64_t numer, int64_t wszystkich) {
        EXPECT_EQ(numer, ++krokow);
        EXPECT_EQ(wszystkich, 56);
        return false;
    });
    EXPECT_EQ(krokow, 56);
    ASSERT_FALSE(dodane.empty());
    // The first subset no bet holds is 1 2 5; the lowest free position fills it up.
    EXPECT_EQ(Bet(dodane.front(), 4), (TBet{1, 2, 3, 5}));
    std::vector<TBet> wszystkie;
    for (const TZaklad& z : zaklady)
        wszystkie.push_back(Bet(z, 4));
    for (const TZaklad& z : dodane)
        wszystkie.push_back(Bet(z, 4));
    for (const TBet& podzbior : WszystkieKombinacje(8, 3))
        EXPECT_TRUE(std::any_of(wszystkie.begin(), wszystkie.end(),
                                [&](const TBet& z) { return ZawieraPodzbior(z, podzbior); }))
            << ::testing::PrintToString(podzbior);
    // A stop at the first subset adds nothing.
    EXPECT_TRUE(DopelnijPrzegladem(8, 4, 3, zaklady, [](int64_t, int64_t) { return true; }).empty());
}

TEST_F(TGenSys01Test, StopPoStuZakladachZostawiaPoprawnyPlik)
{
    const TInfoGryRec info = Info({20, 5, TMetoda::Pelna, 1000});
    // 100 ends a run of bets that differ only in the last position; 37 stops inside one.
    for (const int32_t stop : {100, 37}) {
        przerwij_ = false;
        const TWynikGeneracji wynik = Generuj(info, 1, [this, stop](int32_t zapisanych) {
            if (zapisanych == stop)
                przerwij_ = true;
        });
        EXPECT_TRUE(wynik.Przerwano);
        EXPECT_EQ(wynik.Zakladow, stop);
        const TSystem system = Czytaj(Plik());
        std::vector<TBet> pierwsze = WszystkieKombinacje(20, 5);
        pierwsze.resize(static_cast<std::size_t>(stop));
        EXPECT_EQ(system.Zaklady, pierwsze);
        SprawdzSystem(system, info, wynik);
        EXPECT_EQ(CzytajPlik(Plik()).size(), DlugoscNaglowkaSystemu + static_cast<std::size_t>(stop) * 5u);
    }
}

TEST_F(TGenSys01Test, StopZPostepuKonczyKazdaMetode)
{
    struct TPrzypadek {
        TParametry Parametry;
        int Zakladow;   // written after a stop at the first progress report
        bool Przerwano; // the second chain method never polls the flag
    };
    const std::vector<TPrzypadek> przypadki{
        {{10, 3, TMetoda::Pelna, 100}, 1, true},
        {{10, 3, TMetoda::SkroconaRownomierna, 50}, 1, true},
        {{10, 3, TMetoda::SkroconaPrzypadkowa, 50}, 1, true},
        {{10, 3, TMetoda::LancuchowaI, 8}, 1, true},
        {{10, 3, TMetoda::LancuchowaII, 10}, 10, false},
        // Stopped among the candidates: neither check nor completion runs.
        {{10, 3, TMetoda::Gwarancyjna, 15, 1}, 1, true},
    };
    for (const TPrzypadek& p : przypadki) {
        SCOPED_TRACE(Opis(p.Parametry, 1));
        przerwij_ = false;
        std::vector<std::string> teksty;
        const TInfoGryRec info = Info(p.Parametry);
        const TWynikGeneracji wynik = Generuj(info, ZiarnoDlaStartu(3, 10, {1, 2, 4}), nullptr,
                                              [&](const std::string& tekst) {
                                                  teksty.push_back(tekst);
                                                  przerwij_ = true;
                                              });
        EXPECT_EQ(wynik.Przerwano, p.Przerwano);
        EXPECT_EQ(wynik.Zakladow, p.Zakladow);
        SprawdzSystem(Czytaj(Plik()), info, wynik);
        ASSERT_FALSE(teksty.empty());
        EXPECT_EQ(teksty.front(), "  0.00%");
        for (const std::string& tekst : teksty)
            EXPECT_TRUE(std::regex_match(tekst, std::regex(R"([ 0-9]{3}\.[0-9]{2}%)"))) << tekst;
    }
}

TEST_F(TGenSys01Test, LicznikiSpozaGryZostaja)
{
    TInfoGryRec info = Info({10, 3, TMetoda::Pelna, 20});
    info.IleLiczb = 12;
    info.Wystapienia.fill(7);
    const TWynikGeneracji wynik = Generuj(info);
    // Positions 1..N are recounted; the entries past the game's numbers keep what the window had.
    std::array<int32_t, MaxLiczbSystemu> oczekiwane{};
    oczekiwane.fill(7);
    std::fill(oczekiwane.begin(), oczekiwane.begin() + 12, 0);
    for (const TBet& zaklad : Czytaj(Plik()).Zaklady)
        for (int p : zaklad)
            ++oczekiwane[static_cast<std::size_t>(p - 1)];
    EXPECT_EQ(wynik.Wystapienia, oczekiwane);
    EXPECT_EQ(Czytaj(Plik()).Naglowek.Info.Wystapienia, oczekiwane);
}

TEST_F(TGenSys01Test, NiemozliweParametryDajaPustySystem)
{
    const std::vector<TParametry> przypadki{
        {5, 6, TMetoda::Pelna, 1},
        {121, 6, TMetoda::SkroconaPrzypadkowa, 10},
        {10, 0, TMetoda::LancuchowaI, 1},
        {10, 3, static_cast<TMetoda>(BrakMetody), 10},
        {10, 3, static_cast<TMetoda>(-1), 10},
    };
    for (const TParametry& p : przypadki) {
        SCOPED_TRACE(Opis(p, 1));
        const TWynikGeneracji wynik = Generuj(Info(p));
        EXPECT_EQ(wynik.Zakladow, 0);
        EXPECT_FALSE(wynik.BladPliku);
        const std::string plik = CzytajPlik(Plik());
        EXPECT_EQ(plik.size(), DlugoscNaglowkaSystemu);
    }
}

TEST_F(TGenSys01Test, BladPlikuKonczyCicho)
{
    TLosowe losowe(1);
    TGenSys01 generator(Info({10, 3, TMetoda::Pelna, 10}), katalog_.Plik("brak/system.ss2"), przerwij_, nullptr,
                        losowe);
    const TWynikGeneracji wynik = generator.Wykonaj();
    EXPECT_TRUE(wynik.BladPliku);
    EXPECT_EQ(wynik.Zakladow, 0);
}

} // namespace
} // namespace tarvomund
