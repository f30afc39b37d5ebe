#include "draws/ImportLosowan.h"

#include "draws/EksportLosowan.h"
#include "model/Daty.h"
#include "wspolne/KatalogTymczasowy.h"
#include "wspolne/LosowaniaTestowe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace tarvomund {
namespace {

using testy::Gra649;
using testy::Los;
using testy::TKatalogTymczasowy;
using testy::ZapiszPlik;

// The dialog's defaults with "Jest data" on, and the running number as asked.
TFormatowanie Formatowanie(std::string tekst, bool numeracja, std::size_t start = 0)
{
    TFormatowanie f;
    f.UstawTekst(std::move(tekst));
    f.UstawSzerokosc(SzerokoscPola(true, numeracja));
    f.UstawSeparatory(DomyslneSeparatory());
    f.UstawStart(start);
    return f;
}

void OczekujTychSamych(const std::vector<TObLos>& a, const std::vector<TObLos>& b)
{
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].Data, b[i].Data) << i;
        EXPECT_EQ(a[i].Liczby, b[i].Liczby) << i;
    }
}

TEST(ImportLosowan, WlasnyEksportWracaTymiSamymiLosowaniami)
{
    TKatalogTymczasowy katalog;
    TObGraLista zrodlo = Gra649();
    zrodlo.Nazwa = "Łatwy lotek 6 z 49";
    zrodlo.Losowania = {Los({1957, 1, 27}, {8, 12, 31, 39, 43, 45}), Los({2001, 5, 12}, {3, 11, 17, 25, 36, 42}),
                        Los({2024, 2, 29}, {1, 2, 3, 47, 48, 49})};
    const std::string plik = katalog.Plik("eksport.txt");
    ASSERT_TRUE(ZapiszEksportLosowan(zrodlo, plik));

    TFormatowanie f;
    ASSERT_TRUE(f.WczytajPlik(plik));
    f.UstawSzerokosc(SzerokoscPola(true, true));
    f.UstawSeparatory(DomyslneSeparatory());
    TObGraLista cel = Gra649();
    std::vector<std::pair<std::size_t, TWynikWiersza>> pominiete;
    const TWynikImportu wynik = ImportujLosowania(cel, f, UkladDlaGry(cel, true, true, TKolejnoscDaty::DMR), false,
                                                  [&](std::size_t w, TWynikWiersza s) { pominiete.push_back({w, s}); });
    EXPECT_EQ(wynik.Dopisane, 3u);
    EXPECT_EQ(wynik.Zastapione, 0u);
    // The name (no date where the date should be) and the empty line after it.
    EXPECT_EQ(wynik.Pominiete, 2u);
    const std::vector<std::pair<std::size_t, TWynikWiersza>> oczekiwane{{0, TWynikWiersza::ZlaData},
                                                                        {1, TWynikWiersza::KrotkiWiersz}};
    EXPECT_EQ(pominiete, oczekiwane);
    OczekujTychSamych(cel.Losowania, zrodlo.Losowania);
}

TEST(ImportLosowan, LiczbySortowaneALosowaniaPoDacie)
{
    TObGraLista gra = Gra649();
    gra.Losowania = {Los({2001, 5, 10}, {1, 2, 3, 4, 5, 6})};
    const TFormatowanie f = Formatowanie("15.05.2001 42 3 17 11 25 36\n01.05.2001 6 5 4 3 2 1\n", false);
    const TWynikImportu wynik = ImportujLosowania(gra, f, UkladDlaGry(gra, false, true, TKolejnoscDaty::DMR), false);
    EXPECT_EQ(wynik.Dopisane, 2u);
    OczekujTychSamych(gra.Losowania, {Los({2001, 5, 1}, {1, 2, 3, 4, 5, 6}), Los({2001, 5, 10}, {1, 2, 3, 4, 5, 6}),
                                      Los({2001, 5, 15}, {3, 11, 17, 25, 36, 42})});
}

TEST(ImportLosowan, NadpisywanieZastepujePierwszeZTaSamaData)
{
    const std::string lista = "12.05.2001 1 2 3 4 5 6\n"
                              "13.05.2001 7 8 9 10 11 12\n"
                              "12.05.2001 40 41 42 43 44 45\n"
                              "zly wiersz\n";
    const auto przed = [] {
        TObGraLista gra = Gra649();
        // Two draws of one date: only the first is ever replaced.
        gra.Losowania = {Los({2001, 5, 10}, {9, 9, 9, 9, 9, 9}), Los({2001, 5, 12}, {20, 21, 22, 23, 24, 25}),
                         Los({2001, 5, 12}, {30, 31, 32, 33, 34, 35})};
        return gra;
    };

    TObGraLista gra = przed();
    TWynikImportu wynik =
        ImportujLosowania(gra, Formatowanie(lista, false), UkladDlaGry(gra, false, true, TKolejnoscDaty::DMR), true);
    EXPECT_EQ(wynik.Dopisane, 1u);
    EXPECT_EQ(wynik.Zastapione, 2u);
    EXPECT_EQ(wynik.Pominiete, 1u);
    OczekujTychSamych(gra.Losowania,
                      {Los({2001, 5, 10}, {9, 9, 9, 9, 9, 9}), Los({2001, 5, 12}, {40, 41, 42, 43, 44, 45}),
                       Los({2001, 5, 12}, {30, 31, 32, 33, 34, 35}), Los({2001, 5, 13}, {7, 8, 9, 10, 11, 12})});

    // "Nie": every line is a draw of its own.
    gra = przed();
    wynik =
        ImportujLosowania(gra, Formatowanie(lista, false), UkladDlaGry(gra, false, true, TKolejnoscDaty::DMR), false);
    EXPECT_EQ(wynik.Dopisane, 3u);
    EXPECT_EQ(wynik.Zastapione, 0u);
    EXPECT_EQ(gra.Losowania.size(), 6u);
}

TEST(ImportLosowan, BezDatyNicNieWchodziAWierszePoczatkoweSaPominiete)
{
    const std::string lista = "Wyniki\n12.05.2001 1 2 3 4 5 6\n13.05.2001 7 8 9 10 11 12\n";
    TObGraLista gra = Gra649();
    TWynikImportu wynik = ImportujLosowania(gra, Formatowanie(lista, false),
                                            UkladDlaGry(gra, false, false, TKolejnoscDaty::DMR), true);
    EXPECT_EQ(wynik.Dopisane + wynik.Zastapione, 0u);
    EXPECT_EQ(wynik.Pominiete, 3u);
    EXPECT_TRUE(gra.Losowania.empty());

    std::vector<std::size_t> pominiete;
    wynik = ImportujLosowania(gra, Formatowanie(lista, false, 2), UkladDlaGry(gra, false, true, TKolejnoscDaty::DMR),
                              false, [&](std::size_t w, TWynikWiersza) { pominiete.push_back(w); });
    EXPECT_EQ(wynik.Dopisane, 1u);
    EXPECT_EQ(wynik.Pominiete, 0u);
    EXPECT_TRUE(pominiete.empty());
    ASSERT_EQ(gra.Losowania.size(), 1u);
    EXPECT_EQ(gra.Losowania[0].Data, DniZDaty({2001, 5, 13}));
}

TEST(ImportLosowan, SortowanieStabilneIUszkodzoneDatyNaKoncu)
{
    std::vector<TObLos> losowania{Los({2001, 5, 12}, {1}), Los({2001, 5, 1}, {2}), Los({2001, 5, 12}, {3}),
                                  Los({2001, 5, 1}, {4})};
    losowania.insert(losowania.begin() + 1, Los({}, {5}));
    losowania[1].Data = std::nan("");
    SortujLosowania(losowania);
    const int kolejnosc[] = {2, 4, 1, 3, 5};
    for (std::size_t i = 0; i < losowania.size(); ++i)
        EXPECT_EQ(losowania[i].Liczby[0], kolejnosc[i]) << i;
    EXPECT_TRUE(std::isnan(losowania.back().Data));
}

// Files as they come: whatever they hold, the import ends, takes what parses and counts the rest.
class ImportOdpornosc : public ::testing::Test {
protected:
    TWynikImportu Importuj(const std::string& plik, bool jakoJeden = true, bool oczekiwanyOdczyt = true)
    {
        TFormatowanie f;
        EXPECT_EQ(f.WczytajPlik(plik), oczekiwanyOdczyt);
        f.UstawSzerokosc(SzerokoscPola(true, false));
        f.UstawSeparatory(DomyslneSeparatory());
        f.UstawJakoJeden(jakoJeden);
        for (std::size_t i = 0; i < f.IleSformatowanych(); ++i)
            EXPECT_LE(f.Sformatowany(i).size(), TFormatowanie::MaxDlugoscSformatowanego + 10) << i;
        gra_ = Gra649();
        const TWynikImportu wynik =
            ImportujLosowania(gra_, f, UkladDlaGry(gra_, false, true, TKolejnoscDaty::DMR), true);
        EXPECT_EQ(wynik.Dopisane + wynik.Zastapione + wynik.Pominiete, f.IleSformatowanych());
        EXPECT_EQ(gra_.Losowania.size(), wynik.Dopisane);
        // Whatever went in is a real draw: six distinct numbers of the game and a calendar date.
        for (const TObLos& los : gra_.Losowania) {
            EXPECT_EQ(TekstDaty(los.Data).size(), 10u);
            for (int i = 0; i < 6; ++i) {
                EXPECT_GE(los.Liczby[static_cast<std::size_t>(i)], 1);
                EXPECT_LE(los.Liczby[static_cast<std::size_t>(i)], 49);
                if (i > 0) {
                    EXPECT_LT(los.Liczby[static_cast<std::size_t>(i - 1)], los.Liczby[static_cast<std::size_t>(i)]);
                }
            }
        }
        return wynik;
    }

    TKatalogTymczasowy katalog_;
    TObGraLista gra_;
};

TEST_F(ImportOdpornosc, PlikBinarny)
{
    std::mt19937 los(20240229);
    std::string dane(1 << 20, '\0');
    for (char& c : dane)
        c = static_cast<char>(los());
    // A few well-formed lines hidden among the noise still go in.
    dane += "\n12.05.2001 1 2 3 4 5 6\r\n";
    dane.insert(1000, "\n13.05.2001;7;8;9;10;11;12\n");
    ZapiszPlik(katalog_.Plik("szum.bin"), dane);
    const TWynikImportu wynik = Importuj(katalog_.Plik("szum.bin"));
    EXPECT_GE(wynik.Dopisane, 2u);
    EXPECT_GT(wynik.Pominiete, 1000u);
}

TEST_F(ImportOdpornosc, PustyPlikINieistniejacy)
{
    ZapiszPlik(katalog_.Plik("pusty.txt"), "");
    TWynikImportu wynik = Importuj(katalog_.Plik("pusty.txt"));
    EXPECT_EQ(wynik.Dopisane + wynik.Zastapione + wynik.Pominiete, 0u);
    wynik = Importuj(katalog_.Plik("brak.txt"), true, false);
    EXPECT_EQ(wynik.Dopisane + wynik.Zastapione + wynik.Pominiete, 0u);
}

TEST_F(ImportOdpornosc, JedenWiersz10MB)
{
    constexpr std::size_t Rozmiar = 10u << 20;
    // A draw followed by ten megabytes of further fields: the draw is read, the rest never copied.
    std::string wiersz = "12.05.2001 1 2 3 4 5 6";
    while (wiersz.size() < Rozmiar)
        wiersz += " 7,8;9\t10";
    ZapiszPlik(katalog_.Plik("dlugi.txt"), wiersz);
    TWynikImportu wynik = Importuj(katalog_.Plik("dlugi.txt"));
    EXPECT_EQ(wynik.Dopisane, 1u);
    // Ten megabytes without a digit, then one without a separator.
    ZapiszPlik(katalog_.Plik("litery.txt"), std::string(Rozmiar, 'x') + "\n" + std::string(Rozmiar, '7'));
    wynik = Importuj(katalog_.Plik("litery.txt"));
    EXPECT_EQ(wynik.Dopisane, 0u);
    EXPECT_EQ(wynik.Pominiete, 2u);
}

TEST_F(ImportOdpornosc, TysiacePolWWierszu)
{
    std::string tekst;
    for (int w = 0; w < 200; ++w) {
        char data[16];
        std::snprintf(data, sizeof data, "%02d.05.2001", 1 + w % 28);
        tekst += data;
        for (int p = 0; p < 5000; ++p)
            tekst += ',' + std::to_string(1 + (p % 49));
        tekst += '\n';
    }
    ZapiszPlik(katalog_.Plik("pola.txt"), tekst);
    TWynikImportu wynik = Importuj(katalog_.Plik("pola.txt"));
    // 28 dates: each first line is a new draw, the later ones replace it.
    EXPECT_EQ(wynik.Dopisane, 28u);
    EXPECT_EQ(wynik.Zastapione, 172u);

    // Thousands of empty fields: every separator closes one when runs are not merged.
    ZapiszPlik(katalog_.Plik("puste.txt"), "12.05.2001" + std::string(20000, ';') + "\n");
    wynik = Importuj(katalog_.Plik("puste.txt"), false);
    EXPECT_EQ(wynik.Pominiete, 1u);
}

} // namespace
} // namespace tarvomund
