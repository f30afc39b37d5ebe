#include "systems/TGenTest01.h"

#include "model/Daty.h"
#include "wspolne/KatalogTymczasowy.h"
#include "wspolne/LosowaniaTestowe.h"
#include "wspolne/SystemyTestowe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>

namespace tarvomund {
namespace {

using testy::TKatalogTymczasowy;
using Wiersze = std::vector<std::string>;

// A system in memory: the bets as the test compares them (numbers, or sign codes for a pool).
TSystemTestu System(int k, int n, const std::vector<std::vector<int>>& zaklady, bool pilkarski = false)
{
    TSystemTestu system;
    system.k = k;
    system.Pilkarski = pilkarski;
    system.Info.k = k;
    system.Info.n = n;
    for (const auto& zaklad : zaklady) {
        EXPECT_EQ(static_cast<int>(zaklad.size()), k);
        for (int v : zaklad)
            system.Zaklady.push_back(static_cast<uint8_t>(v));
    }
    system.Info.Zakladow = system.Ile();
    return system;
}

TWynikTestu Testuj(const TSystemTestu& system, TParametryTestu parametry)
{
    const std::atomic<bool> przerwij{false};
    return TGenTest01(system, std::move(parametry), przerwij).Wykonaj();
}

TParametryTestu Liczby(std::vector<uint8_t> liczby, int min)
{
    TParametryTestu p;
    p.Tryb = TTrybTestu::Liczby;
    p.Liczby = std::move(liczby);
    p.MinTrafien = min;
    return p;
}

// A draw of January 2020.
TObLos Los(int dzien, const std::vector<int>& liczby)
{
    return testy::Los({2020, 1, dzien}, liczby);
}

// Items ("[i]->( h)") on each report line between the tested numbers and the summary.
std::vector<int> PozycjiNaWierszach(const Wiersze& wiersze)
{
    std::vector<int> wynik;
    for (std::size_t i = 3; i < wiersze.size() && wiersze[i].rfind("Podsumowanie", 0) != 0; ++i) {
        int ile = 0;
        for (std::size_t p = wiersze[i].find("]->("); p != std::string::npos; p = wiersze[i].find("]->(", p + 1))
            ++ile;
        wynik.push_back(ile);
    }
    return wynik;
}

TEST(TGenTest01, RaportWprowadzonychLiczb)
{
    const TSystemTestu system =
        System(6, 12, {{1, 2, 3, 4, 5, 6}, {1, 2, 3, 10, 11, 12}, {7, 8, 9, 10, 11, 12}});
    const TWynikTestu wynik = Testuj(system, Liczby({1, 2, 3, 4, 5, 6}, 3));
    EXPECT_EQ(wynik.Wiersze, (Wiersze{"-----------", "1,2,3,4,5,6", "-----------",
                                      "     [1]->( 6)     [2]->( 3)",
                                      "Podsumowanie od 6 do 3 trafień:",
                                      "===============================",
                                      "     1x(6)     1x(3)",
                                      ""}));
    EXPECT_EQ(wynik.Trafienia, (std::vector<int32_t>{1, 2}));
    EXPECT_FALSE(wynik.Przerwano);
    // The numbers are shown in the order they were entered.
    EXPECT_EQ(Testuj(system, Liczby({6, 1, 5, 2, 4, 3}, 3)).Wiersze[1], "6,1,5,2,4,3");
}

TEST(TGenTest01, PozycjeWWierszachIBrakTrafien)
{
    struct TPrzypadek {
        int Zakladow;
        int Wygranych;
        std::vector<int> Wiersze;
    };
    const TPrzypadek przypadki[] = {
        {3, 2, {2}},             // three bets: all items of a line fit
        {4, 4, {4}},
        {30, 12, {5, 5, 2}},     // 5..499 bets: five a line, the rest on a last line
        {499, 6, {5, 1}},
        {600, 25, {10, 10, 5}},  // from 500 bets: ten a line
        {5, 0, {}},              // nobody wins
    };
    for (const TPrzypadek& p : przypadki) {
        SCOPED_TRACE(std::to_string(p.Zakladow) + " bets, " + std::to_string(p.Wygranych) + " winners");
        std::vector<std::vector<int>> zaklady;
        for (int i = 0; i < p.Zakladow; ++i)
            zaklady.push_back(i < p.Wygranych ? std::vector<int>{1, 2, 3, 20, 21, 22}
                                              : std::vector<int>{1, 20, 21, 22, 23, 24});
        const TWynikTestu wynik = Testuj(System(6, 24, zaklady), Liczby({1, 2, 3, 4, 5, 6}, 3));
        EXPECT_EQ(PozycjiNaWierszach(wynik.Wiersze), p.Wiersze);
        EXPECT_EQ(static_cast<int>(wynik.Trafienia.size()), p.Wygranych);
        ASSERT_GE(wynik.Wiersze.size(), 3u);
        const std::string wygranych = std::to_string(p.Wygranych);
        EXPECT_EQ(wynik.Wiersze[wynik.Wiersze.size() - 2],
                  p.Wygranych ? std::string(6 - wygranych.size(), ' ') + wygranych + "x(3)" : "Brak trafień");
        EXPECT_EQ(wynik.Wiersze.back(), "");
    }
}

TEST(TGenTest01, NumeryPozycjiWyrownane)
{
    // A bet number wider than the item's field stays whole; the hits keep their three places.
    std::vector<std::vector<int>> zaklady(1000000, std::vector<int>{9, 10});
    zaklady.back() = {1, 2};
    const TWynikTestu wynik = Testuj(System(2, 10, zaklady), Liczby({1, 2}, 2));
    ASSERT_EQ(wynik.Trafienia, (std::vector<int32_t>{1000000}));
    EXPECT_EQ(wynik.Wiersze[3], "[1000000]->( 2)");
    EXPECT_EQ(wynik.Wiersze[4], "Podsumowanie od 2 do 2 trafień:");
}

TEST(TGenTest01, StopKonczyPrzyNastepnymZakladzie)
{
    std::vector<std::vector<int>> zaklady(50, std::vector<int>{1, 2, 3});
    const TSystemTestu system = System(3, 10, zaklady);
    std::atomic<bool> przerwij{false};
    // The first progress report always shows; stopping there leaves the run after its first bet.
    TGenTest01 test(system, Liczby({1, 2, 3}, 1), przerwij, [&przerwij](const TPostepTestu& p) {
        EXPECT_EQ(p.Maksimum, 50);
        przerwij = true;
    });
    const TWynikTestu wynik = test.Wykonaj();
    EXPECT_TRUE(wynik.Przerwano);
    EXPECT_EQ(wynik.Trafienia, (std::vector<int32_t>{1}));
    EXPECT_EQ(wynik.Wiersze.back(), "");
    EXPECT_EQ(wynik.Wiersze[wynik.Wiersze.size() - 2], "     1x(3)");
}

class TGenTest01Baza : public ::testing::Test {
protected:
    TParametryTestu Baza(int min, double od = 0.0, double do_ = 1e9) const
    {
        TParametryTestu p;
        p.Tryb = TTrybTestu::Baza;
        p.MinTrafien = min;
        p.Losowania = &losowania_;
        p.Od = od;
        p.Do = do_;
        p.IleLosowanych = 6;
        return p;
    }

    std::vector<TObLos> losowania_{Los(1, {1, 2, 3, 4, 5, 6}), Los(2, {1, 2, 3, 40, 41, 42}),
                                   Los(3, {30, 31, 32, 33, 34, 35})};
    TSystemTestu system_ =
        System(6, 49, {{1, 2, 3, 4, 5, 6}, {1, 2, 3, 7, 8, 9}, {40, 41, 42, 43, 44, 45}});
};

TEST_F(TGenTest01Baza, RaportZakresuIMinimum)
{
    const std::string rowne(50, '=');
    const std::string kreski(10, ' ');
    const std::string puste = "    ------";
    struct TPrzypadek {
        const char* Opis;
        TParametryTestu Parametry;
        Wiersze Oczekiwane;
    };
    const TPrzypadek przypadki[] = {
        {"whole history", Baza(3),
         {"01.01.2020     1x(6)    ------    ------     1x(3)", "02.01.2020    ------    ------    ------     3x(3)",
          rowne, "Podsumowanie", rowne, kreski + "     1x(6)    ------    ------     4x(3)"}},
        {"one day", Baza(3, DniZDaty({2020, 1, 2}), DniZDaty({2020, 1, 2})),
         {"02.01.2020    ------    ------    ------     3x(3)", rowne, "Podsumowanie", rowne,
          kreski + puste + puste + puste + "     3x(3)"}},
        {"a range without draws", Baza(3, DniZDaty({2021, 1, 1}), DniZDaty({2021, 12, 31})),
         {rowne, "Podsumowanie", rowne, kreski + puste + puste + puste + puste}},
        {"minimum above min(d, k)", Baza(7),
         {std::string(10, '='), "Podsumowanie", std::string(10, '='), kreski}},
        {"minimum 6", Baza(6),
         {"01.01.2020     1x(6)", std::string(20, '='), "Podsumowanie", std::string(20, '='),
          kreski + "     1x(6)"}},
    };
    for (const TPrzypadek& p : przypadki) {
        SCOPED_TRACE(p.Opis);
        const TWynikTestu wynik = Testuj(system_, p.Parametry);
        EXPECT_EQ(wynik.Wiersze, p.Oczekiwane);
        EXPECT_TRUE(wynik.Trafienia.empty()); // the history lists no bets in the grid
        TParametryTestu wprost = p.Parametry;
        wprost.PorownaniePoLiczbie = true;
        EXPECT_EQ(Testuj(system_, wprost).Wiersze, p.Oczekiwane);
    }
}

TEST_F(TGenTest01Baza, WiecejLiczbWZakladzieNizWLosowaniu)
{
    // k = 8 over a 6-number draw: the columns run from min(d, k) = 6, and a minimum of 7 or 8
    // leaves no columns at all.
    const TSystemTestu osemki = System(8, 49, {{1, 2, 3, 4, 5, 6, 7, 8}});
    EXPECT_EQ(Testuj(osemki, Baza(5)).Wiersze.front(), "01.01.2020     1x(6)    ------");
    EXPECT_EQ(Testuj(osemki, Baza(7)).Wiersze.back(), std::string(10, ' '));
}

TEST_F(TGenTest01Baza, PowtorzonaLiczbaWLosowaniuLiczySieZaKazdymRazem)
{
    // A damaged draw repeating a number: the hit counts once for each time the number stands there.
    losowania_ = {Los(1, {5, 5, 5, 1, 2, 3})};
    const TSystemTestu system = System(3, 10, {{5, 6, 7}});
    EXPECT_EQ(Testuj(system, Baza(3)).Wiersze.front(), "01.01.2020     1x(3)");
    EXPECT_EQ(Testuj(system, Baza(1)).Wiersze.front(), "01.01.2020     1x(3)    ------    ------");
}

TEST_F(TGenTest01Baza, ZbioryBitowDajaTenSamRaportCoLiczenieWprost)
{
    std::mt19937 los(2024);
    for (int proba = 0; proba < 40; ++proba) {
        SCOPED_TRACE(proba);
        // Numbers up to 255 need every word of the bit sets; draws sometimes repeat a number.
        const int najwieksza = proba % 4 == 0 ? 255 : (proba % 4 == 1 ? 150 : 49);
        const int k = 1 + static_cast<int>(los() % 10);
        const int d = 1 + static_cast<int>(los() % 20);
        std::uniform_int_distribution<int> liczba(0, najwieksza);
        std::vector<std::vector<int>> zaklady(1 + los() % 200);
        for (auto& z : zaklady)
            for (int j = 0; j < k; ++j)
                z.push_back(liczba(los));
        losowania_.clear();
        for (int l = 0; l < 60; ++l) {
            TObLos nowy;
            nowy.Data = 40000 + l;
            for (int p = 0; p < d; ++p)
                nowy.Liczby[static_cast<std::size_t>(p)] = static_cast<uint8_t>(liczba(los));
            losowania_.push_back(nowy);
        }
        const TSystemTestu system = System(k, najwieksza, zaklady);
        TParametryTestu szybko = Baza(1 + static_cast<int>(los() % 3), 40010, 40049);
        szybko.IleLosowanych = d;
        TParametryTestu wprost = szybko;
        wprost.PorownaniePoLiczbie = true;
        const Wiersze oczekiwane = Testuj(system, wprost).Wiersze;
        EXPECT_EQ(Testuj(system, szybko).Wiersze, oczekiwane);
        EXPECT_GE(oczekiwane.size(), 4u);
    }
}

TEST(TGenTest01, TestTypow)
{
    // Ten matches; the system leaves the last match untyped in its third bet.
    const TSystemTestu system = System(10, 0,
                                       {{1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
                                        {2, 2, 2, 2, 2, 2, 2, 2, 2, 2},
                                        {1, 1, 1, 1, 1, 1, 1, 1, 1, 0},
                                        {3, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
                                       true);
    TParametryTestu p;
    p.Liczby = {1, 1, 1, 1, 1, 1, 1, 1, 1, 0};
    p.MinTrafien = 9;
    const TWynikTestu wynik = Testuj(system, p);
    // A match without a sign in the row is nobody's hit, also where the bet has no sign either.
    EXPECT_EQ(wynik.Wiersze, (Wiersze{"-------------------", "1,1,1,1,1,1,1,1,1,-", "-------------------",
                                      "     [1]->( 9)     [3]->( 9)", "Podsumowanie", "============",
                                      "     2x(9)", ""}));
    EXPECT_TRUE(wynik.Trafienia.empty());

    // A random row lists no bets, only the summary.
    p.Wpisane = false;
    p.Liczby = {1, 1, 2, 1, 1, 1, 1, 1, 1, 3};
    p.MinTrafien = 7;
    EXPECT_EQ(Testuj(system, p).Wiersze,
              (Wiersze{"-------------------", "1,1,x,1,1,1,1,1,1,2", "-------------------", "Podsumowanie",
                       std::string(20, '='), "     2x(8)     1x(7)", ""}));
}

TEST(TGenTest01, NaglowekIPozycjiWWierszu)
{
    const TSystemTestu liczbowy = System(6, 24, {{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 7}});
    EXPECT_EQ(NaglowekTestu(liczbowy), (Wiersze{"Test systemu 6/24/2", "==================="}));
    const TSystemTestu pilkarski = System(13, 0, {std::vector<int>(13, 1)}, true);
    EXPECT_EQ(NaglowekTestu(pilkarski, true), (Wiersze{"Test systemu 13/1", "================="}));
    EXPECT_EQ(NaglowekTestu(pilkarski), (Wiersze{"Test systemu 1", "=============="}));

    const std::pair<int32_t, int> przypadki[] = {{1, 1}, {4, 4}, {5, 5}, {499, 5}, {500, 10}, {100000, 10}};
    for (const auto& [zakladow, naWiersz] : przypadki)
        EXPECT_EQ(PozycjiWWierszu(zakladow), naWiersz) << zakladow;
    EXPECT_EQ(TekstPostepuTestu(12.5), " 12.500%");
}

TEST(TGenTest01, LosoweLiczbyRozneIPosortowane)
{
    const std::pair<int, int> przypadki[] = {{49, 6}, {80, 20}, {6, 6}, {5, 8}};
    for (const auto& [ileLiczb, ileLosowanych] : przypadki) {
        SCOPED_TRACE(std::to_string(ileLosowanych) + " of " + std::to_string(ileLiczb));
        TLosowe losowe(ileLiczb * 31 + ileLosowanych);
        for (int proba = 0; proba < 200; ++proba) {
            const std::vector<uint8_t> liczby = LosujLiczbyTestu(losowe, ileLiczb, ileLosowanych);
            ASSERT_EQ(static_cast<int>(liczby.size()), std::min(ileLiczb, ileLosowanych));
            EXPECT_TRUE(std::adjacent_find(liczby.begin(), liczby.end(), std::greater_equal<>()) == liczby.end());
            EXPECT_GE(liczby.front(), 1);
            EXPECT_LE(liczby.back(), ileLiczb);
        }
    }
    TLosowe losowe(7);
    const std::vector<uint8_t> typy = LosujTypyTestu(losowe, 13);
    ASSERT_EQ(typy.size(), 13u);
    for (uint8_t t : typy)
        EXPECT_TRUE(t >= 1 && t <= 3);
}

TEST(TGenTest01, ZnakiTypow)
{
    for (uint8_t kod = 0; kod <= 3; ++kod)
        EXPECT_EQ(KodTypu(ZnakTypu(kod)), kod);
    EXPECT_EQ(KodTypu("X"), 2);
    EXPECT_EQ(ZnakTypu(7), std::string("-"));
    EXPECT_FALSE(KodTypu("3").has_value());
    EXPECT_FALSE(KodTypu("").has_value());
}

class WczytajSystemTestuTest : public ::testing::Test {
protected:
    std::string Zapisz(const TInfoGryRec& info, const std::vector<testy::TZakladTestowy>& zaklady)
    {
        const std::string plik = katalog_.Plik("system.ss2");
        EXPECT_TRUE(testy::ZapiszSystemTestowy(plik, info, zaklady));
        return plik;
    }

    TKatalogTymczasowy katalog_;
    const std::atomic<bool> nieprzerywaj_{false};
};

TEST_F(WczytajSystemTestuTest, LiczbyWlasneIZnakiTypow)
{
    TInfoGryRec info;
    info.IdGry = 1;
    info.KodGry = 1;
    info.n = 4;
    info.k = 3;
    info.IleLiczb = 49;
    info.IleLosowanych = 6;
    info.Wlasne[1] = {11, 22, 33, 44};
    const auto system = WczytajSystemTestu(Zapisz(info, {{1, 2, 3}, {2, 3, 4}}), nieprzerywaj_);
    ASSERT_TRUE(system.has_value());
    EXPECT_FALSE(system->Pilkarski);
    EXPECT_EQ(system->Zaklady, (std::vector<uint8_t>{11, 22, 33, 22, 33, 44}));
    EXPECT_EQ(system->Info.IleLosowanych, 6);

    TInfoGryRec pula = testy::InfoSystemuPilkarskiego(10);
    pula.Wlasne[1][0] = 99; // the typing block is no number mapping
    const auto pilkarski = WczytajSystemTestu(Zapisz(pula, {{1, 2, 3, 1, 2, 3, 1, 2, 3, 0}}), nieprzerywaj_);
    ASSERT_TRUE(pilkarski.has_value());
    EXPECT_TRUE(pilkarski->Pilkarski);
    EXPECT_EQ(pilkarski->k, 10);
    EXPECT_EQ(pilkarski->Zaklady, (std::vector<uint8_t>{1, 2, 3, 1, 2, 3, 1, 2, 3, 0}));
}

TEST_F(WczytajSystemTestuTest, PostepPrzerwanieIBledy)
{
    TInfoGryRec info;
    info.IdGry = info.KodGry = 1;
    info.n = 6;
    info.k = 6;
    info.UstawWlasneDomyslne();
    const std::vector<testy::TZakladTestowy> zaklady(45, testy::TZakladTestowy{1, 2, 3, 4, 5, 6});
    const std::string plik = Zapisz(info, zaklady);

    std::vector<int32_t> indeksy;
    const auto caly = WczytajSystemTestu(plik, nieprzerywaj_, [&](int32_t i, int32_t wszystkich) {
        EXPECT_EQ(wszystkich, 45);
        indeksy.push_back(i);
    });
    ASSERT_TRUE(caly.has_value());
    EXPECT_EQ(caly->Ile(), 45);
    EXPECT_EQ(indeksy, (std::vector<int32_t>{0, 20, 40, 44}));

    // Stop during the load keeps the bets read so far, and the count follows them.
    std::atomic<bool> przerwij{false};
    const auto czesc = WczytajSystemTestu(plik, przerwij, [&](int32_t i, int32_t) {
        if (i == 20)
            przerwij = true;
    });
    ASSERT_TRUE(czesc.has_value());
    EXPECT_EQ(czesc->Ile(), 21);
    EXPECT_EQ(czesc->Info.Zakladow, 21);

    // A file cut inside its bets, or missing, cannot be tested.
    std::filesystem::resize_file(plik, std::filesystem::file_size(plik) - 1);
    EXPECT_FALSE(WczytajSystemTestu(plik, nieprzerywaj_).has_value());
    EXPECT_FALSE(WczytajSystemTestu(katalog_.Plik("brak.ss2"), nieprzerywaj_).has_value());
}

} // namespace
} // namespace tarvomund
