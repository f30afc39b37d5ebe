#include "systems/OptymalizatorPokrycia.h"

#include "model/PlikSystemu.h"
#include "systems/GrupyPokryc.h"
#include "systems/Losowosc.h"
#include "systems/Metody.h"
#include "systems/ParametryPokrycia.h"
#include "systems/RekordyPokryc.h"
#include "systems/SystemPokrycia.h"
#include "systems/TGenSys01.h"
#include "systems/TPokrycieOrbitami.h"
#include "systems/TPrzeszukiwanieWagowe.h"
#include "systems/TWyzarzaniePokrycia.h"
#include "wspolne/KatalogTymczasowy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

namespace tarvomund {
namespace {

using testy::TKatalogTymczasowy;
using TBet = std::vector<int>;

// ---- An independent check: every m-subset against every bet, by counting -----------------------

// Calls f(subset) for the m-subsets of 1..n in lexicographic order, by plain recursion.
template <typename F> void PodzbioryRekurencyjnie(int n, int m, F&& f, TBet& biezacy, int od = 1)
{
    if (static_cast<int>(biezacy.size()) == m) {
        f(biezacy);
        return;
    }
    for (int p = od; p <= n; ++p) {
        biezacy.push_back(p);
        PodzbioryRekurencyjnie(n, m, f, biezacy, p + 1);
        biezacy.pop_back();
    }
}

// The m-subsets no bet meets in t numbers; a value outside 1..n in a bet hits nothing, and a
// value repeated in a bet counts once.
std::vector<TBet> DziuryNaPiechote(int n, int k, int t, int m, const std::vector<TBet>& zaklady)
{
    std::vector<TBet> dziury;
    TBet biezacy;
    PodzbioryRekurencyjnie(
        n, m,
        [&](const TBet& s) {
            for (const TBet& z : zaklady) {
                int trafien = 0;
                for (int x : s)
                    if (std::find(z.begin(), z.begin() + std::min<int>(k, static_cast<int>(z.size())), x) !=
                        z.begin() + std::min<int>(k, static_cast<int>(z.size())))
                        ++trafien;
                if (trafien >= t)
                    return;
            }
            dziury.push_back(s);
        },
        biezacy);
    return dziury;
}

TZaklad Zaklad(const TBet& z)
{
    TZaklad wynik{};
    std::copy(z.begin(), z.end(), wynik.begin());
    return wynik;
}

TBet Bet(const TZaklad& z, int k)
{
    return TBet(z.begin(), z.begin() + k);
}

std::vector<TZaklad> Zaklady(const std::vector<TBet>& bety)
{
    std::vector<TZaklad> wynik;
    for (const TBet& b : bety)
        wynik.push_back(Zaklad(b));
    return wynik;
}

std::vector<TBet> Bety(const std::vector<TZaklad>& zaklady, int k)
{
    std::vector<TBet> wynik;
    for (const TZaklad& z : zaklady)
        wynik.push_back(Bet(z, k));
    return wynik;
}

std::vector<TBet> LosoweBety(int n, int k, int ile, uint64_t ziarno)
{
    TLosowe losowe(ziarno);
    std::vector<TBet> bety;
    for (int i = 0; i < ile; ++i) {
        TBet pula(static_cast<std::size_t>(n));
        for (int p = 0; p < n; ++p)
            pula[static_cast<std::size_t>(p)] = p + 1;
        for (int j = 0; j < k; ++j)
            std::swap(pula[static_cast<std::size_t>(j)], pula[static_cast<std::size_t>(losowe.Zakres(j, n - 1))]);
        TBet bet(pula.begin(), pula.begin() + k);
        std::sort(bet.begin(), bet.end());
        bety.push_back(bet);
    }
    return bety;
}

// Every bet of k distinct ascending positions within 1..n, the bets distinct and in ascending order.
void SprawdzPostac(const std::vector<TZaklad>& zaklady, int n, int k)
{
    for (const TZaklad& z : zaklady) {
        for (int i = 0; i < k; ++i) {
            EXPECT_GE(z[static_cast<std::size_t>(i)], 1);
            EXPECT_LE(z[static_cast<std::size_t>(i)], n);
            if (i > 0) {
                EXPECT_LT(z[static_cast<std::size_t>(i - 1)], z[static_cast<std::size_t>(i)]);
            }
        }
    }
    const std::vector<TBet> bety = Bety(zaklady, k);
    EXPECT_TRUE(std::is_sorted(bety.begin(), bety.end()));
    EXPECT_EQ(std::adjacent_find(bety.begin(), bety.end()), bety.end());
}

// ---- Ranks and the holes check -----------------------------------------------------------------

TEST(TRangi, NumerujaPodzbioryBezLukIOdwracajaSie)
{
    for (const auto& [n, m] : {std::pair{7, 3}, std::pair{14, 4}, std::pair{12, 1}, std::pair{5, 5}, std::pair{30, 4}}) {
        const TRangi rangi(n, m);
        ASSERT_EQ(rangi.Podzbiorow(), static_cast<uint64_t>(Zaokraglij(Kombinacje(n, m))));
        std::set<uint64_t> widziane;
        TBet biezacy;
        PodzbioryRekurencyjnie(
            n, m,
            [&](const TBet& s) {
                std::array<uint8_t, MaxLiczbSystemu> punkty{};
                for (int i = 0; i < m; ++i)
                    punkty[static_cast<std::size_t>(i)] = static_cast<uint8_t>(s[static_cast<std::size_t>(i)] - 1);
                const uint64_t r = rangi.Ranga(punkty.data());
                EXPECT_LT(r, rangi.Podzbiorow());
                widziane.insert(r);
                std::array<uint8_t, MaxLiczbSystemu> zpowrotem{};
                rangi.Odrangi(r, zpowrotem.data());
                EXPECT_TRUE(std::equal(punkty.begin(), punkty.begin() + m, zpowrotem.begin())) << n << " " << m;
            },
            biezacy);
        EXPECT_EQ(widziane.size(), rangi.Podzbiorow()) << n << " " << m;
    }
}

struct TPrzypadekDziur {
    int n, k, t, m, bet;
    uint64_t ziarno;
};

class DziuryTest : public ::testing::TestWithParam<TPrzypadekDziur> {};

TEST_P(DziuryTest, ZgadzajaSieZPrzegladem)
{
    const TPrzypadekDziur& c = GetParam();
    std::vector<TBet> bety = LosoweBety(c.n, c.k, c.bet, c.ziarno);
    const std::vector<TBet> oczekiwane = DziuryNaPiechote(c.n, c.k, c.t, c.m, bety);
    const TParametryPokrycia p{c.n, c.k, c.t, c.m};
    TSprawdzeniePokrycia sprawdzenie(p);
    for (const TBet& b : bety)
        sprawdzenie.Dodaj(Zaklad(b));
    EXPECT_EQ(sprawdzenie.Dziur(), oczekiwane.size());
    std::vector<TBet> lista;
    sprawdzenie.DlaDziur([&](const TZaklad& d) { lista.push_back(Bet(d, c.m)); });
    EXPECT_EQ(lista, oczekiwane);
    EXPECT_EQ(PoliczDziury(p, Zaklady(bety)), std::optional<uint64_t>(oczekiwane.size()));
}

INSTANTIATE_TEST_SUITE_P(Systemy, DziuryTest,
                         ::testing::Values(TPrzypadekDziur{7, 3, 2, 2, 5, 1}, TPrzypadekDziur{10, 5, 3, 3, 12, 2},
                                           TPrzypadekDziur{12, 6, 3, 4, 6, 3}, TPrzypadekDziur{12, 6, 3, 6, 4, 4},
                                           TPrzypadekDziur{11, 4, 2, 5, 3, 5}, TPrzypadekDziur{9, 3, 1, 2, 2, 6},
                                           TPrzypadekDziur{8, 8, 4, 4, 1, 7}, TPrzypadekDziur{14, 6, 4, 4, 30, 8}));

TEST(Dziury, PozycjeSpozaSystemuNieTrafiajaAPowtorzoneLiczaSieRaz)
{
    // A damaged file: 0, 9 and a repeated 2 stand in bets of a system over 8 numbers.
    const std::vector<TBet> bety{{1, 2, 2, 9}, {0, 3, 4, 5}, {5, 6, 7, 8}};
    const std::vector<TBet> oczekiwane = DziuryNaPiechote(8, 4, 2, 2, bety);
    EXPECT_EQ(PoliczDziury({8, 4, 2, 2}, Zaklady(bety)), std::optional<uint64_t>(oczekiwane.size()));
    EXPECT_FALSE(oczekiwane.empty());
    // Beyond the check's reach, or parameters without meaning.
    EXPECT_FALSE(PoliczDziury({120, 10, 10, 10}, {}));
    EXPECT_FALSE(PoliczDziury({8, 4, 5, 5}, {}));
    EXPECT_FALSE(PoliczDziury({8, 4, 3, 2}, {}));
}

TEST(DolneOgraniczenie, SchonheimaDlaZnanychPrzypadkow)
{
    struct TP {
        int n, k, t;
        int64_t l;
    };
    for (const TP& c : {TP{7, 3, 2, 7}, TP{12, 6, 3, 14}, TP{13, 3, 2, 26}, TP{6, 3, 2, 6}, TP{10, 10, 3, 1},
                        TP{49, 6, 1, 9}, TP{5, 6, 2, 0}, TP{9, 3, 4, 0}})
        EXPECT_EQ(DolneOgraniczenie(c.n, c.k, c.t), c.l) << c.n << " " << c.k << " " << c.t;
}

// ---- The records table -------------------------------------------------------------------------

TEST(TRekordyPokryc, CzytaDobreWierszeIPomijaZle)
{
    const TRekordyPokryc rekordy = TRekordyPokryc::ZTekstu("v,k,t,best_known,lower_bound\n"
                                                           "7,3,2,7,7\r\n"
                                                           "20,6,3,71,64\n"
                                                           "20,6,3,99,1\n"   // repeated: the first stands
                                                           "21,x,3,1,1\n"    // not a number
                                                           "22,6,3,77\n"     // four fields
                                                           "23,6,-3,1,1\n"   // negative
                                                           "24,6,3,5,5,6\n"  // six fields
                                                           "\n"
                                                           "30,8,4,559,428");
    EXPECT_EQ(rekordy.Ile(), 3u);
    ASSERT_TRUE(rekordy.Znajdz(20, 6, 3));
    EXPECT_EQ(rekordy.Znajdz(20, 6, 3)->Najlepszy, 71);
    EXPECT_EQ(rekordy.Znajdz(20, 6, 3)->Dolne, 64);
    EXPECT_EQ(rekordy.Znajdz(7, 3, 2)->Najlepszy, 7);
    EXPECT_EQ(rekordy.Znajdz(30, 8, 4)->Dolne, 428);
    for (const auto& [v, k, t] : {std::tuple{22, 6, 3}, std::tuple{21, 6, 3}, std::tuple{24, 6, 3},
                                  std::tuple{0, 0, 0}, std::tuple{20, 3, 6}})
        EXPECT_FALSE(rekordy.Znajdz(v, k, t)) << v << " " << k << " " << t;
    EXPECT_EQ(TRekordyPokryc::Wczytaj("/nie/ma/takiego/pliku.csv").Ile(), 0u);
}

// ---- Groups and orbits -------------------------------------------------------------------------

TEST(GrupyPokryc, RzedyKandydatowIOrbityDzielaPodzbiory)
{
    std::map<std::string, std::size_t> rzedy{{"Z13", 13}, {"Z11+2", 11}, {"2xZ5+3", 5}, {"Z13:3", 39}, {"Z13:12", 156}};
    for (const TKandydatGrupy& kandydat : KandydaciGrup(13)) {
        const auto oczekiwany = rzedy.find(kandydat.Opis);
        if (oczekiwany == rzedy.end())
            continue;
        const std::optional<TGrupa> grupa = TGrupa::Generuj(13, kandydat.Generatory, 4000, kandydat.Opis);
        ASSERT_TRUE(grupa) << kandydat.Opis;
        EXPECT_EQ(grupa->Rzad(), oczekiwany->second) << kandydat.Opis;
        rzedy.erase(oczekiwany);

        // The orbits of the 3-subsets part them, and a generator maps each orbit onto itself.
        const TRangi rangi(13, 3);
        const TOrbity orbity(rangi, *grupa);
        std::vector<std::size_t> rozmiary(orbity.Ile(), 0);
        for (uint64_t r = 0; r < rangi.Podzbiorow(); ++r) {
            ++rozmiary[orbity.Jednostka(r)];
            std::array<uint8_t, MaxLiczbSystemu> s{};
            rangi.Odrangi(r, s.data());
            for (const TPermutacja& g : kandydat.Generatory) {
                std::array<uint8_t, MaxLiczbSystemu> obraz{};
                for (int i = 0; i < 3; ++i)
                    obraz[static_cast<std::size_t>(i)] = g[s[static_cast<std::size_t>(i)]];
                std::sort(obraz.begin(), obraz.begin() + 3);
                EXPECT_EQ(orbity.Jednostka(rangi.Ranga(obraz.data())), orbity.Jednostka(r));
            }
        }
        for (std::size_t rozmiar : rozmiary)
            EXPECT_EQ(grupa->Rzad() % rozmiar, 0u) << kandydat.Opis;
    }
    EXPECT_TRUE(rzedy.empty());
    // A closure beyond the limit is refused.
    EXPECT_FALSE(TGrupa::Generuj(13, KandydaciGrup(13).front().Generatory, 1, "Z"));
}

// x -> ax + b over a field with every multiplier is sharply 2-transitive on the field's q numbers:
// q(q - 1) elements and one orbit of pairs, which fails if the multiplication is not a field's; the
// translations alone have q elements, and the numbers beyond q stay fixed.
TEST(GrupyPokryc, AfiniczneNadCialamiSaOstroDwuprzechodnie)
{
    for (int q : {4, 8, 9, 16, 25, 27}) {
        const auto kandydaci = KandydaciGrup(q + 1);
        auto znajdz = [&](const std::string& opis) {
            const auto it = std::find_if(kandydaci.begin(), kandydaci.end(), [&](const auto& k) { return k.Opis == opis; });
            EXPECT_NE(it, kandydaci.end()) << opis;
            return it == kandydaci.end() ? std::optional<TGrupa>() : TGrupa::Generuj(q + 1, it->Generatory, 4000, opis);
        };
        const std::string opis = "GF(" + std::to_string(q) + ")";
        const std::optional<TGrupa> przesuniecia = znajdz(opis + "+1");
        const std::optional<TGrupa> pelna = znajdz(opis + ":" + std::to_string(q - 1) + "+1");
        ASSERT_TRUE(przesuniecia && pelna) << q;
        EXPECT_EQ(przesuniecia->Rzad(), static_cast<std::size_t>(q));
        EXPECT_EQ(pelna->Rzad(), static_cast<std::size_t>(q * (q - 1)));
        for (const TPermutacja& g : pelna->Elementy())
            EXPECT_EQ(g[static_cast<std::size_t>(q)], q);
        // Pairs of the q + 1 numbers: those within the field make one orbit, those with the fixed
        // number another.
        EXPECT_EQ(TOrbity(TRangi(q + 1, 2), *pelna).Ile(), 2u) << q;
    }
}

TEST(GrupyPokryc, RozwiniecieDajeRozneObrazy)
{
    const TRangi rangi(7, 2);
    const auto kandydaci = KandydaciGrup(7);
    const auto z7 = std::find_if(kandydaci.begin(), kandydaci.end(), [](const auto& k) { return k.Opis == "Z7"; });
    ASSERT_NE(z7, kandydaci.end());
    const TOrbity orbity(rangi, *TGrupa::Generuj(7, z7->Generatory, 100, "Z7"));
    // The difference set {0, 1, 3} gives the Fano plane: seven lines covering every pair once.
    const std::vector<TBlok> plaszczyzna = orbity.Rozwin({BlokZZakladu(Zaklad({1, 2, 4}), 3)}, 3);
    EXPECT_EQ(plaszczyzna.size(), 7u);
    std::vector<TZaklad> zaklady;
    for (const TBlok& b : plaszczyzna)
        zaklady.push_back(ZakladZBloku(b, 3));
    EXPECT_TRUE(DziuryNaPiechote(7, 3, 2, 2, Bety(zaklady, 3)).empty());
    // The same block twice expands once.
    EXPECT_EQ(orbity.Rozwin({plaszczyzna[0], plaszczyzna[3]}, 3).size(), 7u);
}

// The orbits of the candidate group of that description, or null ("" or no such group).
std::unique_ptr<TOrbity> Orbity(const TRangi& rangi, int n, const std::string& grupa)
{
    for (const TKandydatGrupy& kandydat : KandydaciGrup(n))
        if (!grupa.empty() && kandydat.Opis == grupa)
            return std::make_unique<TOrbity>(rangi, *TGrupa::Generuj(n, kandydat.Generatory, 4000, grupa));
    return nullptr;
}

// ---- The annealing keeps its counts right ------------------------------------------------------

struct TPrzypadekWyzarzania {
    TParametryPokrycia p;
    const char* grupa; // "" for plain bets
    int bet;
};

class WyzarzanieTest : public ::testing::TestWithParam<TPrzypadekWyzarzania> {};

// After thousands of kept and undone moves and drops, the incremental count of what is uncovered
// equals a count made afresh from the bets (with a group: from all their images).
TEST_P(WyzarzanieTest, LiczbaNiepokrytychZgadzaSieZPrzegladem)
{
    const TPrzypadekWyzarzania& c = GetParam();
    const TRangi rangi(c.p.n, c.p.m);
    const std::unique_ptr<TOrbity> orbity = Orbity(rangi, c.p.n, c.grupa);
    ASSERT_EQ(orbity != nullptr, *c.grupa != 0) << c.grupa;
    TWyzarzaniePokrycia wyzarzanie(c.p, rangi, orbity.get(), 11);
    std::vector<TBlok> bloki;
    for (const TBet& b : LosoweBety(c.p.n, c.p.k, c.bet, 3))
        bloki.push_back(BlokZZakladu(Zaklad(b), c.p.k));
    wyzarzanie.UstawBloki(bloki);
    wyzarzanie.UstawTemperature(0.6);
    for (int runda = 0; runda < 4; ++runda) {
        for (int i = 0; i < 3000; ++i)
            wyzarzanie.Krok();
        const std::vector<TBlok> wszystkie = orbity ? orbity->Rozwin(wyzarzanie.Bloki(), c.p.k) : wyzarzanie.Bloki();
        std::vector<TZaklad> zaklady;
        for (const TBlok& b : wszystkie)
            zaklady.push_back(ZakladZBloku(b, c.p.k));
        const std::vector<TBet> dziury = DziuryNaPiechote(c.p.n, c.p.k, c.p.t, c.p.m, Bety(zaklady, c.p.k));
        if (!orbity) {
            EXPECT_EQ(wyzarzanie.Niepokrytych(), static_cast<int64_t>(dziury.size()));
        } else {
            // Count the uncovered orbits among the holes.
            std::set<uint32_t> niepokryte;
            for (const TBet& d : dziury) {
                std::array<uint8_t, MaxLiczbSystemu> s{};
                for (int i = 0; i < c.p.m; ++i)
                    s[static_cast<std::size_t>(i)] = static_cast<uint8_t>(d[static_cast<std::size_t>(i)] - 1);
                niepokryte.insert(orbity->Jednostka(rangi.Ranga(s.data())));
            }
            EXPECT_EQ(wyzarzanie.Niepokrytych(), static_cast<int64_t>(niepokryte.size()));
        }
        for (const TBlok& b : wyzarzanie.Bloki())
            for (int i = 1; i < c.p.k; ++i)
                EXPECT_LT(b.p[static_cast<std::size_t>(i - 1)], b.p[static_cast<std::size_t>(i)]);
        ASSERT_TRUE(wyzarzanie.UsunNajmniejPotrzebny());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Przestrzenie, WyzarzanieTest,
    ::testing::Values(TPrzypadekWyzarzania{{12, 6, 3, 3}, "", 14}, TPrzypadekWyzarzania{{11, 5, 2, 4}, "", 5},
                      TPrzypadekWyzarzania{{10, 4, 3, 5}, "", 9}, TPrzypadekWyzarzania{{13, 4, 3, 3}, "Z13", 6},
                      TPrzypadekWyzarzania{{12, 5, 3, 4}, "2xZ5+2", 6},
                      // Classic coverings from one number to four, bets up to eight numbers, plain
                      // and over orbits: the weighed exchange of such coverings.
                      TPrzypadekWyzarzania{{9, 3, 1, 1}, "", 6}, TPrzypadekWyzarzania{{16, 7, 2, 2}, "", 8},
                      TPrzypadekWyzarzania{{14, 8, 4, 4}, "", 20}, TPrzypadekWyzarzania{{15, 5, 4, 4}, "Z15", 10},
                      TPrzypadekWyzarzania{{14, 6, 3, 3}, "2xZ7", 4}));

// ---- The weighted search keeps its counts right and completes tight designs ---------------------

struct TPrzypadekWagowy {
    TParametryPokrycia p;
    const char* grupa; // "" for plain bets
    int stalych;       // fixed bets, counted in the cover but never moved
    int bet;
};

class WagoweTest : public ::testing::TestWithParam<TPrzypadekWagowy> {};

// The holes of a design counted as the search counts them: subsets, or with a group their orbits.
int64_t NiepokryteJednostki(const TParametryPokrycia& p, const TOrbity* orbity, const std::vector<TBet>& bety)
{
    const std::vector<TBet> dziury = DziuryNaPiechote(p.n, p.k, p.t, p.m, bety);
    if (!orbity)
        return static_cast<int64_t>(dziury.size());
    const TRangi rangi(p.n, p.m);
    std::set<uint32_t> niepokryte;
    for (const TBet& d : dziury) {
        std::array<uint8_t, MaxLiczbSystemu> s{};
        for (int i = 0; i < p.m; ++i)
            s[static_cast<std::size_t>(i)] = static_cast<uint8_t>(d[static_cast<std::size_t>(i)] - 1);
        niepokryte.insert(orbity->Jednostka(rangi.Ranga(s.data())));
    }
    return static_cast<int64_t>(niepokryte.size());
}

// After thousands of exchanges, random bets added and bets dropped, the incremental count of what is
// uncovered equals a count made afresh from the fixed and the movable bets (with a group: from all
// their images), and every bet keeps k distinct numbers.
TEST_P(WagoweTest, LiczbaNiepokrytychZgadzaSieZPrzegladem)
{
    const TPrzypadekWagowy& c = GetParam();
    ASSERT_TRUE(TPrzeszukiwanieWagowe::Obsluguje(c.p));
    const TRangi rangi(c.p.n, c.p.m);
    const std::unique_ptr<TOrbity> orbity = Orbity(rangi, c.p.n, c.grupa);
    ASSERT_EQ(orbity != nullptr, *c.grupa != 0) << c.grupa;
    const std::vector<TBet> stale = LosoweBety(c.p.n, c.p.k, c.stalych, 5);
    std::vector<TBlok> staleBloki;
    for (const TBet& b : stale)
        staleBloki.push_back(BlokZZakladu(Zaklad(b), c.p.k));
    std::vector<TBlok> bloki;
    for (const TBet& b : LosoweBety(c.p.n, c.p.k, c.bet, 3))
        bloki.push_back(BlokZZakladu(Zaklad(b), c.p.k));
    TPrzeszukiwanieWagowe wagowe(c.p, orbity.get(), 17);
    wagowe.UstawStale(staleBloki);
    wagowe.UstawBloki(bloki);
    for (int runda = 0; runda < 4; ++runda) {
        for (int i = 0; i < 3000; ++i)
            wagowe.Krok();
        std::vector<TBet> wszystkie = stale;
        for (const TBlok& b : orbity ? orbity->Rozwin(wagowe.Bloki(), c.p.k) : wagowe.Bloki()) {
            for (int i = 1; i < c.p.k; ++i)
                EXPECT_LT(b.p[static_cast<std::size_t>(i - 1)], b.p[static_cast<std::size_t>(i)]);
            wszystkie.push_back(Bet(ZakladZBloku(b, c.p.k), c.p.k));
        }
        EXPECT_EQ(wagowe.Niepokrytych(), NiepokryteJednostki(c.p, orbity.get(), wszystkie));
        const std::size_t przed = wagowe.Bloki().size();
        if (runda % 2 == 0) {
            ASSERT_TRUE(wagowe.UsunNajmniejPotrzebny());
            EXPECT_EQ(wagowe.Bloki().size(), przed - 1);
        } else {
            wagowe.DodajLosowe(2);
            EXPECT_EQ(wagowe.Bloki().size(), przed + 2);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Przestrzenie, WagoweTest,
    ::testing::Values(TPrzypadekWagowy{{12, 6, 3, 3}, "", 0, 14}, TPrzypadekWagowy{{9, 3, 1, 1}, "", 0, 3},
                      TPrzypadekWagowy{{16, 7, 2, 2}, "", 2, 6}, TPrzypadekWagowy{{14, 8, 4, 4}, "", 0, 20},
                      TPrzypadekWagowy{{13, 5, 3, 3}, "", 4, 12}, TPrzypadekWagowy{{13, 4, 3, 3}, "Z13", 0, 6},
                      TPrzypadekWagowy{{15, 5, 4, 4}, "Z15", 0, 10}, TPrzypadekWagowy{{14, 6, 3, 3}, "2xZ7", 0, 4}));

TEST(PrzeszukiwanieWagowe, ObslugujeTylkoKlasycznePokrycia)
{
    EXPECT_TRUE(TPrzeszukiwanieWagowe::Obsluguje({30, 8, 4, 4}));
    EXPECT_FALSE(TPrzeszukiwanieWagowe::Obsluguje({12, 6, 3, 4}));  // "t if m"
    EXPECT_FALSE(TPrzeszukiwanieWagowe::Obsluguje({70, 6, 2, 2}));  // beyond one 64-bit mask
    EXPECT_FALSE(TPrzeszukiwanieWagowe::Obsluguje({60, 10, 6, 6})); // more subsets than it weighs
    EXPECT_FALSE(TPrzeszukiwanieWagowe::Obsluguje({8, 4, 5, 5}));
}

// From random bets the weighted search completes the tight designs: the projective plane of order 3
// (13 bets of 4, every pair exactly once; also as the orbit of one bet under the shifts modulo 13, a
// difference set) and the best covering known of triples by bets of 6 over 12 numbers. A bounded
// number of moves, so that the test does not depend on the machine's speed.
TEST(PrzeszukiwanieWagowe, ZLosowychDochodziDoCiasnychUkladow)
{
    struct TP {
        TParametryPokrycia p;
        const char* grupa;
        int bet;
        std::size_t zakladow;
    };
    for (const TP& c : {TP{{13, 4, 2, 2}, "", 13, 13}, TP{{12, 6, 3, 3}, "", 15, 15}, TP{{13, 4, 2, 2}, "Z13", 1, 13}}) {
        const TRangi rangi(c.p.n, c.p.m);
        const std::unique_ptr<TOrbity> orbity = Orbity(rangi, c.p.n, c.grupa);
        ASSERT_EQ(orbity != nullptr, *c.grupa != 0) << c.grupa;
        TPrzeszukiwanieWagowe wagowe(c.p, orbity.get(), 3);
        wagowe.DodajLosowe(c.bet);
        for (int i = 0; i < 200000 && wagowe.Niepokrytych() > 0; ++i)
            wagowe.Krok();
        ASSERT_EQ(wagowe.Niepokrytych(), 0) << c.p.n << " " << c.p.k << " " << c.grupa;
        std::vector<TBet> bety;
        for (const TBlok& b : orbity ? orbity->Rozwin(wagowe.Bloki(), c.p.k) : wagowe.Bloki())
            bety.push_back(Bet(ZakladZBloku(b, c.p.k), c.p.k));
        EXPECT_EQ(bety.size(), c.zakladow);
        EXPECT_TRUE(DziuryNaPiechote(c.p.n, c.p.k, c.p.t, c.p.m, bety).empty());
    }
}

// ---- The set cover over orbits of bets ----------------------------------------------------------

struct TPrzypadekZbiorow {
    TParametryPokrycia p;
    const char* grupa;
};

class ZbioryOrbitTest : public ::testing::TestWithParam<TPrzypadekZbiorow> {};

// The design the set cover holds: all images of its orbits' representatives, as bets.
std::vector<TBet> Projekt(const TPokrycieOrbitami& zbiory, const TOrbity& orbity, int k)
{
    std::vector<TBet> bety;
    for (const TBlok& b : orbity.Rozwin(zbiory.Bloki(), k))
        bety.push_back(Bet(ZakladZBloku(b, k), k));
    return bety;
}

// The greedy start covers everything; after thousands of moves, drops and a fresh start the
// incremental counts of uncovered orbits and of bets equal counts made afresh from all the images
// of the chosen orbits.
TEST_P(ZbioryOrbitTest, LicznikiZgadzajaSieZPrzegladem)
{
    const TPrzypadekZbiorow& c = GetParam();
    ASSERT_TRUE(TPokrycieOrbitami::Obsluguje(c.p));
    const TRangi rangi(c.p.n, c.p.m);
    const std::unique_ptr<TOrbity> orbity = Orbity(rangi, c.p.n, c.grupa);
    ASSERT_NE(orbity, nullptr) << c.grupa;
    TPokrycieOrbitami zbiory(c.p, *orbity, 23);
    zbiory.Zachlannie();
    ASSERT_EQ(zbiory.Niepokrytych(), 0);
    std::vector<TBet> projekt = Projekt(zbiory, *orbity, c.p.k);
    EXPECT_EQ(static_cast<int64_t>(projekt.size()), zbiory.Zakladow());
    EXPECT_TRUE(DziuryNaPiechote(c.p.n, c.p.k, c.p.t, c.p.m, projekt).empty());
    for (int runda = 0; runda < 6; ++runda) {
        if (runda == 3)
            zbiory.OdNowa();
        for (int i = 0; i < 2000; ++i) {
            if (zbiory.Niepokrytych() == 0) {
                ASSERT_TRUE(zbiory.UsunNajmniejPotrzebny());
            }
            zbiory.Krok();
        }
        projekt = Projekt(zbiory, *orbity, c.p.k);
        EXPECT_EQ(static_cast<int64_t>(projekt.size()), zbiory.Zakladow());
        EXPECT_EQ(zbiory.Niepokrytych(), NiepokryteJednostki(c.p, orbity.get(), projekt));
    }
}

INSTANTIATE_TEST_SUITE_P(Grupy, ZbioryOrbitTest,
                         ::testing::Values(TPrzypadekZbiorow{{13, 4, 3, 3}, "Z13"},
                                           TPrzypadekZbiorow{{15, 5, 4, 4}, "Z15:4"},
                                           TPrzypadekZbiorow{{14, 6, 3, 3}, "2xZ7"},
                                           TPrzypadekZbiorow{{12, 5, 3, 3}, "2xZ5:4+2"},
                                           TPrzypadekZbiorow{{16, 6, 4, 4}, "3xZ5+1"}));

TEST(PokrycieOrbitami, ObslugujeTylkoKlasycznePokrycia)
{
    EXPECT_TRUE(TPokrycieOrbitami::Obsluguje({30, 8, 4, 4}));
    EXPECT_FALSE(TPokrycieOrbitami::Obsluguje({12, 6, 3, 4})); // "t if m"
    EXPECT_FALSE(TPokrycieOrbitami::Obsluguje({70, 6, 2, 2})); // beyond one 64-bit mask
    EXPECT_FALSE(TPokrycieOrbitami::Obsluguje({40, 12, 3, 3})); // too many bets to list their orbits
    // A larger group lists fewer orbits.
    EXPECT_LT(TPokrycieOrbitami::Pamiec({30, 8, 4, 4}, 120), TPokrycieOrbitami::Pamiec({30, 8, 4, 4}, 30));
}

// Over the right group the set cover finds designs whole: the projective plane of order 3 as one
// orbit under the shifts modulo 13, and the best covering known of 4-subsets of 22 numbers by bets
// of 7 (252 bets) under three 7-cycles with their multipliers 1, 2, 4. A bounded number of moves.
TEST(PokrycieOrbitami, ZnajdujeProjektyGrupowe)
{
    struct TP {
        TParametryPokrycia p;
        const char* grupa;
        int64_t zakladow;
    };
    for (const TP& c : {TP{{13, 4, 2, 2}, "Z13", 13}, TP{{22, 7, 4, 4}, "3xZ7:3+1", 252}}) {
        const TRangi rangi(c.p.n, c.p.m);
        const std::unique_ptr<TOrbity> orbity = Orbity(rangi, c.p.n, c.grupa);
        ASSERT_NE(orbity, nullptr) << c.grupa;
        TPokrycieOrbitami zbiory(c.p, *orbity, 7);
        zbiory.Zachlannie();
        int64_t najmniej = zbiory.Zakladow();
        std::vector<TBet> najlepszy = Projekt(zbiory, *orbity, c.p.k);
        for (int i = 0; i < 300000 && najmniej > c.zakladow; ++i) {
            if (zbiory.Niepokrytych() == 0) {
                if (zbiory.Zakladow() < najmniej) {
                    najmniej = zbiory.Zakladow();
                    najlepszy = Projekt(zbiory, *orbity, c.p.k);
                }
                ASSERT_TRUE(zbiory.UsunNajmniejPotrzebny());
            }
            zbiory.Krok();
        }
        EXPECT_EQ(najmniej, c.zakladow) << c.p.n << " " << c.p.k << " " << c.grupa;
        EXPECT_EQ(static_cast<int64_t>(najlepszy.size()), najmniej);
        EXPECT_TRUE(DziuryNaPiechote(c.p.n, c.p.k, c.p.t, c.p.m, najlepszy).empty());
    }
}

// ---- The optimiser -----------------------------------------------------------------------------

struct TPrzypadekOptymalizacji {
    TParametryPokrycia p;
    int64_t najwiecej; // a size a working optimiser reaches at once on these
};

class OptymalizatorTest : public ::testing::TestWithParam<TPrzypadekOptymalizacji> {};

TEST_P(OptymalizatorTest, WynikPelnyIMaly)
{
    const TPrzypadekOptymalizacji& c = GetParam();
    TZadaniePokrycia zadanie;
    zadanie.Parametry = c.p;
    zadanie.Sekundy = 5;
    zadanie.Ziarno = 5;
    zadanie.Watki = 2;
    zadanie.Cel = c.najwiecej;
    const std::atomic<bool> przerwij{false};
    const TWynikPokrycia wynik = OptymalizujPokrycie(zadanie, przerwij);
    ASSERT_EQ(wynik.Blad, TBladPokrycia::Brak);
    SprawdzPostac(wynik.Zaklady, c.p.n, c.p.k);
    EXPECT_TRUE(DziuryNaPiechote(c.p.n, c.p.k, c.p.t, c.p.m, Bety(wynik.Zaklady, c.p.k)).empty());
    EXPECT_LE(static_cast<int64_t>(wynik.Zaklady.size()), c.najwiecej);
    EXPECT_GE(static_cast<int64_t>(wynik.Zaklady.size()), c.p.Klasyczne() ? DolneOgraniczenie(c.p.n, c.p.k, c.p.t) : 1);
    EXPECT_FALSE(wynik.Zrodlo.empty());
}

// The classic ones are the best coverings known; "t if m" wheels get the sizes the optimiser
// reaches at once.
INSTANTIATE_TEST_SUITE_P(
    Male, OptymalizatorTest,
    ::testing::Values(TPrzypadekOptymalizacji{{7, 3, 2, 2}, 7}, TPrzypadekOptymalizacji{{9, 3, 2, 2}, 12},
                      TPrzypadekOptymalizacji{{10, 5, 3, 3}, 17}, TPrzypadekOptymalizacji{{12, 6, 3, 3}, 15},
                      TPrzypadekOptymalizacji{{13, 3, 2, 2}, 26}, TPrzypadekOptymalizacji{{11, 5, 4, 4}, 66},
                      TPrzypadekOptymalizacji{{12, 6, 3, 4}, 6}, TPrzypadekOptymalizacji{{14, 6, 3, 6}, 4},
                      TPrzypadekOptymalizacji{{10, 4, 2, 3}, 4}, TPrzypadekOptymalizacji{{8, 8, 4, 4}, 1}));

// The best size known only steers the search: a true one is reached, and one below what is possible
// (a damaged table) still gives a complete system, larger than it.
TEST(Optymalizator, ZnanyRozmiarTylkoKieruje)
{
    const std::atomic<bool> przerwij{false};
    struct TP {
        TParametryPokrycia p;
        int64_t znany;
        int64_t najwiecej;
    };
    for (const TP& c : {TP{{12, 6, 3, 3}, 15, 15}, TP{{13, 4, 2, 2}, 13, 13}, TP{{12, 6, 3, 3}, 3, 15},
                        TP{{10, 5, 3, 3}, 1000, 17}}) {
        TZadaniePokrycia zadanie;
        zadanie.Parametry = c.p;
        zadanie.Sekundy = c.znany < c.najwiecej ? 1 : 5;
        zadanie.Ziarno = 9;
        zadanie.Watki = 2;
        zadanie.Znany = c.znany;
        zadanie.Cel = c.najwiecej;
        const TWynikPokrycia wynik = OptymalizujPokrycie(zadanie, przerwij);
        ASSERT_EQ(wynik.Blad, TBladPokrycia::Brak);
        SprawdzPostac(wynik.Zaklady, c.p.n, c.p.k);
        EXPECT_TRUE(DziuryNaPiechote(c.p.n, c.p.k, c.p.t, c.p.m, Bety(wynik.Zaklady, c.p.k)).empty());
        EXPECT_GE(static_cast<int64_t>(wynik.Zaklady.size()), DolneOgraniczenie(c.p.n, c.p.k, c.p.t));
        if (c.znany >= c.najwiecej) {
            EXPECT_LE(static_cast<int64_t>(wynik.Zaklady.size()), c.najwiecej) << c.p.n << " " << c.p.k;
        }
    }
}

// The optimiser tries set covers over the orbits of its groups: 4-subsets of 27 numbers by bets of 6
// reach the best covering known (1,170 bets, a design invariant under a group of order 78) long
// before any search over single bets could. It stops there, in a few seconds; the generous limit
// only keeps a loaded machine from failing the test.
TEST(Optymalizator, ZbioryOrbitDochodzaDoProjektuGrupowego)
{
    const std::atomic<bool> przerwij{false};
    TZadaniePokrycia zadanie;
    zadanie.Parametry = {27, 6, 4, 4};
    zadanie.Sekundy = 600;
    zadanie.Ziarno = 3;
    zadanie.Watki = 2;
    zadanie.Znany = 1170;
    zadanie.Cel = 1170;
    const TWynikPokrycia wynik = OptymalizujPokrycie(zadanie, przerwij);
    ASSERT_EQ(wynik.Blad, TBladPokrycia::Brak);
    EXPECT_EQ(wynik.Zaklady.size(), 1170u);
    EXPECT_NE(wynik.Zrodlo.find("(orbity)"), std::string::npos) << wynik.Zrodlo;
    SprawdzPostac(wynik.Zaklady, 27, 6);
    EXPECT_TRUE(DziuryNaPiechote(27, 6, 4, 4, Bety(wynik.Zaklady, 6)).empty());
}

TEST(Optymalizator, ZlePrzyczynyOdmowy)
{
    const std::atomic<bool> przerwij{false};
    for (const TParametryPokrycia& p :
         {TParametryPokrycia{8, 4, 5, 5}, TParametryPokrycia{8, 4, 3, 2}, TParametryPokrycia{8, 9, 2, 2},
          TParametryPokrycia{0, 0, 0, 0}, TParametryPokrycia{40, 33, 2, 2}, TParametryPokrycia{121, 6, 2, 2}}) {
        TZadaniePokrycia zadanie;
        zadanie.Parametry = p;
        EXPECT_EQ(OptymalizujPokrycie(zadanie, przerwij).Blad, TBladPokrycia::ZleParametry) << p.n << " " << p.k;
    }
    TZadaniePokrycia zaDuze;
    zaDuze.Parametry = {120, 10, 10, 10};
    EXPECT_EQ(OptymalizujPokrycie(zaDuze, przerwij).Blad, TBladPokrycia::ZaDuze);
    EXPECT_EQ(SprawdzZadanie({49, 6, 3, 6}), TBladPokrycia::Brak);
}

TEST(Optymalizator, StopDajePelnySystemAPostepRosnie)
{
    // Stopped before it starts: the first complete design still comes back, checked.
    const std::atomic<bool> zatrzymany{true};
    TZadaniePokrycia zadanie;
    zadanie.Parametry = {14, 5, 3, 3};
    zadanie.Sekundy = 30;
    const TWynikPokrycia wynik = OptymalizujPokrycie(zadanie, zatrzymany);
    EXPECT_TRUE(wynik.Przerwano);
    EXPECT_EQ(wynik.Blad, TBladPokrycia::Brak);
    EXPECT_TRUE(DziuryNaPiechote(14, 5, 3, 3, Bety(wynik.Zaklady, 5)).empty());

    const std::atomic<bool> biegnie{false};
    zadanie.Sekundy = 0.6;
    zadanie.Cel = 1; // unreachable: the run takes its whole time
    std::vector<TPostepPokrycia> postepy;
    const TWynikPokrycia pelny =
        OptymalizujPokrycie(zadanie, biegnie, [&](const TPostepPokrycia& p) { postepy.push_back(p); });
    EXPECT_FALSE(pelny.Przerwano);
    ASSERT_GE(postepy.size(), 2u);
    for (std::size_t i = 1; i < postepy.size(); ++i) {
        EXPECT_GE(postepy[i].Procent, postepy[i - 1].Procent);
        EXPECT_LE(postepy[i].Procent, 100.0);
        // The best so far never grows.
        if (postepy[i - 1].Zakladow > 0) {
            EXPECT_LE(postepy[i].Zakladow, postepy[i - 1].Zakladow);
        }
    }
    EXPECT_EQ(postepy.back().Procent, 100.0);
    EXPECT_EQ(postepy.back().Zakladow, static_cast<int64_t>(pelny.Zaklady.size()));
}

TEST(Optymalizator, RedukcjaNieRosnieIDopelniaDziury)
{
    const std::atomic<bool> przerwij{false};
    // Every pair of 8 numbers in all 70 bets of four: far more than the 6 a covering needs.
    std::vector<TBet> pelny;
    TBet biezacy;
    PodzbioryRekurencyjnie(8, 4, [&](const TBet& s) { pelny.push_back(s); }, biezacy);
    // And a system with holes: three bets that miss many pairs.
    const std::vector<TBet> dziurawy{{1, 2, 3, 4}, {1, 5, 6, 7}, {2, 5, 6, 8}};
    for (const std::vector<TBet>* zrodlo : std::array<const std::vector<TBet>*, 2>{&pelny, &dziurawy}) {
        TZadaniePokrycia zadanie;
        zadanie.Parametry = {8, 4, 2, 2};
        zadanie.Sekundy = 2;
        zadanie.Poczatkowe = Zaklady(*zrodlo);
        const TWynikPokrycia wynik = OptymalizujPokrycie(zadanie, przerwij);
        ASSERT_EQ(wynik.Blad, TBladPokrycia::Brak);
        SprawdzPostac(wynik.Zaklady, 8, 4);
        EXPECT_TRUE(DziuryNaPiechote(8, 4, 2, 2, Bety(wynik.Zaklady, 4)).empty());
        // C(8, 4, 2) = 6 is the least possible and is found at once.
        EXPECT_EQ(wynik.Zaklady.size(), 6u);
    }
}

TEST(Optymalizator, UzupelnienieZachowujeZakladyIDodajeNajmniej)
{
    const std::atomic<bool> przerwij{false};
    struct TP {
        TParametryPokrycia p;
        std::vector<TBet> zrodlo;
        std::optional<std::size_t> dodanych; // the fewest bets that can close the holes, where known
    };
    const std::vector<TP> przypadki{
        // Pairs of 7 numbers: the Fano plane without one line leaves its three pairs, one bet closes them.
        {{7, 3, 2, 2}, {{1, 2, 4}, {2, 3, 5}, {3, 4, 6}, {4, 5, 7}, {1, 5, 6}, {2, 6, 7}}, 1},
        // Nothing to add: the system already holds every pair.
        {{7, 3, 2, 2}, {{1, 2, 4}, {2, 3, 5}, {3, 4, 6}, {4, 5, 7}, {1, 5, 6}, {2, 6, 7}, {1, 3, 7}}, 0},
        // The affine plane of 9 points without two parallel lines: their six pairs need two bets.
        {{9, 3, 2, 2},
         {{7, 8, 9}, {1, 4, 7}, {2, 5, 8}, {3, 6, 9}, {1, 5, 9}, {2, 6, 7}, {3, 4, 8}, {1, 6, 8}, {2, 4, 9}, {3, 5, 7}},
         2},
        // 3 if 4 over 10 numbers from a single bet.
        {{10, 5, 3, 4}, {{1, 2, 3, 4, 5}}, std::nullopt},
    };
    for (const TP& c : przypadki) {
        TZadaniePokrycia zadanie;
        zadanie.Parametry = c.p;
        zadanie.Sekundy = 2;
        zadanie.Stale = Zaklady(c.zrodlo);
        const TWynikPokrycia wynik = OptymalizujPokrycie(zadanie, przerwij);
        ASSERT_EQ(wynik.Blad, TBladPokrycia::Brak);
        const std::vector<TBet> bety = Bety(wynik.Zaklady, c.p.k);
        EXPECT_TRUE(DziuryNaPiechote(c.p.n, c.p.k, c.p.t, c.p.m, bety).empty());
        for (const TBet& b : c.zrodlo)
            EXPECT_NE(std::find(bety.begin(), bety.end(), b), bety.end());
        if (c.dodanych) {
            EXPECT_EQ(bety.size(), c.zrodlo.size() + *c.dodanych);
        } else {
            EXPECT_GT(bety.size(), c.zrodlo.size());
        }
    }
}

// ---- Reading and writing the systems -----------------------------------------------------------

TEST(SystemPokrycia, ZapisIOdczytZLicznikamiIGwarancja)
{
    TKatalogTymczasowy katalog;
    const TParametryPokrycia p{7, 3, 2, 2};
    const std::vector<TBet> fano{{1, 2, 4}, {2, 3, 5}, {3, 4, 6}, {4, 5, 7}, {1, 5, 6}, {2, 6, 7}, {1, 3, 7}};
    const std::string plik = katalog.Plik("fano.ss2");
    ASSERT_TRUE(ZapiszSystemPokrycia(plik, InfoPokrycia(p), Zaklady(fano)));
    TBladOdczytuPokrycia blad = TBladOdczytuPokrycia::Plik;
    const auto system = CzytajSystemPokrycia(plik, 100, &blad);
    ASSERT_TRUE(system);
    EXPECT_EQ(blad, TBladOdczytuPokrycia::Brak);
    EXPECT_EQ(Bety(system->Zaklady, 3), fano);
    EXPECT_EQ(system->Info.Zakladow, 7);
    EXPECT_EQ(system->Info.Metoda, static_cast<int32_t>(TMetoda::Gwarancyjna));
    EXPECT_EQ(system->Info.Gwarancja, 1);
    EXPECT_EQ(system->Info.n, 7);
    EXPECT_EQ(system->Info.Nazwa, "Pokrycie 2 jeśli 2");
    for (int liczba = 1; liczba <= 7; ++liczba)
        EXPECT_EQ(system->Info.Wystapienia[static_cast<std::size_t>(liczba - 1)], 3) << liczba;
    EXPECT_EQ(system->Info.Wlasne[1][6], 7);

    EXPECT_FALSE(CzytajSystemPokrycia(plik, 6, &blad));
    EXPECT_EQ(blad, TBladOdczytuPokrycia::ZaDuzo);
    EXPECT_FALSE(CzytajSystemPokrycia(katalog.Plik("brak.ss2"), 100, &blad));
    EXPECT_EQ(blad, TBladOdczytuPokrycia::Plik);
    TInfoGryRec pilkarski = InfoPokrycia(p);
    pilkarski.KodGry = KodSystemuPilkarskiego;
    pilkarski.Pilkarski = 1;
    ASSERT_TRUE(ZapiszSystemPokrycia(katalog.Plik("toto.ss2"), pilkarski, Zaklady(fano)));
    EXPECT_FALSE(CzytajSystemPokrycia(katalog.Plik("toto.ss2"), 100, &blad));
    EXPECT_EQ(blad, TBladOdczytuPokrycia::Pilkarski);
}

// ---- The guarantee method with its result optimised --------------------------------------------

TEST(TGenSys01Optymalizacja, MetodaGwarancyjnaZOptymalizacjaJestPelnaIMniejsza)
{
    TKatalogTymczasowy katalog;
    TInfoGryRec info = InfoPokrycia({12, 6, 3, 3});
    info.Metoda = static_cast<int32_t>(TMetoda::Gwarancyjna);
    info.Gwarancja = 2;
    info.Zakladow = 6; // C(12,3)/C(6,3), as the dialog sets it
    const std::atomic<bool> przerwij{false};
    std::vector<std::size_t> rozmiary;
    for (double sekundy : {0.0, 3.0}) {
        const std::string plik = katalog.Plik("g.ss2");
        TLosowe losowe(21);
        TGenSys01 generator(info, plik, przerwij, nullptr, losowe);
        generator.UstawOptymalizacje(sekundy, 15);
        const TWynikGeneracji wynik = generator.Wykonaj();
        ASSERT_FALSE(wynik.BladPliku);
        const auto system = CzytajSystemPokrycia(plik, 1000);
        ASSERT_TRUE(system);
        SprawdzPostac(system->Zaklady, 12, 6);
        EXPECT_TRUE(DziuryNaPiechote(12, 6, 3, 3, Bety(system->Zaklady, 6)).empty()) << sekundy;
        int32_t suma = 0;
        for (int32_t w : system->Info.Wystapienia)
            suma += w;
        EXPECT_EQ(suma, 6 * wynik.Zakladow);
        rozmiary.push_back(system->Zaklady.size());
    }
    // 15 is the best covering known and the proved lower bound, where the optimiser is told to stop.
    EXPECT_EQ(rozmiary[1], 15u);
    EXPECT_GT(rozmiary[0], rozmiary[1]);
}

} // namespace
} // namespace tarvomund
