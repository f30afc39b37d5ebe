#include "app/TfrmGlowne.h"

#include "model/PlikGry.h"
#include "wspolne/KatalogTymczasowy.h"

#include <gtest/gtest.h>

namespace tarvomund {
namespace {

using testy::TKatalogTymczasowy;

TEST(TfrmGlowne, StartujeZKataloguGier)
{
    TKatalogTymczasowy katalog;
    TObGraLista gra;
    gra.Id = 1;
    gra.Nazwa = "Lotek";
    gra.Plik = katalog.Plik("lotek.pl2");
    gra.IleLiczb = 49;
    gra.IleLosowanych = 6;
    ASSERT_TRUE(UtworzPlikGry(gra));

    TfrmGlowne okno(QString::fromStdString(katalog.Sciezka().string()));
    EXPECT_EQ(okno.windowTitle(), QStringLiteral("Tarvomund"));
    ASSERT_EQ(okno.Katalog().Ile(), 1u);
    EXPECT_EQ(okno.Katalog().Gra(0).Nazwa, "Lotek");
}

TEST(TfrmGlowne, BrakKataloguDaneDajePustyKatalog)
{
    TKatalogTymczasowy katalog;
    TfrmGlowne okno(QString::fromStdString(katalog.Plik("brak")));
    okno.show();
    EXPECT_TRUE(okno.Katalog().Pusty());
}

} // namespace
} // namespace tarvomund
