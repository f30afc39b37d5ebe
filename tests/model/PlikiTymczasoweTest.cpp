#include "model/PlikiTymczasowe.h"

#include "wspolne/KatalogTymczasowy.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tarvomund {
namespace {

namespace fs = std::filesystem;
using testy::TKatalogTymczasowy;
using testy::ZapiszPlik;

TEST(PlikiTymczasowe, UsuwaTylkoPlikiOkien)
{
    TKatalogTymczasowy katalog;
    const std::string dane = katalog.Sciezka().string();
    EXPECT_EQ(PlikTymczasowy(dane, 12), katalog.Plik("12.$$$"));
    ZapiszPlik(PlikTymczasowy(dane, 1), "a");
    ZapiszPlik(PlikTymczasowy(dane, 2), "b");
    ZapiszPlik(katalog.Plik("lotto.pl2"), "gra");
    ZapiszPlik(katalog.Plik("system.ss2"), "system");
    ZapiszPlik(katalog.Plik("x.$$$.bak"), "kopia");

    EXPECT_EQ(UsunPlikiTymczasowe(dane), 2);
    EXPECT_FALSE(fs::exists(PlikTymczasowy(dane, 1)));
    EXPECT_TRUE(fs::exists(katalog.Plik("lotto.pl2")));
    EXPECT_TRUE(fs::exists(katalog.Plik("system.ss2")));
    EXPECT_TRUE(fs::exists(katalog.Plik("x.$$$.bak")));
    EXPECT_EQ(UsunPlikiTymczasowe(katalog.Plik("brak")), 0);
}

} // namespace
} // namespace tarvomund
