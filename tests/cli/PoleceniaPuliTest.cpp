#include "Polecenia.h"
#include "UruchomienieCli.h"

#include "model/PlikSystemu.h"
#include "pools/Typowania.h"
#include "wspolne/KatalogTymczasowy.h"
#include "wspolne/SystemyTestowe.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace tarvomund::cli {
namespace {

using testy::CzytajPlik;
using testy::Linie;
using testy::TKatalogTymczasowy;
using testy::TWynikPolecenia;
using testy::UruchomCli;

// Ten matches: "1x" and "x12" around a "2", the rest "1".
const std::string Dziesiec = "1x,2,x12,1,1,1,1,1,1,1";

class PoleceniaPuliTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The guarantee reads the stored settings; this run points them into the test directory.
        const std::string konfiguracja = katalog_.Plik("konfiguracja");
        std::filesystem::create_directory(konfiguracja);
        ::setenv("XDG_CONFIG_HOME", konfiguracja.c_str(), 1);
    }
    void TearDown() override { ::unsetenv("XDG_CONFIG_HOME"); }

    TWynikPolecenia Uruchom(const std::vector<std::string>& argumenty)
    {
        return UruchomCli(argumenty, katalog_.Sciezka().string());
    }

    TKatalogTymczasowy katalog_;
};

TEST_F(PoleceniaPuliTest, PoolIShow)
{
    const std::string plik = katalog_.Plik("pula.ss2");
    const auto wynik = Uruchom({"pool", "--typing", Dziesiec, "--method", "0", "-o", plik});
    ASSERT_EQ(wynik.Kod, KodSukces) << wynik.Bledy;
    EXPECT_EQ(wynik.Wyjscie, "bets: 6\n");

    // The file as the window saves it: the pool header, k at offset 76, the typing block, the sign counts.
    const testy::TSystemZPliku system = testy::CzytajSystemTestowy(plik);
    const TInfoGryRec& info = system.Naglowek.Info;
    EXPECT_TRUE(system.Naglowek.Pilkarski());
    EXPECT_EQ(info.IdGry, 1001);
    EXPECT_EQ(info.Nazwa, "System piłkarski");
    EXPECT_EQ(info.k, 10);
    EXPECT_EQ(info.MaxSkreslen, 13);
    EXPECT_EQ(info.Pilkarski, 1);
    EXPECT_EQ(TypyZBloku(info.Wlasne, 10), (TTypy{"1x", "2", "x12", "1", "1", "1", "1", "1", "1", "1"}));
    EXPECT_EQ(info.Wystapienia[IndeksLicznikaZnaku(1, Kod1)], 3);
    EXPECT_EQ(info.Wystapienia[IndeksLicznikaZnaku(3, Kod2)], 2);
    EXPECT_EQ(info.Wystapienia[IndeksLicznikaZnaku(4, Kod1)], 6);
    const std::string dane = CzytajPlik(plik);
    int32_t k76 = 0;
    std::memcpy(&k76, dane.data() + 76, 4);
    EXPECT_EQ(k76, 10);

    const auto pokaz = Uruchom({"show", plik});
    ASSERT_EQ(pokaz.Kod, KodSukces) << pokaz.Bledy;
    EXPECT_EQ(pokaz.Wyjscie, "game id: 1001\ngame code: 1001\nname: System piłkarski\nn: 0\nk: 10\nbets: 6\n"
                             "method: 0\nguarantee: 0\n"
                             "typing: 1x,2,x12,1,1,1,1,1,1,1\n"
                             "1: 1,2,x,1,1,1,1,1,1,1\n"
                             "2: 1,2,1,1,1,1,1,1,1,1\n"
                             "3: 1,2,2,1,1,1,1,1,1,1\n"
                             "4: x,2,x,1,1,1,1,1,1,1\n"
                             "5: x,2,1,1,1,1,1,1,1,1\n"
                             "6: x,2,2,1,1,1,1,1,1,1\n");

    // An untyped match shows "-" in every bet and an empty typing.
    ASSERT_EQ(Uruchom({"pool", "--typing", "1,,2,1,1,1,1,1,1,1,1", "--method", "0", "-o", plik}).Kod,
              KodSukces);
    const auto linie = Linie(Uruchom({"show", plik}).Wyjscie);
    ASSERT_EQ(linie.size(), 10u);
    EXPECT_EQ(linie[8], "typing: 1,,2,1,1,1,1,1,1,1,1");
    EXPECT_EQ(linie[9], "1: 1,-,2,1,1,1,1,1,1,1,1");
}

TEST_F(PoleceniaPuliTest, PoolLiczyZakladyJakOkno)
{
    struct TPrzypadek {
        std::vector<std::string> Opcje;
        const char* Zakladow;
    };
    const std::string trzynascie = "1x2,1x2,1x2,1x2,1x2,1x2,1x2,1x2,1x2,1x2,1x2,1x2,1x2";
    const TPrzypadek przypadki[] = {
        // The full method takes every combination unless fewer are asked for.
        {{"--typing", trzynascie, "--method", "0"}, "1594323"},
        {{"--typing", Dziesiec, "--method", "0", "--bets", "4"}, "4"},
        // More bets than combinations are lowered to them, for every method.
        {{"--typing", Dziesiec, "--method", "0", "--bets", "10"}, "6"},
        {{"--typing", Dziesiec, "--method", "1", "--bets", "10"}, "6"},
        {{"--typing", Dziesiec, "--method", "2", "--bets", "10", "--seed", "4"}, "6"},
        {{"--typing", trzynascie, "--method", "2", "--bets", "500", "--seed", "4"}, "500"},
    };
    const std::string plik = katalog_.Plik("pula.ss2");
    for (const TPrzypadek& p : przypadki) {
        std::vector<std::string> argumenty{"pool"};
        argumenty.insert(argumenty.end(), p.Opcje.begin(), p.Opcje.end());
        argumenty.insert(argumenty.end(), {"-o", plik});
        const auto wynik = Uruchom(argumenty);
        EXPECT_EQ(wynik.Kod, KodSukces) << wynik.Bledy;
        EXPECT_EQ(wynik.Wyjscie, std::string("bets: ") + p.Zakladow + "\n")
            << ::testing::PrintToString(p.Opcje);
        const auto naglowek = CzytajNaglowekSystemu(plik);
        ASSERT_TRUE(naglowek.has_value());
        EXPECT_EQ(std::to_string(naglowek->Info.Zakladow), p.Zakladow);
    }
    // A seed repeats a random system exactly.
    const std::string drugi = katalog_.Plik("drugi.ss2");
    ASSERT_EQ(
        Uruchom({"pool", "--typing", trzynascie, "--method", "1", "--bets", "50", "--seed", "9", "-o", drugi})
            .Kod,
        KodSukces);
    ASSERT_EQ(
        Uruchom({"pool", "--typing", trzynascie, "--method", "1", "--bets", "50", "--seed", "9", "-o", plik})
            .Kod,
        KodSukces);
    EXPECT_EQ(CzytajPlik(plik), CzytajPlik(drugi));
}

TEST_F(PoleceniaPuliTest, PoolOdrzucaZleArgumenty)
{
    const std::string plik = katalog_.Plik("pula.ss2");
    const std::vector<std::vector<std::string>> przypadki{
        {"pool", "--typing", "1,1,1,1,1,1,1,1,1", "--method", "0", "-o", plik},           // 9 matches
        {"pool", "--typing", "1,1,1,1,1,1,1,1,1,1,1,1,1,1", "--method", "0", "-o", plik}, // 14 matches
        {"pool", "--typing", "1X2,1,1,1,1,1,1,1,1,1", "--method", "0", "-o", plik},
        {"pool", "--typing", "1x1,1,1,1,1,1,1,1,1,1", "--method", "0", "-o", plik},
        {"pool", "--typing", "3,1,1,1,1,1,1,1,1,1", "--method", "0", "-o", plik},
        {"pool", "--typing", ",,,,,,,,,", "--method", "0", "-o", plik},
        {"pool", "--typing", Dziesiec, "--method", "3", "-o", plik},
        {"pool", "--typing", Dziesiec, "--method", "-1", "-o", plik},
        {"pool", "--typing", Dziesiec, "--method", "1", "-o", plik},
        {"pool", "--typing", Dziesiec, "--method", "2", "--seed", "1", "-o", plik},
        {"pool", "--typing", Dziesiec, "--method", "1", "--bets", "0", "-o", plik},
        {"pool", "--typing", Dziesiec, "--method", "0", "--bets", "x", "-o", plik},
        {"pool", "--typing", Dziesiec, "--method", "0"},
        {"pool", "--method", "0", "-o", plik},
        {"pool", "extra", "--typing", Dziesiec, "--method", "0", "-o", plik},
    };
    for (const auto& argumenty : przypadki) {
        const auto wynik = Uruchom(argumenty);
        EXPECT_EQ(wynik.Kod, KodBladUzycia) << ::testing::PrintToString(argumenty);
        EXPECT_TRUE(wynik.Wyjscie.empty());
        EXPECT_FALSE(std::filesystem::exists(plik));
    }
    const auto brakKatalogu =
        Uruchom({"pool", "--typing", Dziesiec, "--method", "0", "-o", katalog_.Plik("brak/pula.ss2")});
    EXPECT_EQ(brakKatalogu.Kod, KodBladDanych);
    EXPECT_NE(brakKatalogu.Bledy.find("cannot write"), std::string::npos);
}

TEST_F(PoleceniaPuliTest, GwarancjaZBlokuTypowan)
{
    // Match 1 typed "1x2", but the two bets use only "1" and "2" there: the outcome "x" hits no bet,
    // so a third of the cases form no configuration.
    const std::string plik = katalog_.Plik("skrocony.ss2");
    TInfoGryRec info = testy::InfoSystemuPilkarskiego(10);
    TTypy typy(10, "1");
    typy[0] = "1x2";
    info.Wlasne = BlokTypowan(TypowaniaZTypow(typy, 10));
    std::vector<int> jedynki(10, 1);
    std::vector<int> dwojka = jedynki;
    dwojka[0] = 3;
    ASSERT_TRUE(testy::ZapiszSystemTestowy(plik, info, {jedynki, dwojka}));
    const std::string oczekiwany = "=====================================\n"
                                   "Ilość trafionych liczb -  - 10 -  Błąd 0%\n"
                                   "    1[ 66.6667%]    1x(10)\n";
    for (const std::vector<std::string>& argumenty :
         {std::vector<std::string>{"guarantee", plik}, {"guarantee", plik, "--m", "10"}}) {
        const auto wynik = Uruchom(argumenty);
        EXPECT_EQ(wynik.Kod, KodSukces) << wynik.Bledy;
        EXPECT_EQ(wynik.Wyjscie, oczekiwany) << ::testing::PrintToString(argumenty);
    }

    // Without a typing block the signs the bets use stand in: two outcomes, both hit.
    info.Wlasne = {};
    ASSERT_TRUE(testy::ZapiszSystemTestowy(plik, info, {jedynki, dwojka}));
    EXPECT_EQ(Linie(Uruchom({"show", plik}).Wyjscie).at(8), "typing: 12,1,1,1,1,1,1,1,1,1");
    EXPECT_EQ(Uruchom({"guarantee", plik}).Wyjscie, "=====================================\n"
                                                     "Ilość trafionych liczb -  - 10 -  Błąd 0%\n"
                                                     "    1[100.0000%]    1x(10)\n");

    // m of a pool system is its count of matches and nothing else.
    for (const char* m : {"-7", "99999", "9", "11", "0", "x"}) {
        const auto zly = Uruchom({"guarantee", plik, "--m", m});
        EXPECT_EQ(zly.Kod, KodBladUzycia) << m;
        EXPECT_TRUE(zly.Wyjscie.empty()) << m;
    }
}

TEST_F(PoleceniaPuliTest, GwarancjaITestWygenerowanegoSystemu)
{
    // The full system of "1x" and "x12": every outcome has one bet with all ten and three with nine.
    const std::string plik = katalog_.Plik("pula.ss2");
    ASSERT_EQ(Uruchom({"pool", "--typing", Dziesiec, "--method", "0", "-o", plik}).Kod, KodSukces);
    EXPECT_EQ(Uruchom({"guarantee", plik}).Wyjscie, "=====================================\n"
                                                     "Ilość trafionych liczb -  - 10 -  Błąd 0%\n"
                                                     "    1[100.0000%]    1x(10)     3x(9)\n");
    // The row x, 2, 2, 1 ...: bet 6 has all ten; the minimum of a pool test is 10.
    const auto test = Uruchom({"test", plik, "--signs", "x,2,2,1,1,1,1,1,1,1"});
    ASSERT_EQ(test.Kod, KodSukces) << test.Bledy;
    EXPECT_EQ(test.Wyjscie, "Test systemu 6\n==============\n"
                            "-------------------\nx,2,2,1,1,1,1,1,1,1\n-------------------\n"
                            "     [6]->(10)\n"
                            "Podsumowanie\n============\n    1x(10)\n\n");
}

} // namespace
} // namespace tarvomund::cli
