#include "Polecenia.h"
#include "UruchomienieCli.h"

#include "model/PlikGry.h"
#include "model/PlikSystemu.h"
#include "systems/Kombinatoryka.h"
#include "wspolne/KatalogTymczasowy.h"
#include "wspolne/SystemyTestowe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>

namespace tarvomund::cli {
namespace {

using testy::CzytajPlik;
using testy::Linie;
using testy::TWynikPolecenia;
using testy::UruchomCli;
using testy::TKatalogTymczasowy;
using testy::ZapiszPlik;

class PoleceniaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TObGraLista gra;
        gra.Id = 1;
        gra.KodGry = 11;
        gra.Nazwa = "Łatwy lotek";
        gra.Plik = katalog_.Plik("a.pl2");
        gra.IleLiczb = 42;
        gra.IleLosowanych = 3;
        gra.MinSkreslen = 3;
        gra.MaxSkreslen = 8;
        gra.NormSkreslen = 3;
        TObLos los;
        los.Data = 37023;
        los.Liczby[0] = 40;
        los.Liczby[1] = 2;
        los.Liczby[2] = 17;
        gra.Losowania = {los};
        ASSERT_TRUE(UtworzPlikGry(gra));
        gra.Id = 1500;
        gra.Nazwa = "Toto";
        gra.Plik = katalog_.Plik("b.pl2");
        gra.Losowania.clear();
        ASSERT_TRUE(UtworzPlikGry(gra));
    }

    TWynikPolecenia Uruchom(std::vector<std::string> argumenty, const std::string& domyslny = {})
    {
        return UruchomCli(argumenty, domyslny.empty() ? katalog_.Sciezka().string() : domyslny);
    }

    TKatalogTymczasowy katalog_;
};

TEST_F(PoleceniaTest, GamesWypisujeKatalog)
{
    const auto wynik = Uruchom({"games"});
    EXPECT_EQ(wynik.Kod, KodSukces);
    EXPECT_EQ(wynik.Wyjscie, "0\t1\t11\tŁatwy lotek\t42\t3\t1\n1\t1500\t11\tToto\t42\t3\t0\n");
    EXPECT_EQ(Uruchom({"--dane", katalog_.Sciezka().string(), "games"}, "/nie/ma").Wyjscie, wynik.Wyjscie);
}

TEST_F(PoleceniaTest, DrawsPoIndeksieLubNazwie)
{
    const std::string oczekiwane = "Łatwy lotek\n\n1. 12.05.2001 40,2,17\n";
    EXPECT_EQ(Uruchom({"draws", "0"}).Wyjscie, oczekiwane);
    EXPECT_EQ(Uruchom({"draws", "Łatwy lotek"}).Wyjscie, oczekiwane);
    EXPECT_EQ(Uruchom({"draws", "Toto"}).Wyjscie, "Toto\n\n");
}

TEST_F(PoleceniaTest, BledyUzyciaIDanych)
{
    struct TPrzypadek {
        std::vector<std::string> Argumenty;
        int Kod;
    };
    const std::vector<TPrzypadek> przypadki{
        {{}, KodBladUzycia},
        {{"nieznane"}, KodBladUzycia},
        {{"--bzdura", "games"}, KodBladUzycia},
        {{"--dane"}, KodBladUzycia},
        {{"games", "nadmiar"}, KodBladUzycia},
        {{"draws"}, KodBladUzycia},
        {{"draws", "2"}, KodBladUzycia},
        {{"draws", "łatwy lotek"}, KodBladUzycia},
        {{"--dane", katalog_.Plik("brak"), "games"}, KodBladDanych},
        {{"--dane", katalog_.Plik("a.pl2"), "draws", "0"}, KodBladDanych},
    };
    for (const auto& p : przypadki) {
        const auto wynik = Uruchom(p.Argumenty);
        EXPECT_EQ(wynik.Kod, p.Kod) << ::testing::PrintToString(p.Argumenty);
        EXPECT_TRUE(wynik.Wyjscie.empty()) << ::testing::PrintToString(p.Argumenty);
        EXPECT_FALSE(wynik.Bledy.empty()) << ::testing::PrintToString(p.Argumenty);
    }
    // Nothing was written into the data directory.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(katalog_.Sciezka()),
                            std::filesystem::directory_iterator()),
              2);
}

std::vector<int> Liczby(const std::string& linia)
{
    std::vector<int> liczby;
    std::istringstream we(linia.substr(linia.find(": ") + 2));
    for (std::string pole; std::getline(we, pole, ',');)
        liczby.push_back(std::stoi(pole));
    return liczby;
}

constexpr std::size_t LiniiNaglowka = 8;

TEST_F(PoleceniaTest, GenerateIShowWTeIZPowrotem)
{
    const std::string plik = katalog_.Plik("system.ss2");
    const auto generuj = Uruchom({"generate", "0", "--n", "7", "--k", "6", "--method", "0", "--bets", "500", "-o", plik});
    EXPECT_EQ(generuj.Kod, KodSukces) << generuj.Bledy;
    EXPECT_EQ(generuj.Wyjscie, "bets: 7\n");
    EXPECT_FALSE(std::filesystem::exists(plik + ".tmp~"));

    // Own numbers other than the positions: the second array maps position i to 10 + i.
    auto naglowek = CzytajNaglowekSystemu(plik);
    ASSERT_TRUE(naglowek);
    for (std::size_t i = 0; i < MaxLiczbSystemu; ++i)
        naglowek->Info.Wlasne[1][i] = static_cast<uint8_t>(10 + i + 1);
    ASSERT_TRUE(ZapiszWlasneLiczby(plik, naglowek->Info));

    const auto pokaz = Uruchom({"show", plik});
    EXPECT_EQ(pokaz.Kod, KodSukces) << pokaz.Bledy;
    EXPECT_EQ(pokaz.Wyjscie, "game id: 1\ngame code: 11\nname: Łatwy lotek\nn: 7\nk: 6\nbets: 7\nmethod: 0\n"
                             "guarantee: 0\n"
                             "1: 11,12,13,14,15,16\n2: 11,12,13,14,15,17\n3: 11,12,13,14,16,17\n"
                             "4: 11,12,13,15,16,17\n5: 11,12,14,15,16,17\n6: 11,13,14,15,16,17\n"
                             "7: 12,13,14,15,16,17\n");
}

TEST_F(PoleceniaTest, GenerateLiczyZakladyJakOknoParametrow)
{
    struct TPrzypadek {
        std::vector<std::string> Opcje;
        std::string Zakladow;
    };
    const std::vector<TPrzypadek> przypadki{
        {{"--n", "10", "--k", "6", "--method", "0", "--bets", "500"}, "210"}, // cut to C(10, 6)
        {{"--n", "10", "--k", "6", "--method", "2", "--bets", "9"}, "9"},
        {{"--n", "12", "--k", "6", "--method", "3"}, "7"},
        {{"--n", "13", "--k", "6", "--method", "3", "--bets", "1"}, "8"}, // the chain ignores --bets
        {{"--n", "12", "--k", "6", "--method", "4"}, "12"},
        {{"--n", "6", "--k", "6", "--method", "4"}, "1"}, // n rotations, but C(6, 6) = 1
        {{"--n", "10", "--k", "6", "--method", "5", "--guarantee", "2"}, "6"}, // 120 / 20
        {{"--n", "10", "--k", "6", "--method", "5", "--guarantee", "1"}, "3"}, // 45 / 15
        {{"--n", "8", "--k", "8", "--method", "5"}, "1"},
    };
    const std::string plik = katalog_.Plik("system.ss2");
    for (const TPrzypadek& p : przypadki) {
        std::vector<std::string> argumenty{"generate", "Łatwy lotek", "--seed", "5", "-o", plik};
        argumenty.insert(argumenty.end(), p.Opcje.begin(), p.Opcje.end());
        ASSERT_EQ(Uruchom(argumenty).Kod, KodSukces) << ::testing::PrintToString(p.Opcje);
        const auto linie = Linie(Uruchom({"show", plik}).Wyjscie);
        ASSERT_GT(linie.size(), LiniiNaglowka);
        // The guarantee method writes at least its planned count; the others exactly that.
        if (p.Opcje[5] == "5")
            EXPECT_GE(std::stoi(linie[5].substr(6)), std::stoi(p.Zakladow)) << ::testing::PrintToString(p.Opcje);
        else
            EXPECT_EQ(linie[5], "bets: " + p.Zakladow) << ::testing::PrintToString(p.Opcje);
        EXPECT_EQ(linie[6], "method: " + p.Opcje[5]);
        EXPECT_EQ(linie.size() - LiniiNaglowka, static_cast<std::size_t>(std::stoi(linie[5].substr(6))));
    }
}

TEST_F(PoleceniaTest, GenerateZZiarnemPowtarzaSieAPewneSaWKazdymZakladzie)
{
    const std::string a = katalog_.Plik("a.ss2");
    const std::string b = katalog_.Plik("b.ss2");
    const std::string c = katalog_.Plik("c.ss2");
    const std::vector<std::string> opcje{"--n", "30", "--k", "5", "--method", "1", "--bets", "40", "--sure", "7,2"};
    auto z = [&](const std::string& ziarno, const std::string& plik) {
        std::vector<std::string> argumenty{"generate", "0", "--seed", ziarno, "-o", plik};
        argumenty.insert(argumenty.end(), opcje.begin(), opcje.end());
        return Uruchom(argumenty).Kod;
    };
    ASSERT_EQ(z("11", a), KodSukces);
    ASSERT_EQ(z("11", b), KodSukces);
    ASSERT_EQ(z("12", c), KodSukces);
    EXPECT_EQ(CzytajPlik(a), CzytajPlik(b));
    EXPECT_NE(CzytajPlik(a), CzytajPlik(c));
    const auto linie = Linie(Uruchom({"show", a}).Wyjscie);
    ASSERT_EQ(linie.size(), LiniiNaglowka + 40);
    for (std::size_t i = LiniiNaglowka; i < linie.size(); ++i) {
        const std::vector<int> zaklad = Liczby(linie[i]);
        EXPECT_EQ(zaklad.size(), 5u);
        EXPECT_TRUE(std::binary_search(zaklad.begin(), zaklad.end(), 2) &&
                    std::binary_search(zaklad.begin(), zaklad.end(), 7))
            << linie[i];
    }
}

TEST_F(PoleceniaTest, GenerateOdrzucaNiemozliweParametry)
{
    const std::string plik = katalog_.Plik("system.ss2");
    const std::vector<std::string> dobre{"--n", "10", "--k", "6", "--method", "0", "--bets", "5", "-o", plik};
    // Each case replaces or adds options to the good set (or names another game).
    struct TPrzypadek {
        std::string Gra;
        std::vector<std::string> Zmiany;
    };
    const std::vector<TPrzypadek> przypadki{
        {"0", {"--n", ""}},  {"0", {"--n", "abc"}}, {"0", {"--n", "43"}},         {"0", {"--n", "0"}},
        {"0", {"--k", "0"}}, {"0", {"--k", "11"}},  {"0", {"--n", "20", "--k", "9"}}, // beyond MaxSkreslen
        {"0", {"--method", "6"}},   {"0", {"--method", "-1"}},     {"0", {"--bets", "0"}},
        {"0", {"--bets", "-3"}},    {"0", {"--guarantee", "6"}},   {"0", {"--guarantee", "-1"}},
        {"0", {"--sure", "1"}},     // method 0 has no sure positions
        {"0", {"--method", "1", "--sure", "0"}},        {"0", {"--method", "1", "--sure", "11"}},
        {"0", {"--method", "1", "--sure", "1,x"}},      {"0", {"--method", "1", "--sure", "1,2,3,4,5,6"}},
        {"0", {"--seed", "-1"}},    {"0", {"--bogus", "1"}},       {"0", {"extra"}},
        {"2", {}},                  {"Toto", {}},                  {"łatwy lotek", {}},
    };
    for (const TPrzypadek& p : przypadki) {
        std::vector<std::string> argumenty{"generate", p.Gra};
        argumenty.insert(argumenty.end(), dobre.begin(), dobre.end());
        for (std::size_t i = 0; i < p.Zmiany.size(); ++i) {
            const auto it = std::find(argumenty.begin(), argumenty.end(), p.Zmiany[i]);
            const bool opcjaZWartoscia = p.Zmiany[i].starts_with("--") && i + 1 < p.Zmiany.size();
            if (opcjaZWartoscia && it != argumenty.end())
                *(it + 1) = p.Zmiany[++i];
            else if (opcjaZWartoscia) {
                argumenty.push_back(p.Zmiany[i]);
                argumenty.push_back(p.Zmiany[++i]);
            } else
                argumenty.push_back(p.Zmiany[i]);
        }
        const auto wynik = Uruchom(argumenty);
        EXPECT_EQ(wynik.Kod, KodBladUzycia) << ::testing::PrintToString(argumenty);
        EXPECT_TRUE(wynik.Wyjscie.empty()) << ::testing::PrintToString(argumenty);
        EXPECT_NE(wynik.Bledy.find("generate"), std::string::npos) << ::testing::PrintToString(argumenty);
    }
    // Required options left out, and an option without its value.
    for (const char* brak : {"--n", "--k", "--method", "--bets", "-o"}) {
        std::vector<std::string> argumenty{"generate", "0"};
        for (std::size_t i = 0; i < dobre.size(); i += 2)
            if (dobre[i] != brak)
                argumenty.insert(argumenty.end(), {dobre[i], dobre[i + 1]});
        EXPECT_EQ(Uruchom(argumenty).Kod, KodBladUzycia) << brak;
    }
    EXPECT_EQ(Uruchom({"generate", "0", "--n", "10", "--k", "6", "--method", "0", "-o", plik, "--bets"}).Kod,
              KodBladUzycia);
    EXPECT_EQ(Uruchom({"generate", "0", "--n", "10", "--n", "11", "--k", "6", "--method", "0", "--bets", "5", "-o",
                       plik})
                  .Kod,
              KodBladUzycia);
    EXPECT_FALSE(std::filesystem::exists(plik));
}

TEST_F(PoleceniaTest, GenerateBezKataloguLubCeluToBladDanych)
{
    const std::vector<std::string> opcje{"--n", "10", "--k", "6", "--method", "0", "--bets", "5", "-o"};
    auto argumenty = [&](const std::string& plik) {
        std::vector<std::string> a{"generate", "0"};
        a.insert(a.end(), opcje.begin(), opcje.end());
        a.push_back(plik);
        return a;
    };
    const auto bezKatalogu = Uruchom(argumenty(katalog_.Plik("system.ss2")), katalog_.Plik("brak"));
    EXPECT_EQ(bezKatalogu.Kod, KodBladDanych);
    EXPECT_FALSE(std::filesystem::exists(katalog_.Plik("system.ss2")));
    const auto bezCelu = Uruchom(argumenty(katalog_.Plik("brak/system.ss2")));
    EXPECT_EQ(bezCelu.Kod, KodBladDanych);
    EXPECT_NE(bezCelu.Bledy.find("cannot write"), std::string::npos);
}

// Puts an int32 into a file's bytes.
void Wpisz(std::string& dane, std::size_t pozycja, int32_t wartosc)
{
    std::memcpy(dane.data() + pozycja, &wartosc, sizeof wartosc);
}

TEST_F(PoleceniaTest, ShowOdrzucaZlePliki)
{
    const std::string dobry = katalog_.Plik("dobry.ss2");
    ASSERT_EQ(Uruchom({"generate", "0", "--n", "10", "--k", "3", "--method", "0", "--bets", "20", "-o", dobry}).Kod,
              KodSukces);
    const std::string dane = CzytajPlik(dobry);
    ASSERT_EQ(dane.size(), DlugoscNaglowkaSystemu + 20u * 3u);
    constexpr std::size_t KodGry = 4, RozmiarRekordu = 12, N = 104, K = 108, Ile = 112;
    struct TPrzypadek {
        std::string Opis;
        std::string Dane;
    };
    auto zmien = [&](std::size_t pozycja, int32_t wartosc) {
        std::string d = dane;
        Wpisz(d, pozycja, wartosc);
        return d;
    };
    std::string rekordIK = zmien(RozmiarRekordu, 4);
    Wpisz(rekordIK, K, 4);
    const std::vector<TPrzypadek> przypadki{
        {"empty", ""},
        {"header cut short", dane.substr(0, DlugoscNaglowkaSystemu - 1)},
        {"last bet cut short", dane.substr(0, dane.size() - 1)},
        {"count beyond the bets", zmien(Ile, 21)},
        {"count far beyond the file", zmien(Ile, 0x7fffffff)},
        {"negative count", zmien(Ile, -1)},
        {"record size differs from k", zmien(RozmiarRekordu, 4)},
        {"k and record size 4 need 80 bytes of bets", rekordIK},
        {"n is 0", zmien(N, 0)},
        {"n is 121", zmien(N, 121)},
        {"k is 0", zmien(K, 0)},
        {"k is 121", zmien(K, 121)},
        {"unknown game code", zmien(KodGry, 1002)},
    };
    const std::string plik = katalog_.Plik("zly.ss2");
    for (const TPrzypadek& p : przypadki) {
        ZapiszPlik(plik, p.Dane);
        const auto wynik = Uruchom({"show", plik});
        EXPECT_EQ(wynik.Kod, KodBladDanych) << p.Opis;
        EXPECT_TRUE(wynik.Wyjscie.empty()) << p.Opis;
        EXPECT_NE(wynik.Bledy.find(plik), std::string::npos) << p.Opis;
    }
    EXPECT_EQ(Uruchom({"show", katalog_.Plik("brak.ss2")}).Kod, KodBladDanych);
    EXPECT_EQ(Uruchom({"show"}).Kod, KodBladUzycia);
    EXPECT_EQ(Uruchom({"show", dobry, dobry}).Kod, KodBladUzycia);
    // A stray position outside 1..120 in a bet is shown as it is, never looked up.
    std::string obcy = dane;
    obcy[DlugoscNaglowkaSystemu] = 0;
    obcy[DlugoscNaglowkaSystemu + 1] = static_cast<char>(200);
    ZapiszPlik(plik, obcy);
    const auto wynik = Uruchom({"show", plik});
    EXPECT_EQ(wynik.Kod, KodSukces);
    EXPECT_EQ(Linie(wynik.Wyjscie).at(LiniiNaglowka), "1: 0,200,3");
}

TEST_F(PoleceniaTest, PomocWymieniaPolecenia)
{
    const auto wynik = Uruchom({"--help"});
    EXPECT_EQ(wynik.Kod, KodSukces);
    for (const TPolecenie& p : Polecenia())
        EXPECT_NE(wynik.Wyjscie.find(p.Skladnia), std::string::npos) << p.Nazwa;
}


TEST_F(PoleceniaTest, GuaranteeWypisujeTabeleOkna)
{
    // The stored settings are read from the user's INI file; this run points it into the test directory.
    const std::string konfiguracja = katalog_.Plik("konfiguracja");
    std::filesystem::create_directory(konfiguracja);
    ::setenv("XDG_CONFIG_HOME", konfiguracja.c_str(), 1);
    const std::string plik = katalog_.Plik("system.ss2");
    ASSERT_EQ(Uruchom({"generate", "0", "--n", "7", "--k", "6", "--method", "0", "--bets", "7", "-o", plik}).Kod,
              KodSukces);

    const auto wynik = Uruchom({"guarantee", plik, "--m", "6"});
    EXPECT_EQ(wynik.Kod, KodSukces) << wynik.Bledy;
    EXPECT_EQ(wynik.Wyjscie, "=====================================\n"
                             "Ilość trafionych liczb -  - 6 -  Błąd 0%\n"
                             "    1[100.0000%]     1x(6)     6x(5)    ------    ------    ------    ------\n");

    // Every configuration of m = 2 lies above 1 %: --above 1 keeps only the most frequent.
    const auto jeden = Uruchom({"guarantee", plik, "--m", "2", "--above", "1", "--error", "1"});
    EXPECT_EQ(jeden.Kod, KodSukces) << jeden.Bledy;
    EXPECT_EQ(jeden.Wyjscie, "=====================================\n"
                             "Ilość trafionych liczb -  - 2 -  Błąd 10%\n"
                             "    1[100.0000%]     5x(2)     2x(1)\n");

    // With MinMax stored off and 1 line allowed below 1 %, a numbered low line replaces Max/Min.
    const std::string wiekszy = katalog_.Plik("wiekszy.ss2");
    ASSERT_EQ(Uruchom({"generate", "0", "--n", "30", "--k", "6", "--method", "2", "--bets", "40", "--seed", "3",
                       "-o", wiekszy})
                  .Kod,
              KodSukces);
    const auto zMinMax = Uruchom({"guarantee", wiekszy, "--m", "5"}).Wyjscie;
    EXPECT_NE(zMinMax.find("\n Max ["), std::string::npos);
    ZapiszPlik(konfiguracja + "/Quorbane.ini", "[GWARANCJA]\nIlePod=1\nMinMax=false\n");
    const auto bezMinMax = Uruchom({"guarantee", wiekszy, "--m", "5"}).Wyjscie;
    EXPECT_EQ(bezMinMax.find(" Max ["), std::string::npos);
    EXPECT_EQ(Uruchom({"guarantee", wiekszy, "--m", "5", "--minmax", "1"}).Wyjscie, zMinMax);

    struct TPrzypadek {
        std::vector<std::string> Argumenty;
        int Kod;
    };
    for (const TPrzypadek& p : {TPrzypadek{{"guarantee", plik}, KodBladUzycia},
                                TPrzypadek{{"guarantee", plik, "--m", "8"}, KodBladUzycia},
                                TPrzypadek{{"guarantee", plik, "--m", "2", "--error", "10"}, KodBladUzycia},
                                TPrzypadek{{"guarantee", plik, "--m", "2", "--minmax", "2"}, KodBladUzycia},
                                TPrzypadek{{"guarantee", plik, "--m", "2", "--above", "0"}, KodBladUzycia},
                                TPrzypadek{{"guarantee", katalog_.Plik("brak.ss2"), "--m", "2"}, KodBladDanych}}) {
        const auto zly = Uruchom(p.Argumenty);
        EXPECT_EQ(zly.Kod, p.Kod) << ::testing::PrintToString(p.Argumenty);
        EXPECT_TRUE(zly.Wyjscie.empty());
    }
    ::unsetenv("XDG_CONFIG_HOME");
}

TEST_F(PoleceniaTest, GuaranteeCzytaPlikUstawienZainstalowanegoProgramu)
{
    // An installed companion is handed the workbench's settings file; the per-user file is not read then.
    const std::string konfiguracja = katalog_.Plik("konfiguracja");
    std::filesystem::create_directory(konfiguracja);
    ::setenv("XDG_CONFIG_HOME", konfiguracja.c_str(), 1);
    ZapiszPlik(konfiguracja + "/Quorbane.ini", "[GWARANCJA]\nMinMax=true\n");
    const std::string ustawienia = katalog_.Plik("Quorbane.ini");
    ZapiszPlik(ustawienia, "[GWARANCJA]\nIlePod=1\nMinMax=false\n");
    const std::string plik = katalog_.Plik("wiekszy.ss2");
    ASSERT_EQ(Uruchom({"generate", "0", "--n", "30", "--k", "6", "--method", "2", "--bets", "40", "--seed", "3",
                       "-o", plik})
                  .Kod,
              KodSukces);

    const auto uruchom = [&](const std::string& plikUstawien) {
        std::ostringstream wyjscie;
        std::ostringstream bledy;
        const int kod = cli::Uruchom({"guarantee", plik, "--m", "5"},
                                     TOpcjeWspolne{katalog_.Sciezka().string(), plikUstawien}, wyjscie, bledy);
        EXPECT_EQ(kod, KodSukces) << bledy.str();
        return wyjscie.str();
    };
    EXPECT_NE(uruchom({}).find("\n Max ["), std::string::npos);
    EXPECT_EQ(uruchom(ustawienia).find(" Max ["), std::string::npos);
    // A settings file that is not there yet reads as the defaults, which list the extremes.
    EXPECT_NE(uruchom(katalog_.Plik("brak.ini")).find("\n Max ["), std::string::npos);
    ::unsetenv("XDG_CONFIG_HOME");
}

// A number system of the first test game written directly: n positions whose own numbers are
// `wlasne` (identity beyond), and the bets as positions.
void ZapiszSystem(const std::string& plik, int32_t n, int32_t k, const std::vector<int>& wlasne,
                  const std::vector<std::vector<int>>& zaklady, int32_t normalnie = 3)
{
    TObGraLista gra;
    gra.Id = 1;
    gra.KodGry = 11;
    gra.Nazwa = "Łatwy lotek";
    gra.IleLiczb = 42;
    gra.IleLosowanych = 3;
    gra.MinSkreslen = 3;
    gra.MaxSkreslen = 8;
    gra.NormSkreslen = normalnie;
    TInfoGryRec info = TInfoGryRec::DlaGry(gra);
    info.n = n;
    info.k = k;
    info.Metoda = 2;
    for (std::size_t i = 0; i < wlasne.size(); ++i)
        info.Wlasne[1][i] = static_cast<uint8_t>(wlasne[i]);
    ASSERT_TRUE(testy::ZapiszSystemTestowy(plik, info, zaklady));
}

TEST_F(PoleceniaTest, SumDiffComposeZapisujaJakProgram)
{
    const std::string a = katalog_.Plik("a.ss2");
    const std::string b = katalog_.Plik("b.ss2");
    ZapiszSystem(a, 4, 2, {14, 11, 13, 12}, {{1, 2}, {1, 3}, {3, 4}});
    ZapiszSystem(b, 3, 2, {21, 22, 23}, {{1, 2}, {2, 3}});
    const std::string wynik = katalog_.Plik("wynik.ss2");
    struct TPrzypadek {
        std::vector<std::string> Argumenty;
        std::string Wyjscie;
        std::string Pokaz;
    };
    const std::string glowa = "game id: 1\ngame code: 11\nname: Łatwy lotek\n";
    const std::vector<TPrzypadek> przypadki{
        // Every bet of A with every bet of B, B's positions after A's four; own numbers start afresh.
        {{"compose", a, b, "-o", wynik},
         "n: 7\nbets: 6\n",
         glowa + "n: 7\nk: 4\nbets: 6\nmethod: 0\nguarantee: 0\n"
                 "1: 1,2,5,6\n2: 1,2,6,7\n3: 1,3,5,6\n4: 1,3,6,7\n5: 3,4,5,6\n6: 3,4,6,7\n"},
        // The same system twice is the system once, renumbered over its numbers in ascending order.
        {{"sum", a, a, "-o", wynik},
         "n: 4\nbets: 3\n",
         glowa + "n: 4\nk: 2\nbets: 3\nmethod: 100\nguarantee: 0\n1: 11,14\n2: 12,13\n3: 13,14\n"},
        {{"diff", a, a, "-o", wynik}, "n: 4\nbets: 0\n", glowa + "n: 4\nk: 2\nbets: 0\nmethod: 100\nguarantee: 0\n"},
        {{"sum", a, b, "-o", wynik},
         "n: 7\nbets: 5\n",
         glowa + "n: 7\nk: 2\nbets: 5\nmethod: 100\nguarantee: 0\n"
                 "1: 11,14\n2: 12,13\n3: 13,14\n4: 21,22\n5: 22,23\n"},
        {{"diff", b, "-o", wynik}, "n: 3\nbets: 2\n",
         glowa + "n: 3\nk: 2\nbets: 2\nmethod: 100\nguarantee: 0\n1: 21,22\n2: 22,23\n"},
    };
    for (const TPrzypadek& p : przypadki) {
        const auto uruchomione = Uruchom(p.Argumenty);
        EXPECT_EQ(uruchomione.Kod, KodSukces) << ::testing::PrintToString(p.Argumenty) << uruchomione.Bledy;
        EXPECT_EQ(uruchomione.Wyjscie, p.Wyjscie) << ::testing::PrintToString(p.Argumenty);
        EXPECT_EQ(Uruchom({"show", wynik}).Wyjscie, p.Pokaz) << ::testing::PrintToString(p.Argumenty);
        EXPECT_FALSE(std::filesystem::exists(wynik + ".tmp~"));
    }
}

TEST_F(PoleceniaTest, SumDiffComposeOdmawiajaZanimCokolwiekZapisza)
{
    const std::string a = katalog_.Plik("a.ss2");
    const std::string k3 = katalog_.Plik("k3.ss2");
    const std::string duzy = katalog_.Plik("duzy.ss2");
    const std::string inny = katalog_.Plik("inny.ss2");
    const std::string pilkarski = katalog_.Plik("pilkarski.ss2");
    ZapiszSystem(a, 4, 2, {}, {{1, 2}});
    ZapiszSystem(k3, 4, 3, {}, {{1, 2, 3}});
    ZapiszSystem(duzy, 25, 2, {}, {{1, 2}});
    ZapiszSystem(inny, 4, 2, {}, {{1, 2}}, 4);
    ZapiszSystem(pilkarski, 4, 2, {}, {{1, 2}});
    std::string dane = CzytajPlik(pilkarski);
    // A pool system keeps its matches per bet where a number system keeps the normal count.
    Wpisz(dane, 4, KodSystemuPilkarskiego);
    Wpisz(dane, 76, 2);
    ZapiszPlik(pilkarski, dane);
    const std::string wynik = katalog_.Plik("wynik.ss2");
    struct TPrzypadek {
        std::vector<std::string> Argumenty;
        int Kod;
        std::string Powod;
    };
    const std::vector<TPrzypadek> przypadki{
        {{"sum", a, k3, "-o", wynik}, KodBladUzycia, "(k)"},
        {{"diff", a, inny, "-o", wynik}, KodBladUzycia, "different parameters"},
        {{"compose", duzy, duzy, "-o", wynik}, KodBladUzycia, "more numbers than the game has"},
        {{"compose", a, inny, "-o", wynik}, KodBladUzycia, "different parameters"},
        {{"compose", a, "-o", wynik}, KodBladUzycia, "wrong number of arguments"},
        {{"compose", a, a, a, "-o", wynik}, KodBladUzycia, "wrong number of arguments"},
        {{"sum", "-o", wynik}, KodBladUzycia, "no system given"},
        {{"sum", a, a}, KodBladUzycia, "missing -o"},
        {{"diff", a, "--n", "3", "-o", wynik}, KodBladUzycia, "unknown option"},
        {{"sum", a, katalog_.Plik("brak.ss2"), "-o", wynik}, KodBladDanych, "cannot be opened"},
        {{"compose", a, pilkarski, "-o", wynik}, KodBladDanych, "pool system"},
        {{"sum", a, "-o", katalog_.Plik("brak/wynik.ss2")}, KodBladDanych, "cannot write"},
    };
    for (const TPrzypadek& p : przypadki) {
        const auto uruchomione = Uruchom(p.Argumenty);
        EXPECT_EQ(uruchomione.Kod, p.Kod) << ::testing::PrintToString(p.Argumenty);
        EXPECT_TRUE(uruchomione.Wyjscie.empty()) << ::testing::PrintToString(p.Argumenty);
        EXPECT_NE(uruchomione.Bledy.find(p.Powod), std::string::npos)
            << ::testing::PrintToString(p.Argumenty) << uruchomione.Bledy;
        EXPECT_FALSE(std::filesystem::exists(wynik)) << ::testing::PrintToString(p.Argumenty);
    }
}

} // namespace
} // namespace tarvomund::cli

namespace tarvomund::cli {
namespace {

class PoleceniaTestuTest : public PoleceniaTest {
protected:
    void SetUp() override
    {
        PoleceniaTest::SetUp();
        // Positions 1..5 stand for 2, 17, 40, 5 and 6; the game's one draw is 40, 2, 17.
        ZapiszSystem(system_, 5, 3, {2, 17, 40, 5, 6}, {{1, 2, 3}, {1, 2, 4}, {3, 4, 5}});
    }

    const std::string system_ = katalog_.Plik("system.ss2");
};

TEST_F(PoleceniaTestuTest, RaportOknaPoTescie)
{
    const std::string naglowek = "Test systemu 3/5/3\n==================\n";
    struct TPrzypadek {
        std::vector<std::string> Argumenty;
        std::string Wyjscie;
    };
    const TPrzypadek przypadki[] = {
        {{"--numbers", "2,17,40", "--min", "2"},
         "-------\n2,17,40\n-------\n     [1]->( 3)     [2]->( 2)\nPodsumowanie od 3 do 2 trafień:\n"
         "===============================\n     1x(3)     1x(2)\n\n"},
        // The numbers stand in the order given; the default minimum is 3.
        {{"--numbers", "6,5,1"},
         "-----\n6,5,1\n-----\nPodsumowanie od 3 do 3 trafień:\n===============================\nBrak trafień\n\n"},
        {{"--base"},
         "12.05.2001     1x(3)\n====================\nPodsumowanie\n====================\n               1x(3)\n"},
        // Dates in either order; the range holds the draw.
        {{"--base", "--from", "31.12.2001", "--to", "01.01.2001", "--min", "1"},
         "12.05.2001     1x(3)     1x(2)     1x(1)\n" + std::string(40, '=') + "\nPodsumowanie\n" +
             std::string(40, '=') + "\n               1x(3)     1x(2)     1x(1)\n"},
        {{"--base", "--from", "13.05.2001"},
         "====================\nPodsumowanie\n====================\n              ------\n"},
    };
    for (const TPrzypadek& p : przypadki) {
        std::vector<std::string> argumenty{"test", system_};
        argumenty.insert(argumenty.end(), p.Argumenty.begin(), p.Argumenty.end());
        const auto wynik = Uruchom(argumenty);
        EXPECT_EQ(wynik.Kod, KodSukces) << wynik.Bledy;
        EXPECT_EQ(wynik.Wyjscie, naglowek + p.Wyjscie) << ::testing::PrintToString(p.Argumenty);
    }
}

TEST_F(PoleceniaTestuTest, LosoweZZiarnemPowtarzajaSie)
{
    const auto pierwszy = Uruchom({"test", system_, "--random", "--seed", "7", "--min", "1"});
    ASSERT_EQ(pierwszy.Kod, KodSukces) << pierwszy.Bledy;
    EXPECT_EQ(Uruchom({"test", system_, "--random", "--seed", "7", "--min", "1"}).Wyjscie, pierwszy.Wyjscie);
    // The fourth line holds three distinct numbers of 1..42, ascending.
    std::istringstream wiersze(pierwszy.Wyjscie);
    std::string wiersz;
    for (int i = 0; i < 4; ++i)
        std::getline(wiersze, wiersz);
    int a = 0, b = 0, c = 0;
    char p1 = 0, p2 = 0;
    std::istringstream liczby(wiersz);
    ASSERT_TRUE(liczby >> a >> p1 >> b >> p2 >> c) << wiersz;
    EXPECT_TRUE(1 <= a && a < b && b < c && c <= 42) << wiersz;
}

TEST_F(PoleceniaTestuTest, SystemPilkarski)
{
    const std::string plik = katalog_.Plik("pilkarski.ss2");
    ASSERT_TRUE(testy::ZapiszSystemTestowy(plik, testy::InfoSystemuPilkarskiego(10), {std::vector<int>(10, 1), std::vector<int>(10, 2)}));
    const auto wynik = Uruchom({"test", plik, "--signs", "1,1,1,1,1,1,1,1,1,X"});
    EXPECT_EQ(wynik.Kod, KodSukces) << wynik.Bledy;
    EXPECT_EQ(wynik.Wyjscie, "Test systemu 2\n==============\n-------------------\n1,1,1,1,1,1,1,1,1,x\n"
                             "-------------------\nPodsumowanie\n============\nBrak trafień\n\n");
    EXPECT_EQ(Uruchom({"test", plik, "--signs", "1,1,1,1,1,1,1,1,1,1"}).Wyjscie,
              "Test systemu 2\n==============\n-------------------\n1,1,1,1,1,1,1,1,1,1\n"
              "-------------------\n     [1]->(10)\nPodsumowanie\n============\n    1x(10)\n\n");
    // A random row lists no bets.
    const auto losowy = Uruchom({"test", plik, "--random", "--seed", "1"});
    EXPECT_EQ(losowy.Kod, KodSukces);
    EXPECT_EQ(losowy.Wyjscie.find("]->("), std::string::npos);
    EXPECT_NE(losowy.Wyjscie.find("\nPodsumowanie\n"), std::string::npos);

    for (const std::vector<std::string>& zle :
         {std::vector<std::string>{"test", plik, "--signs", "1,1,1"}, {"test", plik, "--signs", "1,1,1,1,1,1,1,1,1,3"},
          {"test", plik, "--numbers", "1,2,3"}, {"test", plik, "--base"},
          {"test", plik, "--signs", "1,1,1,1,1,1,1,1,1,1", "--min", "9"}}) {
        const auto blad = Uruchom(zle);
        EXPECT_EQ(blad.Kod, KodBladUzycia) << ::testing::PrintToString(zle);
        EXPECT_TRUE(blad.Wyjscie.empty());
    }
}

TEST_F(PoleceniaTestuTest, BledyUzyciaIDanych)
{
    struct TPrzypadek {
        std::vector<std::string> Argumenty;
        int Kod;
    };
    const TPrzypadek przypadki[] = {
        {{"test", system_}, KodBladUzycia},
        {{"test", system_, "--random", "--base"}, KodBladUzycia},
        {{"test", system_, "--numbers", "2,17"}, KodBladUzycia},
        {{"test", system_, "--numbers", "2,17,43"}, KodBladUzycia},
        {{"test", system_, "--numbers", "2,2,17"}, KodBladUzycia},
        {{"test", system_, "--numbers", "2,x,17"}, KodBladUzycia},
        {{"test", system_, "--numbers", "2,17,40", "--min", "0"}, KodBladUzycia},
        {{"test", system_, "--numbers", "2,17,40", "--min", "4"}, KodBladUzycia},
        {{"test", system_, "--numbers", "2,17,40", "--seed", "1"}, KodBladUzycia},
        {{"test", system_, "--random", "--from", "01.01.2001"}, KodBladUzycia},
        {{"test", system_, "--base", "--from", "32.01.2001"}, KodBladUzycia},
        {{"test", system_, "--signs", "1,x,2"}, KodBladUzycia},
        {{"test", katalog_.Plik("brak.ss2"), "--random"}, KodBladDanych},
        {{"--dane", katalog_.Plik("nie-ma"), "test", system_, "--base"}, KodBladDanych},
    };
    for (const TPrzypadek& p : przypadki) {
        const auto wynik = Uruchom(p.Argumenty);
        EXPECT_EQ(wynik.Kod, p.Kod) << ::testing::PrintToString(p.Argumenty);
        EXPECT_TRUE(wynik.Wyjscie.empty());
        EXPECT_FALSE(wynik.Bledy.empty());
    }
    // A data directory without a number game of the system's code.
    TKatalogTymczasowy inny;
    const auto bezGry = Uruchom({"--dane", inny.Sciezka().string(), "test", system_, "--base"});
    EXPECT_EQ(bezGry.Kod, KodBladDanych);
    EXPECT_NE(bezGry.Bledy.find("no number game with the code 11"), std::string::npos);
}

} // namespace
} // namespace tarvomund::cli
