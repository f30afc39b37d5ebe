#include "model/Wspolne.h"

#include "wspolne/KatalogTymczasowy.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tarvomund {
namespace {

namespace fs = std::filesystem;
using testy::CzytajPlik;
using testy::TKatalogTymczasowy;
using testy::ZapiszPlik;

TTablicaLiczb Tablica(std::initializer_list<int> wartosci)
{
    TTablicaLiczb t{};
    std::size_t i = 0;
    for (int w : wartosci)
        t[i++] = static_cast<uint8_t>(w);
    return t;
}

TEST(Wspolne, ProcentyDzielaBezpiecznie)
{
    EXPECT_DOUBLE_EQ(Procent(5, 0), 0.0);
    EXPECT_NEAR(Procent(1, 3), 33.333333333, 1e-8);
    EXPECT_DOUBLE_EQ(Procent(-1, 4), -25.0);
    EXPECT_DOUBLE_EQ(ProcentZ(0, 500), 0.0);
    EXPECT_DOUBLE_EQ(ProcentZ(10, 0), 0.0);
    EXPECT_DOUBLE_EQ(ProcentZ(10, 500), 50.0);
}

TEST(Wspolne, WZakresieObejmujeObaKonce)
{
    EXPECT_TRUE(WZakresie(5, 5, 5));
    EXPECT_FALSE(WZakresie(4, 5, 3));
    EXPECT_TRUE(WZakresie(3, 1, 3));
    EXPECT_FALSE(WZakresie(0, 1, 3));
}

TEST(Wspolne, DopelnianieLiczyZnakiNieBajty)
{
    EXPECT_EQ(DopelnijZLewej(3, "abcde"), "abcde");
    EXPECT_EQ(DopelnijZLewej(5, "ab"), "   ab");
    EXPECT_EQ(DopelnijZPrawej(5, "ab"), "ab   ");
    EXPECT_EQ(DopelnijZPrawej(4, "żół"), "żół ");
    EXPECT_EQ(DopelnijZLewej(3, "Łą"), " Łą");
}

TEST(Wspolne, TabliceBajtow)
{
    const TTablicaLiczb a = Tablica({3, 3, 7});
    const TTablicaLiczb b = Tablica({3, 9});
    EXPECT_EQ(IleWspolnych(a, b, 3, 2), 2);
    EXPECT_EQ(IleWspolnych(a, b, 3, 1), 2);
    EXPECT_EQ(IleWspolnych(a, b, 0, 2), 0);
    EXPECT_EQ(SumaBajtow(a, 3), 13);
    EXPECT_EQ(SumaBajtow(a, 0), 0);
    EXPECT_EQ(SumaBajtow(a, -4), 0);
    EXPECT_TRUE(Zawiera(7, 3, a));
    EXPECT_FALSE(Zawiera(7, 2, a));
    // A zero beyond the count is not a value of the array.
    EXPECT_FALSE(Zawiera(0, 3, a));
}

TEST(Wspolne, KalendarzLatPrzestepnych)
{
    EXPECT_EQ(DniMiesiaca(1900, 2), 28);
    EXPECT_EQ(DniMiesiaca(2000, 2), 29);
    EXPECT_EQ(DniMiesiaca(2024, 2), 29);
    EXPECT_EQ(DniMiesiaca(2023, 2), 28);
    EXPECT_EQ(DniMiesiaca(2023, 4), 30);
    EXPECT_EQ(DniMiesiaca(2023, 12), 31);
    EXPECT_FALSE(RokPrzestepny(2100));
    EXPECT_TRUE(RokPrzestepny(2400));
}

struct TPrzypadekRozbioru {
    const char* Tekst;
    const char* Separatory;
    const char* Konce;
    std::vector<int> Oczekiwane;
};

class RozbierzLiczbyTest : public ::testing::TestWithParam<TPrzypadekRozbioru> {};

TEST_P(RozbierzLiczbyTest, CzytaLiczby)
{
    const auto& p = GetParam();
    const TTablicaLiczb wynik = RozbierzLiczby(p.Tekst, p.Separatory, p.Konce);
    TTablicaLiczb oczekiwane{};
    std::copy(p.Oczekiwane.begin(), p.Oczekiwane.end(), oczekiwane.begin());
    EXPECT_EQ(wynik, oczekiwane);
}

INSTANTIATE_TEST_SUITE_P(
    Teksty, RozbierzLiczbyTest,
    ::testing::Values(TPrzypadekRozbioru{"1, 2,,x,300", ", ", "", {1, 2, 44}},
                      TPrzypadekRozbioru{"", ", ", "", {}},
                      TPrzypadekRozbioru{"12,34;56", ",", ";", {12}}, // the end char drops the token
                      TPrzypadekRozbioru{"7,1234,9", ",", "", {7, 123, 9}},
                      TPrzypadekRozbioru{",,5,", ",", "", {5}},
                      TPrzypadekRozbioru{"4 5\n6", " ", "\n", {4}})); // "5" is still being read at the end char

TEST(Wspolne, RozbierzLiczbyMiesciNajwyzej120Liczb)
{
    std::string tekst;
    for (int i = 0; i < 130; ++i)
        tekst += std::to_string(i % 100 + 1) + ",";
    const TTablicaLiczb wynik = RozbierzLiczby(tekst, ",", "");
    EXPECT_EQ(wynik[0], 1);
    EXPECT_EQ(wynik[119], 20);
}

TEST(Wspolne, MaxPewnych)
{
    EXPECT_EQ(MaxPewnych(6, 49, 1), 5);
    EXPECT_EQ(MaxPewnych(6, 49, 0), 5);
    EXPECT_EQ(MaxPewnych(6, 49, 2'000'000), 0);
    // C(48,5) = 1 712 304 bets is exactly the bound for no sure number.
    EXPECT_EQ(MaxPewnych(6, 49, 1'712'304), 0);
    EXPECT_EQ(MaxPewnych(6, 49, 1'712'303), 1);
    // C(44,1) = 44 for the fifth sure number.
    EXPECT_EQ(MaxPewnych(6, 49, 44), 4);
    EXPECT_EQ(MaxPewnych(6, 49, 43), 5);
    // C(127,2) = 8001 bets would be needed for 23 sure numbers, C(126,1) = 126 for 24.
    EXPECT_EQ(MaxPewnych(25, 150, 1000), 23);
    EXPECT_EQ(MaxPewnych(25, 150, 8001), 22);
}

TEST(Wspolne, TematyPomocy)
{
    EXPECT_EQ(TematPomocy(1000), "IdOProg");
    EXPECT_EQ(TematPomocy(1027), "IdTestSys");
    EXPECT_EQ(TematPomocy(1053), "idZmianaPar");
    EXPECT_EQ(TematPomocy(999), "");
    EXPECT_EQ(TematPomocy(1054), "");
}

TEST(KopiujPlik, KopiujeTrescCzasIZastepujeCel)
{
    TKatalogTymczasowy katalog;
    const std::string zrodlo = katalog.Plik("a.ss2");
    const std::string cel = katalog.Plik("b.ss2");
    std::string tresc(100'000, '\0');
    for (std::size_t i = 0; i < tresc.size(); ++i)
        tresc[i] = static_cast<char>(i * 7);
    ZapiszPlik(zrodlo, tresc);
    ZapiszPlik(cel, "stara zawartość");
    const auto czas = fs::file_time_type::clock::now() - std::chrono::hours(50);
    fs::last_write_time(zrodlo, czas);

    ASSERT_TRUE(KopiujPlik(zrodlo, cel));
    EXPECT_EQ(CzytajPlik(cel), tresc);
    EXPECT_EQ(fs::last_write_time(cel), czas);
    EXPECT_FALSE(testy::ZostalPlikTymczasowy(katalog.Sciezka()));
}

TEST(KopiujPlik, TaSamaNazwaNicNieRobi)
{
    TKatalogTymczasowy katalog;
    const std::string plik = katalog.Plik("a.ss2");
    ZapiszPlik(plik, "abc");
    EXPECT_FALSE(KopiujPlik(plik, plik));
    EXPECT_EQ(CzytajPlik(plik), "abc");
}

TEST(KopiujPlik, NieudanaKopiaZostawiaStaryPlik)
{
    TKatalogTymczasowy katalog;
    const std::string cel = katalog.Plik("b.ss2");
    ZapiszPlik(cel, "stary system");
    // A source that does not exist, and one that cannot be read (a directory).
    EXPECT_FALSE(KopiujPlik(katalog.Plik("brak.ss2"), cel));
    fs::create_directory(katalog.Plik("katalog.ss2"));
    EXPECT_FALSE(KopiujPlik(katalog.Plik("katalog.ss2"), cel));
    EXPECT_EQ(CzytajPlik(cel), "stary system");
    EXPECT_FALSE(testy::ZostalPlikTymczasowy(katalog.Sciezka()));
    // A target directory that does not exist.
    ZapiszPlik(katalog.Plik("a.ss2"), "x");
    EXPECT_FALSE(KopiujPlik(katalog.Plik("a.ss2"), katalog.Plik("brak/b.ss2")));
}

} // namespace
} // namespace tarvomund
