#include "systems/TfrmGwarancja.h"

#include "PomocnikiUI.h"
#include "model/PlikSystemu.h"
#include "wspolne/KatalogTymczasowy.h"

#include <QButtonGroup>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QToolButton>

#include <gtest/gtest.h>

namespace tarvomund {
namespace {

using testy::CzekajAz;
using testy::TKatalogTymczasowy;
using testy::TOdpowiedzi;

// Every k-subset of n positions, as a system file the windows could have written.
std::string ZapiszPelnySystem(const TKatalogTymczasowy& katalog, int n, int k, int losowanych = 6)
{
    const std::string plik = katalog.Plik("system.$$$");
    TInfoGryRec info;
    info.n = n;
    info.k = k;
    info.IleLosowanych = losowanych;
    TPisarzSystemu pisarz(plik, k);
    for (TKombGen g(k, n); !g.Koniec; g.Nastepna())
        pisarz.Dodaj(g.Kombinacja.data());
    EXPECT_TRUE(pisarz.Zakoncz(info));
    return plik;
}

bool CzekajNaKoniec(const TfrmGwarancja& okno)
{
    return CzekajAz([&okno] { return !okno.Pracuje(); });
}

TEST(TfrmGwarancja, WczytanieIObliczenie)
{
    TKatalogTymczasowy katalog;
    TParametry parametry;
    TfrmGwarancja okno(parametry);
    ASSERT_TRUE(okno.Wczytaj(QString::fromStdString(ZapiszPelnySystem(katalog, 7, 6))));
    EXPECT_EQ(okno.windowTitle(), QStringLiteral("Gwarancja 6/7/7"));
    EXPECT_EQ(okno.Spin1()->maximum(), 6); // the game draws 6 of the system's 7
    EXPECT_EQ(okno.Spin1()->value(), 6);
    EXPECT_EQ(okno.Wiersze(), (QStringList{QStringLiteral("Gwarancja dla systemu 6/7/7"),
                                           QStringLiteral("-------------------------------------")}));
    EXPECT_TRUE(okno.BtnStart()->isEnabled());
    EXPECT_FALSE(okno.BtnStop()->isEnabled());

    okno.Start();
    EXPECT_TRUE(okno.BtnStop()->isEnabled());
    ASSERT_TRUE(CzekajNaKoniec(okno));
    EXPECT_EQ(okno.Wiersze(),
              (QStringList{QStringLiteral("====================================="),
                           QStringLiteral("Ilość trafionych liczb -  - 6 -  Błąd 0%"),
                           QStringLiteral("    1[100.0000%]     1x(6)     6x(5)    ------    ------    ------    ------")}));
    EXPECT_TRUE(okno.BtnStart()->isEnabled());
    EXPECT_FALSE(okno.BtnStop()->isEnabled());

    // Start cleared the heading lines; the printout still begins with the caption and the system.
    okno.UstawOpisSystemu(QStringLiteral("<1>Lotto 6 z 49 6/7/7"));
    const QStringList wydruk = okno.WierszeWydruku();
    ASSERT_GE(wydruk.size(), 6);
    EXPECT_EQ(wydruk[0], QStringLiteral("Gwarancja 6/7/7"));
    EXPECT_EQ(wydruk[1], QStringLiteral("<1>Lotto 6 z 49 6/7/7"));
    EXPECT_EQ(wydruk[2], QString());
    EXPECT_EQ(wydruk.mid(3, 3), okno.Wiersze());
    EXPECT_FALSE(wydruk.last().isEmpty());
    QPdfWriter pdf(QString::fromStdString(katalog.Plik("gwarancja.pdf")));
    EXPECT_EQ(okno.DrukujNa(pdf), 1);

    // "C" clears the table and writes the heading again.
    okno.Wyczysc();
    EXPECT_EQ(okno.Wiersze().size(), 2);
}

TEST(TfrmGwarancja, BladIUstawieniaZWiersza)
{
    TKatalogTymczasowy katalog;
    TParametry parametry;
    TfrmGwarancja okno(parametry);
    ASSERT_TRUE(okno.Wczytaj(QString::fromStdString(ZapiszPelnySystem(katalog, 10, 3))));
    okno.Spin1()->setValue(3);
    okno.RG2()->button(1)->click(); // 10 %: every second case
    okno.Start();
    ASSERT_TRUE(CzekajNaKoniec(okno));
    const QStringList wiersze = okno.Wiersze();
    ASSERT_GE(wiersze.size(), 3);
    EXPECT_EQ(wiersze[1], QStringLiteral("Ilość trafionych liczb -  - 3 -  Błąd 10%"));
    // The full system holds each triple once: with sampling every share is still scaled to the total.
    EXPECT_TRUE(wiersze[2].startsWith(QStringLiteral("    1[100.0000%]     1x(3)"))) << wiersze[2].toStdString();
}

TEST(TfrmGwarancja, ZbytDuzySystemIBladOdczytu)
{
    TKatalogTymczasowy katalog;
    TParametry parametry;
    {
        TfrmGwarancja okno(parametry);
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Odrzuc()});
        EXPECT_TRUE(okno.Wczytaj(QString::fromStdString(ZapiszPelnySystem(katalog, 30, 4)))); // 27 405 bets fit
        EXPECT_EQ(odpowiedzi.Obsluzonych(), 0);
    }
    TfrmGwarancja duzy(parametry);
    TOdpowiedzi odpowiedzi({TOdpowiedzi::Odrzuc()});
    EXPECT_FALSE(duzy.Wczytaj(QString::fromStdString(ZapiszPelnySystem(katalog, 40, 4)))); // 91 390 bets
    ASSERT_EQ(odpowiedzi.Teksty().size(), 1);
    EXPECT_EQ(odpowiedzi.Teksty()[0], QStringLiteral("System jest zbyt duży !!!"));

    TfrmGwarancja brak(parametry);
    TOdpowiedzi odpowiedzi2({TOdpowiedzi::Odrzuc()});
    EXPECT_FALSE(brak.Wczytaj(QString::fromStdString(katalog.Plik("nie-ma.$$$"))));
    ASSERT_EQ(odpowiedzi2.Teksty().size(), 1);
    EXPECT_EQ(odpowiedzi2.Teksty()[0], QStringLiteral("Wystąpił błąd podczas wczytywania systemu !"));
}

TEST(TfrmGwarancja, NieZamykaSiePodczasLiczeniaIDwaOknaNaraz)
{
    TKatalogTymczasowy katalog;
    TParametry parametry;
    const QString plik = QString::fromStdString(ZapiszPelnySystem(katalog, 24, 3, 20));
    TfrmGwarancja pierwsze(parametry);
    TfrmGwarancja drugie(parametry);
    ASSERT_TRUE(pierwsze.Wczytaj(plik));
    ASSERT_TRUE(drugie.Wczytaj(plik));
    pierwsze.Spin1()->setValue(8);
    drugie.Spin1()->setValue(8);
    pierwsze.Start();
    drugie.Start();
    EXPECT_TRUE(pierwsze.Pracuje());
    {
        TOdpowiedzi odpowiedzi({TOdpowiedzi::Odrzuc()});
        EXPECT_FALSE(pierwsze.close());
        ASSERT_EQ(odpowiedzi.Teksty().size(), 1);
        EXPECT_EQ(odpowiedzi.Teksty()[0], QStringLiteral("Musisz przerwać liczenie gwarancji !"));
    }
    pierwsze.BtnStop()->click();
    ASSERT_TRUE(CzekajNaKoniec(pierwsze));
    ASSERT_TRUE(CzekajNaKoniec(drugie));
    EXPECT_TRUE(pierwsze.close());
    // The uninterrupted window printed its full table; both headed by the same summary line.
    EXPECT_EQ(drugie.Wiersze()[1], pierwsze.Wiersze()[1]);
    EXPECT_GE(drugie.Wiersze().size(), 3);
}

} // namespace
} // namespace tarvomund
