#include "model/PlikSystemu.h"

#include "model/BinIO.h"
#include "wspolne/KatalogTymczasowy.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

namespace tarvomund {
namespace {

using testy::CzytajPlik;
using testy::TKatalogTymczasowy;
using testy::ZapiszPlik;

TInfoGryRec Info()
{
    TInfoGryRec info;
    info.IdGry = 3;
    info.KodGry = 30;
    info.Nazwa = "Duży Lotek";
    info.MinSkreslen = 6;
    info.MaxSkreslen = 12;
    info.NormSkreslen = 6;
    info.IleLiczb = 49;
    info.IleLosowanych = 6;
    info.IlePoziomo = 7;
    info.IlePionowo = 7;
    info.n = 8;
    info.k = 3;
    info.Metoda = 2;
    info.Gwarancja = 1;
    info.UstawWlasneDomyslne();
    info.Wlasne[1][0] = 17;
    info.Wlasne[2][4] = 100;
    info.Wystapienia[0] = 2;
    return info;
}

void ZapiszSystem(const std::string& plik, const TInfoGryRec& info, int ile)
{
    TPisarzSystemu pisarz(plik, info.k);
    ASSERT_TRUE(pisarz.Otwarty());
    for (int i = 0; i < ile; ++i) {
        const uint8_t zaklad[3] = {1, 2, static_cast<uint8_t>(3 + i)};
        pisarz.Dodaj(zaklad);
    }
    ASSERT_TRUE(pisarz.Zakoncz(info));
}

TEST(PlikSystemu, UkladNaglowkaIZaklady)
{
    TKatalogTymczasowy katalog;
    const std::string plik = katalog.Plik("s.ss2");
    TInfoGryRec info = Info();
    info.Zakladow = 999; // the writer puts in the count it wrote
    ZapiszSystem(plik, info, 5);

    const std::string dane = CzytajPlik(plik);
    ASSERT_EQ(dane.size(), 964u + 5 * 3);
    TCzytnikBin c(dane);
    c.Skocz(12);
    EXPECT_EQ(c.Int32(), 3);
    c.Skocz(76);
    EXPECT_EQ(c.Int32(), 6);
    c.Skocz(104);
    EXPECT_EQ(c.Int32(), 8);
    EXPECT_EQ(c.Int32(), 3);
    EXPECT_EQ(c.Int32(), 5);
    EXPECT_EQ(c.Int32(), 2);
    EXPECT_EQ(c.Int32(), 1);
    EXPECT_EQ(static_cast<uint8_t>(dane[244]), 17); // second own-numbers array, system number 1
    EXPECT_EQ(static_cast<uint8_t>(dane[364 + 4]), 100);
    c.Skocz(484);
    EXPECT_EQ(c.Int32(), 2);
    EXPECT_EQ(dane.substr(964, 3), std::string("\x01\x02\x03", 3));

    TCzytnikSystemu czytnik(plik);
    ASSERT_TRUE(czytnik.Otwarty());
    const TInfoGryRec& wczytane = czytnik.Naglowek().Info;
    EXPECT_EQ(wczytane.Nazwa, "Duży Lotek");
    EXPECT_EQ(wczytane.Zakladow, 5);
    EXPECT_EQ(wczytane.NormSkreslen, 6);
    EXPECT_EQ(wczytane.Wlasne, info.Wlasne);
    EXPECT_EQ(wczytane.Wystapienia, info.Wystapienia);
    const auto zaklady = czytnik.Zaklady(4, 15);
    ASSERT_EQ(zaklady.size(), 2u);
    EXPECT_EQ(zaklady[0][2], 6);
    EXPECT_EQ(zaklady[1][2], 7);
    EXPECT_TRUE(czytnik.Zaklady(6, 15).empty());
}

TEST(PlikSystemu, PustySystemIWlasneLiczby)
{
    TKatalogTymczasowy katalog;
    const std::string plik = katalog.Plik("s.ss2");
    TInfoGryRec info = Info();
    ZapiszSystem(plik, info, 0);
    EXPECT_EQ(CzytajPlik(plik).size(), 964u);

    info.Wlasne[1][2] = 44;
    ASSERT_TRUE(ZapiszWlasneLiczby(plik, info));
    const auto naglowek = CzytajNaglowekSystemu(plik);
    ASSERT_TRUE(naglowek.has_value());
    EXPECT_EQ(naglowek->Info.Wlasne[1][2], 44);
    EXPECT_EQ(naglowek->Info.Zakladow, 0);
}

TEST(PlikSystemu, SystemPilkarskiTrzymaMeczeWPolu76)
{
    TKatalogTymczasowy katalog;
    const std::string plik = katalog.Plik("p.ss2");
    TInfoGryRec info;
    info.IdGry = KodSystemuPilkarskiego;
    info.KodGry = KodSystemuPilkarskiego;
    info.Nazwa = "System piłkarski";
    info.k = 13;
    info.Pilkarski = 1;
    TPisarzSystemu pisarz(plik, 13);
    const uint8_t zaklad[13] = {1, 2, 3, 1, 2, 3, 1, 2, 3, 1, 2, 3, 1};
    pisarz.Dodaj(zaklad);
    ASSERT_TRUE(pisarz.Zakoncz(info));
    const std::string dane = CzytajPlik(plik);
    EXPECT_EQ(static_cast<uint8_t>(dane[76]), 13);
    const auto naglowek = CzytajNaglowekSystemu(plik);
    ASSERT_TRUE(naglowek.has_value());
    EXPECT_TRUE(naglowek->Pilkarski());
    EXPECT_EQ(naglowek->Info.k, 13);
    EXPECT_EQ(naglowek->Info.Pilkarski, 1);
}

struct TZlyNaglowek {
    const char* Nazwa;
    std::size_t Pozycja;
    int32_t Wartosc;
    std::size_t Dlugosc; // 0: whole file
    TBladSystemu Blad;
};

class ZlyPlikSystemuTest : public ::testing::TestWithParam<TZlyNaglowek> {};

TEST_P(ZlyPlikSystemuTest, JestOdrzucony)
{
    const auto& p = GetParam();
    TKatalogTymczasowy katalog;
    const std::string plik = katalog.Plik("zly.ss2");
    ZapiszSystem(plik, Info(), 4);
    std::string dane = CzytajPlik(plik);
    if (p.Pozycja) {
        TPisarzBin wartosc;
        wartosc.Int32(p.Wartosc);
        dane.replace(p.Pozycja, 4, wartosc.Dane());
    }
    if (p.Dlugosc)
        dane.resize(p.Dlugosc);
    ZapiszPlik(plik, dane);

    TBladSystemu blad = TBladSystemu::Brak;
    EXPECT_FALSE(CzytajNaglowekSystemu(plik, &blad).has_value());
    EXPECT_EQ(blad, p.Blad);
    TCzytnikSystemu czytnik(plik);
    EXPECT_FALSE(czytnik.Otwarty());
}

INSTANTIATE_TEST_SUITE_P(
    Pliki, ZlyPlikSystemuTest,
    ::testing::Values(TZlyNaglowek{"krotszyOdNaglowka", 0, 0, 900, TBladSystemu::ZaKrotki},
                      TZlyNaglowek{"brakOstatniegoZakladu", 0, 0, 964 + 11, TBladSystemu::ZaKrotki},
                      TZlyNaglowek{"ogromnyLicznik", 112, 0x7FFFFFFF, 0, TBladSystemu::ZaKrotki},
                      TZlyNaglowek{"ujemnyLicznik", 112, -1, 0, TBladSystemu::ZleParametry},
                      TZlyNaglowek{"rozmiarRekorduInnyNizK", 12, 4, 0, TBladSystemu::ZlyRozmiar},
                      TZlyNaglowek{"nZero", 104, 0, 0, TBladSystemu::ZleParametry},
                      TZlyNaglowek{"n121", 104, 121, 0, TBladSystemu::ZleParametry},
                      TZlyNaglowek{"kZero", 108, 0, 0, TBladSystemu::ZleParametry},
                      TZlyNaglowek{"k121", 108, 121, 0, TBladSystemu::ZleParametry},
                      TZlyNaglowek{"nieznanyKod", 4, 1500, 0, TBladSystemu::NieznanyKod}),
    [](const auto& przypadek) { return std::string(przypadek.param.Nazwa); });

// A system may count up to 2,147,483,647 bets: the walk over them reaches the last one and ends
// there, without its bet numbers running past the 32-bit range.
TEST(PlikSystemu, StrumienDochodziDoOstatniegoZNajwiekszejLiczbyZakladow)
{
    TKatalogTymczasowy katalog;
    const std::string plik = katalog.Plik("ogromny.ss2");
    TInfoGryRec info = Info();
    info.n = 1;
    info.k = 1;
    info.Zakladow = std::numeric_limits<int32_t>::max();
    ZapiszPlik(plik, ZbudujNaglowekSystemu(info, 1));
    std::filesystem::resize_file(plik, DlugoscNaglowkaSystemu + uint64_t{std::numeric_limits<int32_t>::max()});
    TCzytnikSystemu czytnik(plik);
    ASSERT_TRUE(czytnik.Otwarty());
    TStrumienZakladow strumien(czytnik);
    strumien.Od(int64_t{std::numeric_limits<int32_t>::max()} - 2);
    int ile = 0;
    while (strumien.Nastepny())
        ++ile;
    EXPECT_EQ(ile, 3);
    EXPECT_FALSE(strumien.Blad());
    EXPECT_EQ(strumien.Numer(), int64_t{std::numeric_limits<int32_t>::max()} + 1);
    EXPECT_EQ(strumien.Nastepny(), nullptr);
    // Walked again from the start, the first chunk is read anew.
    strumien.OdNowa();
    EXPECT_NE(strumien.Nastepny(), nullptr);
    EXPECT_EQ(strumien.Numer(), 2);
}

struct TPlikPilkarski {
    const char* Nazwa;
    int32_t Meczow;
    int64_t Zakladow; // the count in the header; the file holds that many records (sparse)
    bool Przyjety;
};

class PlikPilkarskiTest : public ::testing::TestWithParam<TPlikPilkarski> {};

// A pool system types at most 13 matches and holds at most one bet per outcome (3^13): anything
// else is damaged and refused before a single bet is allocated.
TEST_P(PlikPilkarskiTest, MeczeIZakladyWGranicachFormatu)
{
    const auto& p = GetParam();
    TKatalogTymczasowy katalog;
    const std::string plik = katalog.Plik("toto.ss2");
    TInfoGryRec info;
    info.IdGry = KodSystemuPilkarskiego;
    info.KodGry = KodSystemuPilkarskiego;
    info.k = p.Meczow;
    info.Pilkarski = 1;
    info.Zakladow = static_cast<int32_t>(p.Zakladow);
    ZapiszPlik(plik, ZbudujNaglowekSystemu(info, p.Meczow));
    std::filesystem::resize_file(plik, DlugoscNaglowkaSystemu + static_cast<uint64_t>(p.Zakladow) *
                                                                    static_cast<uint64_t>(p.Meczow));
    TBladSystemu blad = TBladSystemu::Brak;
    EXPECT_EQ(CzytajNaglowekSystemu(plik, &blad).has_value(), p.Przyjety);
    EXPECT_EQ(blad, p.Przyjety ? TBladSystemu::Brak : TBladSystemu::ZleParametry);
}

INSTANTIATE_TEST_SUITE_P(
    Pliki, PlikPilkarskiTest,
    ::testing::Values(TPlikPilkarski{"dziesiecMeczow", 10, 3, true},
                      TPlikPilkarski{"trzynascieMeczow", 13, 3, true},
                      TPlikPilkarski{"kazdyWynikTrzynastu", 13, 1594323, true},
                      TPlikPilkarski{"jedenMecz", 1, 100000000, false},
                      TPlikPilkarski{"dziewiecMeczow", 9, 3, true},
                      TPlikPilkarski{"czternascieMeczow", 14, 3, false},
                      TPlikPilkarski{"szescdziesiatCzteryMecze", 64, 2, false},
                      TPlikPilkarski{"wiecejNizWynikow", 13, 1594324, false}),
    [](const auto& przypadek) { return std::string(przypadek.param.Nazwa); });

} // namespace
} // namespace tarvomund
