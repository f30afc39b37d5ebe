#include "model/Daty.h"

#include <gtest/gtest.h>

#include <limits>

namespace tarvomund {
namespace {

struct TPrzypadekDaty {
    TDataKal Data;
    double Dni;
    int Tydzien; // 0 = Monday
    const char* Tekst;
};

class DatyTest : public ::testing::TestWithParam<TPrzypadekDaty> {};

TEST_P(DatyTest, DniITekstySieZgadzaja)
{
    const auto& p = GetParam();
    EXPECT_DOUBLE_EQ(DniZDaty(p.Data), p.Dni);
    EXPECT_EQ(DataZDni(p.Dni), p.Data);
    EXPECT_EQ(DzienTygodnia(p.Dni), p.Tydzien);
    EXPECT_EQ(TekstDaty(p.Dni), p.Tekst);
    ASSERT_TRUE(DataZTekstu(p.Tekst).has_value());
    EXPECT_DOUBLE_EQ(*DataZTekstu(p.Tekst), p.Dni);
}

INSTANTIATE_TEST_SUITE_P(
    Kalendarz, DatyTest,
    ::testing::Values(TPrzypadekDaty{{1899, 12, 30}, 0, 5, "30.12.1899"},
                      TPrzypadekDaty{{1900, 1, 1}, 2, 0, "01.01.1900"},
                      TPrzypadekDaty{{1900, 3, 1}, 61, 3, "01.03.1900"},
                      TPrzypadekDaty{{1957, 1, 27}, 20847, 6, "27.01.1957"},
                      TPrzypadekDaty{{2000, 2, 29}, 36585, 1, "29.02.2000"},
                      TPrzypadekDaty{{2001, 5, 12}, 37023, 5, "12.05.2001"},
                      TPrzypadekDaty{{1899, 12, 29}, -1, 4, "29.12.1899"}));

TEST(Daty, UlamekDniaToGodzina)
{
    EXPECT_EQ(TekstDaty(37023.75), "12.05.2001");
    EXPECT_EQ(DzienTygodnia(37023.75), 5);
}

TEST(Daty, ZleTekstyDat)
{
    for (const char* tekst : {"", "31.02.2001", "1.13.2001", "12.05", "12-05-2001", "12.05.2001x", "0.1.2001"})
        EXPECT_FALSE(DataZTekstu(tekst).has_value()) << tekst;
    EXPECT_DOUBLE_EQ(*DataZTekstu("1.1.1900"), 2.0);
}

// Day counts from damaged data never leave the calendar: beyond its ends they show the nearest end,
// and a value that is no number shows the first day of the count.
TEST(Daty, WartosciPozaKalendarzem)
{
    const double nieLiczba = std::numeric_limits<double>::quiet_NaN();
    const double nieskonczonosc = std::numeric_limits<double>::infinity();
    struct TPrzypadek {
        double Dni;
        const char* Tekst;
    };
    for (const TPrzypadek& p : {TPrzypadek{1e300, "31.12.9999"}, TPrzypadek{nieskonczonosc, "31.12.9999"},
                                TPrzypadek{-1e300, "01.01.0001"}, TPrzypadek{-nieskonczonosc, "01.01.0001"},
                                TPrzypadek{-211678748940.0, "01.01.0001"}, TPrzypadek{nieLiczba, "30.12.1899"}}) {
        EXPECT_EQ(TekstDaty(p.Dni), p.Tekst) << p.Dni;
        const int dzien = DzienTygodnia(p.Dni);
        EXPECT_TRUE(dzien >= 0 && dzien <= 6) << p.Dni;
    }
}

} // namespace
} // namespace tarvomund
