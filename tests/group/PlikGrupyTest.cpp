#include "group/PlikGrupy.h"

#include "model/BinIO.h"
#include "wspolne/GrupyTestowe.h"
#include "wspolne/KatalogTymczasowy.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>

namespace tarvomund {
namespace {

using testy::CzytajPlik;
using testy::GraGrupy;
using testy::Grupa;
using testy::TKatalogTymczasowy;
using testy::ZapiszPlik;

std::string Bajty(const std::array<uint8_t, 10>& b)
{
    return std::string(reinterpret_cast<const char*>(b.data()), b.size());
}

void ZapiszInt32(std::string& dane, std::size_t pozycja, int32_t wartosc)
{
    for (int i = 0; i < 4; ++i)
        dane[pozycja + static_cast<std::size_t>(i)] = static_cast<char>((static_cast<uint32_t>(wartosc) >> (8 * i)) & 0xFF);
}

// Game i (from 0) of a file starts here.
std::size_t Gra(std::size_t i)
{
    return DlugoscNaglowkaGrupy + i * DlugoscGryGrupy;
}

TEST(PlikGrupy, UkladBajtowJakWOpisiePliku)
{
    TKatalogTymczasowy katalog;
    const std::string plik = katalog.Plik("g.gr2");
    const TGrupa grupa = Grupa({"Łukasz", "Ewa"}, {GraGrupy(37023, "Duży Lotek", 12.5, 0, {{0, 50}, {1, 50}}),
                                                  GraGrupy(37026, "Keno", 4, 1000, {{1, 25.75}})});
    ASSERT_TRUE(ZapiszGrupe(plik, grupa));
    const std::string dane = CzytajPlik(plik);
    ASSERT_EQ(dane.size(), 1555u + 2 * 1309u);

    TCzytnikBin c(dane);
    EXPECT_EQ(c.Int32(), 2);
    EXPECT_EQ(c.Bajt(), 0); // reserved
    // Names: a length byte and 30 Windows-1250 bytes each, at 5 + 31 × (j − 1).
    EXPECT_EQ(dane.substr(5, 7), std::string("\x06\xA3ukasz", 7));
    EXPECT_EQ(dane.substr(5 + 31, 4), std::string("\x03" "Ewa", 4));
    EXPECT_EQ(dane[5 + 31 * 2], '\0');
    EXPECT_EQ(dane.substr(5 + 31 * 49, 31), std::string(31, '\0'));

    const std::size_t g1 = Gra(1);
    c.Skocz(g1);
    EXPECT_EQ(c.Double(), 37026.0);
    EXPECT_EQ(dane.substr(g1 + 8, 5), std::string("\x04Keno", 5));
    EXPECT_EQ(dane.substr(g1 + 39, 10), Bajty(DoubleNaExtended(4)));
    EXPECT_EQ(dane.substr(g1 + 49, 10), Bajty(DoubleNaExtended(1000)));
    // Participant 2 of game 2: reserved 0..3, Gra at 4, reserved 5..14, Udzial at 15..24.
    const std::size_t u2 = g1 + 59 + 25;
    EXPECT_EQ(dane.substr(u2, 4), std::string(4, '\0'));
    EXPECT_EQ(dane[u2 + 4], '\x01');
    EXPECT_EQ(dane.substr(u2 + 5, 10), std::string(10, '\0'));
    EXPECT_EQ(dane.substr(u2 + 15, 10), Bajty(DoubleNaExtended(25.75)));
    // Participant 1 does not play game 2.
    EXPECT_EQ(dane.substr(g1 + 59, 25), std::string(25, '\0'));
    EXPECT_EQ(dane.substr(Gra(0) + 39, 10), Bajty(DoubleNaExtended(12.5)));

    const auto wczytana = CzytajGrupe(plik);
    ASSERT_TRUE(wczytana);
    EXPECT_EQ(ZbudujGrupe(*wczytana), dane);
    EXPECT_EQ(wczytana->Naglowek.Nazwiska[0], "Łukasz");
    EXPECT_EQ(wczytana->Gry[1].Uczestnicy[1].Udzial.Wartosc(), 25.75);
    EXPECT_FALSE(wczytana->Gry[1].Uczestnicy[0].Gra);
}

TEST(PlikGrupy, NowaGrupaTo1555Zer)
{
    TKatalogTymczasowy katalog;
    const std::string plik = katalog.Plik("1.$$$");
    ASSERT_EQ(UtworzGrupe(plik), TBladGrupy::Brak);
    EXPECT_EQ(CzytajPlik(plik), std::string(1555, '\0'));
    const auto grupa = CzytajGrupe(plik);
    ASSERT_TRUE(grupa);
    EXPECT_TRUE(grupa->Gry.empty());
    EXPECT_TRUE(grupa->Naglowek.ZajeteMiejsca().empty());
    EXPECT_EQ(UtworzGrupe(katalog.Plik("nie-ma/2.$$$")), TBladGrupy::BladZapisu);
}

TEST(PlikGrupy, WartosciSpozaDoubleWracajaBezZmian)
{
    // An extended share of 100 / 3 with all 64 mantissa bits, as a program computing in extended
    // precision stores it: a double cannot hold the last 11 bits.
    const std::array<uint8_t, 10> trzecia{0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0x85, 0x04, 0x40};
    ASSERT_NE(DoubleNaExtended(ExtendedNaDouble(trzecia)), trzecia);
    TKatalogTymczasowy katalog;
    const std::string plik = katalog.Plik("g.gr2");
    TGrupa grupa = Grupa({"A", "B"}, {GraGrupy(37023, "Lotek", 3, 0), GraGrupy(37024, "Lotek", 3, 0)});
    grupa.Gry[0].Uczestnicy[0] = {true, TWartoscExt::ZBajtow(trzecia)};
    grupa.Gry[0].Koszt = TWartoscExt::ZBajtow(trzecia);
    ASSERT_TRUE(ZapiszGrupe(plik, grupa));
    const std::string przed = CzytajPlik(plik);

    // Changing another game and the names rewrites the whole file; the untouched values stay.
    auto wczytana = CzytajGrupe(plik);
    ASSERT_TRUE(wczytana);
    EXPECT_NEAR(wczytana->Gry[0].Uczestnicy[0].Udzial.Wartosc(), 100.0 / 3, 1e-12);
    TGraGrupy druga = wczytana->Gry[1];
    druga.Uczestnicy[1] = {true, TWartoscExt::Z(10)};
    ASSERT_EQ(ZapiszUczestnikow(plik, wczytana->Naglowek, 1, druga), TBladGrupy::Brak);
    ASSERT_EQ(PoprawGre(plik, 1, 37025, "Keno", TWartoscExt::Z(1), TWartoscExt::Z(2)), TBladGrupy::Brak);
    const std::string po = CzytajPlik(plik);
    EXPECT_EQ(po.substr(0, Gra(1)), przed.substr(0, Gra(1)));
    EXPECT_EQ(po.substr(Gra(0) + 59 + 15, 10), Bajty(trzecia));
}

// Five games whose cost is their number, so the order shows in the file.
TGrupa PiecGier()
{
    TGrupa grupa = Grupa({"A", "B", "C"});
    for (int i = 1; i <= 5; ++i)
        grupa.Gry.push_back(GraGrupy(37000 + i, "Gra " + std::to_string(i), i, 0, {{i % 3, 10.0 * i}}));
    return grupa;
}

std::vector<double> Koszty(const std::string& plik)
{
    std::vector<double> koszty;
    const auto grupa = CzytajGrupe(plik);
    if (grupa)
        for (const TGraGrupy& gra : grupa->Gry)
            koszty.push_back(gra.Koszt.Wartosc());
    return koszty;
}

TEST(PlikGrupy, UsuniecieWstawiaOstatniaGreNaMiejsceUsunietej)
{
    TKatalogTymczasowy katalog;
    const std::string plik = katalog.Plik("g.gr2");
    ASSERT_TRUE(ZapiszGrupe(plik, PiecGier()));
    const std::string przed = CzytajPlik(plik);

    ASSERT_EQ(UsunGre(plik, 1), TBladGrupy::Brak);
    const std::string po = CzytajPlik(plik);
    EXPECT_EQ(po.size(), przed.size() - 1309);
    EXPECT_EQ(Koszty(plik), (std::vector<double>{1, 5, 3, 4}));
    // The last game moved whole, participants included.
    EXPECT_EQ(po.substr(Gra(1), 1309), przed.substr(Gra(4), 1309));

    // Deleting the last game only shortens the file.
    ASSERT_EQ(UsunGre(plik, 3), TBladGrupy::Brak);
    EXPECT_EQ(CzytajPlik(plik), po.substr(0, po.size() - 1309).replace(0, 4, std::string("\x03\0\0\0", 4)));
    EXPECT_EQ(UsunGre(plik, 3), TBladGrupy::ZlyNumerGry);
    EXPECT_EQ(Koszty(plik), (std::vector<double>{1, 5, 3}));
}

TEST(PlikGrupy, DodanieIPoprawienieGry)
{
    TKatalogTymczasowy katalog;
    const std::string plik = katalog.Plik("g.gr2");
    ASSERT_TRUE(ZapiszGrupe(plik, PiecGier()));
    const std::string nazwa = "Bardzo długa nazwa gry liczbowej ponad trzydzieści znaków";
    ASSERT_EQ(DodajGre(plik, 38000, nazwa, TWartoscExt::Z(7.5), TWartoscExt::Z(20)), TBladGrupy::Brak);
    auto grupa = CzytajGrupe(plik);
    ASSERT_TRUE(grupa);
    ASSERT_EQ(grupa->Gry.size(), 6u);
    const TGraGrupy& nowa = grupa->Gry[5];
    EXPECT_EQ(nowa.Data, 38000);
    EXPECT_EQ(nowa.NazwaGry, "Bardzo długa nazwa gry liczbow"); // cut to 30 characters
    EXPECT_EQ(nowa.Koszt.Wartosc(), 7.5);
    EXPECT_EQ(nowa.Wygrana.Wartosc(), 20);
    for (const TUczestnikGry& u : nowa.Uczestnicy) {
        EXPECT_FALSE(u.Gra);
        EXPECT_EQ(u.Udzial.Wartosc(), 0);
    }

    // Editing changes the four fields and nothing of the participants.
    const std::string przed = CzytajPlik(plik);
    ASSERT_EQ(PoprawGre(plik, 2, 38001, "Keno", TWartoscExt::Z(99), TWartoscExt::Z(1)), TBladGrupy::Brak);
    const std::string po = CzytajPlik(plik);
    EXPECT_EQ(po.substr(Gra(2) + 59, 1250), przed.substr(Gra(2) + 59, 1250));
    grupa = CzytajGrupe(plik);
    ASSERT_TRUE(grupa);
    EXPECT_EQ(grupa->Gry[2].NazwaGry, "Keno");
    EXPECT_EQ(grupa->Gry[2].Koszt.Wartosc(), 99);
    EXPECT_TRUE(grupa->Gry[2].Uczestnicy[0].Gra);
    EXPECT_EQ(PoprawGre(plik, 6, 1, "x", {}, {}), TBladGrupy::ZlyNumerGry);
    EXPECT_EQ(CzytajPlik(plik), po);
}

TEST(PlikGrupy, MiejscaUczestnikow)
{
    TNaglowekGrupy naglowek;
    EXPECT_EQ(naglowek.DodajUczestnika("Ala"), 0);
    EXPECT_EQ(naglowek.DodajUczestnika("Żaneta Źdźbło-Ćwierćwiecze-Łęcka"), 1);
    EXPECT_EQ(naglowek.Nazwiska[1], "Żaneta Źdźbło-Ćwierćwiecze-Łęc"); // 30 letters, not bytes
    naglowek.Nazwiska[0].clear(); // a damaged file may leave a gap
    EXPECT_EQ(naglowek.ZajeteMiejsca(), std::vector<int>{1});
    EXPECT_EQ(naglowek.DodajUczestnika("Ola"), 0);
    for (int i = 2; i < MaxUczestnikow; ++i)
        EXPECT_EQ(naglowek.DodajUczestnika(std::string("G").append(std::to_string(i))), i);
    EXPECT_FALSE(naglowek.PierwszeWolneMiejsce());
    EXPECT_FALSE(naglowek.DodajUczestnika("Pięćdziesiąty pierwszy"));
    EXPECT_EQ(naglowek.Nazwiska[49], "G49");
    naglowek.ZmienNazwisko(49, "Nowe");
    EXPECT_EQ(naglowek.Nazwiska[49], "Nowe");
}

struct TZlyPlik {
    const char* Opis;
    std::function<void(std::string&)> Zepsuj;
    TBladGrupy Blad;
};

class ZlyPlikGrupy : public ::testing::TestWithParam<TZlyPlik> {};

TEST_P(ZlyPlikGrupy, BladOdczytuBezZmianyPliku)
{
    TKatalogTymczasowy katalog;
    const std::string plik = katalog.Plik("g.gr2");
    std::string dane = ZbudujGrupe(Grupa({"A", "B"}, {GraGrupy(37023, "Lotek", 5, 10, {{0, 50}, {1, 50}}),
                                                      GraGrupy(37024, "Keno", 5, 10, {{0, 100}})}));
    GetParam().Zepsuj(dane);
    ZapiszPlik(plik, dane);
    TBladGrupy blad = TBladGrupy::Brak;
    EXPECT_FALSE(CzytajGrupe(plik, &blad));
    EXPECT_EQ(blad, GetParam().Blad);
    EXPECT_FALSE(RozbierzGrupe(dane));
    // No change is made to a file that cannot be read.
    EXPECT_EQ(DodajGre(plik, 1, "x", {}, {}), GetParam().Blad);
    EXPECT_EQ(UsunGre(plik, 0), GetParam().Blad);
    EXPECT_EQ(CzytajPlik(plik), dane);
}

void UstawWartosc(std::string& dane, std::size_t pozycja, double wartosc)
{
    const auto bajty = DoubleNaExtended(wartosc);
    std::memcpy(dane.data() + pozycja, bajty.data(), bajty.size());
}

void UstawDate(std::string& dane, std::size_t pozycja, double wartosc)
{
    std::memcpy(dane.data() + pozycja, &wartosc, sizeof wartosc);
}

INSTANTIATE_TEST_SUITE_P(
    Przypadki, ZlyPlikGrupy,
    ::testing::Values(
        TZlyPlik{"pusty", [](std::string& d) { d.clear(); }, TBladGrupy::ZaKrotki},
        TZlyPlik{"krotszy_od_naglowka", [](std::string& d) { d.resize(1554); }, TBladGrupy::ZaKrotki},
        TZlyPlik{"brak_ostatniej_gry", [](std::string& d) { d.resize(Gra(1)); }, TBladGrupy::ZaKrotki},
        TZlyPlik{"ucieta_gra", [](std::string& d) { d.resize(Gra(1) + 1308); }, TBladGrupy::ZaKrotki},
        TZlyPlik{"licznik_za_plikiem", [](std::string& d) { ZapiszInt32(d, 0, 3); }, TBladGrupy::ZaKrotki},
        TZlyPlik{"ogromny_licznik", [](std::string& d) { ZapiszInt32(d, 0, std::numeric_limits<int32_t>::max()); },
                 TBladGrupy::ZaKrotki},
        TZlyPlik{"ujemny_licznik", [](std::string& d) { ZapiszInt32(d, 0, -1); }, TBladGrupy::ZlaLiczbaGier},
        TZlyPlik{"nazwisko_dluzsze_od_pola", [](std::string& d) { d[5 + 31] = 31; }, TBladGrupy::ZlyTekst},
        TZlyPlik{"ostatnie_nazwisko_255", [](std::string& d) { d[5 + 31 * 49] = '\xFF'; }, TBladGrupy::ZlyTekst},
        TZlyPlik{"nazwa_gry_dluzsza_od_pola", [](std::string& d) { d[Gra(1) + 8] = 40; }, TBladGrupy::ZlyTekst},
        TZlyPlik{"koszt_nan",
                 [](std::string& d) { UstawWartosc(d, Gra(0) + 39, std::numeric_limits<double>::quiet_NaN()); },
                 TBladGrupy::ZlaWartosc},
        TZlyPlik{"udzial_nieskonczony",
                 [](std::string& d) { UstawWartosc(d, Gra(1) + 59 + 15, std::numeric_limits<double>::infinity()); },
                 TBladGrupy::ZlaWartosc},
        TZlyPlik{"data_nan", [](std::string& d) { UstawDate(d, Gra(0), std::nan("")); }, TBladGrupy::ZlaWartosc},
        TZlyPlik{"data_poza_kalendarzem", [](std::string& d) { UstawDate(d, Gra(1), 1e300); }, TBladGrupy::ZlaWartosc}),
    [](const ::testing::TestParamInfo<TZlyPlik>& przypadek) { return std::string(przypadek.param.Opis); });

TEST(PlikGrupy, BrakPlikuIBajtyZaOstatniaGra)
{
    TKatalogTymczasowy katalog;
    TBladGrupy blad = TBladGrupy::Brak;
    EXPECT_FALSE(CzytajGrupe(katalog.Plik("nie-ma.gr2"), &blad));
    EXPECT_EQ(blad, TBladGrupy::NieOtwarty);
    EXPECT_EQ(DodajGre(katalog.Plik("nie-ma.gr2"), 1, "x", {}, {}), TBladGrupy::NieOtwarty);
    EXPECT_FALSE(std::filesystem::exists(katalog.Plik("nie-ma.gr2")));

    // Bytes past the games the count announces (a write broken off after the entry, before the
    // count) are not a game; the next change leaves them out.
    const std::string plik = katalog.Plik("g.gr2");
    const std::string dane = ZbudujGrupe(PiecGier());
    ZapiszPlik(plik, dane + std::string(700, 'x'));
    ASSERT_EQ(Koszty(plik), (std::vector<double>{1, 2, 3, 4, 5}));
    ASSERT_EQ(UsunGre(plik, 4), TBladGrupy::Brak);
    EXPECT_EQ(CzytajPlik(plik).size(), Gra(4));
}

} // namespace
} // namespace tarvomund
