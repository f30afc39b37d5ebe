#include "model/PlikGry.h"

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

TObLos Los(double data, std::initializer_list<int> liczby)
{
    TObLos los;
    los.Data = data;
    std::size_t i = 0;
    for (int l : liczby)
        los.Liczby[i++] = static_cast<uint8_t>(l);
    return los;
}

TObGraLista Lotek(const std::string& plik)
{
    TObGraLista gra;
    gra.Id = 7;
    gra.KodGry = 70;
    gra.Nazwa = "Duży Lotek";
    gra.Plik = plik;
    gra.MinSkreslen = 6;
    gra.MaxSkreslen = 12;
    gra.NormSkreslen = 6;
    gra.IleDodatkowych = 1;
    gra.IleLiczb = 49;
    gra.IleLosowanych = 6;
    gra.IlePoziomo = 7;
    gra.IlePionowo = 7;
    gra.Kierunek = false;
    gra.Pilkarski = 0;
    gra.Losowania = {Los(37023, {3, 11, 17, 25, 36, 42}), Los(37026, {1, 2, 3, 4, 5, 49}),
                     Los(37030, {49, 48, 47, 46, 45, 44})};
    return gra;
}

TEST(PlikGry, ZapisIOdczytZachowujaWszystkiePola)
{
    TKatalogTymczasowy katalog;
    const TObGraLista gra = Lotek(katalog.Plik("lotek.pl2"));
    ASSERT_TRUE(UtworzPlikGry(gra));
    const std::string dane = CzytajPlik(gra.Plik);
    ASSERT_EQ(dane.size(), 142u); // 100 + 3 × (8 + 6)

    TCzytnikBin naglowek(dane);
    EXPECT_EQ(naglowek.Int32(), 7);
    EXPECT_EQ(naglowek.Int32(), 70);
    EXPECT_EQ(naglowek.Int32(), 3);
    EXPECT_EQ(static_cast<uint8_t>(dane[12]), 10);
    EXPECT_EQ(static_cast<uint8_t>(dane[15]), 0xBF); // ż
    EXPECT_EQ(static_cast<uint8_t>(dane[84]), 6);
    EXPECT_EQ(dane[96], 0);
    EXPECT_EQ(static_cast<uint8_t>(dane[100 + 8]), 3);

    const auto wczytana = WczytajPlikGry(gra.Plik);
    ASSERT_TRUE(wczytana.has_value());
    EXPECT_EQ(wczytana->Nazwa, "Duży Lotek");
    EXPECT_EQ(wczytana->Id, 7);
    EXPECT_EQ(wczytana->KodGry, 70);
    EXPECT_EQ(wczytana->IleDodatkowych, 1);
    EXPECT_EQ(wczytana->IlePionowo, 7);
    EXPECT_FALSE(wczytana->Kierunek);
    ASSERT_EQ(wczytana->Losowania.size(), 3u);
    EXPECT_EQ(wczytana->Losowania[2].Data, 37030);
    EXPECT_EQ(wczytana->Losowania[2].Liczby, gra.Losowania[2].Liczby);
    EXPECT_EQ(wczytana->Losowania[0].Liczby[6], 0);
}

TEST(PlikGry, ZapiszLosowaniaZmieniaTylkoLicznikWNaglowku)
{
    TKatalogTymczasowy katalog;
    TObGraLista gra = Lotek(katalog.Plik("lotek.pl2"));
    ASSERT_TRUE(UtworzPlikGry(gra));
    // Bytes the program never interprets must survive: the reserved bytes and whatever follows
    // the name's length.
    std::string dane = CzytajPlik(gra.Plik);
    dane[63] = 'R';
    dane[40] = 'Q';
    dane[97] = 5;
    dane[98] = 'x';
    dane[99] = 'y';
    ZapiszPlik(gra.Plik, dane);

    gra.Losowania.pop_back();
    gra.Losowania.push_back(Los(40000, {9, 8, 7, 6, 5, 4}));
    gra.Losowania.push_back(Los(40001, {1, 2, 3, 4, 5, 6}));
    ASSERT_TRUE(ZapiszLosowania(gra));

    const std::string po = CzytajPlik(gra.Plik);
    ASSERT_EQ(po.size(), 100u + 4 * 14);
    EXPECT_EQ(po.substr(0, 8), dane.substr(0, 8));
    EXPECT_EQ(po.substr(12, 88), dane.substr(12, 88));
    TCzytnikBin licznik(po);
    licznik.Skocz(8);
    EXPECT_EQ(licznik.Int32(), 4);
    EXPECT_FALSE(testy::ZostalPlikTymczasowy(katalog.Sciezka()));

    TObGraLista kopia = gra;
    kopia.Losowania.clear();
    ASSERT_TRUE(WczytajLosowania(kopia));
    ASSERT_EQ(kopia.Losowania.size(), 4u);
    EXPECT_EQ(kopia.Losowania[3].Data, 40001);
    EXPECT_EQ(kopia.Losowania[3].Liczby, gra.Losowania[3].Liczby);
}

TEST(PlikGry, ZapiszNaglowekNieRuszaTozsamosciILosowan)
{
    TKatalogTymczasowy katalog;
    TObGraLista gra = Lotek(katalog.Plik("lotek.pl2"));
    ASSERT_TRUE(UtworzPlikGry(gra));
    std::string dane = CzytajPlik(gra.Plik);
    dane[97] = 9;
    ZapiszPlik(gra.Plik, dane);

    gra.Id = 999;
    gra.KodGry = 999;
    gra.Losowania.clear();
    gra.Nazwa = std::string(60, 'x') + "ą";
    gra.MaxSkreslen = 10;
    gra.IlePoziomo = 9;
    gra.Kierunek = true;
    ASSERT_TRUE(ZapiszNaglowek(gra));

    const std::string po = CzytajPlik(gra.Plik);
    EXPECT_EQ(po.size(), dane.size());
    EXPECT_EQ(po.substr(0, 12), dane.substr(0, 12));
    EXPECT_EQ(po.substr(97), dane.substr(97));
    const auto wczytana = WczytajPlikGry(gra.Plik);
    ASSERT_TRUE(wczytana.has_value());
    EXPECT_EQ(wczytana->Nazwa, std::string(50, 'x'));
    EXPECT_EQ(wczytana->MaxSkreslen, 10);
    EXPECT_EQ(wczytana->IlePoziomo, 9);
    EXPECT_TRUE(wczytana->Kierunek);
    EXPECT_EQ(wczytana->Pilkarski, 9);
    EXPECT_EQ(wczytana->Losowania.size(), 3u);
}

TEST(PlikGry, ZapisDoBrakujacegoPlikuSieNieUdaje)
{
    TKatalogTymczasowy katalog;
    const TObGraLista gra = Lotek(katalog.Plik("brak.pl2"));
    EXPECT_FALSE(ZapiszLosowania(gra));
    EXPECT_FALSE(ZapiszNaglowek(gra));
    EXPECT_FALSE(std::filesystem::exists(gra.Plik));
    TObGraLista kopia = gra;
    EXPECT_FALSE(WczytajLosowania(kopia));
    EXPECT_EQ(kopia.Losowania.size(), 3u);
}

struct TUszkodzenie {
    const char* Nazwa;
    std::size_t Dlugosc;    // file cut to this length (0: whole)
    int32_t Licznik;        // value at offset 8
    int32_t IleLosowanych;  // value at offset 84
    TBladPlikuGry Blad;
};

class UszkodzonyPlikGryTest : public ::testing::TestWithParam<TUszkodzenie> {};

TEST_P(UszkodzonyPlikGryTest, JestOdrzucony)
{
    const auto& p = GetParam();
    TKatalogTymczasowy katalog;
    const TObGraLista gra = Lotek(katalog.Plik("zly.pl2"));
    std::string dane = ZbudujPlikGry(gra);
    TPisarzBin pola;
    pola.Int32(p.Licznik);
    dane.replace(8, 4, pola.Dane());
    TPisarzBin losowanych;
    losowanych.Int32(p.IleLosowanych);
    dane.replace(84, 4, losowanych.Dane());
    if (p.Dlugosc)
        dane.resize(p.Dlugosc);
    ZapiszPlik(gra.Plik, dane);

    TBladPlikuGry blad = TBladPlikuGry::Brak;
    EXPECT_FALSE(WczytajPlikGry(gra.Plik, &blad).has_value());
    EXPECT_EQ(blad, p.Blad);
}

INSTANTIATE_TEST_SUITE_P(
    Pliki, UszkodzonyPlikGryTest,
    ::testing::Values(TUszkodzenie{"pusty", 1, 3, 6, TBladPlikuGry::ZaKrotki},
                      TUszkodzenie{"krotszyOdNaglowka", 99, 3, 6, TBladPlikuGry::ZaKrotki},
                      TUszkodzenie{"brakOstatniegoBajtu", 141, 3, 6, TBladPlikuGry::ZaKrotki},
                      TUszkodzenie{"ogromnyLicznik", 0, 0x7FFFFFFF, 6, TBladPlikuGry::ZaKrotki},
                      TUszkodzenie{"ujemnyLicznik", 0, -5, 6, TBladPlikuGry::ZlaLiczbaLosowan},
                      TUszkodzenie{"zeroLosowanych", 0, 3, 0, TBladPlikuGry::ZlaIloscLosowanych},
                      TUszkodzenie{"31Losowanych", 0, 3, 31, TBladPlikuGry::ZlaIloscLosowanych},
                      TUszkodzenie{"ujemnieLosowanych", 0, 3, -6, TBladPlikuGry::ZlaIloscLosowanych}),
    [](const auto& przypadek) { return std::string(przypadek.param.Nazwa); });

struct TDataLosowania {
    const char* Nazwa;
    double Data;
    bool Przyjeta;
};

class DataLosowaniaTest : public ::testing::TestWithParam<TDataLosowania> {};

// Dates are kept within 1.1.1900 .. 31.12.9999: anything else marks the file as damaged, so that no
// window ever computes a calendar date from it.
TEST_P(DataLosowaniaTest, PozaKalendarzemPlikJestUszkodzony)
{
    TKatalogTymczasowy katalog;
    TObGraLista gra = Lotek(katalog.Plik("daty.pl2"));
    gra.Losowania[1].Data = GetParam().Data;
    TBladPlikuGry blad = TBladPlikuGry::Brak;
    const auto wczytana = RozbierzPlikGry(ZbudujPlikGry(gra), gra.Plik, &blad);
    EXPECT_EQ(wczytana.has_value(), GetParam().Przyjeta);
    EXPECT_EQ(blad, GetParam().Przyjeta ? TBladPlikuGry::Brak : TBladPlikuGry::ZlaData);
}

INSTANTIATE_TEST_SUITE_P(
    Daty, DataLosowaniaTest,
    ::testing::Values(TDataLosowania{"pierwszyDzien1900", 2.0, true},
                      TDataLosowania{"ostatniDzien9999", 2958465.0, true},
                      TDataLosowania{"wieczorOstatniegoDnia", 2958465.75, true},
                      TDataLosowania{"dzienPrzed1900", 1.0, false},
                      TDataLosowania{"rok10000", 2958466.0, false},
                      TDataLosowania{"ujemnaOgromna", -211678748940.0, false},
                      TDataLosowania{"dodatniaOgromna", 1e300, false},
                      TDataLosowania{"nieLiczba", std::numeric_limits<double>::quiet_NaN(), false},
                      TDataLosowania{"plusNieskonczonosc", std::numeric_limits<double>::infinity(), false},
                      TDataLosowania{"minusNieskonczonosc", -std::numeric_limits<double>::infinity(), false}),
    [](const auto& przypadek) { return std::string(przypadek.param.Nazwa); });

TEST(PlikGry, NadmiarowyOgonIPustaHistoriaSaCzytane)
{
    TKatalogTymczasowy katalog;
    TObGraLista gra = Lotek(katalog.Plik("ogon.pl2"));
    ZapiszPlik(gra.Plik, ZbudujPlikGry(gra) + "śmieci");
    auto wczytana = WczytajPlikGry(gra.Plik);
    ASSERT_TRUE(wczytana.has_value());
    EXPECT_EQ(wczytana->Losowania.size(), 3u);

    gra.Losowania.clear();
    ASSERT_TRUE(UtworzPlikGry(gra));
    EXPECT_EQ(CzytajPlik(gra.Plik).size(), 100u);
    wczytana = WczytajPlikGry(gra.Plik);
    ASSERT_TRUE(wczytana.has_value());
    EXPECT_TRUE(wczytana->Losowania.empty());

    TBladPlikuGry blad = TBladPlikuGry::Brak;
    EXPECT_FALSE(WczytajPlikGry(katalog.Plik("nie-ma.pl2"), &blad).has_value());
    EXPECT_EQ(blad, TBladPlikuGry::NieOtwarty);
}

} // namespace
} // namespace tarvomund
