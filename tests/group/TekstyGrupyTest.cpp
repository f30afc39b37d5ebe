#include "group/TekstyGrupy.h"

#include "wspolne/GrupyTestowe.h"

#include <gtest/gtest.h>

#include <limits>

namespace tarvomund {
namespace {

using testy::GraGrupy;
using testy::Grupa;

struct TPrzypadekKwoty {
    double Kwota;
    const char* F;
    const char* N;
    const char* Bilans;
};

TEST(TekstyGrupy, FormatyKwot)
{
    const TPrzypadekKwoty przypadki[] = {
        {0, "       0,00", "       0,00", "       0,00"},
        {250, "     250,00", "     250,00", "+     250,00"},
        {-50, "     -50,00", "     -50,00", "     -50,00"},
        {1234.5, "    1234,50", "   1 234,50", "+   1 234,50"},
        {-1234.5, "   -1234,50", "  -1 234,50", "  -1 234,50"},
        {999.999, "    1000,00", "   1 000,00", "+   1 000,00"},
        // Half a grosz rounds away from zero, on the value as it was typed.
        {308.625, "     308,63", "     308,63", "+     308,63"},
        {-308.625, "    -308,63", "    -308,63", "    -308,63"},
        {2.675, "       2,68", "       2,68", "+       2,68"},
        {999999.995, " 1000000,00", "1 000 000,00", "+1 000 000,00"},
        {0.005, "       0,01", "       0,01", "+       0,01"},
        {1234567.891, " 1234567,89", "1 234 567,89", "+1 234 567,89"},
        // Wider than the field: printed whole.
        {-12345678901.25, "-12345678901,25", "-12 345 678 901,25", "-12 345 678 901,25"},
        // Rounds to zero: no sign either way.
        {-0.004, "       0,00", "       0,00", "       0,00"},
        {0.004, "       0,00", "       0,00", "       0,00"},
        {0.006, "       0,01", "       0,01", "+       0,01"},
        {-0.006, "      -0,01", "      -0,01", "      -0,01"},
    };
    for (const TPrzypadekKwoty& p : przypadki) {
        EXPECT_EQ(KwotaF(p.Kwota), p.F) << p.Kwota;
        EXPECT_EQ(KwotaN(p.Kwota), p.N) << p.Kwota;
        EXPECT_EQ(BilansN(p.Kwota), p.Bilans) << p.Kwota;
    }
    EXPECT_EQ(UdzialF(100.0 / 3), " 33,33");
    EXPECT_EQ(UdzialF(100), "100,00");
    EXPECT_EQ(UdzialF(2.0 / 3), "  0,67");
    // Never a crash on a value no file holds.
    EXPECT_FALSE(KwotaN(std::numeric_limits<double>::infinity()).empty());
    EXPECT_EQ(KwotaN(std::numeric_limits<double>::max()).size(), 309u + 102u + 3u);
}

TEST(TekstyGrupy, DzienTygodniaIData)
{
    EXPECT_EQ(DzienIData(0), "So 30.12.1899");
    EXPECT_EQ(DzienIData(1), "Nd 31.12.1899");
    EXPECT_EQ(DzienIData(37023), "So 12.05.2001");
    EXPECT_EQ(DzienIData(37025), "Pn 14.05.2001");
    EXPECT_EQ(DzienIData(37027), "Śr 16.05.2001");
    EXPECT_EQ(DzienIData(37029), "Pt 18.05.2001");
}

TEST(TekstyGrupy, WydrukiKolumnami)
{
    const TGrupa grupa =
        Grupa({"Łucja", "Bardzo Długie Nazwisko Gracza X"},
              {GraGrupy(37023, "Lotek", 1234.5, 10000, {{0, 25}, {1, 75}}), GraGrupy(37025, "Keno", 10, 0, {{1, 100}})});
    const auto lista = WydrukListyGier("Rozliczenie gry grupowej", TabelaListyGier(grupa));
    ASSERT_EQ(lista.size(), 8u);
    EXPECT_EQ(lista[0], "Rozliczenie gry grupowej");
    EXPECT_EQ(lista[1], "");
    EXPECT_EQ(lista[2], std::string(57, ' ') + "Koszty     Wygrana      Bilans");
    EXPECT_EQ(lista[3], "");
    EXPECT_EQ(lista[4], "    1.So 12.05.2001  Lotek" + std::string(30, ' ') + "1234,50    10000,00     8765,50");
    EXPECT_EQ(lista[5], "    2.Pn 14.05.2001  Keno" + std::string(33, ' ') + "10,00        0,00      -10,00");
    EXPECT_EQ(lista[6], "");
    EXPECT_EQ(lista[7], std::string(56, ' ') + "1244,50    10000,00     8755,50");

    const auto rozliczenie = WydrukRozliczenia("Rozliczenie wszystkich grających",
                                               TabelaRozliczenia(grupa, Rozlicz(grupa)));
    ASSERT_EQ(rozliczenie.size(), 9u);
    EXPECT_EQ(rozliczenie[2], std::string(71, ' ') + "Koszty      %     Wygrana      Bilans");
    // Every amount ends where its heading ends; the balance keeps its "+" in front of the field.
    EXPECT_EQ(rozliczenie[4], "So 12.05.2001  Lotek" + std::string(20, ' ') + "Łucja" + std::string(26, ' ') +
                                  "308,63  25,00    2 500,00+   2 191,38");
    // A name longer than its column shifts the rest of the line.
    EXPECT_EQ(rozliczenie[5], "So 12.05.2001  Lotek" + std::string(20, ' ') + "Bardzo Długie Nazwisko Gracza X" +
                                  std::string(6, ' ') + "925,88  75,00    7 500,00+   6 574,13");
    EXPECT_EQ(rozliczenie[8], std::string(69, ' ') + "1 244,50" + std::string(10, ' ') + "10 000,00+   8 755,50");

    const auto udzialy = WydrukUdzialow("Udziały", TabelaUdzialow(grupa.Naglowek, grupa.Gry[0]));
    ASSERT_EQ(udzialy.size(), 6u);
    EXPECT_EQ(udzialy[2], std::string(31, ' ') + "Udział      Koszty     Wygrana");
    EXPECT_EQ(udzialy[4], "Łucja                          25,00 %      308,63    2 500,00");
    EXPECT_EQ(udzialy[5], "Bardzo Długie Nazwisko Gracza X 75,00 %      925,88    7 500,00");
}

} // namespace
} // namespace tarvomund
