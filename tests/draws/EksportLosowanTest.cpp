#include "draws/EksportLosowan.h"

#include "wspolne/KatalogTymczasowy.h"

#include <gtest/gtest.h>

namespace tarvomund {
namespace {

using testy::CzytajPlik;
using testy::TKatalogTymczasowy;
using testy::ZapiszPlik;

TObGraLista GraZLosowaniami()
{
    TObGraLista gra;
    gra.Nazwa = "Lotto 6 z 49";
    gra.IleLosowanych = 6;
    TObLos los;
    los.Data = 37023; // 12.05.2001
    const uint8_t liczby[] = {3, 11, 17, 25, 36, 42};
    std::copy(std::begin(liczby), std::end(liczby), los.Liczby.begin());
    gra.Losowania = {los, los};
    gra.Losowania[1].Data = 37026;
    return gra;
}

TEST(EksportLosowan, UkladLinii)
{
    TObGraLista gra = GraZLosowaniami();
    EXPECT_EQ(TekstLosowan(gra, "\r\n"), "Lotto 6 z 49\r\n\r\n"
                                         "1. 12.05.2001 3,11,17,25,36,42\r\n"
                                         "2. 15.05.2001 3,11,17,25,36,42\r\n");
    gra.Losowania.clear();
    EXPECT_EQ(TekstLosowan(gra, "\n"), "Lotto 6 z 49\n\n");
}

TEST(EksportLosowan, PlikWWindows1250ZCrLfZastepujeStary)
{
    TKatalogTymczasowy katalog;
    TObGraLista gra = GraZLosowaniami();
    gra.Nazwa = "Łatwy lotek";
    gra.Losowania.resize(1);
    const std::string plik = katalog.Plik("lista.txt");
    ZapiszPlik(plik, std::string(5000, 'x'));
    ASSERT_TRUE(ZapiszEksportLosowan(gra, plik));
    EXPECT_EQ(CzytajPlik(plik), "\xA3" "atwy lotek\r\n\r\n1. 12.05.2001 3,11,17,25,36,42\r\n");

    // A target that cannot be written reports it and leaves the old file alone.
    EXPECT_FALSE(ZapiszEksportLosowan(gra, katalog.Sciezka().string()));
    EXPECT_FALSE(ZapiszEksportLosowan(gra, katalog.Plik("brak/lista.txt")));
    EXPECT_TRUE(std::filesystem::is_directory(katalog.Sciezka()));
}

} // namespace
} // namespace tarvomund
