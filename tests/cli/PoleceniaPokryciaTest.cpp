#include "Polecenia.h"

#include "model/PlikSystemu.h"
#include "systems/RekordyPokryc.h"
#include "wspolne/KatalogTymczasowy.h"
#include "wspolne/SystemyTestowe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace tarvomund::cli {
namespace {

using testy::TKatalogTymczasowy;
using testy::ZapiszPlik;

struct TWynik {
    int Kod;
    std::string Wyjscie;
    std::string Bledy;
};

// Pairs, triples and a few wheels, checked with the holes command of the same program and with
// a count of their own.
class PoleceniaPokryciaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ZapiszPlik(katalog_.Plik(NazwaPlikuRekordow), "v,k,t,best_known,lower_bound\n7,3,2,7,7\n12,6,3,15,15\n");
    }

    TWynik Uruchom(std::vector<std::string> argumenty)
    {
        std::ostringstream wyjscie;
        std::ostringstream bledy;
        const int kod = cli::Uruchom(argumenty, katalog_.Sciezka().string(), wyjscie, bledy);
        return {kod, wyjscie.str(), bledy.str()};
    }

    // A number system of the given bets with own numbers 10 + position.
    std::string System(const std::string& nazwa, int n, int k, const std::vector<std::vector<int>>& zaklady)
    {
        TInfoGryRec info;
        info.IdGry = 3;
        info.KodGry = 3;
        info.Nazwa = "Lotek";
        info.n = n;
        info.k = k;
        info.MinSkreslen = k;
        info.MaxSkreslen = k;
        info.NormSkreslen = k;
        info.IleLiczb = 49;
        info.IleLosowanych = 6;
        info.Metoda = 2;
        for (int i = 0; i < MaxLiczbSystemu; ++i)
            info.Wlasne[1][static_cast<std::size_t>(i)] = static_cast<uint8_t>(std::min(i + 11, 120));
        const std::string plik = katalog_.Plik(nazwa);
        EXPECT_TRUE(testy::ZapiszSystemTestowy(plik, info, zaklady));
        return plik;
    }

    TKatalogTymczasowy katalog_;
};

TEST_F(PoleceniaPokryciaTest, CoverPiszeSystemINajlepszyZnany)
{
    const std::string plik = katalog_.Plik("fano.ss2");
    const TWynik wynik = Uruchom({"cover", "--n", "7", "--k", "3", "--t", "2", "--seconds", "5", "-o", plik});
    EXPECT_EQ(wynik.Kod, KodSukces) << wynik.Bledy;
    EXPECT_EQ(wynik.Wyjscie, "bets: 7\nbest known: 7\nlower bound: 7\n");
    EXPECT_EQ(Uruchom({"holes", plik, "--t", "2"}).Wyjscie, "holes: 0\n");
    const testy::TSystemZPliku system = testy::CzytajSystemTestowy(plik);
    EXPECT_EQ(system.Naglowek.Info.n, 7);
    EXPECT_EQ(system.Naglowek.Info.Metoda, 5);
    EXPECT_EQ(system.Naglowek.Info.Gwarancja, 1);
    EXPECT_FALSE(std::filesystem::exists(plik + ".tmp~"));

    // A wheel "3 if 4": no line of the table, so no best known.
    const std::string kolo = katalog_.Plik("kolo.ss2");
    const TWynik wynikKola = Uruchom({"cover", "--n", "10", "--k", "5", "--t", "3", "--m", "4", "--seconds", "1",
                                      "--seed", "7", "--threads", "1", "-o", kolo});
    EXPECT_EQ(wynikKola.Kod, KodSukces) << wynikKola.Bledy;
    EXPECT_TRUE(wynikKola.Wyjscie.starts_with("bets: "));
    EXPECT_EQ(wynikKola.Wyjscie.find("best known"), std::string::npos);
    EXPECT_EQ(Uruchom({"holes", kolo, "--t", "3", "--m", "4"}).Wyjscie, "holes: 0\n");
}

TEST_F(PoleceniaPokryciaTest, BledyUzycia)
{
    const std::string plik = katalog_.Plik("x.ss2");
    const std::vector<std::vector<std::string>> zle{
        {"cover", "--n", "7", "--k", "3", "-o", plik},                          // no --t
        {"cover", "--n", "7", "--k", "3", "--t", "4", "-o", plik},              // t > k
        {"cover", "--n", "7", "--k", "3", "--t", "3", "--m", "2", "-o", plik},  // m < t
        {"cover", "--n", "7", "--k", "3", "--t", "2", "--m", "8", "-o", plik},  // m > n
        {"cover", "--n", "7", "--k", "8", "--t", "2", "-o", plik},              // k > n
        {"cover", "--n", "121", "--k", "3", "--t", "2", "-o", plik},            // n beyond 120
        {"cover", "--n", "40", "--k", "33", "--t", "2", "-o", plik},            // k beyond the optimiser
        {"cover", "--n", "100", "--k", "10", "--t", "8", "-o", plik},           // too many subsets
        {"cover", "--n", "7", "--k", "3", "--t", "2", "--seconds", "x", "-o", plik},
        {"cover", "--n", "7", "--k", "3", "--t", "2", "--seconds", "-1", "-o", plik},
        {"cover", "--n", "7", "--k", "3", "--t", "2", "--threads", "0", "-o", plik},
        {"cover", "--n", "7", "--k", "3", "--t", "2"},                          // no -o
        {"cover", "--n", "7", "--k", "3", "--t", "2", "--list", "-o", plik},    // not its option
        {"holes", "--t", "2"},                                                  // no file
    };
    for (const auto& argumenty : zle) {
        const TWynik wynik = Uruchom(argumenty);
        EXPECT_EQ(wynik.Kod, KodBladUzycia) << argumenty[2] << " " << wynik.Wyjscie;
        EXPECT_NE(wynik.Bledy.find("usage: tarvomund-cli"), std::string::npos);
    }
    EXPECT_FALSE(std::filesystem::exists(plik));
}

TEST_F(PoleceniaPokryciaTest, HolesLiczyIWypisujeWlasneLiczby)
{
    // Four bets over 6 numbers (one written unsorted) leave the pairs {1,6}, {2,4}, {2,6} and {5,6};
    // the own numbers are 11..16.
    const std::string plik = System("d.ss2", 6, 3, {{1, 2, 3}, {3, 4, 6}, {1, 4, 5}, {2, 5, 3}});
    TWynik wynik = Uruchom({"holes", plik, "--t", "2", "--list"});
    EXPECT_EQ(wynik.Kod, KodSukces) << wynik.Bledy;
    EXPECT_EQ(wynik.Wyjscie, "holes: 4\n11,16\n12,14\n12,16\n15,16\n");
    wynik = Uruchom({"holes", plik, "--t", "2"});
    EXPECT_EQ(wynik.Wyjscie, "holes: 4\n");
    // 2 if 3: no three of the six have all their pairs among the holes.
    EXPECT_EQ(Uruchom({"holes", plik, "--t", "2", "--m", "3"}).Wyjscie, "holes: 0\n");
    EXPECT_EQ(Uruchom({"holes", plik, "--t", "3", "--m", "3"}).Wyjscie, "holes: 16\n");

    EXPECT_EQ(Uruchom({"holes", katalog_.Plik("brak.ss2"), "--t", "2"}).Kod, KodBladDanych);
    EXPECT_EQ(Uruchom({"holes", plik, "--t", "4"}).Kod, KodBladUzycia);
}

TEST_F(PoleceniaPokryciaTest, ReduceICompleteZachowujaGwarancje)
{
    // Every triple of 7 numbers as a bet covers every pair many times over.
    std::vector<std::vector<int>> wszystkie;
    for (int a = 1; a <= 7; ++a)
        for (int b = a + 1; b <= 7; ++b)
            for (int c = b + 1; c <= 7; ++c)
                wszystkie.push_back({a, b, c});
    const std::string pelny = System("pelny.ss2", 7, 3, wszystkie);
    const std::string zredukowany = katalog_.Plik("r.ss2");
    TWynik wynik = Uruchom({"reduce", pelny, "--t", "2", "--seconds", "5", "-o", zredukowany});
    EXPECT_EQ(wynik.Kod, KodSukces) << wynik.Bledy;
    EXPECT_EQ(wynik.Wyjscie, "bets: 7\nbest known: 7\nlower bound: 7\n");
    EXPECT_EQ(Uruchom({"holes", zredukowany, "--t", "2"}).Wyjscie, "holes: 0\n");
    // The source's game and own numbers stay with the result.
    const testy::TSystemZPliku wynikowy = testy::CzytajSystemTestowy(zredukowany);
    EXPECT_EQ(wynikowy.Naglowek.Info.Nazwa, "Lotek");
    EXPECT_EQ(wynikowy.Naglowek.Info.Wlasne[1][0], 11);
    EXPECT_EQ(wynikowy.Naglowek.Info.Metoda, 5);

    const std::string dziurawy = System("d.ss2", 6, 3, {{1, 2, 3}, {3, 4, 6}, {1, 4, 5}, {2, 5, 3}});
    const std::string uzupelniony = katalog_.Plik("u.ss2");
    wynik = Uruchom({"complete", dziurawy, "--t", "2", "-o", uzupelniony});
    EXPECT_EQ(wynik.Kod, KodSukces) << wynik.Bledy;
    // Four holes, at most three pairs in a bet of three: two bets at least, and two do.
    EXPECT_EQ(wynik.Wyjscie, "bets: 6\n");
    EXPECT_EQ(Uruchom({"holes", uzupelniony, "--t", "2"}).Wyjscie, "holes: 0\n");
    const testy::TSystemZPliku dopelniony = testy::CzytajSystemTestowy(uzupelniony);
    for (const std::vector<int>& zaklad : {std::vector<int>{1, 2, 3}, {3, 4, 6}, {1, 4, 5}, {2, 3, 5}})
        EXPECT_NE(std::find(dopelniony.Zaklady.begin(), dopelniony.Zaklady.end(), zaklad), dopelniony.Zaklady.end());

    EXPECT_EQ(Uruchom({"reduce", katalog_.Plik("brak.ss2"), "--t", "2", "-o", zredukowany}).Kod, KodBladDanych);
    EXPECT_EQ(Uruchom({"complete", dziurawy, "--t", "2", "--m", "7", "-o", uzupelniony}).Kod, KodBladUzycia);
}

} // namespace
} // namespace tarvomund::cli
