#include "tools/MalowanieBiorytmu.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygon>

#include <cmath>

namespace tarvomund {

namespace {

// The chart's pixels are those of a 96 dpi screen: a font size in points becomes this many of them.
constexpr double PikseleNaPunkt = 96.0 / 72.0;

// The chart's font has digits 0.556 em wide, so a two-digit day label fits its 12-pixel slot. A wider
// stand-in (where that font is missing) is narrowed to the same width.
constexpr double SzerokoscCyfry = 0.556;

QFont CzcionkaWykresu(const TPlanBiorytmu& plan)
{
    QFont czcionka(QString::fromStdString(plan.Czcionka));
    czcionka.setStyleHint(QFont::SansSerif);
    const int piksele = static_cast<int>(std::lround(plan.RozmiarCzcionki * PikseleNaPunkt));
    czcionka.setPixelSize(piksele);
    const double cyfry = QFontMetricsF(czcionka).horizontalAdvance(QStringLiteral("00"));
    const double wzorzec = 2 * SzerokoscCyfry * piksele;
    if (cyfry > wzorzec + 0.5)
        czcionka.setStretch(static_cast<int>(100.0 * wzorzec / cyfry));
    return czcionka;
}

QColor Kolor(const TKolorRGB& kolor)
{
    return {kolor.R, kolor.G, kolor.B};
}

// A one-pixel pen of the chart, scaled with it on a larger surface.
QPen Pioro(const TKolorRGB& kolor)
{
    QPen pioro(Kolor(kolor), 1.0);
    pioro.setCapStyle(Qt::SquareCap);
    return pioro;
}

} // namespace

void MalujBiorytm(QPainter& malarz, const QRectF& cel, const TPlanBiorytmu& plan)
{
    if (plan.Szerokosc <= 0 || plan.Wysokosc <= 0 || cel.isEmpty())
        return;
    malarz.save();
    malarz.translate(cel.topLeft());
    malarz.scale(cel.width() / plan.Szerokosc, cel.height() / plan.Wysokosc);
    const QRect obszar(0, 0, plan.Szerokosc, plan.Wysokosc);
    // The last day line stands beyond the right edge; the frame keeps it out of sight.
    malarz.setClipRect(obszar, Qt::IntersectClip);
    malarz.setRenderHint(QPainter::Antialiasing, false);
    malarz.setRenderHint(QPainter::TextAntialiasing, true);

    malarz.fillRect(obszar, Kolor(plan.Tlo));
    malarz.setBrush(Qt::NoBrush);
    malarz.setPen(Pioro(plan.Ramka));
    malarz.drawRect(obszar.adjusted(0, 0, -1, -1));

    for (const TOdcinekBio& linia : plan.Linie) {
        malarz.setPen(Pioro(linia.Kolor));
        malarz.drawLine(linia.X1, linia.Y1, linia.X2, linia.Y2);
    }

    malarz.setFont(CzcionkaWykresu(plan));
    for (const TNapisBio& napis : plan.Napisy) {
        malarz.setPen(Kolor(napis.Kolor));
        // Placed by the top-left corner of the line, as the plan gives it.
        malarz.drawText(QRectF(napis.X, napis.Y, plan.Szerokosc, plan.Wysokosc),
                        Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, QString::fromStdString(napis.Tekst));
    }

    for (const TKrzywaBio& krzywa : plan.Krzywe) {
        QPolygon punkty;
        punkty.reserve(static_cast<qsizetype>(krzywa.Punkty.size()));
        for (const TPunktBio& p : krzywa.Punkty)
            punkty << QPoint(p.X, p.Y);
        malarz.setPen(Pioro(krzywa.Kolor));
        malarz.drawPoints(punkty);
    }
    malarz.restore();
}

} // namespace tarvomund
