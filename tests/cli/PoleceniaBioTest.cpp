#include "Polecenia.h"
#include "UruchomienieCli.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace tarvomund::cli {
namespace {

using testy::Linie;
using testy::TWynikPolecenia;

TWynikPolecenia Bio(std::vector<std::string> argumenty)
{
    argumenty.insert(argumenty.begin(), "bio");
    // The chart needs no games: the data directory is never read.
    return testy::UruchomCli(argumenty, "/nie/ma/takiego/katalogu");
}

TEST(PolecenieBio, DzienPoDniuCzteryRytmy)
{
    const auto wynik = Bio({"--birth", "01.01.2000", "--date", "01.03.2000"});
    ASSERT_EQ(wynik.Kod, KodSukces) << wynik.Bledy;
    EXPECT_EQ(wynik.Bledy, "");
    const auto linie = Linie(wynik.Wyjscie);
    ASSERT_EQ(linie.size(), 41u);
    // 20 days before the date, across the leap day, to 20 days after it.
    EXPECT_EQ(linie[0], "10.02.2000\t-0.979\t0.223\t0.999\t0.476");
    EXPECT_EQ(linie[19], "29.02.2000\t-0.631\t0.782\t-0.910\t-0.476");
    EXPECT_EQ(linie[20], "01.03.2000\t-0.817\t0.901\t-0.815\t-0.614");
    EXPECT_EQ(linie[40], "21.03.2000\t-0.136\t-0.623\t0.282\t0.736");
    // The options may come in either order.
    EXPECT_EQ(Bio({"--date", "01.03.2000", "--birth", "01.01.2000"}).Wyjscie, wynik.Wyjscie);
}

TEST(PolecenieBio, ZeroBezZnaku)
{
    // 9200 days lived, a multiple of 23: the physical rhythm is at zero on the date.
    const auto wynik = Bio({"--birth", "1.1.1999", "--date", "09.03.2024"});
    ASSERT_EQ(wynik.Kod, KodSukces) << wynik.Bledy;
    EXPECT_EQ(Linie(wynik.Wyjscie).at(20), "09.03.2024\t0.000\t-0.434\t-0.972\t0.614");
    // No value anywhere is shown as a negative zero.
    for (int dzien = 1; dzien <= 28; ++dzien) {
        char data[16];
        std::snprintf(data, sizeof data, "%02d.02.2011", dzien);
        const auto inny = Bio({"--birth", "01.01.1999", "--date", data});
        ASSERT_EQ(inny.Kod, KodSukces) << data;
        EXPECT_EQ(inny.Wyjscie.find("-0.000"), std::string::npos) << data;
    }
}

TEST(PolecenieBio, BledyUzycia)
{
    struct TPrzypadek {
        std::vector<std::string> Argumenty;
        const char* Komunikat;
    };
    const TPrzypadek przypadki[] = {
        {{"--birth", "01.03.2000", "--date", "01.01.2000"}, "at least 31 days before"},
        {{"--birth", "30.01.2001", "--date", "01.03.2001"}, "at least 31 days before"},
        {{"--birth", "31.02.2000", "--date", "01.03.2000"}, "--birth needs a date dd.mm.yyyy"},
        {{"--birth", "01.01.2000", "--date", "2000-03-01"}, "--date needs a date dd.mm.yyyy"},
        {{"--birth", "01.01.2000"}, "missing --date"},
        {{"--date", "01.01.2000"}, "missing --birth"},
        {{"--birth", "01.01.2000", "--date", "01.03.2000", "x"}, "wrong number of arguments"},
        {{"--birth", "01.01.2000", "--date", "01.03.2000", "--seed", "1"}, "unknown option --seed"},
        {{"--birth", "01.01.2000", "--date"}, "--date needs a value"},
    };
    for (const TPrzypadek& p : przypadki) {
        const auto wynik = Bio(p.Argumenty);
        EXPECT_EQ(wynik.Kod, KodBladUzycia) << p.Komunikat;
        EXPECT_EQ(wynik.Wyjscie, "") << p.Komunikat;
        EXPECT_NE(wynik.Bledy.find(p.Komunikat), std::string::npos) << wynik.Bledy;
    }
}

} // namespace
} // namespace tarvomund::cli
