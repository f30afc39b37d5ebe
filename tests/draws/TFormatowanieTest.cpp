#include "draws/TFormatowanie.h"

#include "wspolne/KatalogTymczasowy.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvomund {
namespace {

using testy::TKatalogTymczasowy;
using testy::ZapiszPlik;

std::string Pola(std::initializer_list<std::string> pola, std::size_t szerokosc)
{
    std::string wynik;
    for (std::string pole : pola) {
        pole.resize(szerokosc, ' ');
        wynik += pole;
    }
    return wynik;
}

struct TPrzypadekFormatu {
    const char* Opis;
    std::string Wiersz;
    int Szerokosc;
    std::string Separatory;
    bool JakoJeden;
    std::string Oczekiwany;
};

void PrintTo(const TPrzypadekFormatu& p, std::ostream* os)
{
    *os << p.Opis;
}

class FormatowanieWiersza : public ::testing::TestWithParam<TPrzypadekFormatu> {};

TEST_P(FormatowanieWiersza, TniePolaNaRownaSzerokosc)
{
    const TPrzypadekFormatu& p = GetParam();
    TFormatowanie f;
    f.UstawSzerokosc(p.Szerokosc);
    f.UstawSeparatory(Separatory(p.Separatory));
    f.UstawJakoJeden(p.JakoJeden);
    EXPECT_EQ(f.Formatuj(p.Wiersz), p.Oczekiwany) << p.Opis;
}

const std::string Domyslne = "\t;, ";

INSTANTIATE_TEST_SUITE_P(
    Przypadki, FormatowanieWiersza,
    ::testing::Values(
        TPrzypadekFormatu{"export line", "1. 12.05.2001 3,11,17,25,36,42", 10, Domyslne, true,
                          Pola({"1.", "12.05.2001", "3", "11", "17", "25", "36", "42"}, 10)},
        TPrzypadekFormatu{"text before the first digit is dropped", "Lotto 6 z 49", 10, Domyslne, true,
                          Pola({"6", "z", "49"}, 10)},
        TPrzypadekFormatu{"a line without digits closes one empty field", "Lotto", 3, Domyslne, true, "   "},
        TPrzypadekFormatu{"an empty line likewise", "", 5, Domyslne, true, "     "},
        TPrzypadekFormatu{"a run of separators is one", "1,, 2", 3, Domyslne, true, Pola({"1", "2"}, 3)},
        TPrzypadekFormatu{"each further separator an empty field", "1,,2", 3, ", ", false, Pola({"1", "", "2"}, 3)},
        TPrzypadekFormatu{"without space the last field is dropped", "1,2 3", 3, ",", true, Pola({"1"}, 3)},
        TPrzypadekFormatu{"a closing separator keeps the last field", "1,2,3,", 3, ",", true,
                          Pola({"1", "2", "3"}, 3)},
        TPrzypadekFormatu{"a trailing separator without merging adds an empty field", "1,2,", 3, ", ", false,
                          Pola({"1", "2", ""}, 3)},
        TPrzypadekFormatu{"a long field is cut to the width", "12345,6", 3, Domyslne, true, Pola({"123", "6"}, 3)},
        TPrzypadekFormatu{"tabs", "1\t2\t\t3", 3, Domyslne, true, Pola({"1", "2", "3"}, 3)},
        TPrzypadekFormatu{"another separator", "12.05.2001|4|5", 10, "| ", true,
                          Pola({"12.05.2001", "4", "5"}, 10)},
        TPrzypadekFormatu{"a full stop splits the date; without space the year is dropped", "12.05.2001", 3, ".",
                          true, Pola({"12", "05"}, 3)}));

TEST(Formatowanie, WierszeKonczaSieNaCrLfLfICr)
{
    TFormatowanie f;
    f.UstawTekst("a\r\nb\nc\rd\n\ne\r\n");
    ASSERT_EQ(f.IleWierszy(), 6u);
    const char* oczekiwane[] = {"a", "b", "c", "d", "", "e"};
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(f.Wiersz(i), oczekiwane[i]) << i;
    EXPECT_EQ(f.Wiersz(6), "");

    f.UstawTekst("");
    EXPECT_EQ(f.IleWierszy(), 0u);
    EXPECT_EQ(f.IleSformatowanych(), 0u);
}

TEST(Formatowanie, TekstUtf8StajeSieWindows1250AStronaKodowaZostaje)
{
    TFormatowanie f;
    // A web page's list: a byte-order mark and UTF-8 letters, one column each once converted.
    f.UstawTekst("\xEF\xBB\xBF\xC5\x9A" "roda 12.05.2001\n");
    ASSERT_EQ(f.IleWierszy(), 1u);
    EXPECT_EQ(f.Wiersz(0), "\x8Croda 12.05.2001");
    // Already Windows-1250 (not valid UTF-8): kept byte for byte.
    f.UstawTekst("\x8Croda\n\xB9\n");
    EXPECT_EQ(f.Wiersz(0), "\x8Croda");
    EXPECT_EQ(f.Wiersz(1), "\xB9");
}

TEST(Formatowanie, WierszPoczatkowyZaOstatnimToOstatni)
{
    TFormatowanie f;
    f.UstawSzerokosc(3);
    f.UstawSeparatory(DomyslneSeparatory());
    f.UstawTekst("1 2\n3 4\n5 6\n");
    f.UstawStart(1);
    EXPECT_EQ(f.PierwszyWiersz(), 1u);
    EXPECT_EQ(f.IleSformatowanych(), 2u);
    EXPECT_EQ(f.Sformatowany(0), Pola({"3", "4"}, 3));
    f.UstawStart(50);
    EXPECT_EQ(f.PierwszyWiersz(), 2u);
    ASSERT_EQ(f.IleSformatowanych(), 1u);
    EXPECT_EQ(f.Sformatowany(0), Pola({"5", "6"}, 3));
}

TEST(Formatowanie, ZnacznikiCoSzerokoscPola)
{
    TFormatowanie f;
    EXPECT_EQ(f.Szerokosc(), 3);
    const auto trzy = f.Znaczniki();
    EXPECT_TRUE(trzy.test(0));
    EXPECT_FALSE(trzy.test(1));
    EXPECT_TRUE(trzy.test(999));
    EXPECT_FALSE(trzy.test(1000));
    EXPECT_EQ(trzy.count(), 334u);
    f.UstawSzerokosc(SzerokoscPola(true, true));
    const auto dziesiec = f.Znaczniki();
    EXPECT_TRUE(dziesiec.test(1000));
    EXPECT_EQ(dziesiec.count(), 101u);
}

TEST(Formatowanie, SzerokoscPolaZDatyINumeracji)
{
    EXPECT_EQ(SzerokoscPola(true, false), 10);
    EXPECT_EQ(SzerokoscPola(true, true), 10);
    EXPECT_EQ(SzerokoscPola(false, true), 5);
    EXPECT_EQ(SzerokoscPola(false, false), 3);
}

TEST(Formatowanie, PlikNieistniejacyLubKatalogDajePustyPodglad)
{
    TKatalogTymczasowy katalog;
    TFormatowanie f;
    ZapiszPlik(katalog.Plik("lista.txt"), "1 2 3\n");
    ASSERT_TRUE(f.WczytajPlik(katalog.Plik("lista.txt")));
    EXPECT_EQ(f.IleWierszy(), 1u);
    EXPECT_FALSE(f.WczytajPlik(katalog.Plik("brak.txt")));
    EXPECT_EQ(f.IleWierszy(), 0u);
    EXPECT_FALSE(f.WczytajPlik(katalog.Sciezka().string()));
    EXPECT_EQ(f.IleSformatowanych(), 0u);
}

} // namespace
} // namespace tarvomund
