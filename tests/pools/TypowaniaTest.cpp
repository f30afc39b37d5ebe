#include "pools/Typowania.h"

#include "wspolne/KatalogTymczasowy.h"
#include "wspolne/SystemyTestowe.h"

#include <gtest/gtest.h>

namespace tarvomund {
namespace {

TEST(Typowania, TekstyPrzyciskowIPoprawnosc)
{
    const char* teksty[] = {"1",  "2",   "x",   "1x",  "x1",  "12",  "21",  "x2",
                            "2x", "1x2", "12x", "x12", "x21", "21x", "2x1", ""};
    for (int tag = 1; tag <= IlePrzyciskowTypow; ++tag) {
        EXPECT_EQ(TekstPrzyciskuTypu(tag), teksty[tag - 1]) << tag;
        EXPECT_TRUE(PoprawneTypowanie(teksty[tag - 1])) << tag;
    }
    EXPECT_EQ(TekstPrzyciskuTypu(0), "");
    EXPECT_EQ(TekstPrzyciskuTypu(17), "");
    for (const char* zly : {"X", "11", "1x2x", "3", "1 x", "xx", "0"})
        EXPECT_FALSE(PoprawneTypowanie(zly)) << zly;
}

TEST(Typowania, IleKombinacji)
{
    struct TPrzypadek {
        const char* Opis;
        TTypy Typy;
        int K;
        int64_t Ile;
    };
    const TTypy trzynascieTrojek(13, "1x2");
    TTypy pojedyncze(13, "1");
    TTypy mieszane = pojedyncze;
    mieszane[2] = "12";
    mieszane[4] = "x21";
    const TPrzypadek przypadki[] = {
        {"13 meczów 1x2", trzynascieTrojek, 13, 1'594'323},
        {"wszędzie 1", pojedyncze, 13, 1},
        {"12 w 3. i x21 w 5. wierszu", mieszane, 13, 6},
        {"puste wiersze nic nie dodają", TTypy{"1x", "", "", "2x1", ""}, 5, 6},
        {"liczą się tylko pierwsze k wierszy", trzynascieTrojek, 10, 59'049},
        {"żaden typ", TTypy(13, ""), 13, 1},
    };
    for (const TPrzypadek& p : przypadki)
        EXPECT_EQ(IleKombinacjiTypow(p.Typy, p.K), p.Ile) << p.Opis;
    EXPECT_EQ(MaxKombinacjiPilkarskich, IleKombinacjiTypow(trzynascieTrojek, MaxMeczow));
}

TEST(Typowania, BlokTypowanWTamIZPowrotem)
{
    const TTypy typy{"x1", "", "2", "21x", "12", "1", "", "", "", "x"};
    const std::vector<TTypowanie> typowania = TypowaniaZTypow(typy, 10);
    ASSERT_EQ(typowania.size(), 6u);
    EXPECT_EQ(typowania[0].Mecz, 1);
    EXPECT_EQ(typowania[1].Mecz, 3);
    EXPECT_EQ(typowania[2].Typy, "21x");
    EXPECT_EQ(typowania[5].Mecz, 10);

    // The first array holds each match's first sign, the second its second, the third its third.
    const auto blok = BlokTypowan(typowania);
    EXPECT_EQ(blok[0][0], KodX);
    EXPECT_EQ(blok[1][0], Kod1);
    EXPECT_EQ(blok[2][0], KodBrak);
    EXPECT_EQ(blok[0][1], KodBrak);
    EXPECT_EQ(blok[0][3], Kod2);
    EXPECT_EQ(blok[1][3], Kod1);
    EXPECT_EQ(blok[2][3], KodX);
    // The typings come back in the order they were typed.
    EXPECT_EQ(TypyZBloku(blok, 10), typy);
    EXPECT_FALSE(BlokPusty(blok, 10));
    EXPECT_TRUE(BlokPusty({}, 10));

    // A damaged block: unknown codes and a repeated sign are left out, a gap does not end the typing.
    std::array<TTablicaLiczb, 3> zly{};
    zly[0][0] = 7;
    zly[1][0] = Kod1;
    zly[0][1] = Kod2;
    zly[1][1] = Kod2;
    zly[2][1] = KodX;
    EXPECT_EQ(TypyZBloku(zly, 2), (TTypy{"1", "2x"}));

    EXPECT_EQ(TypowaniaWielokrotne(typowania).size(), 3u);
}

TEST(Typowania, TypyZZakladowIZPliku)
{
    // Bets that use "2" and "1" at match 1, only "x" at match 2 and nothing at match 3.
    std::vector<TZaklad> zaklady(2);
    zaklady[0][0] = Kod2;
    zaklady[0][1] = KodX;
    zaklady[1][0] = Kod1;
    zaklady[1][1] = KodX;
    EXPECT_EQ(TypyZZakladow(zaklady, 3), (TTypy{"12", "x", ""}));

    testy::TKatalogTymczasowy katalog;
    const std::string plik = katalog.Plik("p.ss2");
    TInfoGryRec info = testy::InfoSystemuPilkarskiego(3);
    ASSERT_TRUE(testy::ZapiszSystemTestowy(plik, info, {{3, 2, 0}, {1, 2, 0}}));
    // An empty typing block: the signs the bets use.
    EXPECT_EQ(TypyPlikuSystemu(plik), (TTypy{"12", "x", ""}));
    // A typing block wins over the bets, also where the bets never use a typed sign.
    info.Wlasne = BlokTypowan(TypowaniaZTypow({"x21", "x", "1"}, 3));
    ASSERT_TRUE(testy::ZapiszSystemTestowy(plik, info, {{3, 2, 0}, {1, 2, 0}}));
    EXPECT_EQ(TypyPlikuSystemu(plik), (TTypy{"x21", "x", "1"}));
    EXPECT_FALSE(TypyPlikuSystemu(katalog.Plik("brak.ss2")).has_value());
}

TEST(Typowania, NoweInfo)
{
    const TInfoGryRec info = NoweInfoSystemuPilkarskiego(13, 10, 0);
    EXPECT_EQ(info.IdGry, 1001);
    EXPECT_EQ(info.KodGry, 1001);
    EXPECT_EQ(info.Nazwa, "System piłkarski");
    EXPECT_EQ(info.n, 0);
    EXPECT_EQ(info.k, 13);
    EXPECT_EQ(info.Zakladow, 10);
    EXPECT_EQ(info.Metoda, 0);
    EXPECT_EQ(info.Gwarancja, 0);
    EXPECT_EQ(info.MaxSkreslen, 13);
    EXPECT_EQ(info.MinSkreslen + info.NormSkreslen + info.IleDodatkowych + info.IleLiczb +
                  info.IleLosowanych + info.IlePoziomo + info.IlePionowo,
              0);
    EXPECT_FALSE(info.Kierunek);
    EXPECT_EQ(info.Pilkarski, 1);
}

} // namespace
} // namespace tarvomund
