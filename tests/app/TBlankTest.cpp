#include "slips/TBlank.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace tarvomund {
namespace {

const QColor Turkusowy(0, 255, 255);
const QColor Granatowy(0, 0, 128);

QImage Obraz(TBlank& blank)
{
    return blank.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

// Whether any pixel inside the cell (its outline left out) is dark: the number written there,
// however the font is smoothed.
bool MaNapis(const QImage& obraz, const QRect& pole)
{
    for (int y = pole.top() + 1; y < pole.bottom(); ++y)
        for (int x = pole.left() + 1; x < pole.right(); ++x)
            if (obraz.pixelColor(x, y).lightness() < 128)
                return true;
    return false;
}

QColor Wnetrze(const QImage& obraz, const QRect& pole)
{
    return obraz.pixelColor(pole.left() + 2, pole.top() + 2);
}

TEST(TBlank, WartosciDomyslneIRozmiar)
{
    TBlank blank;
    EXPECT_EQ(blank.size(), QSize(200, 200));
    EXPECT_EQ(blank.IlePoziomo(), 9);
    EXPECT_EQ(blank.IlePionowo(), 6);
    EXPECT_EQ(blank.IleLiczb(), 49);
    EXPECT_TRUE(blank.Kierunek());
    EXPECT_EQ(blank.KolorTla(), QColor(Qt::white));
    EXPECT_TRUE(blank.Ramka());
    EXPECT_EQ(blank.KolorObwodki(), Granatowy);
    EXPECT_EQ(blank.KolorPola(), Turkusowy);
    EXPECT_EQ(blank.Limit(), 20);
    EXPECT_FALSE(blank.LiniaPozOn());
    EXPECT_FALSE(blank.LiniaPionOn());
    EXPECT_EQ(blank.LiniaGr(), 0);
    EXPECT_EQ(blank.LiniaKolor(), QColor(Qt::black));
    EXPECT_EQ(blank.font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(blank.font().pointSize(), 8);
}

TEST(TBlank, BokINumeryPol)
{
    struct TPrzypadek {
        QSize Rozmiar;
        int Poziomo, Pionowo, Bok;
    };
    const TPrzypadek przypadki[] = {
        {{200, 200}, 9, 6, 22},  // fewer rows than columns: the width decides
        {{200, 200}, 6, 9, 22},  // the height decides
        {{200, 100}, 7, 7, 14},  // equal counts: the height
        {{200, 200}, 10, 5, 19},
        {{200, 200}, 40, 40, 4},
        {{200, 200}, 0, 6, 0},
        {{1, 1}, 9, 6, 0},
    };
    for (const TPrzypadek& p : przypadki)
        EXPECT_EQ(TBlank::BokPola(p.Rozmiar, p.Poziomo, p.Pionowo), p.Bok) << p.Poziomo << "x" << p.Pionowo;
    // Along the rows, or down the columns.
    EXPECT_EQ(TBlank::NumerPola(3, 2, 9, 6, true), 22);
    EXPECT_EQ(TBlank::NumerPola(3, 2, 9, 6, false), 21);
    EXPECT_EQ(TBlank::NumerPola(0, 0, 9, 6, false), 1);
}

TEST(TBlank, DziesiecNaPiecPiecdziesiatPolOstatnieTylkoObwiedzione)
{
    TBlank blank;
    blank.UstawSiatke(10, 5, 49, true);
    const QImage obraz = Obraz(blank);
    ASSERT_EQ(blank.BokPola(), 19);
    EXPECT_EQ(blank.Pole(9, 4), QRect(2 + 9 * 19, 2 + 4 * 19, 19, 19));
    int wypelnionych = 0;
    for (int j = 0; j < 5; ++j)
        for (int i = 0; i < 10; ++i) {
            const QRect pole = blank.Pole(i, j);
            EXPECT_EQ(obraz.pixelColor(pole.topLeft()), Granatowy) << i << "," << j;
            EXPECT_EQ(obraz.pixelColor(pole.bottomRight()), Granatowy) << i << "," << j;
            wypelnionych += Wnetrze(obraz, pole) == Turkusowy;
        }
    EXPECT_EQ(wypelnionych, 49);
    EXPECT_EQ(Wnetrze(obraz, blank.Pole(9, 4)), QColor(Qt::white));
    // Cells of 19 pixels do not exceed the limit of 20: no numbers.
    EXPECT_FALSE(MaNapis(obraz, blank.Pole(0, 0)));
    // The frame around the control and the background below the grid.
    EXPECT_EQ(obraz.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(obraz.pixelColor(199, 199), QColor(Qt::black));
    EXPECT_EQ(obraz.pixelColor(100, 150), QColor(Qt::white));
}

TEST(TBlank, KierunekDecydujeKtorePolaSaPuste)
{
    TBlank blank;
    blank.UstawSiatke(10, 5, 45, true);
    QImage obraz = Obraz(blank);
    EXPECT_EQ(Wnetrze(obraz, blank.Pole(9, 0)), Turkusowy);       // 10
    EXPECT_EQ(Wnetrze(obraz, blank.Pole(4, 4)), Turkusowy);       // 45
    EXPECT_EQ(Wnetrze(obraz, blank.Pole(5, 4)), QColor(Qt::white)); // 46
    blank.UstawKierunek(false);
    obraz = Obraz(blank);
    EXPECT_EQ(Wnetrze(obraz, blank.Pole(8, 4)), Turkusowy);       // 45
    EXPECT_EQ(Wnetrze(obraz, blank.Pole(9, 0)), QColor(Qt::white)); // 46
    EXPECT_EQ(Wnetrze(obraz, blank.Pole(5, 4)), Turkusowy);       // 30
}

TEST(TBlank, NumeryTylkoGdyBokPrzekraczaLimit)
{
    TBlank blank; // 9 × 6: cells of 22 pixels
    EXPECT_TRUE(MaNapis(Obraz(blank), blank.Pole(0, 0)));
    blank.UstawLimit(22);
    EXPECT_FALSE(MaNapis(Obraz(blank), blank.Pole(0, 0)));
    blank.UstawLimit(21);
    const QImage obraz = Obraz(blank);
    EXPECT_TRUE(MaNapis(obraz, blank.Pole(3, 5)));   // 49
    EXPECT_FALSE(MaNapis(obraz, blank.Pole(4, 5)));  // 50 is above the game's numbers: no number
}

TEST(TBlank, KoloryILinieRozdzielajace)
{
    TBlank blank;
    blank.UstawKolorPola(Qt::yellow);
    blank.UstawKolorObwodki(Qt::red);
    blank.UstawKolorTla(Qt::green);
    blank.UstawLiniaKolor(Qt::blue);
    blank.UstawLiniaGr(1);
    blank.UstawLiniePoz(true, 3);
    blank.UstawLiniePion(true, 4);
    const QImage obraz = Obraz(blank);
    EXPECT_EQ(Wnetrze(obraz, blank.Pole(0, 0)), QColor(Qt::yellow));
    EXPECT_EQ(obraz.pixelColor(blank.Pole(0, 0).topLeft()), QColor(Qt::red));
    EXPECT_EQ(obraz.pixelColor(100, 190), QColor(Qt::green));
    // Below row 3 at y = 3 × 22 + 1, right of column 4 at x = 4 × 22 + 1, across the whole grid.
    EXPECT_EQ(obraz.pixelColor(10, 67), QColor(Qt::blue));
    EXPECT_EQ(obraz.pixelColor(190, 67), QColor(Qt::blue));
    EXPECT_EQ(obraz.pixelColor(89, 10), QColor(Qt::blue));
    EXPECT_EQ(obraz.pixelColor(89, 130), QColor(Qt::blue));
    EXPECT_NE(obraz.pixelColor(89, 150), QColor(Qt::blue)); // the grid ends at 6 × 22 + 2
}

TEST(TBlank, BezRamkiTloPrzeswituje)
{
    TBlank blank;
    blank.UstawRamke(false);
    QImage obraz(200, 200, QImage::Format_ARGB32);
    obraz.fill(Qt::transparent);
    {
        QPainter malarz(&obraz);
        blank.Rysuj(malarz, obraz.size());
    }
    EXPECT_EQ(obraz.pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(obraz.pixelColor(100, 190).alpha(), 0);
    EXPECT_EQ(Wnetrze(obraz, blank.Pole(0, 0)), Turkusowy);
}

} // namespace
} // namespace tarvomund
