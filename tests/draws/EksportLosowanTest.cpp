#include "draws/EksportLosowan.h"

#include <gtest/gtest.h>

namespace tarvomund {
namespace {

TEST(EksportLosowan, UkladLinii)
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

    EXPECT_EQ(TekstLosowan(gra, "\r\n"), "Lotto 6 z 49\r\n\r\n"
                                         "1. 12.05.2001 3,11,17,25,36,42\r\n"
                                         "2. 15.05.2001 3,11,17,25,36,42\r\n");
    gra.Losowania.clear();
    EXPECT_EQ(TekstLosowan(gra, "\n"), "Lotto 6 z 49\n\n");
}

} // namespace
} // namespace tarvomund
