#include "systems/TfrmRozp.h"

#include "app/KontekstPomocy.h"
#include "wspolne/KatalogTymczasowy.h"

#include <QImage>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <filesystem>

namespace tarvomund {
namespace {

// A system of 10 bets over 8 positions: position 3 shows the number 7 and occurs in 4 bets.
TInfoGryRec System()
{
    TInfoGryRec info;
    info.Nazwa = "Lotto 6 z 49";
    info.n = 8;
    info.k = 6;
    info.Zakladow = 10;
    info.UstawWlasneDomyslne();
    const int wlasne[] = {12, 3, 7, 40, 41, 42, 48, 49};
    const int ile[] = {10, 9, 4, 8, 7, 10, 6, 6}; // 60 = 6 × 10
    for (std::size_t i = 0; i < 8; ++i) {
        info.Wlasne[1][i] = static_cast<uint8_t>(wlasne[i]);
        info.Wystapienia[i] = ile[i];
    }
    return info;
}

QColor KolorWiersza(const QTextEdit& pole, int wiersz)
{
    const QTextBlock blok = pole.document()->findBlockByNumber(wiersz);
    QTextCursor kursor(blok);
    kursor.movePosition(QTextCursor::NextCharacter);
    return kursor.charFormat().foreground().color();
}

TEST(TfrmRozp, WierszRozkladu)
{
    struct TPrzypadek {
        int Liczba;
        int Ile;
        int Zakladow;
        const char* Wiersz;
    };
    const TPrzypadek przypadki[] = {
        {7, 4, 10, "[  7] -      4     40.000 %"},
        {45, 10, 10, "[ 45] -     10    100.000 %"},
        {120, 123456, 1000000, "[120] - 123456     12.346 %"},
        {1, 3, 0, "[  1] -      3      0.000 %"}, // no bets: no share
        {2, 1, 3, "[  2] -      1     33.333 %"},
    };
    for (const TPrzypadek& p : przypadki)
        EXPECT_EQ(TfrmRozp::WierszRozkladu(p.Liczba, p.Ile, p.Zakladow), QString::fromUtf8(p.Wiersz)) << p.Wiersz;
}

TEST(TfrmRozp, TekstWykresITytulWydruku)
{
    TfrmRozp okno;
    EXPECT_EQ(okno.windowTitle(), QStringLiteral("INFO"));
    EXPECT_EQ(okno.property(WlasnoscKontekstuPomocy).toInt(), 1029);
    EXPECT_EQ(okno.Rodzaj(), TRodzajOkna::Rozklad);
    EXPECT_EQ(okno.sizeHint(), QSize(500, 260));
    okno.PokazRozklad(System());

    const QStringList wiersze = okno.Wiersze();
    ASSERT_EQ(wiersze.size(), 3 + 8);
    EXPECT_EQ(wiersze[0], QStringLiteral("Rozkład liczb w grze Lotto 6 z 49"));
    EXPECT_EQ(wiersze[1], QStringLiteral("System 6/8/10"));
    EXPECT_TRUE(wiersze[2].isEmpty());
    EXPECT_EQ(wiersze[3], QStringLiteral("[ 12] -     10    100.000 %"));
    EXPECT_EQ(wiersze[5], QStringLiteral("[  7] -      4     40.000 %"));
    EXPECT_EQ(wiersze[10], QStringLiteral("[ 49] -      6     60.000 %"));
    EXPECT_EQ(KolorWiersza(*okno.RE1(), 0), QColor(Qt::blue));
    EXPECT_EQ(KolorWiersza(*okno.RE1(), 1), QColor(Qt::blue));
    EXPECT_EQ(KolorWiersza(*okno.RE1(), 5), QColor(Qt::black));
    EXPECT_EQ(okno.TytulWydruku(), QStringLiteral("Rozkład liczb w grze Lotto 6 z 49 - System 6/8/10"));

    // One bar per position, labelled with its own number, as high as its share.
    const auto& slupki = okno.Chart1()->Slupki();
    ASSERT_EQ(slupki.size(), 8u);
    EXPECT_EQ(slupki[2].Etykieta, QStringLiteral("7"));
    EXPECT_DOUBLE_EQ(slupki[2].Wartosc, 40.0);
    EXPECT_EQ(slupki[7].Etykieta, QStringLiteral("49"));
    EXPECT_DOUBLE_EQ(slupki[7].Wartosc, 60.0);
    EXPECT_DOUBLE_EQ(okno.Chart1()->GoraOsi(), 100.0);

    // Shown again for another system, nothing of the first stays.
    TInfoGryRec pusty = System();
    pusty.Zakladow = 0;
    pusty.n = 2;
    okno.PokazRozklad(pusty);
    EXPECT_EQ(okno.Wiersze(), (QStringList{QStringLiteral("Rozkład liczb w grze Lotto 6 z 49"),
                                           QStringLiteral("System 6/2/0"), QString(),
                                           QStringLiteral("[ 12] -     10      0.000 %"),
                                           QStringLiteral("[  3] -      9      0.000 %")}));
    ASSERT_EQ(okno.Chart1()->Slupki().size(), 2u);
    EXPECT_DOUBLE_EQ(okno.Chart1()->Slupki()[0].Wartosc, 0.0);
}

TEST(TfrmRozp, OsWykresuISlupkiNaObrazie)
{
    struct TPrzypadek {
        double Najwyzszy;
        double Gora;
    };
    const TPrzypadek przypadki[] = {{40.0, 40.0}, {0.0, 1.0}, {3.3, 4.0}, {7.0, 8.0}, {55.0, 60.0}, {100.0, 100.0}};
    TWykresSlupkowy wykres;
    for (const TPrzypadek& p : przypadki) {
        wykres.Ustaw({{QStringLiteral("1"), p.Najwyzszy / 2}, {QStringLiteral("2"), p.Najwyzszy}});
        EXPECT_DOUBLE_EQ(wykres.GoraOsi(), p.Gora) << p.Najwyzszy;
    }

    // The bars are painted in their colour; with no bars there is none of it.
    wykres.resize(300, 200);
    const auto maKolorSlupka = [&wykres] {
        const QImage obraz = wykres.grab().toImage();
        const QColor slupek(30, 110, 200);
        for (int y = 0; y < obraz.height(); ++y)
            for (int x = 0; x < obraz.width(); ++x)
                if (obraz.pixelColor(x, y) == slupek)
                    return true;
        return false;
    };
    wykres.Ustaw({{QStringLiteral("7"), 40.0}, {QStringLiteral("8"), 60.0}});
    EXPECT_TRUE(maKolorSlupka());
    wykres.Ustaw({});
    EXPECT_FALSE(maKolorSlupka());
}

TEST(TfrmRozp, WydrukTekstu)
{
    testy::TKatalogTymczasowy katalog;
    TfrmRozp okno;
    okno.PokazRozklad(System());
    const std::string plik = katalog.Plik("rozklad.pdf");
    {
        QPdfWriter pdf(QString::fromStdString(plik));
        EXPECT_EQ(okno.DrukujNa(pdf), 1);
    }
    // The printout begins with the window's caption, then the text area.
    const QStringList wydruk = okno.WierszeWydruku();
    ASSERT_GE(wydruk.size(), 3);
    EXPECT_EQ(wydruk[0], okno.windowTitle());
    EXPECT_EQ(wydruk.mid(2), okno.Wiersze());
    EXPECT_GT(std::filesystem::file_size(plik), 0u);
}

} // namespace
} // namespace tarvomund
