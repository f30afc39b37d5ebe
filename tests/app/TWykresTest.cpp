#include "stats/TWykres.h"
#include "stats/MalowanieWykresu.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

namespace tarvomund {
namespace {

TSeriaWykresu Seria(const QVector<double>& wartosci, QColor kolor)
{
    TSeriaWykresu s;
    s.Kolor = kolor;
    for (int i = 0; i < wartosci.size(); ++i)
        s.Punkty.append({wartosci[i], QStringLiteral("L%1").arg(i + 1)});
    return s;
}

TDaneWykresu Dane()
{
    TDaneWykresu d;
    d.Tytul =
        QStringList{QStringLiteral("Najczęściej występujące liczby"), QStringLiteral("Ilość liczb ( 1 ) ")};
    d.Serie.append(Seria({5, 9, 2, 7, 0, 4}, Qt::red));
    d.Serie.append(Seria({1, 3, 8}, Qt::blue));
    d.Serie.append(Seria({6, 6, 6, 6, 6, 6, 6, 6}, Qt::green));
    d.Serie[2].Widoczna = false;
    return d;
}

TPlanWykresu Plan(const TDaneWykresu& d, QRectF cel = QRectF(0, 0, 600, 400))
{
    const QFont czcionka;
    return PlanWykresu(d, cel, QFontMetricsF(czcionka), QFontMetricsF(czcionka), 1.0);
}

TEST(PlanWykresu, LinieWidocznychSeriiWGranicachObszaru)
{
    const TPlanWykresu plan = Plan(Dane());
    // The hidden third series is not drawn; the first visible one is painted last, in front.
    ASSERT_EQ(plan.Linie.size(), 2);
    EXPECT_EQ(plan.Linie[0].Seria, 1);
    EXPECT_EQ(plan.Linie[1].Seria, 0);
    ASSERT_EQ(plan.Linie[1].Punkty.size(), 6);
    // The widest visible series spans the point axis; zero lies on the bottom edge.
    EXPECT_DOUBLE_EQ(plan.MinX, -0.5);
    EXPECT_DOUBLE_EQ(plan.MaxX, 5.5);
    EXPECT_EQ(plan.MinY, 0);
    EXPECT_GE(plan.MaxY, 9);
    EXPECT_DOUBLE_EQ(plan.Linie[1].Punkty[4].y(), plan.Obszar.bottom());
    for (const TLiniaWykresu& l : plan.Linie)
        for (const QPointF& p : l.Punkty)
            EXPECT_TRUE(plan.Obszar.adjusted(-0.01, -0.01, 0.01, 0.01).contains(p)) << p.x() << "," << p.y();
    // The highest point stands highest.
    EXPECT_LT(plan.Linie[1].Punkty[1].y(), plan.Linie[1].Punkty[3].y());
    // Value ticks from the bottom up, point labels of the first visible series under the plot.
    ASSERT_FALSE(plan.PodzialkiY.isEmpty());
    EXPECT_EQ(plan.PodzialkiY.front().Tekst, QStringLiteral("0"));
    ASSERT_EQ(plan.PodzialkiX.size(), 6);
    EXPECT_EQ(plan.PodzialkiX[2].Tekst, QStringLiteral("L3"));
    ASSERT_EQ(plan.WierszeTytulu.size(), 2);
    EXPECT_EQ(plan.WierszeTytulu[1].second, QStringLiteral("Ilość liczb ( 1 ) "));
}

TEST(PlanWykresu, SchodyPoziomoPotemPionowo)
{
    TDaneWykresu d = Dane();
    d.Typ = TTypWykresu::Schodkowy;
    const QPolygonF schody = Plan(d).Linie[1].Punkty;
    ASSERT_EQ(schody.size(), 2 * 6 - 1);
    for (int i = 1; i < schody.size(); i += 2) {
        EXPECT_DOUBLE_EQ(schody[i].y(), schody[i - 1].y()) << i; // across at the old value
        EXPECT_DOUBLE_EQ(schody[i + 1].x(), schody[i].x()) << i; // then up or down to the new one
    }
}

TEST(PlanWykresu, OsieTabliczkiPowiekszenieITrzyWymiary)
{
    const TPlanWykresu zwykly = Plan(Dane());

    TDaneWykresu bezOsi = Dane();
    bezOsi.Osie = false;
    const TPlanWykresu nagi = Plan(bezOsi);
    EXPECT_TRUE(nagi.PodzialkiX.isEmpty());
    EXPECT_TRUE(nagi.PodzialkiY.isEmpty());
    EXPECT_LT(nagi.Obszar.left(), zwykly.Obszar.left());
    EXPECT_GT(nagi.Obszar.bottom(), zwykly.Obszar.bottom());

    TDaneWykresu bezDolnej = Dane();
    bezDolnej.OsDolna = false;
    EXPECT_TRUE(Plan(bezDolnej).PodzialkiX.isEmpty());
    EXPECT_FALSE(Plan(bezDolnej).PodzialkiY.isEmpty());

    TDaneWykresu tabliczki = Dane();
    for (TSeriaWykresu& s : tabliczki.Serie)
        s.Tabliczki = true;
    tabliczki.Serie[1].TabliczkiWartosci = true;
    const TPlanWykresu zTabliczkami = Plan(tabliczki);
    ASSERT_EQ(zTabliczkami.Tabliczki.size(), 6 + 3);
    EXPECT_EQ(zTabliczkami.Tabliczki[1].Tekst, QStringLiteral("L2")); // labels
    EXPECT_EQ(zTabliczkami.Tabliczki[7].Tekst, QStringLiteral("3"));  // values
    for (const TTabliczkaWykresu& t : zTabliczkami.Tabliczki) {
        EXPECT_TRUE(zTabliczkami.Cel.contains(t.Prostokat)) << t.Tekst.toStdString();
        EXPECT_LE(t.Prostokat.bottom(), t.Kotwica.y());
    }

    // 115 % shows a range 1.15 times narrower; dragging it past the end holds it at the end.
    TDaneWykresu blizej = Dane();
    blizej.Powiekszenie = 1.15 * 1.15;
    const TPlanWykresu powiekszony = Plan(blizej);
    EXPECT_NEAR(powiekszony.MaxX - powiekszony.MinX, 6 / (1.15 * 1.15), 1e-9);
    blizej.Przesuniecie = 100;
    EXPECT_NEAR(Plan(blizej).MaxX, 5.5, 1e-9);
    blizej.Przesuniecie = -100;
    EXPECT_NEAR(Plan(blizej).MinX, -0.5, 1e-9);
    TDaneWykresu dalej = Dane();
    dalej.Powiekszenie = 0.85;
    EXPECT_NEAR(Plan(dalej).MaxX - Plan(dalej).MinX, 6 / 0.85, 1e-9);

    TDaneWykresu trzy = Dane();
    trzy.Trojwymiarowy = true;
    const TPlanWykresu przestrzenny = Plan(trzy);
    EXPECT_GT(przestrzenny.Glebia.x(), 0);
    EXPECT_LT(przestrzenny.Glebia.y(), 0);
    EXPECT_LT(przestrzenny.Obszar.width(), zwykly.Obszar.width());
    // Each series on its own plane, the first in front.
    EXPECT_EQ(przestrzenny.Linie[1].Przesuniecie, QPointF());
    EXPECT_EQ(przestrzenny.Linie[0].Przesuniecie, przestrzenny.KrokGlebi);
    EXPECT_EQ(przestrzenny.Glebia, przestrzenny.KrokGlebi * 2);
    EXPECT_TRUE(przestrzenny.ObszarZGlebia().contains(przestrzenny.Linie[0].Punkty[0]));
}

// One routine paints screen, printer and image alike: into any rectangle and nothing outside it.
TEST(PlanWykresu, MalowanieTylkoWProstokacie)
{
    for (const QRect cel : {QRect(0, 0, 400, 300), QRect(37, 52, 250, 180), QRect(100, 10, 900, 600)}) {
        QImage obraz(1100, 700, QImage::Format_RGB32);
        obraz.fill(QColor(1, 2, 3));
        QPainter malarz(&obraz);
        TDaneWykresu d = Dane();
        d.Trojwymiarowy = cel.width() > 300;
        const TPlanWykresu plan = MalujWykres(malarz, cel, d);
        malarz.end();
        int czerwonych = 0;
        for (int y = 0; y < obraz.height(); ++y) {
            for (int x = 0; x < obraz.width(); ++x) {
                const QColor k = obraz.pixelColor(x, y);
                if (!cel.contains(x, y))
                    ASSERT_EQ(k, QColor(1, 2, 3)) << x << "," << y;
                else if (k.red() > 200 && k.green() < 60 && k.blue() < 60)
                    ++czerwonych;
            }
        }
        EXPECT_GT(czerwonych, 50) << "the red series is drawn";
        EXPECT_TRUE(QRectF(cel).contains(plan.Obszar));
    }
}

TEST(TWykres, KrzyzTylkoNadObszaremIZapominanyPoPrzerysowaniu)
{
    TWykres wykres;
    wykres.resize(500, 320);
    wykres.show();
    QCoreApplication::processEvents();
    wykres.UstawDane(Dane());
    const QPointF srodek = wykres.Plan().Obszar.center();
    QMouseEvent ruch(QEvent::MouseMove, srodek, wykres.mapToGlobal(srodek), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&wykres, &ruch);
    ASSERT_TRUE(wykres.Krzyz());
    EXPECT_EQ(*wykres.Krzyz(), srodek.toPoint());
    const QImage zKrzyzem = wykres.grab().toImage();
    EXPECT_EQ(zKrzyzem.pixelColor(srodek.toPoint().x(), static_cast<int>(wykres.Plan().Obszar.top()) + 2),
              QColor(0, 128, 0));

    const QPointF poza(2, 2);
    QMouseEvent wyjscie(QEvent::MouseMove, poza, wykres.mapToGlobal(poza), Qt::NoButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&wykres, &wyjscie);
    EXPECT_FALSE(wykres.Krzyz());

    QApplication::sendEvent(&wykres, &ruch);
    ASSERT_TRUE(wykres.Krzyz());
    wykres.Zmien([](TDaneWykresu& d) { d.Typ = TTypWykresu::Schodkowy; });
    EXPECT_FALSE(wykres.Krzyz());

    // Zooming multiplies: 115 % twice, then 85 %.
    wykres.Powieksz(115);
    wykres.Powieksz(115);
    wykres.Powieksz(85);
    EXPECT_NEAR(wykres.Dane().Powiekszenie, 1.15 * 1.15 * 0.85, 1e-12);
}

} // namespace
} // namespace tarvomund
