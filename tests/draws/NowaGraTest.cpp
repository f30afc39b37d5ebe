#include "draws/NowaGra.h"

#include "model/PlikGry.h"
#include "wspolne/BlankietyTestowe.h"
#include "wspolne/KatalogTymczasowy.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tarvomund {
namespace {

namespace fs = std::filesystem;
using testy::TKatalogTymczasowy;
using testy::ZapiszBlankietTestowy;
using testy::ZapiszPlik;

TObGraLista Gra(int32_t id, int32_t kod, const std::string& plik = {})
{
    TObGraLista gra = DomyslnaGra();
    gra.Id = id;
    gra.KodGry = kod;
    gra.Plik = plik;
    return gra;
}

TEST(NowaGra, DomyslneJakOknoDefinicji)
{
    const TObGraLista gra = DomyslnaGra();
    EXPECT_EQ(gra.Nazwa, "");
    EXPECT_EQ(gra.MinSkreslen, 6);
    EXPECT_EQ(gra.MaxSkreslen, 12);
    EXPECT_EQ(gra.NormSkreslen, 6);
    EXPECT_EQ(gra.IleLiczb, 49);
    EXPECT_EQ(gra.IleLosowanych, 6);
    EXPECT_EQ(gra.IleDodatkowych, 0);
    EXPECT_EQ(gra.IlePoziomo, 9);
    EXPECT_EQ(gra.IlePionowo, 6);
    EXPECT_TRUE(gra.Kierunek);
}

TEST(NowaGra, OdrzucaDefinicjeKtorejGraNieUniesie)
{
    struct TPrzypadek {
        int32_t Min, Max, Liczb, Losowanych, NajwiekszaZHistorii;
        TBladParametrowGry Blad;
        int32_t Id = 1;
    };
    const TPrzypadek przypadki[] = {
        {6, 12, 49, 6, 0, TBladParametrowGry::Brak},
        // A pool game's 14 results repeat its three sign codes; a code above them is still refused.
        {14, 14, 3, 14, 3, TBladParametrowGry::Brak, 1001},
        {14, 14, 3, 14, 4, TBladParametrowGry::LiczbaZHistorii, 1500},
        {14, 14, 3, 14, 0, TBladParametrowGry::LosowanychPowyzejLiczb, 1000},
        {12, 12, 49, 6, 0, TBladParametrowGry::Brak},           // minimum equal to maximum is fine
        {13, 12, 49, 6, 0, TBladParametrowGry::MinPowyzejMax},
        {6, 12, 5, 6, 0, TBladParametrowGry::LosowanychPowyzejLiczb},
        {6, 12, 6, 6, 0, TBladParametrowGry::Brak},             // every number drawn
        {6, 12, 40, 6, 41, TBladParametrowGry::LiczbaZHistorii},
        {6, 12, 41, 6, 41, TBladParametrowGry::Brak},
    };
    for (const TPrzypadek& p : przypadki) {
        TObGraLista gra = DomyslnaGra();
        gra.Id = p.Id;
        gra.MinSkreslen = p.Min;
        gra.MaxSkreslen = p.Max;
        gra.IleLiczb = p.Liczb;
        gra.IleLosowanych = p.Losowanych;
        EXPECT_EQ(SprawdzParametryGry(gra, p.NajwiekszaZHistorii), p.Blad)
            << p.Min << ".." << p.Max << ", " << p.Losowanych << " z " << p.Liczb << ", " << p.NajwiekszaZHistorii;
    }
}

TEST(NowaGra, NajwiekszaLiczbaTylkoZLosowanychPozycji)
{
    TObLos a;
    a.Liczby = {3, 17, 9, 99}; // the fourth byte lies beyond the drawn count
    TObLos b;
    b.Liczby = {40, 2, 1};
    EXPECT_EQ(NajwiekszaLiczba({a, b}, 3), 40);
    EXPECT_EQ(NajwiekszaLiczba({a}, 4), 99);
    EXPECT_EQ(NajwiekszaLiczba({}, 6), 0);
    EXPECT_EQ(NajwiekszaLiczba({a}, 0), 0);
}

TEST(NowaGra, TozsamoscWolnaWsrodGierIBlankietow)
{
    TKatalogTymczasowy dane;
    TKatalogGier katalog;
    katalog.Dodaj(Gra(1, 1));
    katalog.Dodaj(Gra(2, 2));
    katalog.Dodaj(Gra(4, 4));
    katalog.Dodaj(Gra(1500, 1001));
    ZapiszBlankietTestowy(dane.Plik("stary.bln"), "Po usuniętej grze", 3);
    ZapiszBlankietTestowy(dane.Plik("wolny.bln"), "Nieprzypisany", -1);
    const std::optional<TTozsamoscGry> t = TozsamoscNowejGry(katalog, dane.Sciezka().string());
    ASSERT_TRUE(t);
    EXPECT_EQ(t->Id, 3);
    EXPECT_EQ(t->KodGry, 5); // 3 is still carried by a slip, 4 is a game's

    // Codes run past the pool code; every id taken leaves no identity at all.
    TKatalogGier pelny;
    for (int32_t i = 1; i <= MaxIdGryLiczbowej; ++i)
        pelny.Dodaj(Gra(i, i + 1));
    EXPECT_EQ(TozsamoscNowejGry(pelny, dane.Sciezka().string()), std::nullopt);
    TKatalogGier bezJednej;
    for (int32_t i = 2; i <= MaxIdGryLiczbowej; ++i)
        bezJednej.Dodaj(Gra(i, i - 1));
    bezJednej.Dodaj(Gra(1500, 1000));
    const std::optional<TTozsamoscGry> ostatnia = TozsamoscNowejGry(bezJednej, dane.Plik("brak"));
    ASSERT_TRUE(ostatnia);
    EXPECT_EQ(ostatnia->Id, 1);
    EXPECT_EQ(ostatnia->KodGry, 1002);
}

TEST(NowaGra, NazwaPlikuZNazwyGry)
{
    TKatalogTymczasowy dane;
    TKatalogGier katalog;
    katalog.Dodaj(Gra(1, 1, dane.Plik("keno.pl2"))); // in the catalogue, though its file is gone
    ZapiszPlik(dane.Plik("lotto-7-z-35.pl2"), "x");
    ZapiszPlik(dane.Plik("lotto-7-z-35-2.pl2"), "x");
    fs::create_directory(dane.Plik("toto.pl2"));

    const std::pair<const char*, const char*> przypadki[] = {
        {"Lotto 7 z 35", "lotto-7-z-35-3.pl2"},
        {"Żółć & Gęś", "zolc-ges.pl2"},
        {"  Duży  Lotek!  ", "duzy-lotek.pl2"},
        {"   ", "gra.pl2"},
        {"¿?!", "gra.pl2"},
        {"KENO", "keno-2.pl2"},
        {"Toto", "toto-2.pl2"},
        {"Ąą Ćć Ęę Łł Ńń Óó Śś Źź Żż", "aa-cc-ee-ll-nn-oo-ss-zz-zz.pl2"},
    };
    for (const auto& [nazwa, plik] : przypadki)
        EXPECT_EQ(PlikNowejGry(nazwa, katalog, dane.Sciezka().string()), dane.Plik(plik)) << nazwa;
}

TEST(NowaGra, UtworzonaGraToPlikBezLosowan)
{
    TKatalogTymczasowy katalog;
    const std::string dane = (katalog.Sciezka() / "Dane").string(); // not there yet
    TObGraLista definicja = DomyslnaGra();
    definicja.Nazwa = "Lotto 7 z 35";
    definicja.IleLiczb = 35;
    definicja.IleLosowanych = 7;
    definicja.IlePoziomo = 7;
    definicja.IlePionowo = 5;
    definicja.Kierunek = false;
    definicja.Pilkarski = 3;                 // whatever came in, a number game carries 0
    definicja.Losowania.resize(2);           // and no draws

    const std::optional<TObGraLista> gra = UtworzNowaGre(definicja, {7, 12}, TKatalogGier{}, dane);
    ASSERT_TRUE(gra);
    EXPECT_EQ(gra->Plik, (fs::path(dane) / "lotto-7-z-35.pl2").string());
    EXPECT_EQ(fs::file_size(gra->Plik), DlugoscNaglowkaGry);
    const std::optional<TObGraLista> zPliku = WczytajPlikGry(gra->Plik);
    ASSERT_TRUE(zPliku);
    EXPECT_EQ(zPliku->Id, 7);
    EXPECT_EQ(zPliku->KodGry, 12);
    EXPECT_EQ(zPliku->Nazwa, "Lotto 7 z 35");
    EXPECT_EQ(zPliku->IleLiczb, 35);
    EXPECT_EQ(zPliku->IleLosowanych, 7);
    EXPECT_EQ(zPliku->MinSkreslen, 6);
    EXPECT_EQ(zPliku->IlePoziomo, 7);
    EXPECT_EQ(zPliku->IlePionowo, 5);
    EXPECT_FALSE(zPliku->Kierunek);
    EXPECT_EQ(zPliku->Pilkarski, 0);
    EXPECT_TRUE(zPliku->Losowania.empty());
    EXPECT_TRUE(gra->Losowania.empty());

    // Where nothing can be written there is no game.
    ZapiszPlik(katalog.Plik("plik"), "x");
    EXPECT_FALSE(UtworzNowaGre(definicja, {8, 13}, TKatalogGier{}, katalog.Plik("plik")));
}

} // namespace
} // namespace tarvomund
