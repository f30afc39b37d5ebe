#include "draws/ParserLosowan.h"

#include "draws/TFormatowanie.h"
#include "model/Daty.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace tarvomund {
namespace {

// A line of a list as the import reads it: formatted with the default separators, runs merged.
struct TPrzypadekWiersza {
    const char* Wiersz;
    bool Numeracja;
    bool JestData;
    TKolejnoscDaty Kolejnosc;
    TWynikWiersza Wynik;
    TDataKal Data;
    std::vector<int> Liczby;
};

void PrintTo(const TPrzypadekWiersza& p, std::ostream* os)
{
    *os << '"' << p.Wiersz << '"';
}

class ParserWiersza : public ::testing::TestWithParam<TPrzypadekWiersza> {};

TEST_P(ParserWiersza, WynikDataILiczby)
{
    const TPrzypadekWiersza& p = GetParam();
    TFormatowanie f;
    f.UstawSeparatory(DomyslneSeparatory());
    f.UstawSzerokosc(SzerokoscPola(p.JestData, p.Numeracja));
    TUkladWiersza uklad;
    uklad.Szerokosc = f.Szerokosc();
    uklad.Numeracja = p.Numeracja;
    uklad.JestData = p.JestData;
    uklad.Kolejnosc = p.Kolejnosc;
    uklad.IleLosowanych = 6;
    uklad.IleLiczb = 49;
    TObLos los;
    los.Data = -1;
    const TWynikWiersza wynik = RozbierzWiersz(f.Formatuj(p.Wiersz), uklad, los);
    EXPECT_EQ(wynik, p.Wynik) << p.Wiersz;
    if (p.Wynik != TWynikWiersza::Losowanie) {
        EXPECT_EQ(los.Data, -1) << "a line that gives no draw leaves the draw alone: " << p.Wiersz;
        return;
    }
    EXPECT_EQ(los.Data, DniZDaty(p.Data)) << p.Wiersz;
    for (std::size_t i = 0; i < los.Liczby.size(); ++i)
        EXPECT_EQ(los.Liczby[i], i < p.Liczby.size() ? p.Liczby[i] : 0) << p.Wiersz << " at " << i;
}

using K = TKolejnoscDaty;
using W = TWynikWiersza;
const TDataKal Maj12{2001, 5, 12};

INSTANTIATE_TEST_SUITE_P(
    Przypadki, ParserWiersza,
    ::testing::Values(
        TPrzypadekWiersza{"1. 12.05.2001 3,11,17,25,36,42", true, true, K::DMR, W::Losowanie, Maj12,
                          {3, 11, 17, 25, 36, 42}},
        // Numbers stay in the order of the line; the import sorts them.
        TPrzypadekWiersza{"12.05.2001 42 3 17 11 25 36", false, true, K::DMR, W::Losowanie, Maj12,
                          {42, 3, 17, 11, 25, 36}},
        TPrzypadekWiersza{"0001,12.05.2001,08,12,31,39,43,45", true, true, K::DMR, W::Losowanie, Maj12,
                          {8, 12, 31, 39, 43, 45}},
        TPrzypadekWiersza{"12-05-2001;1;2;3;4;5;6", false, true, K::DMR, W::Losowanie, Maj12, {1, 2, 3, 4, 5, 6}},
        TPrzypadekWiersza{"2001.05.12 1 2 3 4 5 6", false, true, K::RMD, W::Losowanie, Maj12, {1, 2, 3, 4, 5, 6}},
        TPrzypadekWiersza{"2001.05.12 1 2 3 4 5 6", false, true, K::DMR, W::ZlaData, {}, {}},
        TPrzypadekWiersza{"29.02.2000 1 2 3 4 5 6", false, true, K::DMR, W::Losowanie, {2000, 2, 29},
                          {1, 2, 3, 4, 5, 6}},
        // A list without dates is never imported.
        TPrzypadekWiersza{"12.05.2001 1 2 3 4 5 6", false, false, K::DMR, W::ZlaData, {}, {}},
        TPrzypadekWiersza{"1. 12.05.2001 3,11,17,25,36,42", false, true, K::DMR, W::ZlaData, {}, {}},
        // The spaces that fill the field make four characters that are not digits.
        TPrzypadekWiersza{"1.5.2001 1 2 3 4 5 6", false, true, K::DMR, W::ZlaData, {}, {}},
        TPrzypadekWiersza{"29.02.1900 1 2 3 4 5 6", false, true, K::DMR, W::ZlaData, {}, {}},
        TPrzypadekWiersza{"31.04.2001 1 2 3 4 5 6", false, true, K::DMR, W::ZlaData, {}, {}},
        TPrzypadekWiersza{"12.13.2001 1 2 3 4 5 6", false, true, K::DMR, W::ZlaData, {}, {}},
        TPrzypadekWiersza{"12.05.0000 1 2 3 4 5 6", false, true, K::DMR, W::ZlaData, {}, {}},
        TPrzypadekWiersza{"12..052001 1 2 3 4 5 6", false, true, K::DMR, W::ZlaData, {}, {}},
        TPrzypadekWiersza{"12.05.2001 0 2 3 4 5 6", false, true, K::DMR, W::ZlaLiczba, {}, {}},
        TPrzypadekWiersza{"12.05.2001 1 2 3 4 5 50", false, true, K::DMR, W::ZlaLiczba, {}, {}},
        // Read modulo 256, 300 would pass as 44.
        TPrzypadekWiersza{"12.05.2001 300 2 3 4 5 6", false, true, K::DMR, W::ZlaLiczba, {}, {}},
        TPrzypadekWiersza{"12.05.2001 44 2 3 4 5 6", false, true, K::DMR, W::Losowanie, Maj12, {44, 2, 3, 4, 5, 6}},
        TPrzypadekWiersza{"12.05.2001 7 2 3 7 5 6", false, true, K::DMR, W::ZlaLiczba, {}, {}},
        TPrzypadekWiersza{"12.05.2001 x 2 3 4 5 6", false, true, K::DMR, W::ZlaLiczba, {}, {}},
        TPrzypadekWiersza{"12.05.2001 -3 2 3 4 5 6", false, true, K::DMR, W::ZlaLiczba, {}, {}},
        TPrzypadekWiersza{"12.05.2001 99999999999999 2 3 4 5 6", false, true, K::DMR, W::ZlaLiczba, {}, {}},
        TPrzypadekWiersza{"12.05.2001 1 2 3 4 5", false, true, K::DMR, W::KrotkiWiersz, {}, {}},
        TPrzypadekWiersza{"", false, true, K::DMR, W::KrotkiWiersz, {}, {}},
        TPrzypadekWiersza{"Lotto", true, true, K::DMR, W::KrotkiWiersz, {}, {}}));

TEST(ParserLosowan, KazdaKolejnoscDaty)
{
    const std::pair<const char*, TKolejnoscDaty> przypadki[] = {
        {"12.05.2001", K::DMR}, {"12.2001.05", K::DRM}, {"05.12.2001", K::MDR},
        {"05.2001.12", K::MRD}, {"2001.05.12", K::RMD}, {"2001.12.05", K::RDM},
    };
    for (const auto& [pole, kolejnosc] : przypadki) {
        EXPECT_EQ(DataZPola(pole, kolejnosc), DniZDaty(Maj12)) << pole;
        EXPECT_EQ(KolejnoscDaty(NazwyKolejnosciDaty[static_cast<std::size_t>(kolejnosc)]), kolejnosc);
    }
    EXPECT_FALSE(KolejnoscDaty("DDD"));
    EXPECT_FALSE(KolejnoscDaty("dmr"));
    // The year is taken as written: no century is added, so "01" is the year 1, which no game file can
    // hold (its draws lie within 1900..9999) and which would make the whole game unreadable once saved.
    const std::pair<const char*, std::optional<TDataKal>> granice[] = {
        {"12/5/01", std::nullopt},
        {"31.12.1899", std::nullopt},
        {"01.01.1900", TDataKal{1900, 1, 1}},
        {"31.12.9999", TDataKal{9999, 12, 31}},
    };
    for (const auto& [pole, data] : granice) {
        const std::optional<double> dni = DataZPola(pole, K::DMR);
        ASSERT_EQ(dni.has_value(), data.has_value()) << pole;
        if (data) {
            EXPECT_EQ(*dni, DniZDaty(*data)) << pole;
        }
    }
    EXPECT_FALSE(DataZPola("", K::DMR));
    EXPECT_FALSE(DataZPola("12.05.2001.", K::DMR));
}

TEST(ParserLosowan, GraONajwyzszejLiczbie150)
{
    TUkladWiersza uklad;
    uklad.Szerokosc = 10;
    uklad.JestData = true;
    uklad.IleLosowanych = 2;
    uklad.IleLiczb = 150;
    TFormatowanie f;
    f.UstawSzerokosc(10);
    f.UstawSeparatory(DomyslneSeparatory());
    TObLos los;
    EXPECT_EQ(RozbierzWiersz(f.Formatuj("12.05.2001 150 149"), uklad, los), W::Losowanie);
    EXPECT_EQ(los.Liczby[0], 150);
    EXPECT_EQ(RozbierzWiersz(f.Formatuj("12.05.2001 151 149"), uklad, los), W::ZlaLiczba);
    // A damaged game of more numbers than a byte holds still never stores a cut value.
    uklad.IleLiczb = 400;
    EXPECT_EQ(RozbierzWiersz(f.Formatuj("12.05.2001 300 149"), uklad, los), W::ZlaLiczba);
}

} // namespace
} // namespace tarvomund
