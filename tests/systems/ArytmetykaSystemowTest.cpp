#include "systems/ArytmetykaSystemow.h"

#include "model/PlikSystemu.h"
#include "systems/Kombinatoryka.h"
#include "systems/Losowosc.h"
#include "wspolne/KatalogTymczasowy.h"
#include "wspolne/SystemyTestowe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace tarvomund {
namespace {

using testy::CzytajPlik;
using testy::TKatalogTymczasowy;
using TBet = std::vector<int>;

TInfoGryRec Gra(int32_t ileLiczb = 49)
{
    TObGraLista gra;
    gra.Id = 3;
    gra.KodGry = 13;
    gra.Nazwa = "Lotek próbny";
    gra.MinSkreslen = 2;
    gra.MaxSkreslen = 12;
    gra.NormSkreslen = 6;
    gra.IleLiczb = ileLiczb;
    gra.IleLosowanych = 6;
    return TInfoGryRec::DlaGry(gra);
}

// A system of the test game over n positions whose own numbers are `wlasne` (position i shows
// wlasne[i - 1]; identity beyond).
TInfoGryRec System(int32_t n, int32_t k, const std::vector<int>& wlasne = {})
{
    TInfoGryRec info = Gra();
    info.n = n;
    info.k = k;
    info.Metoda = 2;
    info.Gwarancja = 1;
    for (std::size_t i = 0; i < wlasne.size(); ++i)
        info.Wlasne[1][i] = static_cast<uint8_t>(wlasne[i]);
    return info;
}

// What a file holds, read back through the system reader; the counts are checked against the bets.
struct TSystem {
    TInfoGryRec Info;
    std::vector<TBet> Zaklady;
};

TSystem Czytaj(const std::string& plik)
{
    testy::TSystemZPliku z = testy::CzytajSystemTestowy(plik);
    TSystem system{z.Naglowek.Info, std::move(z.Zaklady)};
    std::array<int32_t, MaxLiczbSystemu> wystapienia{};
    for (const TBet& zaklad : system.Zaklady)
        for (int pozycja : zaklad)
            ++wystapienia[static_cast<std::size_t>(pozycja - 1)];
    EXPECT_EQ(system.Info.Wystapienia, wystapienia);
    return system;
}

// The bets of a system as lottery numbers: each position through the second own-numbers array.
std::set<TBet> WLiczbach(const TSystem& system)
{
    std::set<TBet> wynik;
    for (TBet zaklad : system.Zaklady) {
        for (int& p : zaklad)
            p = system.Info.Wlasne[1][static_cast<std::size_t>(p - 1)];
        std::sort(zaklad.begin(), zaklad.end());
        wynik.insert(zaklad);
    }
    return wynik;
}

class ArytmetykaSystemowTest : public ::testing::Test {
protected:
    std::string Zapisz(const std::string& nazwa, TInfoGryRec info, const std::vector<TBet>& zaklady)
    {
        const std::string plik = katalog_.Plik(nazwa);
        EXPECT_TRUE(testy::ZapiszSystemTestowy(plik, info, zaklady));
        return plik;
    }

    TWynikGeneracji Sumuj(const std::vector<std::string>& pliki, TTrybSumy tryb)
    {
        const TInfoGryRec info = ParametrySumy(CzytajNaglowekSystemu(pliki.front())->Info);
        return SumujSystemy(info, Wynik(), pliki, tryb, przerwij_, postep_);
    }

    std::string Wynik() const { return katalog_.Plik("wynik.ss2"); }

    TKatalogTymczasowy katalog_;
    std::atomic<bool> przerwij_{false};
    std::vector<std::string> teksty_;
    TRaportPostepu postep_{[this](const std::string& tekst) { teksty_.push_back(tekst); }, "%6.2f%%"};
};

TEST_F(ArytmetykaSystemowTest, ZlozenieTrzechIDwochZakladow)
{
    const std::string a = Zapisz("a.ss2", System(4, 2, {11, 12, 13, 14}), {{1, 2}, {1, 3}, {3, 4}});
    const std::string b = Zapisz("b.ss2", System(3, 2, {21, 22, 23}), {{1, 2}, {2, 3}});
    // The records as the two windows hold them after their runs.
    const TInfoGryRec infoA = CzytajNaglowekSystemu(a)->Info;
    const TInfoGryRec infoB = CzytajNaglowekSystemu(b)->Info;
    ASSERT_EQ(SprawdzZlozenie(infoA, infoB), TBladArytmetyki::Brak);
    const TInfoGryRec info = ParametryZlozenia(infoA, infoB);
    EXPECT_EQ(info.k, 4);
    EXPECT_EQ(info.n, 7);
    EXPECT_EQ(info.Zakladow, 6);
    EXPECT_EQ(info.Metoda, 0);
    EXPECT_EQ(info.Gwarancja, 0);
    EXPECT_EQ(info.IleLiczb, 49);
    // The composite numbers its positions afresh.
    EXPECT_EQ(info.Wlasne[1][0], 1);
    EXPECT_EQ(info.Wlasne[1][6], 7);

    const TWynikGeneracji wynik = ZlozSystemy(info, Wynik(), a, b, przerwij_, postep_);
    EXPECT_EQ(wynik.n, 7);
    EXPECT_EQ(wynik.Zakladow, 6);
    EXPECT_FALSE(wynik.Przerwano);
    EXPECT_FALSE(wynik.BladPliku);
    const TSystem system = Czytaj(Wynik());
    // A-major, B-minor; B's positions shifted by A's four.
    EXPECT_EQ(system.Zaklady, (std::vector<TBet>{{1, 2, 5, 6}, {1, 2, 6, 7}, {1, 3, 5, 6}, {1, 3, 6, 7},
                                                 {3, 4, 5, 6}, {3, 4, 6, 7}}));
    EXPECT_EQ(system.Info.n, 7);
    EXPECT_EQ(system.Info.k, 4);
    EXPECT_EQ(system.Info.Metoda, 0);
    EXPECT_EQ(system.Info.Nazwa, "Lotek próbny");
    EXPECT_EQ(system.Info.Wlasne, info.Wlasne);
    EXPECT_EQ(wynik.Wystapienia, system.Info.Wystapienia);
    EXPECT_EQ(std::vector<int32_t>(wynik.Wystapienia.begin(), wynik.Wystapienia.begin() + 8),
              (std::vector<int32_t>{4, 2, 4, 2, 3, 6, 3, 0}));
    ASSERT_TRUE(wynik.Wlasne);
    EXPECT_EQ(*wynik.Wlasne, info.Wlasne);
    ASSERT_FALSE(teksty_.empty());
    EXPECT_EQ(teksty_.front(), "  0.00%");
}

TEST_F(ArytmetykaSystemowTest, ZlozenieOdrzucaZaDuzeIObce)
{
    struct TPrzypadek {
        const char* Opis;
        TInfoGryRec A;
        TInfoGryRec B;
        TBladArytmetyki Blad;
    };
    TInfoGryRec duzaGra = Gra(150);
    auto system = [](TInfoGryRec info, int32_t n, int32_t k, int32_t zakladow) {
        info.n = n;
        info.k = k;
        info.Zakladow = zakladow;
        return info;
    };
    TInfoGryRec pilkarski = system(Gra(), 13, 13, 10);
    pilkarski.KodGry = KodSystemuPilkarskiego;
    pilkarski.Pilkarski = 1;
    TInfoGryRec innaGra = system(Gra(), 10, 5, 3);
    innaGra.NormSkreslen = 5;
    const std::vector<TPrzypadek> przypadki{
        {"49 numbers exactly", system(Gra(), 25, 6, 3), system(Gra(), 24, 6, 3), TBladArytmetyki::Brak},
        {"past the game's 49", system(Gra(), 25, 6, 3), system(Gra(), 25, 6, 3), TBladArytmetyki::PonadLiczbyGry},
        {"past 120 numbers", system(duzaGra, 70, 6, 3), system(duzaGra, 60, 6, 3), TBladArytmetyki::PonadMaxLiczb},
        {"120 numbers exactly", system(duzaGra, 70, 6, 3), system(duzaGra, 50, 6, 3), TBladArytmetyki::Brak},
        {"past the bets a file counts", system(Gra(), 20, 6, 50000), system(Gra(), 20, 6, 50000),
         TBladArytmetyki::ZaDuzoZakladow},
        {"another game", system(Gra(), 10, 5, 3), innaGra, TBladArytmetyki::InnaGra},
        {"a pool system", pilkarski, system(Gra(), 10, 5, 3), TBladArytmetyki::Pilkarski},
    };
    for (const TPrzypadek& p : przypadki)
        EXPECT_EQ(SprawdzZlozenie(p.A, p.B), p.Blad) << p.Opis;
}

TEST_F(ArytmetykaSystemowTest, SumaIRoznicaTegoSamegoSystemu)
{
    const TInfoGryRec info = System(6, 3, {8, 3, 17, 40, 5, 22});
    const std::vector<TBet> zaklady{{1, 2, 3}, {1, 4, 6}, {2, 3, 5}, {4, 5, 6}};
    const std::string a = Zapisz("a.ss2", info, zaklady);
    const std::string kopia = Zapisz("kopia.ss2", info, zaklady);
    const std::set<TBet> oryginal = WLiczbach(Czytaj(a));

    const TWynikGeneracji suma = Sumuj({a, kopia}, TTrybSumy::Suma);
    EXPECT_EQ(suma.Zakladow, 4);
    const TSystem wynikSumy = Czytaj(Wynik());
    EXPECT_EQ(WLiczbach(wynikSumy), oryginal);
    // Renumbered over the numbers used, ascending.
    EXPECT_EQ(wynikSumy.Info.n, 6);
    EXPECT_EQ(std::vector<int>(wynikSumy.Info.Wlasne[1].begin(), wynikSumy.Info.Wlasne[1].begin() + 6),
              (std::vector<int>{3, 5, 8, 17, 22, 40}));
    EXPECT_EQ(wynikSumy.Info.Metoda, BrakMetody);
    EXPECT_EQ(wynikSumy.Info.Gwarancja, 1);
    ASSERT_TRUE(suma.Wlasne);
    EXPECT_EQ(*suma.Wlasne, wynikSumy.Info.Wlasne);
    // Key order of the new positions.
    EXPECT_TRUE(std::is_sorted(wynikSumy.Zaklady.begin(), wynikSumy.Zaklady.end()));

    const TWynikGeneracji roznica = Sumuj({a, kopia}, TTrybSumy::Roznica);
    EXPECT_EQ(roznica.Zakladow, 0);
    EXPECT_FALSE(roznica.BladPliku);
    const TSystem wynikRoznicy = Czytaj(Wynik());
    EXPECT_TRUE(wynikRoznicy.Zaklady.empty());
    // Still a valid system over the numbers the two used.
    EXPECT_EQ(wynikRoznicy.Info.n, 6);
}

TEST_F(ArytmetykaSystemowTest, SumaWLiczbachLoteriiPrzenumerowana)
{
    // A's positions show 20, 5, 12, 9; B's 9, 30, 31: B shares a number with A but no bet.
    const std::string a = Zapisz("a.ss2", System(4, 2, {20, 5, 12, 9}), {{1, 2}, {3, 4}, {2, 4}});
    const std::string b = Zapisz("b.ss2", System(3, 2, {9, 30, 31}), {{1, 2}, {2, 3}});
    // C holds A's {9, 12} under other positions.
    const std::string c = Zapisz("c.ss2", System(2, 2, {12, 9}), {{1, 2}});

    const TWynikGeneracji suma = Sumuj({a, b, c}, TTrybSumy::Suma);
    const TSystem system = Czytaj(Wynik());
    EXPECT_EQ(suma.n, 6);
    EXPECT_EQ(system.Info.n, 6);
    EXPECT_EQ(std::vector<int>(system.Info.Wlasne[1].begin(), system.Info.Wlasne[1].begin() + 6),
              (std::vector<int>{5, 9, 12, 20, 30, 31}));
    // The first and third arrays stay the first system's.
    EXPECT_EQ(system.Info.Wlasne[0], System(4, 2).Wlasne[0]);
    EXPECT_EQ(WLiczbach(system), (std::set<TBet>{{5, 20}, {9, 12}, {5, 9}, {9, 30}, {30, 31}}));
    EXPECT_EQ(system.Zaklady, (std::vector<TBet>{{1, 2}, {1, 4}, {2, 3}, {2, 5}, {5, 6}}));
    EXPECT_EQ(suma.Zakladow, 5);

    // Difference: {9, 12} occurs twice and goes; everything else once and stays.
    Sumuj({a, b, c}, TTrybSumy::Roznica);
    EXPECT_EQ(WLiczbach(Czytaj(Wynik())), (std::set<TBet>{{5, 20}, {5, 9}, {9, 30}, {30, 31}}));
}

TEST_F(ArytmetykaSystemowTest, RoznicaZachowujeZakladyNieparzyscieCzeste)
{
    const TInfoGryRec info = System(8, 3);
    const std::string a = Zapisz("a.ss2", info, {{1, 2, 3}, {2, 3, 4}});
    const std::string obok = Zapisz("obok.ss2", info, {{5, 6, 7}, {6, 7, 8}});
    const std::string wspolny = Zapisz("wspolny.ss2", info, {{2, 3, 4}, {6, 7, 8}});
    struct TPrzypadek {
        const char* Opis;
        std::vector<std::string> Pliki;
        std::set<TBet> Oczekiwane;
    };
    const std::vector<TPrzypadek> przypadki{
        // A system with itself and a third one with no bet in common: the third one's bets.
        {"a, a, obok", {a, a, obok}, {{5, 6, 7}, {6, 7, 8}}},
        // A bet of the third one that A also holds occurs three times, an odd count: it stays.
        {"a, a, wspolny", {a, a, wspolny}, {{2, 3, 4}, {6, 7, 8}}},
        {"a, wspolny", {a, wspolny}, {{1, 2, 3}, {6, 7, 8}}},
        {"a", {a}, {{1, 2, 3}, {2, 3, 4}}},
    };
    for (const TPrzypadek& p : przypadki) {
        Sumuj(p.Pliki, TTrybSumy::Roznica);
        EXPECT_EQ(WLiczbach(Czytaj(Wynik())), p.Oczekiwane) << p.Opis;
    }
}

TEST_F(ArytmetykaSystemowTest, SprawdzenieSumy)
{
    TInfoGryRec duzaGra = Gra(150);
    auto system = [](TInfoGryRec info, int32_t n, int32_t k, int pierwsza) {
        info.n = n;
        info.k = k;
        for (int i = 0; i < n; ++i)
            info.Wlasne[1][static_cast<std::size_t>(i)] = static_cast<uint8_t>(pierwsza + i);
        return info;
    };
    TInfoGryRec innaGra = system(Gra(), 10, 3, 1);
    innaGra.IleLosowanych = 5;
    struct TPrzypadek {
        const char* Opis;
        std::vector<TInfoGryRec> Systemy;
        TBladArytmetyki Blad;
    };
    const std::vector<TPrzypadek> przypadki{
        {"none", {}, TBladArytmetyki::BrakSystemow},
        {"one", {system(Gra(), 10, 3, 1)}, TBladArytmetyki::Brak},
        {"another k", {system(Gra(), 10, 3, 1), system(Gra(), 10, 4, 1)}, TBladArytmetyki::InneK},
        {"another game", {system(Gra(), 10, 3, 1), innaGra}, TBladArytmetyki::InnaGra},
        {"120 numbers together", {system(duzaGra, 100, 3, 1), system(duzaGra, 30, 3, 91)}, TBladArytmetyki::Brak},
        {"121 numbers together", {system(duzaGra, 100, 3, 1), system(duzaGra, 30, 3, 92)},
         TBladArytmetyki::PonadMaxLiczb},
    };
    for (const TPrzypadek& p : przypadki)
        EXPECT_EQ(SprawdzSume(p.Systemy), p.Blad) << p.Opis;
}

TEST_F(ArytmetykaSystemowTest, StopZostawiaPoprawnySystem)
{
    const TInfoGryRec infoA = System(4, 2);
    const std::string a = Zapisz("a.ss2", infoA, {{1, 2}, {1, 3}, {3, 4}});
    const std::string b = Zapisz("b.ss2", infoA, {{1, 4}, {2, 3}});
    // The first item of a phase is always reported: the stop comes right after it.
    TRaportPostepu zatrzymaj([this](const std::string&) { przerwij_ = true; }, "%6.2f%%");

    const TWynikGeneracji zlozenie = ZlozSystemy(ParametryZlozenia(infoA, infoA), Wynik(), a, b, przerwij_, zatrzymaj);
    EXPECT_TRUE(zlozenie.Przerwano);
    EXPECT_EQ(zlozenie.Zakladow, 1);
    EXPECT_EQ(Czytaj(Wynik()).Zaklady, (std::vector<TBet>{{1, 2, 5, 8}}));

    przerwij_ = false;
    const TWynikGeneracji suma = SumujSystemy(ParametrySumy(infoA), Wynik(), {a, b}, TTrybSumy::Suma, przerwij_, zatrzymaj);
    EXPECT_TRUE(suma.Przerwano);
    // The bet read before the stop is written; the second system was never opened for its numbers.
    EXPECT_EQ(suma.Zakladow, 1);
    const TSystem system = Czytaj(Wynik());
    EXPECT_EQ(system.Zaklady, (std::vector<TBet>{{1, 2}}));
    EXPECT_EQ(system.Info.n, 4);

    // Stopped before anything was read: the first system's numbering stays, with no bet.
    przerwij_ = true;
    EXPECT_EQ(Sumuj({a, b}, TTrybSumy::Suma).Zakladow, 0);
    EXPECT_EQ(Czytaj(Wynik()).Info.n, 4);
}

TEST_F(ArytmetykaSystemowTest, BledyPlikowKonczaCicho)
{
    const TInfoGryRec info = System(5, 2);
    const std::string a = Zapisz("a.ss2", info, {{1, 2}, {4, 5}});
    const std::string inneK = Zapisz("inneK.ss2", System(5, 3), {{1, 2, 3}});
    const std::string brak = katalog_.Plik("brak.ss2");

    const TWynikGeneracji zlozenie = ZlozSystemy(ParametryZlozenia(info, info), Wynik(), a, brak, przerwij_, postep_);
    EXPECT_TRUE(zlozenie.BladPliku);
    EXPECT_EQ(zlozenie.Zakladow, 0);
    EXPECT_TRUE(Czytaj(Wynik()).Zaklady.empty());

    // The sources read before the one that fails are still summed.
    const TWynikGeneracji suma = Sumuj({a, inneK, brak}, TTrybSumy::Suma);
    EXPECT_TRUE(suma.BladPliku);
    EXPECT_EQ(suma.Zakladow, 2);
    EXPECT_EQ(Czytaj(Wynik()).Zaklady, (std::vector<TBet>{{1, 2}, {4, 5}}));

    // A target that cannot be created.
    const TWynikGeneracji bezCelu =
        SumujSystemy(ParametrySumy(info), katalog_.Plik("brak/wynik.ss2"), {a}, TTrybSumy::Suma, przerwij_, postep_);
    EXPECT_TRUE(bezCelu.BladPliku);
}

// A damaged bet (a position repeated, or beyond the system's n, or two positions showing one number)
// has no place in a composite or a sum: it is skipped as the other readers skip it.
TEST_F(ArytmetykaSystemowTest, UszkodzoneZakladySaPomijane)
{
    const TInfoGryRec infoA = System(4, 2);
    const std::string a = Zapisz("a.ss2", infoA, {{1, 2}, {3, 3}, {2, 5}, {1, 4}, {120, 1}});
    const std::string b = Zapisz("b.ss2", System(3, 2), {{1, 2}, {2, 9}, {3, 3}});

    const TWynikGeneracji zlozenie =
        ZlozSystemy(ParametryZlozenia(infoA, System(3, 2)), Wynik(), a, b, przerwij_, postep_);
    EXPECT_FALSE(zlozenie.BladPliku);
    EXPECT_EQ(Czytaj(Wynik()).Zaklady, (std::vector<TBet>{{1, 2, 5, 6}, {1, 4, 5, 6}}));
    EXPECT_EQ(zlozenie.Zakladow, 2);

    // Positions 2 and 3 both show the number 7: the bet {2, 3} would hold 7 twice.
    const std::string c = Zapisz("c.ss2", System(4, 2, {5, 7, 7, 9}), {{2, 3}, {1, 4}, {1, 2}});
    for (TTrybSumy tryb : {TTrybSumy::Suma, TTrybSumy::Roznica}) {
        const TWynikGeneracji suma = Sumuj({a, c}, tryb);
        EXPECT_FALSE(suma.BladPliku);
        const TSystem wynik = Czytaj(Wynik());
        EXPECT_EQ(WLiczbach(wynik), (std::set<TBet>{{1, 2}, {1, 4}, {5, 9}, {5, 7}}));
        EXPECT_EQ(suma.Zakladow, 4);
    }
}

TEST_F(ArytmetykaSystemowTest, GeneratorKierujeDoArytmetyki)
{
    const TInfoGryRec infoA = System(4, 2, {11, 12, 13, 14});
    const std::string a = Zapisz("a.ss2", infoA, {{1, 2}, {1, 3}, {3, 4}});
    const std::string b = Zapisz("b.ss2", infoA, {{1, 2}, {3, 4}});
    TLosowe losowe(1);

    TGenSys01 zlozenie(ParametryZlozenia(infoA, infoA), Wynik(), przerwij_, nullptr, losowe);
    zlozenie.UstawZlozenie(a, b);
    // The composite goes first when both are set.
    zlozenie.UstawSume(TTrybSumy::Suma, {a});
    EXPECT_EQ(zlozenie.Wykonaj().Zakladow, 6);
    EXPECT_EQ(Czytaj(Wynik()).Info.n, 8);

    TGenSys01 roznica(ParametrySumy(infoA), Wynik(), przerwij_, nullptr, losowe);
    roznica.UstawSume(TTrybSumy::Roznica, {a, b});
    const TWynikGeneracji wynik = roznica.Wykonaj();
    EXPECT_EQ(wynik.Zakladow, 1);
    EXPECT_EQ(WLiczbach(Czytaj(Wynik())), (std::set<TBet>{{11, 13}}));
    ASSERT_TRUE(wynik.Wlasne);

    // The six methods hand back no own numbers of their own.
    TInfoGryRec pelny = infoA;
    pelny.Metoda = 0;
    pelny.Zakladow = 6;
    EXPECT_FALSE(TGenSys01(pelny, Wynik(), przerwij_, nullptr, losowe).Wykonaj().Wlasne);
}

} // namespace
} // namespace tarvomund
