#include "Polecenia.h"

#include "model/PlikGry.h"
#include "model/PlikSystemu.h"
#include "systems/Kombinatoryka.h"
#include "wspolne/KatalogTymczasowy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>

namespace tarvomund::cli {
namespace {

using testy::CzytajPlik;
using testy::TKatalogTymczasowy;
using testy::ZapiszPlik;

struct TWynikPolecenia {
    int Kod;
    std::string Wyjscie;
    std::string Bledy;
};

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
        std::ostringstream wyjscie;
        std::ostringstream bledy;
        const int kod =
            cli::Uruchom(argumenty, domyslny.empty() ? katalog_.Sciezka().string() : domyslny, wyjscie, bledy);
        return {kod, wyjscie.str(), bledy.str()};
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

// The lines of a text, without their line breaks.
std::vector<std::string> Linie(const std::string& tekst)
{
    std::vector<std::string> linie;
    std::istringstream we(tekst);
    for (std::string linia; std::getline(we, linia);)
        linie.push_back(linia);
    return linie;
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
        {"pool system", zmien(KodGry, 1001)},
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

} // namespace
} // namespace tarvomund::cli
