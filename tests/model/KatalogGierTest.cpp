#include "model/KatalogGier.h"

#include "model/PlikGry.h"
#include "wspolne/KatalogTymczasowy.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tarvomund {
namespace {

using testy::TKatalogTymczasowy;
using testy::ZapiszPlik;

TObGraLista Gra(const std::string& plik, int32_t id, const std::string& nazwa, int32_t liczb, int32_t losowanych,
                int ileLosowan = 0)
{
    TObGraLista gra;
    gra.Plik = plik;
    gra.Id = id;
    gra.KodGry = id;
    gra.Nazwa = nazwa;
    gra.MinSkreslen = losowanych;
    gra.MaxSkreslen = losowanych + 4;
    gra.NormSkreslen = losowanych;
    gra.IleLiczb = liczb;
    gra.IleLosowanych = losowanych;
    gra.IlePoziomo = 7;
    gra.IlePionowo = 7;
    for (int i = 0; i < ileLosowan; ++i) {
        TObLos los;
        los.Data = 40000 + i;
        for (int j = 0; j < losowanych; ++j)
            los.Liczby[static_cast<std::size_t>(j)] = static_cast<uint8_t>(j + 1);
        gra.Losowania.push_back(los);
    }
    return gra;
}

TEST(KatalogGier, PustyLubBrakujacyKatalog)
{
    TKatalogTymczasowy katalog;
    EXPECT_TRUE(TKatalogGier::WczytajGry(katalog.Sciezka().string()).Pusty());
    EXPECT_TRUE(TKatalogGier::WczytajGry(katalog.Plik("brak")).Pusty());
}

TEST(KatalogGier, PorzadekNazwPlikowIPomijanieUszkodzonych)
{
    TKatalogTymczasowy katalog;
    ASSERT_TRUE(UtworzPlikGry(Gra(katalog.Plik("b.pl2"), 2, "Lotek", 49, 6, 3)));
    ASSERT_TRUE(UtworzPlikGry(Gra(katalog.Plik("a.PL2"), 1, "Lotek", 42, 5, 1)));
    ASSERT_TRUE(UtworzPlikGry(Gra(katalog.Plik("c.pl2"), 1500, "Toto", 13, 13)));
    ASSERT_TRUE(UtworzPlikGry(Gra(katalog.Plik("d.txt"), 4, "Nie gra", 10, 2)));
    ZapiszPlik(katalog.Plik("0-krotki.pl2"), std::string(60, '\1'));
    std::filesystem::create_directory(katalog.Plik("katalog.pl2"));

    const TKatalogGier gry = TKatalogGier::WczytajGry(katalog.Sciezka().string());
    ASSERT_EQ(gry.Ile(), 3u);
    EXPECT_EQ(gry.Gra(0).IleLiczb, 42);
    EXPECT_EQ(gry.Gra(1).IleLiczb, 49);
    EXPECT_EQ(gry.Gra(1).Losowania.size(), 3u);
    // The pool game is in the catalogue, just not a number game.
    EXPECT_EQ(gry.Gra(2).Nazwa, "Toto");
    EXPECT_FALSE(gry.Gra(2).CzyLiczbowa());
    EXPECT_TRUE(gry.Gra(2).CzyPilkarska());
    // Two games of the same name are both there; a name finds the first.
    EXPECT_EQ(gry.IndeksNazwy("Lotek"), 0u);
    EXPECT_FALSE(gry.IndeksNazwy("lotek").has_value());
}

TEST(KatalogGier, GraWstawionaTamGdzieUmiescilbyJaOdczyt)
{
    TKatalogTymczasowy katalog;
    ASSERT_TRUE(UtworzPlikGry(Gra(katalog.Plik("b.pl2"), 2, "B", 49, 6)));
    ASSERT_TRUE(UtworzPlikGry(Gra(katalog.Plik("d.pl2"), 4, "D", 49, 6)));
    TKatalogGier gry = TKatalogGier::WczytajGry(katalog.Sciezka().string());
    const TObGraLista* d = &gry.Gra(1);

    const std::pair<const char*, std::size_t> wstawiane[] = {{"c.pl2", 1}, {"a.pl2", 0}, {"e.pl2", 4}};
    for (const auto& [plik, indeks] : wstawiane) {
        ASSERT_TRUE(UtworzPlikGry(Gra(katalog.Plik(plik), 9, plik, 35, 7)));
        EXPECT_EQ(gry.Wstaw(Gra(katalog.Plik(plik), 9, plik, 35, 7)), indeks) << plik;
    }
    // The order is the one the next start-up reads, and games keep their addresses.
    const TKatalogGier poStarcie = TKatalogGier::WczytajGry(katalog.Sciezka().string());
    ASSERT_EQ(gry.Ile(), poStarcie.Ile());
    for (std::size_t i = 0; i < gry.Ile(); ++i)
        EXPECT_EQ(gry.Gra(i).Plik, poStarcie.Gra(i).Plik) << i;
    EXPECT_EQ(&gry.Gra(3), d);
}

TEST(KatalogGier, GraDlaSystemuIStatystyki)
{
    TKatalogTymczasowy katalog;
    ASSERT_TRUE(UtworzPlikGry(Gra(katalog.Plik("a.pl2"), 1, "Mały", 42, 5)));
    ASSERT_TRUE(UtworzPlikGry(Gra(katalog.Plik("b.pl2"), 2, "Duży", 49, 6)));
    ASSERT_TRUE(UtworzPlikGry(Gra(katalog.Plik("c.pl2"), 3, "Duży bis", 49, 6)));
    const TKatalogGier gry = TKatalogGier::WczytajGry(katalog.Sciezka().string());

    // Name, id and code of the system do not matter; the first matching game wins.
    TInfoGryRec info = TInfoGryRec::DlaGry(gry.Gra(2));
    info.Nazwa = "inna";
    info.IdGry = 77;
    EXPECT_EQ(gry.GraDlaSystemu(info), &gry.Gra(1));
    info.Pilkarski = 1;
    EXPECT_EQ(gry.GraDlaSystemu(info), nullptr);

    TOpisGryStatystyki opis{"Duży bis", 49, 6, 7, 7, true, 0};
    EXPECT_EQ(gry.GraDlaStatystyki(opis), &gry.Gra(2));
    opis.Nazwa = "duży bis";
    EXPECT_EQ(gry.GraDlaStatystyki(opis), nullptr);
    opis.Nazwa = "Duży";
    opis.IlePoziomo = 9;
    EXPECT_EQ(gry.GraDlaStatystyki(opis), nullptr);
}

} // namespace
} // namespace tarvomund
