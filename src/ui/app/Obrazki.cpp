#include "app/Obrazki.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace tarvomund {

namespace {

// A quiet diagonal weave: two tones with a fine lattice, seamless when repeated.
QPixmap Kafelek(const QColor& tlo, const QColor& wzor, int bok)
{
    QPixmap kafelek(bok, bok);
    kafelek.fill(tlo);
    QPainter p(&kafelek);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(wzor, 1));
    for (int i = -bok; i < bok; i += 8) {
        p.drawLine(i, 0, i + bok, bok);
        p.drawLine(i + bok, 0, i, bok);
    }
    return kafelek;
}

} // namespace

QPixmap KafelekTla()
{
    return Kafelek(QColor(0x2f, 0x4f, 0x6f), QColor(0x38, 0x5a, 0x7c), 32);
}

QPixmap KafelekKomunikatu()
{
    return Kafelek(QColor(0xe8, 0xe4, 0xd8), QColor(0xdc, 0xd6, 0xc6), 32);
}

QPixmap ObrazPowitalny()
{
    QPixmap obraz(400, 300);
    QPainter p(&obraz);
    QLinearGradient gradient(0, 0, 0, 300);
    gradient.setColorAt(0, QColor(0x1d, 0x3b, 0x5a));
    gradient.setColorAt(1, QColor(0x0b, 0x1a, 0x2a));
    p.fillRect(obraz.rect(), gradient);
    p.setRenderHint(QPainter::Antialiasing);
    // A few lottery balls as the emblem.
    const int liczby[] = {7, 13, 24, 31, 42, 49};
    for (int i = 0; i < 6; ++i) {
        const QRectF kula(40 + i * 55, 170, 44, 44);
        QRadialGradient blask(kula.center() - QPointF(8, 8), 30);
        blask.setColorAt(0, QColor(0xff, 0xf4, 0xc0));
        blask.setColorAt(1, QColor(0xe0, 0xa0, 0x20));
        p.setBrush(blask);
        p.setPen(Qt::NoPen);
        p.drawEllipse(kula);
        p.setPen(QColor(0x20, 0x20, 0x20));
        QFont cyfry = p.font();
        cyfry.setBold(true);
        cyfry.setPointSize(13);
        p.setFont(cyfry);
        p.drawText(kula, Qt::AlignCenter, QString::number(liczby[i]));
    }
    QFont tytul = p.font();
    tytul.setPointSize(34);
    tytul.setBold(true);
    p.setFont(tytul);
    p.setPen(QColor(0xf0, 0xf0, 0xf0));
    p.drawText(QRect(0, 50, 400, 70), Qt::AlignCenter, QStringLiteral("Tarvomund"));
    QFont podtytul = p.font();
    podtytul.setPointSize(11);
    podtytul.setBold(false);
    p.setFont(podtytul);
    p.setPen(QColor(0xb0, 0xc4, 0xd8));
    p.drawText(QRect(0, 115, 400, 30), Qt::AlignCenter, QStringLiteral("Systemy, statystyki, blankiety"));
    return obraz;
}

QIcon IkonaProgramu()
{
    QPixmap obraz(32, 32);
    obraz.fill(Qt::transparent);
    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient blask(QPointF(12, 11), 18);
    blask.setColorAt(0, QColor(0xff, 0xf4, 0xc0));
    blask.setColorAt(1, QColor(0xe0, 0xa0, 0x20));
    p.setBrush(blask);
    p.setPen(QPen(QColor(0x9a, 0x6a, 0x10), 1));
    p.drawEllipse(QRectF(1.5, 1.5, 29, 29));
    QFont litera = p.font();
    litera.setBold(true);
    litera.setPixelSize(17);
    p.setFont(litera);
    p.setPen(QColor(0x1d, 0x3b, 0x5a));
    p.drawText(obraz.rect(), Qt::AlignCenter, QStringLiteral("T"));
    return QIcon(obraz);
}

} // namespace tarvomund
