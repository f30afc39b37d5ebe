#include "stats/ZadaneLiczby.h"

#include "wspolne/LosowaniaTestowe.h"

#include <gtest/gtest.h>

namespace tarvomund {
namespace {

using testy::Los;

TEST(ZadaneLiczby, TabelaIWydruk)
{
    const std::vector<TObLos> losowania{
        Los({2001, 5, 12}, {40, 7, 12, 3, 22, 49}), // Saturday
        Los({2001, 5, 16}, {7, 13, 12, 1, 2, 5}),   // Wednesday
        Los({2001, 5, 20}, {7, 11, 21, 31, 41, 45}),
        Los({2001, 5, 23}, {12, 7, 14, 15, 16, 17}), // Wednesday
    };
    const std::vector<int> szukane{7, 12};
    const std::vector<TWierszZadanych> wiersze = SzukajZadanych(losowania, 6, szukane);
    ASSERT_EQ(wiersze.size(), 3u);
    EXPECT_EQ(NaglowekZadanych(szukane), (std::array<std::string, 4>{"L.p.", "Data", "Suma", "7,12"}));
    // Numbered from 1, the numbers in stored order, with the weekday's short name and the sum.
    EXPECT_EQ(KomorkiZadanych(wiersze[0]), (std::array<std::string, 4>{"1", "So - 12.05.2001", "133", "40,7,12,3,22,49"}));
    EXPECT_EQ(KomorkiZadanych(wiersze[1]), (std::array<std::string, 4>{"2", "Śr - 16.05.2001", "40", "7,13,12,1,2,5"}));
    EXPECT_EQ(KomorkiZadanych(wiersze[2])[0], "3");

    const std::vector<std::string> wydruk = WydrukZadanych(szukane, wiersze);
    ASSERT_EQ(wydruk.size(), 4u);
    EXPECT_EQ(wydruk[0], "[>> 7,12 <<]");
    // 7, 25 and 14 characters, the Polish letter counted once.
    EXPECT_EQ(wydruk[2], "      2          Śr - 16.05.2001            40   7,13,12,1,2,5");

    // Only the first drawn-count numbers of a draw are looked at; nothing found leaves the heading.
    EXPECT_TRUE(SzukajZadanych(losowania, 2, szukane).size() == 1u);
    EXPECT_TRUE(SzukajZadanych(losowania, 6, {7, 12, 33}).empty());
    EXPECT_EQ(WydrukZadanych({7, 12, 33}, {}), std::vector<std::string>{"[>> 7,12,33 <<]"});
}

} // namespace
} // namespace tarvomund
