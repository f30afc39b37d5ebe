#include "slips/PlikBlankietu.h"

#include "model/BinIO.h"
#include "wspolne/BlankietyTestowe.h"
#include "wspolne/KatalogTymczasowy.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <limits>

namespace tarvomund {
namespace {

namespace fs = std::filesystem;
using testy::BlankietTestowy;
using testy::CzytajPlik;
using testy::TKatalogTymczasowy;
using testy::ZapiszBlankietTestowy;
using testy::ZapiszPlik;

int32_t Int32Na(const std::string& dane, std::size_t pozycja)
{
    TCzytnikBin czytnik(dane);
    czytnik.Skocz(pozycja);
    return czytnik.Int32();
}

void WpiszInt32(std::string& dane, std::size_t pozycja, int32_t wartosc)
{
    TPisarzBin pisarz;
    pisarz.Int32(wartosc);
    dane.replace(pozycja, 4, pisarz.Dane());
}

// A layout that exercises every part of the file: guides of both orientations out of order,
// fields of three groups interleaved, a field of no group, names longer than their fields,
// Polish letters and millimetres that are no round numbers.
TBlankietOb PelnyBlankiet()
{
    TBlankietOb b;
    b.Pilkarski = true;
    b.KodGry = 1001;
    b.PrzesX = 12.5; // belongs to the print dialog: saving writes zero
    b.Obrot = true;
    b.Nazwa = "Blankiet piłkarski ŻÓŁW 13";
    b.Szer = 190.3;
    b.Wys = 81.75;
    b.DodajProwadnice(ProwadnicaPionowa, 33.3);
    b.DodajProwadnice(ProwadnicaPozioma, 7.1);
    b.DodajProwadnice(ProwadnicaPionowa, 0.1);
    TGrupaOb* g0 = b.DodajGrupe("Kolumna A", false);
    g0->Nr = 7; // numbers need not follow the group order
    b.DodajGrupe("Ilość losowań w zakładzie - opcja specjalna", true, true, 5);
    b.DodajGrupe("Pusta", false);
    const uint8_t nrA = 7;
    const uint8_t nrS = b.Grupy[1].Nr;
    for (int i = 0; i < 6; ++i) {
        TEdPole& p = b.DodajPole(TEdPole::Nowe(static_cast<uint8_t>(1 + i), 3.3 * i, 1.0 / 3.0 + i));
        p.NrGrupy = i % 2 == 0 ? nrA : nrS;
        p.NrPola = static_cast<uint8_t>(10 + i);
    }
    b.DodajPole(TEdPole::Nowe(RodzajElipsa, 50, 50)).NrGrupy = 200; // no such group
    return b;
}

TEST(PlikBlankietu, ZapisOdczytIZapisDajaTeSameBajty)
{
    TKatalogTymczasowy katalog;
    const std::string plik = katalog.Plik("pelny.bln");
    ASSERT_TRUE(ZapiszBlankiet(PelnyBlankiet(), plik));
    const std::string pierwszy = CzytajPlik(plik);

    TBladBlankietu blad = TBladBlankietu::BladZapisu;
    std::optional<TBlankietOb> wczytany = WczytajBlankiet(plik, &blad);
    ASSERT_TRUE(wczytany);
    EXPECT_EQ(blad, TBladBlankietu::Brak);
    ASSERT_TRUE(ZapiszBlankiet(*wczytany, plik));
    EXPECT_EQ(CzytajPlik(plik), pierwszy);
    EXPECT_EQ(ZbudujPlikBlankietu(*wczytany), pierwszy);
    EXPECT_EQ(pierwszy.size(), DlugoscNaglowkaBlankietu + 3 * RozmiarRekorduProwadnicy + 6 * RozmiarRekorduPola);
    EXPECT_FALSE(fs::exists(plik + ".tmp~"));
}

TEST(PlikBlankietu, WczytanyUkladJakZapisany)
{
    const TBlankietOb zrodlo = PelnyBlankiet();
    const std::optional<TBlankietOb> b = RozbierzPlikBlankietu(ZbudujPlikBlankietu(zrodlo));
    ASSERT_TRUE(b);
    EXPECT_TRUE(b->Pilkarski);
    EXPECT_EQ(b->KodGry, 1001);
    EXPECT_EQ(b->PrzesX, 0.0);
    EXPECT_FALSE(b->Obrot);
    EXPECT_EQ(b->Nazwa, "Blankiet piłkarski Ż"); // 20 characters
    EXPECT_EQ(b->Szer, 190.3);
    EXPECT_EQ(b->Wys, 81.75);

    // Horizontal guides first, then vertical ones, each in list order; every guide a new Id.
    ASSERT_EQ(b->Prowadnice.size(), 3u);
    EXPECT_EQ(b->Prowadnice[0]->Kier, ProwadnicaPozioma);
    EXPECT_EQ(b->Prowadnice[0]->PozMm, 7.1);
    EXPECT_EQ(b->Prowadnice[1]->PozMm, 33.3);
    EXPECT_EQ(b->Prowadnice[2]->PozMm, 0.1);
    EXPECT_EQ(b->Prowadnice[2]->Kier, ProwadnicaPionowa);
    EXPECT_NE(b->Prowadnice[0]->Id, zrodlo.Prowadnice[1]->Id);

    ASSERT_EQ(b->Grupy.size(), 3u);
    EXPECT_EQ(b->Grupy[0].Nr, 7);
    EXPECT_EQ(b->Grupy[1].Nazwa, "Ilość losowań w zakładzie - op"); // 30 characters
    EXPECT_TRUE(b->Grupy[1].Specjalna);
    EXPECT_TRUE(b->Grupy[1].Zawsze);
    EXPECT_EQ(b->Grupy[1].Pocz, 5);
    EXPECT_FALSE(b->Grupy[2].Specjalna);

    // Fields come back group by group, in their old order within a group; the stray one is gone.
    ASSERT_EQ(b->Pola.size(), 6u);
    const uint8_t oczekiwaneNumery[] = {10, 12, 14, 11, 13, 15};
    for (std::size_t i = 0; i < 6; ++i) {
        const TEdPole& p = *b->Pola[i];
        EXPECT_EQ(p.NrPola, oczekiwaneNumery[i]) << i;
        const int zrodlowy = p.NrPola - 10;
        const TEdPole& z = *zrodlo.Pola[static_cast<std::size_t>(zrodlowy)];
        EXPECT_EQ(p.Rodzaj, z.Rodzaj);
        EXPECT_EQ(p.NrGrupy, z.NrGrupy);
        EXPECT_EQ(p.PozX, z.PozX);
        EXPECT_EQ(p.PozY, z.PozY);
        EXPECT_EQ(p.SzerZaz, z.SzerZaz);
        EXPECT_EQ(p.Grubosc, z.Grubosc);
        EXPECT_EQ(p.Kolor, KolorPolaZwykly);
        EXPECT_NE(p.Id, z.Id);
    }
}

TEST(PlikBlankietu, NowyUkladNaDyskuBajtPoBajcie)
{
    const std::string dane = ZbudujPlikBlankietu(TBlankietOb{});
    ASSERT_EQ(dane.size(), DlugoscNaglowkaBlankietu);
    EXPECT_EQ(dane[0], '\0');
    EXPECT_EQ(Int32Na(dane, 4), 0);
    EXPECT_EQ(dane.substr(29, 11), std::string("\x0A" "Blankiet 1"));
    // 185 = 1.4453125 × 2^7 and 82 = 1.28125 × 2^6 as x87 extended values.
    EXPECT_EQ(dane.substr(50, 10), std::string("\0\0\0\0\0\0\0\xB9\x06\x40", 10));
    EXPECT_EQ(dane.substr(60, 10), std::string("\0\0\0\0\0\0\0\xA4\x05\x40", 10));
    EXPECT_EQ(Int32Na(dane, 72), 0);
    EXPECT_EQ(Int32Na(dane, 76), 0);
    EXPECT_EQ(Int32Na(dane, 80), static_cast<int32_t>(DlugoscNaglowkaBlankietu));
    EXPECT_EQ(Int32Na(dane, 84), static_cast<int32_t>(DlugoscNaglowkaBlankietu));
    EXPECT_EQ(Int32Na(dane, 88), 0);
    EXPECT_EQ(dane.find_first_not_of('\0', 92), std::string::npos);
}

TEST(PlikBlankietu, RekordyGrupIPolNaSwoichMiejscach)
{
    const std::string dane = ZbudujPlikBlankietu(BlankietTestowy("Lotek", 4, 2));
    // Header, one horizontal and one vertical guide, then two fields of "Zakład" and one of "Losowania".
    EXPECT_EQ(Int32Na(dane, 72), 1);
    EXPECT_EQ(Int32Na(dane, 80), 12332);
    EXPECT_EQ(Int32Na(dane, 84), 12342);
    EXPECT_EQ(Int32Na(dane, 88), 2);
    EXPECT_EQ(dane.substr(92, 4), "\x06Zak");               // "Zakład": six characters in Windows-1250
    EXPECT_EQ(static_cast<uint8_t>(dane[92 + 4]), 0xB3u);   // 'ł'
    EXPECT_EQ(Int32Na(dane, 92 + 32), 2);
    EXPECT_EQ(Int32Na(dane, 92 + 40), 12352);
    EXPECT_EQ(dane[140 + 31], '\x01');
    EXPECT_EQ(dane[140 + 36], '\x01');
    EXPECT_EQ(Int32Na(dane, 140 + 40), 12352 + 2 * 74);
    EXPECT_EQ(dane[140 + 44], '\x01');
    EXPECT_EQ(dane[140 + 45], '\x01');
    // The second field of the bet group: kind, number and group after its two positions.
    const std::size_t pole = 12352 + 74;
    EXPECT_EQ(dane[pole + 20], '\x01');
    EXPECT_EQ(dane[pole + 21], '\x02');
    EXPECT_EQ(dane[pole + 22], '\x00');
    EXPECT_EQ(TCzytnikBin(dane.substr(pole, 10)).Extended(), 9.5);
    EXPECT_EQ(TCzytnikBin(dane.substr(pole + 24, 10)).Extended(), 4.0);
    EXPECT_EQ(dane.size(), 12352u + 3 * 74);
}

TEST(PlikBlankietu, PolaBezGrupNieSaZapisywane)
{
    TBlankietOb b;
    b.DodajProwadnice(ProwadnicaPozioma, 1);
    b.DodajPole(TEdPole::Nowe(RodzajKrzyzyk, 1, 1));
    b.DodajPole(TEdPole::Nowe(RodzajElipsa, 2, 2));
    const std::string dane = ZbudujPlikBlankietu(b);
    EXPECT_EQ(dane.size(), DlugoscNaglowkaBlankietu + RozmiarRekorduProwadnicy);
    const std::optional<TBlankietOb> wczytany = RozbierzPlikBlankietu(dane);
    ASSERT_TRUE(wczytany);
    EXPECT_TRUE(wczytany->Pola.empty());
    EXPECT_EQ(wczytany->Prowadnice.size(), 1u);
}

// One way a file can be damaged: what is done to the bytes of a good file and what the reader says.
struct TUszkodzenie {
    const char* Nazwa;
    void (*Zepsuj)(std::string&);
    TBladBlankietu Blad;
};

// The good file: the test slip with two bet fields and one special field (see BlankietyTestowe).
constexpr std::size_t PierwszePole = 12352;
constexpr std::size_t GrupaZakladu = 92;
constexpr std::size_t GrupaLosowan = 140;

void UstawNaN(std::string& d)
{
    d.replace(PierwszePole, 10, std::string("\0\0\0\0\0\0\0\xC0\xFF\x7F", 10));
}

const TUszkodzenie Uszkodzenia[] = {
    {"pusty", [](std::string& d) { d.clear(); }, TBladBlankietu::ZaKrotki},
    {"krotszy_niz_naglowek", [](std::string& d) { d.resize(DlugoscNaglowkaBlankietu - 1); }, TBladBlankietu::ZaKrotki},
    {"256_grup", [](std::string& d) { WpiszInt32(d, 88, 256); }, TBladBlankietu::ZlaLiczba},
    {"ujemna_liczba_grup", [](std::string& d) { WpiszInt32(d, 88, -1); }, TBladBlankietu::ZlaLiczba},
    {"ujemna_liczba_prowadnic", [](std::string& d) { WpiszInt32(d, 76, -3); }, TBladBlankietu::ZlaLiczba},
    {"ujemna_liczba_pol", [](std::string& d) { WpiszInt32(d, GrupaZakladu + 32, -1); }, TBladBlankietu::ZlaLiczba},
    {"prowadnice_za_koncem", [](std::string& d) { WpiszInt32(d, 80, static_cast<int32_t>(d.size()) - 5); },
     TBladBlankietu::ZlyAdres},
    {"prowadnice_w_naglowku", [](std::string& d) { WpiszInt32(d, 84, 100); }, TBladBlankietu::ZlyAdres},
    {"ogromna_liczba_prowadnic", [](std::string& d) { WpiszInt32(d, 72, std::numeric_limits<int32_t>::max()); },
     TBladBlankietu::ZlyAdres},
    {"ogromna_liczba_pol",
     [](std::string& d) { WpiszInt32(d, GrupaZakladu + 32, std::numeric_limits<int32_t>::max()); },
     TBladBlankietu::ZlyAdres},
    {"ujemny_adres_pol", [](std::string& d) { WpiszInt32(d, GrupaLosowan + 40, -74); }, TBladBlankietu::ZlyAdres},
    {"ucieta_koncowka", [](std::string& d) { d.resize(d.size() - 5); }, TBladBlankietu::ZlyAdres},
    {"dwie_grupy_o_jednym_numerze", [](std::string& d) { d[GrupaLosowan + 31] = 0; }, TBladBlankietu::ZlaGrupa},
    {"pole_obcej_grupy", [](std::string& d) { d[PierwszePole + 22] = 1; }, TBladBlankietu::ZlaGrupa},
    {"rodzaj_pola_0", [](std::string& d) { d[PierwszePole + 20] = 0; }, TBladBlankietu::ZlePole},
    {"rodzaj_pola_7", [](std::string& d) { d[PierwszePole + 20] = 7; }, TBladBlankietu::ZlePole},
    {"pozycja_nie_jest_liczba", UstawNaN, TBladBlankietu::ZlePole},
};

class UszkodzonyPlikBlankietu : public ::testing::TestWithParam<TUszkodzenie> {};

TEST_P(UszkodzonyPlikBlankietu, NieDajeNicINieJestZmieniany)
{
    TKatalogTymczasowy katalog;
    const std::string dobry = katalog.Plik("a-dobry.bln");
    ZapiszBlankietTestowy(dobry, "Dobry", 9, 2);
    std::string dane = CzytajPlik(dobry);
    ASSERT_TRUE(RozbierzPlikBlankietu(dane));
    GetParam().Zepsuj(dane);

    TBladBlankietu blad = TBladBlankietu::Brak;
    EXPECT_FALSE(RozbierzPlikBlankietu(dane, &blad));
    EXPECT_EQ(blad, GetParam().Blad);

    const std::string zly = katalog.Plik("b-zly.bln");
    ZapiszPlik(zly, dane);
    blad = TBladBlankietu::Brak;
    EXPECT_FALSE(WczytajBlankiet(zly, &blad));
    EXPECT_EQ(blad, GetParam().Blad);
    // The list of slips skips it; a header rewrite leaves it untouched.
    const std::vector<TOpisBlankietu> lista = ListaBlankietow(katalog.Sciezka().string());
    ASSERT_EQ(lista.size(), 1u);
    EXPECT_EQ(lista[0].Plik, dobry);
    TZmianaNaglowka zmiana;
    zmiana.KodGry = 9;
    EXPECT_FALSE(PrzepiszNaglowekBlankietu(zly, zmiana));
    EXPECT_EQ(CzytajPlik(zly), dane);
}

INSTANTIATE_TEST_SUITE_P(Przypadki, UszkodzonyPlikBlankietu, ::testing::ValuesIn(Uszkodzenia),
                         [](const auto& przypadek) { return std::string(przypadek.param.Nazwa); });

TEST(PlikBlankietu, PustaGrupaMozeWskazywacGdziekolwiek)
{
    // The writer notes the offset it reached even for a group without fields; nothing is read there.
    std::string dane = ZbudujPlikBlankietu(BlankietTestowy("Lotek", 4, 0));
    WpiszInt32(dane, GrupaZakladu + 40, 999999);
    const std::optional<TBlankietOb> b = RozbierzPlikBlankietu(dane);
    ASSERT_TRUE(b);
    EXPECT_EQ(b->Pola.size(), 1u);
}

TEST(PlikBlankietu, NaglowekCzytanyIPrzepisywanyNaMiejscu)
{
    TKatalogTymczasowy katalog;
    const std::string plik = katalog.Plik("lotek.bln");
    ZapiszBlankietTestowy(plik, "Lotek", 4);
    const std::string przed = CzytajPlik(plik);

    TZmianaNaglowka zmiana;
    zmiana.KodGry = -1;
    zmiana.PrzesX = 12.5;
    zmiana.PrzesY = -3.25;
    zmiana.Obrot = true;
    ASSERT_TRUE(PrzepiszNaglowekBlankietu(plik, zmiana));
    const std::string po = CzytajPlik(plik);
    ASSERT_EQ(po.size(), przed.size());
    for (std::size_t i = 0; i < po.size(); ++i) {
        if (i < 4 || i >= 29) {
            EXPECT_EQ(po[i], przed[i]) << "bajt " << i;
        }
    }

    const std::optional<TNaglowekBlankietu> n = CzytajNaglowekBlankietu(plik);
    ASSERT_TRUE(n);
    EXPECT_EQ(n->KodGry, -1);
    EXPECT_EQ(n->PrzesX, 12.5);
    EXPECT_EQ(n->PrzesY, -3.25);
    EXPECT_TRUE(n->Obrot);
    EXPECT_EQ(n->Nazwa, "Lotek");
    EXPECT_EQ(n->Szer, 185.0);

    // Only what is asked changes; a missing file is refused.
    TZmianaNaglowka tylkoKod;
    tylkoKod.KodGry = 4;
    ASSERT_TRUE(PrzepiszNaglowekBlankietu(plik, tylkoKod));
    EXPECT_EQ(CzytajNaglowekBlankietu(plik)->PrzesY, -3.25);
    EXPECT_FALSE(PrzepiszNaglowekBlankietu(katalog.Plik("brak.bln"), tylkoKod));
    EXPECT_FALSE(CzytajNaglowekBlankietu(katalog.Plik("brak.bln")));
    EXPECT_FALSE(fs::exists(plik + ".tmp~"));
}

TEST(PlikBlankietu, ListaBlankietowGryWPorzadkuNazwPlikow)
{
    TKatalogTymczasowy katalog;
    ZapiszBlankietTestowy(katalog.Plik("c.bln"), "Trzeci", 4, 5);
    ZapiszBlankietTestowy(katalog.Plik("A.BLN"), "Pierwszy", 4);
    ZapiszBlankietTestowy(katalog.Plik("b.bln"), "Drugi", 7);
    ZapiszBlankietTestowy(katalog.Plik("d.txt"), "Nie blankiet", 4);
    fs::create_directory(katalog.Plik("e.bln"));

    const std::vector<TOpisBlankietu> wszystkie = ListaBlankietow(katalog.Sciezka().string());
    ASSERT_EQ(wszystkie.size(), 3u);
    EXPECT_EQ(wszystkie[0].Naglowek.Nazwa, "Pierwszy");
    EXPECT_EQ(wszystkie[1].Naglowek.Nazwa, "Drugi");
    EXPECT_EQ(wszystkie[2].Naglowek.Nazwa, "Trzeci");
    EXPECT_EQ(wszystkie[2].IleGrup, 2u);
    EXPECT_EQ(wszystkie[2].IlePol, 6u);

    const std::vector<TOpisBlankietu> gry4 = ListaBlankietow(katalog.Sciezka().string(), 4);
    ASSERT_EQ(gry4.size(), 2u);
    EXPECT_EQ(gry4[1].Plik, katalog.Plik("c.bln"));
    EXPECT_TRUE(ListaBlankietow(katalog.Sciezka().string(), 5).empty());
    EXPECT_TRUE(ListaBlankietow(katalog.Plik("brak")).empty());
}

TEST(PlikBlankietu, PrzypisanieDoGryWedlugPierwszegoWpisuONazwie)
{
    TKatalogTymczasowy katalog;
    const auto plik = [&katalog](const char* nazwa) { return katalog.Plik(nazwa); };
    ZapiszBlankietTestowy(plik("1.bln"), "Nasz", 5);       // un-ticked: freed
    ZapiszBlankietTestowy(plik("2.bln"), "Obcy", 7);       // ticked: taken from game 7
    ZapiszBlankietTestowy(plik("3.bln"), "Cudzy", 8);      // un-ticked, another game's: stays
    ZapiszBlankietTestowy(plik("4.bln"), "Dwa", 0);        // both "Dwa" follow the first entry
    ZapiszBlankietTestowy(plik("5.bln"), "Dwa", 5);
    ZapiszBlankietTestowy(plik("6.bln"), "Nowy", -1);      // not in the list: untouched
    ZapiszBlankietTestowy(plik("7.bln"), "Juz nasz", 5);   // ticked and already ours: not rewritten
    const std::string cudzyPrzed = CzytajPlik(plik("3.bln"));

    const std::vector<TWpisPrzypisania> lista{
        {"Nasz", false}, {"Obcy", true}, {"Cudzy", false}, {"Dwa", true}, {"Dwa", false}, {"Juz nasz", true}};
    EXPECT_EQ(PrzypiszBlankiety(katalog.Sciezka().string(), 5, lista), 3u);

    const std::pair<const char*, int32_t> oczekiwane[] = {{"1.bln", -1}, {"2.bln", 5}, {"3.bln", 8}, {"4.bln", 5},
                                                          {"5.bln", 5},  {"6.bln", -1}, {"7.bln", 5}};
    for (const auto& [nazwa, kod] : oczekiwane)
        EXPECT_EQ(CzytajNaglowekBlankietu(plik(nazwa))->KodGry, kod) << nazwa;
    EXPECT_EQ(CzytajPlik(plik("3.bln")), cudzyPrzed);
}

} // namespace
} // namespace tarvomund
