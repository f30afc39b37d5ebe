#include "tools/PlikKolekcji.h"

#include "wspolne/KatalogTymczasowy.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tarvomund {
namespace {

namespace fs = std::filesystem;
using testy::CzytajPlik;
using testy::TKatalogTymczasowy;
using testy::ZapiszPlik;

// A copied statistic as the statistics window builds it: the title entry, its series and their points.
void DodajKopie(TDrzewoKolekcji& drzewo, const std::string& tytul, int serii, int punktow)
{
    drzewo.push_back({tytul, 0, IkonaKopii});
    for (int s = 0; s < serii; ++s) {
        drzewo.push_back({"Seria " + std::to_string(s + 1), 1, IkonaSerii(s)});
        for (int p = 0; p < punktow; ++p)
            drzewo.push_back({std::to_string(p + 1) + "," + std::to_string(p + 10) + "   [" + std::to_string(40 - p) + "]",
                              2, IkonaPunktu});
    }
}

TEST(PlikKolekcji, IkonySeriiIPoziomow)
{
    struct TPrzypadek {
        int Indeks;
        int Ikona;
    };
    for (const TPrzypadek& p : {TPrzypadek{0, 1}, TPrzypadek{7, 8}, TPrzypadek{8, 1}, TPrzypadek{12, 5}})
        EXPECT_EQ(IkonaSerii(p.Indeks), p.Ikona) << p.Indeks;
    for (const TPrzypadek& p : {TPrzypadek{0, 9}, TPrzypadek{1, 8}, TPrzypadek{2, 10}, TPrzypadek{5, 10}})
        EXPECT_EQ(IkonaPoziomu(p.Indeks), p.Ikona) << p.Indeks;
}

TEST(PlikKolekcji, TekstDrzewaWCp1250ZTabulatoramiICrLf)
{
    const TDrzewoKolekcji drzewo{
        {"Lotto - Najczęściej występujące liczby   ", 0, IkonaKopii},
        {"Wszystkie", 1, 3},
        {"3,17,25   [4]", 2, IkonaPunktu},
        {"Łódź", 0, IkonaKopii},
    };
    EXPECT_EQ(TekstDrzewaKolekcji(drzewo), "Lotto - Najcz\xEA\x9C" "ciej wyst\xEApuj\xB9" "ce liczby   \r\n"
                                          "\tWszystkie\r\n"
                                          "\t\t3,17,25   [4]\r\n"
                                          "\xA3\xF3" "d\x9F\r\n");
    EXPECT_EQ(TekstDrzewaKolekcji({}), "");
    // A line break inside a text would split the entry on reading.
    EXPECT_EQ(TekstDrzewaKolekcji({{"a\r\nb", 1, 8}}), "\ta  b\r\n");
}

TEST(PlikKolekcji, CzytanieTolerujeKonceLiniiIZbytGlebokieWciecia)
{
    struct TPrzypadek {
        const char* Opis;
        std::string_view Tekst;
        TDrzewoKolekcji Drzewo;
    };
    const TPrzypadek przypadki[] = {
        {"CR LF", "A\r\n\tB\r\n\t\tC\r\n", {{"A", 0, 9}, {"B", 1, 8}, {"C", 2, 10}}},
        {"LF only, no final newline", "A\n\tB\n\t\tC", {{"A", 0, 9}, {"B", 1, 8}, {"C", 2, 10}}},
        {"too deep below its parent", "A\r\n\t\t\tB\r\n\t\t\t\tC\r\n\tD\r\n",
         {{"A", 0, 9}, {"B", 1, 8}, {"C", 2, 10}, {"D", 1, 8}}},
        {"indented first line", "\t\tA\r\n\tB\r\n", {{"A", 0, 9}, {"B", 1, 8}}},
        {"back up several levels", "A\r\n\tB\r\n\t\tC\r\n\t\t\tD\r\nE\r\n",
         {{"A", 0, 9}, {"B", 1, 8}, {"C", 2, 10}, {"D", 3, 10}, {"E", 0, 9}}},
        {"blank lines", "\r\nA\r\n\r\n\n\tB\r\n\r\n", {{"A", 0, 9}, {"B", 1, 8}}},
        {"empty text below a parent", "A\r\n\t\r\n", {{"A", 0, 9}, {"", 1, 8}}},
        {"Polish letters", "\xA3\xF3" "d\x9F\r\n", {{"Łódź", 0, 9}}},
        {"empty file", "", {}},
    };
    for (const TPrzypadek& p : przypadki)
        EXPECT_EQ(CzytajDrzewoKolekcji(p.Tekst), p.Drzewo) << p.Opis;
}

TEST(PlikKolekcji, TrzyKopieStatystykWracajaZTymiSamymiTekstamiIPoziomami)
{
    TDrzewoKolekcji drzewo;
    DodajKopie(drzewo, "Lotto 6 z 49 - Najczęściej występujące liczby   ", 10, 3);
    DodajKopie(drzewo, "Lotto 5 z 42 - Wystąpienia liczb - każda z każdą (wszystkie)    ", 1, 2);
    DodajKopie(drzewo, "Keno 20 z 80 - Przedziały liczbowe   ", 3, 0);
    TKatalogTymczasowy katalog;
    const std::string plik = katalog.Plik("kolekcja.k22");
    ASSERT_TRUE(ZapiszDrzewoKolekcji(plik, drzewo));

    const std::optional<TDrzewoKolekcji> wczytane = WczytajDrzewoKolekcji(plik);
    ASSERT_TRUE(wczytane);
    ASSERT_EQ(wczytane->size(), drzewo.size());
    for (std::size_t i = 0; i < drzewo.size(); ++i) {
        EXPECT_EQ((*wczytane)[i].Tekst, drzewo[i].Tekst) << i;
        EXPECT_EQ((*wczytane)[i].Poziom, drzewo[i].Poziom) << i;
        // Series lose their colours in the file: all come back with the last series icon.
        const int ikona = drzewo[i].Poziom == 1 ? IkonaSeriiZPliku : drzewo[i].Ikona;
        EXPECT_EQ((*wczytane)[i].Ikona, ikona) << i;
    }
}

TEST(PlikKolekcji, ZapisZastepujePlikABrakPlikuToBrakDrzewa)
{
    TKatalogTymczasowy katalog;
    const std::string plik = katalog.Plik("k.k22");
    ZapiszPlik(plik, std::string(500, 'x'));
    ASSERT_TRUE(ZapiszDrzewoKolekcji(plik, {{"A", 0, 9}}));
    EXPECT_EQ(CzytajPlik(plik), "A\r\n");
    EXPECT_FALSE(testy::ZostalPlikTymczasowy(katalog.Sciezka()));

    EXPECT_FALSE(WczytajDrzewoKolekcji(katalog.Plik("brak.k22")));
    EXPECT_FALSE(WczytajDrzewoKolekcji(katalog.Sciezka().string()));
    EXPECT_FALSE(ZapiszDrzewoKolekcji(katalog.Plik("brak/k.k22"), {{"A", 0, 9}}));
}

TEST(PlikKolekcji, LiczbyParamiBajtow)
{
    const std::vector<TLiczbaKolekcji> liczby{{7, true}, {49, false}, {150, true}};
    EXPECT_EQ(BajtyLiczbKolekcji(liczby), std::string("\x07\x01\x31\x00\x96\x01", 6));
    EXPECT_EQ(BajtyLiczbKolekcji({}), "");

    struct TPrzypadek {
        const char* Opis;
        std::string Bajty;
        std::vector<TLiczbaKolekcji> Liczby;
    };
    const TPrzypadek przypadki[] = {
        {"pairs", std::string("\x07\x01\x31\x00", 4), {{7, true}, {49, false}}},
        {"odd trailing byte", std::string("\x07\x00\x09", 3), {{7, false}}},
        {"any non-zero mark", std::string("\x05\x02\xFF\xFF", 4), {{5, true}, {255, true}}},
        {"single byte", std::string("\x05", 1), {}},
        {"empty", std::string(), {}},
    };
    for (const TPrzypadek& p : przypadki)
        EXPECT_EQ(CzytajLiczbyKolekcji(p.Bajty), p.Liczby) << p.Opis;
}

TEST(PlikKolekcji, PlikLiczbNaDysku)
{
    TKatalogTymczasowy katalog;
    const std::string plik = katalog.Plik("k.k12");
    const std::vector<TLiczbaKolekcji> liczby{{3, false}, {17, true}};
    ASSERT_TRUE(ZapiszLiczbyKolekcji(plik, liczby));
    EXPECT_EQ(CzytajPlik(plik), std::string("\x03\x00\x11\x01", 4));
    EXPECT_EQ(WczytajLiczbyKolekcji(plik), liczby);
    ZapiszPlik(plik, std::string("\x03\x00\x11", 3));
    EXPECT_EQ(WczytajLiczbyKolekcji(plik), (std::vector<TLiczbaKolekcji>{{3, false}}));
    EXPECT_TRUE(WczytajLiczbyKolekcji(katalog.Plik("brak.k12")).empty());
    EXPECT_TRUE(WczytajLiczbyKolekcji(katalog.Sciezka().string()).empty());
}

TEST(PlikKolekcji, NazwaPlikuLiczb)
{
    struct TPrzypadek {
        const char* Drzewo;
        const char* Liczby;
    };
    for (const TPrzypadek& p : {TPrzypadek{"/dane/kolekcja.k22", "/dane/kolekcja.k12"},
                                TPrzypadek{"/dane/stara.kolekcja.K22", "/dane/stara.kolekcja.k12"},
                                TPrzypadek{"/dane.1/kolekcja", "/dane.1/kolekcja.k12"},
                                TPrzypadek{"kolekcja.", "kolekcja.k12"}, TPrzypadek{"k", "k.k12"}})
        EXPECT_EQ(PlikLiczbKolekcji(p.Drzewo), p.Liczby) << p.Drzewo;
}

} // namespace
} // namespace tarvomund
