#include "stats/WydrukStatystyki.h"

#include "stats/MalowanieWykresu.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tarvomund {

namespace {

const QString CzcionkaNotki = QStringLiteral("Times New Roman");
constexpr int RozmiarNotki = 6;
const QString CzcionkaTabeli = QStringLiteral("Courier New");
constexpr int RozmiarTabeli = 7;
constexpr int ProcentMarginesuBocznego = 5;
constexpr int ProcentMarginesuWykresu = 5;
constexpr int ProcentMarginesuTabeli = 1;
constexpr int ProcentWartosci = 30;
const QString WzorKomorki = QStringLiteral("XXXXXXXXXXXXXXXXX");
// Spaces of the table printout in screen pixels, scaled to the device.
constexpr int OdstepPodTytulem = 10;
constexpr int OdstepMiedzySeriami = 30;
constexpr int OdstepKomorek = 4;

int Procent(int z, int procent)
{
    return static_cast<int>(std::lround(z * procent / 100.0));
}

QFont Czcionka(const QString& rodzina, int rozmiar, QPaintDevice* urzadzenie)
{
    QFont czcionka(rodzina, rozmiar);
    return QFont(czcionka, urzadzenie);
}

} // namespace

QRect ProstokatWykresuNaStronie(int umiejscowienie, int W, int H, int h)
{
    const int mx = Procent(W, ProcentMarginesuWykresu);
    const int my = Procent(H, ProcentMarginesuWykresu);
    const int gora = my + h;
    const int d = (W - 2 * mx) / 2;
    const int f = (H - 2 * my) / 2;
    const int l = d / 2;
    const int srodek = gora + f;
    const auto prostokat = [](int lewy, int gorny, int prawy, int dolny) {
        return QRect(lewy, gorny, prawy - lewy, dolny - gorny);
    };
    switch (umiejscowienie) {
    case 1:
        return prostokat(mx + l, gora, mx + l + d, srodek);
    case 2:
        return prostokat(mx + l, gora, mx + l + d, srodek).translated(0, f / 2);
    case 3:
        return prostokat(mx + l, srodek, mx + l + d, gora + 2 * f);
    case 4:
        return prostokat(mx, gora, mx + d, srodek);
    case 5:
        return prostokat(mx + d, gora, mx + 2 * d, srodek);
    case 6:
        return prostokat(mx, srodek, mx + d, gora + 2 * f);
    case 7:
        return prostokat(mx + d, srodek, mx + 2 * d, gora + 2 * f);
    default:
        return prostokat(mx, gora, W - mx, H - my + h);
    }
}

void DrukujWykresNa(QPagedPaintDevice& urzadzenie, const TDaneWykresu& dane, int umiejscowienie)
{
    QPainter malarz;
    if (!malarz.begin(&urzadzenie))
        return;
    const int W = urzadzenie.width();
    const int H = urzadzenie.height();
    malarz.setFont(Czcionka(CzcionkaNotki, RozmiarNotki, &urzadzenie));
    const QFontMetrics notka(malarz.font(), &urzadzenie);
    const int h = notka.boundingRect(QStringLiteral("8")).height();
    malarz.drawText(
        QPoint(Procent(W, ProcentMarginesuWykresu), Procent(H, ProcentMarginesuWykresu) + notka.ascent()),
        QString::fromUtf8(NotkaWydruku));
    malarz.setFont(QFont(QGuiApplication::font(), &urzadzenie));
    TDaneWykresu wydruk = dane;
    wydruk.Gradient = false;
    MalujWykres(malarz, ProstokatWykresuNaStronie(umiejscowienie, W, H, h), wydruk);
    malarz.end();
}

int DrukujTabeleNa(QPagedPaintDevice& urzadzenie, const TTabelaWydruku& tabela)
{
    QPainter malarz;
    if (!malarz.begin(&urzadzenie))
        return 0;
    const double skala = urzadzenie.logicalDpiY() / 96.0;
    const auto jednostki = [skala](int ile) { return static_cast<int>(std::lround(ile * skala)); };
    const int W = urzadzenie.width();
    const int H = urzadzenie.height();
    const int my = Procent(H, ProcentMarginesuTabeli);
    const int mx = Procent(W, ProcentMarginesuBocznego);
    const int dolUzytkowy = H - my;
    const QFont czcionkaTabeli = Czcionka(CzcionkaTabeli, RozmiarTabeli, &urzadzenie);
    const QFont czcionkaNotki = Czcionka(CzcionkaNotki, RozmiarNotki, &urzadzenie);
    malarz.setFont(czcionkaTabeli);
    malarz.setPen(Qt::black);
    const QFontMetrics metryka(czcionkaTabeli, &urzadzenie);

    // The cell is as wide as the first label with a margin; as many cells as fit go across.
    const QString pierwsza = !tabela.Serie.isEmpty() && !tabela.Serie.front().Etykiety.isEmpty()
                                 ? tabela.Serie.front().Etykiety.front()
                                 : QString();
    const int wzor = std::max(1, metryka.horizontalAdvance(pierwsza + WzorKomorki));
    const int szerokoscStrony = W - 2 * mx;
    const int c = std::max(1, szerokoscStrony / wzor);
    const int w = szerokoscStrony / c;
    const int czescWartosci = Procent(w, ProcentWartosci);
    const int wiersz = metryka.boundingRect(QStringLiteral("X")).height() + jednostki(OdstepKomorek);
    int kolumn = 0;
    for (const TSeriaTabeli& s : tabela.Serie)
        kolumn = std::max(kolumn, static_cast<int>(s.Etykiety.size()));
    // The table's columns: the series' entries and the first column with the names.
    const int L = (kolumn + 1 + c - 1) / c;

    int stron = 1;
    int y = my;
    const auto notka = [&](int gdzie) {
        malarz.setFont(czcionkaNotki);
        malarz.drawText(QPoint(mx, gdzie + QFontMetrics(czcionkaNotki, &urzadzenie).ascent()),
                        QString::fromUtf8(NotkaWydruku));
        malarz.setFont(czcionkaTabeli);
    };
    // Before anything would pass the usable height, the notice closes the page and a new one begins.
    const auto miejsce = [&](int wysokosc) {
        if (y + wysokosc <= dolUzytkowy)
            return;
        notka(y);
        urzadzenie.newPage();
        ++stron;
        y = my;
    };
    const auto pudelko = [&](const QRect& r, const QString& tekst) {
        malarz.drawRect(r);
        malarz.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, tekst);
    };

    for (const QString& naglowek : {tabela.Naglowek1, tabela.Naglowek2}) {
        malarz.drawText(QPoint(mx, y + metryka.ascent()), naglowek);
        y += metryka.height();
    }
    y += jednostki(OdstepPodTytulem);
    for (const TSeriaTabeli& seria : tabela.Serie) {
        miejsce(wiersz);
        pudelko(QRect(mx, y, w, wiersz), seria.Nazwa);
        y += wiersz;
        for (int t = 1; t <= L; ++t) {
            miejsce(wiersz);
            for (int a = 0; a < c; ++a) {
                const int wpis = a * L + t - 1; // table column a × L + t holds entry a × L + t - 1
                if (wpis >= seria.Etykiety.size())
                    continue;
                const int x = mx + a * (w + jednostki(OdstepKomorek));
                malarz.drawRect(QRect(x, y, w, wiersz));
                malarz.drawText(QRect(x, y, czescWartosci, wiersz), Qt::AlignCenter | Qt::TextSingleLine,
                                seria.Wartosci.value(wpis));
                malarz.drawText(QRect(x + czescWartosci, y, w - czescWartosci, wiersz),
                                Qt::AlignCenter | Qt::TextSingleLine, seria.Etykiety[wpis]);
            }
            y += wiersz;
        }
        y += jednostki(OdstepMiedzySeriami);
    }
    notka(std::min(y, dolUzytkowy));
    malarz.end();
    return stron;
}

} // namespace tarvomund
