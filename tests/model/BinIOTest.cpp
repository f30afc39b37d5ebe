#include "model/BinIO.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tarvomund {
namespace {

std::string Bajty(std::initializer_list<int> bajty)
{
    std::string s;
    for (int b : bajty)
        s.push_back(static_cast<char>(b));
    return s;
}

TEST(BinIO, LiczbyCalkowiteLittleEndian)
{
    TPisarzBin pisarz;
    pisarz.Int32(-2);
    pisarz.Int16(0x1234);
    pisarz.Bajt(0xFE);
    pisarz.Int32(0x01020304);
    EXPECT_EQ(pisarz.Dane(), Bajty({0xFE, 0xFF, 0xFF, 0xFF, 0x34, 0x12, 0xFE, 0x04, 0x03, 0x02, 0x01}));

    TCzytnikBin czytnik(pisarz.Dane());
    EXPECT_EQ(czytnik.Int32(), -2);
    EXPECT_EQ(czytnik.Int16(), 0x1234);
    EXPECT_EQ(czytnik.Bajt(), 0xFE);
    EXPECT_EQ(czytnik.Int32(), 0x01020304);
    EXPECT_TRUE(czytnik.Dobrze());
    EXPECT_EQ(czytnik.Zostalo(), 0u);
}

TEST(BinIO, DoubleToIeee)
{
    TPisarzBin pisarz;
    pisarz.Double(37023.0);
    EXPECT_EQ(pisarz.Dane(), Bajty({0, 0, 0, 0, 0xE0, 0x13, 0xE2, 0x40}));
    TCzytnikBin czytnik(pisarz.Dane());
    EXPECT_EQ(czytnik.Double(), 37023.0);
}

struct TPrzypadekExtended {
    double Wartosc;
    std::array<uint8_t, 10> Bajty;
};

class ExtendedTest : public ::testing::TestWithParam<TPrzypadekExtended> {};

TEST_P(ExtendedTest, ZnaneWzorceBitowe)
{
    const auto& p = GetParam();
    EXPECT_EQ(DoubleNaExtended(p.Wartosc), p.Bajty);
    EXPECT_EQ(ExtendedNaDouble(p.Bajty), p.Wartosc);
}

INSTANTIATE_TEST_SUITE_P(
    Wartosci, ExtendedTest,
    ::testing::Values(TPrzypadekExtended{0.0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
                      TPrzypadekExtended{1.0, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}},
                      TPrzypadekExtended{-2.5, {0, 0, 0, 0, 0, 0, 0, 0xA0, 0x00, 0xC0}},
                      TPrzypadekExtended{1234.5, {0, 0, 0, 0, 0, 0, 0x50, 0x9A, 0x09, 0x40}},
                      TPrzypadekExtended{0.1, {0, 0xD0, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xFB, 0x3F}}));

TEST(BinIO, ExtendedZPelnaPrecyzjaZaokraglaDoDouble)
{
    // The x87 value of 0.1 has a 64-bit mantissa; the nearest double is 0.1.
    EXPECT_EQ(ExtendedNaDouble({0xCD, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xFB, 0x3F}), 0.1);
    EXPECT_TRUE(std::isinf(ExtendedNaDouble({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F})));
    EXPECT_TRUE(std::isnan(ExtendedNaDouble({0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x7F})));
    // Beyond the double range.
    EXPECT_TRUE(std::isinf(ExtendedNaDouble({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F - 0x10})));
    for (double w : {3.141592653589793, -1e300, 5e-324, 123456789.125, std::numeric_limits<double>::max()})
        EXPECT_EQ(ExtendedNaDouble(DoubleNaExtended(w)), w) << w;

    TPisarzBin pisarz;
    pisarz.Extended(-7.75);
    TCzytnikBin czytnik(pisarz.Dane());
    EXPECT_EQ(czytnik.Extended(), -7.75);
    EXPECT_TRUE(czytnik.Dobrze());
}

TEST(BinIO, TekstZPolskimiLiteramiWStalymPolu)
{
    const std::string polskie = "ĄĆĘŁŃÓŚŹŻąćęłńóśźż";
    TPisarzBin pisarz;
    pisarz.Tekst(polskie, 50);
    ASSERT_EQ(pisarz.Dane().size(), 51u);
    EXPECT_EQ(static_cast<uint8_t>(pisarz.Dane()[0]), 18);
    EXPECT_EQ(static_cast<uint8_t>(pisarz.Dane()[1]), 0xA5); // Ą
    EXPECT_EQ(pisarz.Dane()[19], '\0');
    TCzytnikBin czytnik(pisarz.Dane());
    EXPECT_EQ(czytnik.Tekst(50), polskie);
    EXPECT_EQ(czytnik.Pozycja(), 51u);
}

TEST(BinIO, TekstDluzszyOdPolaJestUciety)
{
    TPisarzBin pisarz;
    pisarz.Tekst("żółć i więcej", 4);
    EXPECT_EQ(pisarz.Dane().size(), 5u);
    TCzytnikBin czytnik(pisarz.Dane());
    EXPECT_EQ(czytnik.Tekst(4), "żółć");

    // A stored length beyond its field is read as the whole field, never beyond it.
    const std::string zly = Bajty({200, 'a', 'b', 'c', 'X'});
    TCzytnikBin zlyCzytnik(zly);
    EXPECT_EQ(zlyCzytnik.Tekst(3), "abc");
    EXPECT_EQ(zlyCzytnik.Bajt(), 'X');
}

TEST(BinIO, CzytaniePozaKoncemDajeZeraIBlad)
{
    const std::string dane = Bajty({1, 2, 3});
    TCzytnikBin czytnik(dane);
    EXPECT_EQ(czytnik.Int32(), 0);
    EXPECT_FALSE(czytnik.Dobrze());
    EXPECT_EQ(czytnik.Bajt(), 0);
    EXPECT_EQ(czytnik.Tekst(50), "");
    EXPECT_TRUE(czytnik.Bajty(1000).empty());

    TCzytnikBin skok(dane);
    skok.Skocz(4);
    EXPECT_FALSE(skok.Dobrze());
}

} // namespace
} // namespace tarvomund
