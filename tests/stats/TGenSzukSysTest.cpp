#include "stats/TGenSzukSys.h"

#include "model/Wspolne.h"
#include "systems/PrzesiewSystemu.h"
#include "wspolne/KatalogTymczasowy.h"
#include "wspolne/LosowaniaTestowe.h"
#include "wspolne/PrzesiewTestowy.h"
#include "wspolne/SystemyTestowe.h"

#include <gtest/gtest.h>

#include <functional>

namespace tarvomund {
namespace {

using testy::Los;
using TBet = std::vector<int>;

class TGenSzukSysTest : public ::testing::Test {
protected:
    TWynikGeneracji Szukaj(int kryterium, const std::function<void(TFiltrSzukSys&)>& ustaw,
                           const std::vector<TBet>& zaklady, int32_t n, const std::vector<int>& wlasne = {},
                           bool zatrzymany = false)
    {
        return testy::Przesiej<TGenSzukSys, TFiltrSzukSys>(katalog_, kryterium, ustaw, zaklady, n, wlasne,
                                                           zatrzymany, wynik_);
    }

    testy::TKatalogTymczasowy katalog_;
    testy::TSystemZPliku wynik_;
};

TEST_F(TGenSzukSysTest, ParzystaSumaWPorzadkuBajtowBezPowtorzen)
{
    // Even sums kept, in ascending order of their bytes whatever the source order; one bet twice gives one.
    Szukaj(8, {}, {{4, 5, 7}, {1, 2, 3}, {2, 3, 5}, {1, 2, 3}, {1, 2, 4}}, 7);
    EXPECT_EQ(wynik_.Zaklady, (std::vector<TBet>{{1, 2, 3}, {2, 3, 5}, {4, 5, 7}}));
    EXPECT_EQ(wynik_.Naglowek.Info.Metoda, BrakMetody);
    EXPECT_EQ(wynik_.Naglowek.Info.n, 7);
}

TEST_F(TGenSzukSysTest, JuzWylosowaneWZakresieDat)
{
    const std::vector<TBet> zaklady{{2, 4, 6, 20, 30, 40}, {1, 3, 20, 30, 40, 45}, {1, 3, 5, 20, 30, 40}};
    struct TPrzypadek {
        const char* Opis;
        double Od;
        double Do;
        std::vector<TBet> Znalezione;
    };
    const double maj12 = DniZDaty({2001, 5, 12});
    const double maj19 = DniZDaty({2001, 5, 19});
    const TPrzypadek przypadki[] = {
        {"both draws", maj12, maj19, {{1, 3, 5, 20, 30, 40}, {2, 4, 6, 20, 30, 40}}},
        {"the first draw only", maj12, maj12, {{2, 4, 6, 20, 30, 40}}},
        {"no draw", maj12 + 1, maj19 - 1, {}},
    };
    for (const TPrzypadek& p : przypadki) {
        SCOPED_TRACE(p.Opis);
        Szukaj(13,
               [&p](TFiltrSzukSys& f) {
                   f.IlePowtorzonych = 2;
                   f.OdDaty = p.Od;
                   f.DoDaty = p.Do;
               },
               zaklady, 49);
        EXPECT_EQ(wynik_.Zaklady, p.Znalezione);
    }
}

TEST_F(TGenSzukSysTest, WynikZachowujeLiczbyWlasneZrodla)
{
    // Positions 1..4 stand for 7, 8, 9 and 30: 1 2 3 shows 7 8 9, a run of three.
    const TWynikGeneracji wynik =
        Szukaj(1, [](TFiltrSzukSys& f) { f.IleKolejnych = 2; }, {{1, 3, 4}, {1, 2, 3}, {2, 3, 4}}, 4, {7, 8, 9, 30});
    EXPECT_EQ(wynik_.Zaklady, (std::vector<TBet>{{1, 2, 3}}));
    const TInfoGryRec& info = wynik_.Naglowek.Info;
    // The bets keep their positions, and the positions keep the numbers they stood for.
    EXPECT_EQ(std::vector<int>(info.Wlasne[1].begin(), info.Wlasne[1].begin() + 4), (std::vector<int>{7, 8, 9, 30}));
    ASSERT_TRUE(wynik.Wlasne.has_value());
    EXPECT_EQ((*wynik.Wlasne)[1], info.Wlasne[1]);
    EXPECT_EQ(info.Wystapienia[0], 1);
    EXPECT_EQ(info.Wystapienia[3], 0);

    // Stopped: the scan ends before the first bet.
    Szukaj(8, {}, {{1, 2, 3}, {2, 3, 5}}, 5, {}, true);
    EXPECT_TRUE(wynik_.Zaklady.empty());
}

} // namespace
} // namespace tarvomund
