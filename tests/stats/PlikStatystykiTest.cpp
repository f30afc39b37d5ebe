#include "stats/PlikStatystyki.h"

#include "model/BinIO.h"
#include "wspolne/KatalogTymczasowy.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace tarvomund {
namespace {

using testy::CzytajPlik;
using testy::TKatalogTymczasowy;
using testy::ZapiszPlik;

TPlikStatystyki Przyklad()
{
    TPlikStatystyki plik;
    plik.Gra = {"Lotto Łódź", 49, 6, 7, 7, true, 0};
    plik.Parametry.Rodzaj = 0;
    plik.Parametry.OdDaty = 20846;
    plik.Parametry.DoDaty = 45000.5;
    plik.Parametry.Wybor1 = 1;
    plik.Parametry.Grupowanie = 1;
    plik.Parametry.Wybor2 = 48;
    plik.Parametry.Odstep = 3;
    plik.Parametry.IleKolumn = 7;
    plik.Parametry.IleRzedow = 7;
    plik.Parametry.KierunekPoziomy = false;
    plik.Parametry.RzedyGorne = 3;
    plik.Parametry.KolumnyLewe = 2;
    plik.Zaznaczone[0] = true;
    plik.Zaznaczone[3] = true;
    plik.Zaznaczone[120] = true;
    plik.IleSerii = 7;
    plik.Wyniki[0] = {{12, "3,17"}, {9, "1,2"}};
    plik.Wyniki[3] = {{5, "ąę"}};
    // Series 5 stays empty; series 6 holds one entry.
    plik.Wyniki[6] = {{-1, "7,8"}};
    return plik;
}

int32_t Int32Na(const std::string& dane, std::size_t poz)
{
    int32_t v = 0;
    std::memcpy(&v, dane.data() + poz, 4);
    return v;
}

TEST(PlikStatystyki, UkladBajtowNaglowkaIRekordow)
{
    const std::string dane = ZbudujPlikStatystyki(Przyklad());
    ASSERT_EQ(dane.size(), DlugoscNaglowkaStatystyki + 4 * DlugoscRekorduStatystyki);
    EXPECT_EQ(static_cast<uint8_t>(dane[0]), 10); // "Lotto Łódź" in Windows-1250
    EXPECT_EQ(dane.substr(1, 10), "Lotto \xA3\xF3"
                                  "d\x9F");
    EXPECT_EQ(Int32Na(dane, 52), 49);
    EXPECT_EQ(Int32Na(dane, 64), 7);
    EXPECT_EQ(dane[68], 1);
    EXPECT_EQ(Int32Na(dane, 72), 0);
    EXPECT_EQ(TCzytnikBin(std::string_view(dane).substr(84, 8)).Double(), 45000.5);
    EXPECT_EQ(Int32Na(dane, 92), 1);
    EXPECT_EQ(Int32Na(dane, 104), 3);
    EXPECT_EQ(dane[120], 0);
    EXPECT_EQ(Int32Na(dane, 128), 2);
    EXPECT_EQ(dane[132], 1);
    EXPECT_EQ(dane[133], 0);
    EXPECT_EQ(dane[135], 1);
    EXPECT_EQ(dane[252], 1);
    EXPECT_EQ(Int32Na(dane, 256), 7);
    // The series table: offset and count of each series, zeros from S on.
    EXPECT_EQ(Int32Na(dane, 260), 1220);
    EXPECT_EQ(Int32Na(dane, 264), 2);
    EXPECT_EQ(Int32Na(dane, 260 + 3 * 8), 1220 + 2 * 48);
    EXPECT_EQ(Int32Na(dane, 260 + 5 * 8 + 4), 0);
    EXPECT_EQ(Int32Na(dane, 260 + 6 * 8), 1220 + 3 * 48);
    EXPECT_EQ(Int32Na(dane, 260 + 7 * 8), 0);
    // A record: the label with its length byte, three reserved bytes, the value at 44.
    EXPECT_EQ(dane[1220], 4);
    EXPECT_EQ(dane.substr(1221, 4), "3,17");
    EXPECT_EQ(dane[1221 + 4], 0);
    EXPECT_EQ(Int32Na(dane, 1220 + 44), 12);
    EXPECT_EQ(Int32Na(dane, 1220 + 3 * 48 + 44), -1);
}

TEST(PlikStatystyki, ZapisIOdczytDajaTeSamaStatystyke)
{
    TKatalogTymczasowy katalog;
    const std::string sciezka = katalog.Plik("lotto.st2");
    TPlikStatystyki plik = Przyklad();
    // A label longer than 40 characters is stored cut to 40.
    plik.Wyniki[6].emplace_back(3, std::string(45, '9'));
    ASSERT_TRUE(ZapiszPlikStatystyki(sciezka, plik));
    TBladPlikuStatystyki blad = TBladPlikuStatystyki::BladZapisu;
    const auto odczyt = WczytajPlikStatystyki(sciezka, &blad);
    ASSERT_TRUE(odczyt) << static_cast<int>(blad);
    EXPECT_EQ(blad, TBladPlikuStatystyki::Brak);
    EXPECT_EQ(odczyt->Gra.Nazwa, "Lotto Łódź");
    EXPECT_EQ(odczyt->Gra.IleLosowanych, 6);
    EXPECT_TRUE(odczyt->Gra.Kierunek);
    EXPECT_EQ(odczyt->Parametry, plik.Parametry);
    EXPECT_EQ(odczyt->Zaznaczone, plik.Zaznaczone);
    EXPECT_EQ(odczyt->IleSerii, 7);
    ASSERT_EQ(odczyt->Wyniki[0].size(), 2u);
    EXPECT_EQ(odczyt->Wyniki[0][1].Opis, "1,2");
    EXPECT_EQ(odczyt->Wyniki[0][1].Wartosc, 9);
    EXPECT_EQ(odczyt->Wyniki[3][0].Opis, "ąę");
    EXPECT_TRUE(odczyt->Wyniki[5].empty());
    ASSERT_EQ(odczyt->Wyniki[6].size(), 2u);
    EXPECT_EQ(odczyt->Wyniki[6][1].Opis, std::string(40, '9'));
    for (std::size_t s = 7; s < odczyt->Wyniki.size(); ++s)
        EXPECT_TRUE(odczyt->Wyniki[s].empty());

    // Zero series: just the header.
    TPlikStatystyki pusty = Przyklad();
    pusty.IleSerii = 0;
    EXPECT_EQ(ZbudujPlikStatystyki(pusty).size(), DlugoscNaglowkaStatystyki);
    ASSERT_TRUE(RozbierzPlikStatystyki(ZbudujPlikStatystyki(pusty)));
}

TEST(PlikStatystyki, NieudanyZapisZostawiaStaryPlik)
{
    TKatalogTymczasowy katalog;
    const std::string sciezka = katalog.Plik("stary.st2");
    ZapiszPlik(sciezka, "stara zawartość");
    EXPECT_FALSE(ZapiszPlikStatystyki(katalog.Plik("brak/nowy.st2"), Przyklad()));
    EXPECT_EQ(CzytajPlik(sciezka), "stara zawartość");
}

// Damaged and hostile files: each gives its reason and nothing else, whatever the counts claim.
TEST(PlikStatystyki, UszkodzonePlikiOdrzucone)
{
    const std::string dobry = ZbudujPlikStatystyki(Przyklad());
    const auto zmien = [&](std::size_t poz, int32_t wartosc) {
        std::string d = dobry;
        std::memcpy(d.data() + poz, &wartosc, 4);
        return d;
    };
    const auto bajt = [&](std::size_t poz, uint8_t wartosc) {
        std::string d = dobry;
        d[poz] = static_cast<char>(wartosc);
        return d;
    };
    struct TPrzypadek {
        const char* Opis;
        std::string Dane;
        TBladPlikuStatystyki Blad;
    };
    const std::vector<TPrzypadek> przypadki{
        {"pusty", "", TBladPlikuStatystyki::ZaKrotki},
        {"krótszy od nagłówka", dobry.substr(0, 1219), TBladPlikuStatystyki::ZaKrotki},
        {"brak ostatniego rekordu", dobry.substr(0, dobry.size() - 1), TBladPlikuStatystyki::ZaKrotki},
        {"121 serii", zmien(256, 121), TBladPlikuStatystyki::ZaDuzoSerii},
        {"ujemna liczba serii", zmien(256, -1), TBladPlikuStatystyki::ZaDuzoSerii},
        {"ogromna liczba rekordów", zmien(264, 0x7FFFFFFF), TBladPlikuStatystyki::ZaKrotki},
        {"ujemna liczba rekordów", zmien(264, -5), TBladPlikuStatystyki::ZlySpisSerii},
        {"ujemne położenie", zmien(260, -48), TBladPlikuStatystyki::ZlySpisSerii},
        {"rekordy w nagłówku", zmien(260, 100), TBladPlikuStatystyki::ZlySpisSerii},
        {"położenie za końcem", zmien(260, 0x7FFFFF00), TBladPlikuStatystyki::ZaKrotki},
        {"etykieta dłuższa od pola", bajt(1220, 41), TBladPlikuStatystyki::ZlyOpis},
        {"nazwa dłuższa od pola", bajt(0, 51), TBladPlikuStatystyki::ZlyOpis},
        {"nieznany rodzaj", zmien(72, 17), TBladPlikuStatystyki::ZleParametry},
        {"nieznane grupowanie", zmien(96, 4), TBladPlikuStatystyki::ZleParametry},
        {"odstęp 0", zmien(104, 0), TBladPlikuStatystyki::ZleParametry},
        {"wybór poza listą", zmien(92, 1'000'000'000), TBladPlikuStatystyki::ZleParametry},
        {"data poza kalendarzem", bajt(83, 0x7F), TBladPlikuStatystyki::ZleParametry},
    };
    for (const TPrzypadek& c : przypadki) {
        TBladPlikuStatystyki blad = TBladPlikuStatystyki::Brak;
        EXPECT_FALSE(RozbierzPlikStatystyki(c.Dane, &blad)) << c.Opis;
        EXPECT_EQ(blad, c.Blad) << c.Opis;
    }
    // The slip statistic needs a grid: no columns is a damaged file, for other kinds it does not matter.
    std::string blankiet = zmien(72, 16);
    std::memcpy(blankiet.data() + 112, "\0\0\0\0", 4);
    TBladPlikuStatystyki blad = TBladPlikuStatystyki::Brak;
    EXPECT_FALSE(RozbierzPlikStatystyki(blankiet, &blad));
    EXPECT_EQ(blad, TBladPlikuStatystyki::ZleParametry);
    EXPECT_TRUE(RozbierzPlikStatystyki(zmien(112, 0)));

    EXPECT_FALSE(WczytajPlikStatystyki("/nie/ma/takiego.st2", &blad));
    EXPECT_EQ(blad, TBladPlikuStatystyki::NieOtwarty);
}

} // namespace
} // namespace tarvomund
