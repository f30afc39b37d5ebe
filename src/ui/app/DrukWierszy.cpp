#include "app/DrukWierszy.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace tarvomund {

int MalujWiersze(QPainter& malarz, const QStringList& wiersze, int od, int wysokosc)
{
    const QFontMetrics miary(malarz.font(), malarz.device());
    const int linia = miary.lineSpacing();
    int y = miary.ascent();
    int i = od;
    for (; i < wiersze.size() && y <= wysokosc; ++i, y += linia)
        malarz.drawText(0, y, wiersze[i]);
    // At least one line per page, so a tiny page still ends.
    return i == od && i < wiersze.size() ? i + 1 : i;
}

int DrukujWiersze(QPagedPaintDevice& urzadzenie, const QStringList& wiersze, const QFont& czcionka)
{
    QPainter malarz;
    if (!malarz.begin(&urzadzenie))
        return 0;
    malarz.setFont(QFont(czcionka, &urzadzenie));
    const int wysokosc = urzadzenie.height();
    int stron = 1;
    int nastepny = MalujWiersze(malarz, wiersze, 0, wysokosc);
    while (nastepny < wiersze.size()) {
        urzadzenie.newPage();
        ++stron;
        nastepny = MalujWiersze(malarz, wiersze, nastepny, wysokosc);
    }
    malarz.end();
    return stron;
}

void DrukujRaport(QWidget* rodzic, QStringList wiersze, const QFont& czcionka, const QString& zamykajaca)
{
    QPrinter drukarka;
    QPrintDialog dialog(&drukarka, rodzic);
    if (dialog.exec() != QDialog::Accepted)
        return;
    wiersze << QString() << zamykajaca;
    DrukujWiersze(drukarka, wiersze, czcionka);
}

void DrukujTekst(QWidget* rodzic, const QStringList& wiersze, const QFont& czcionka, const QString& tytul)
{
    QPrinter drukarka;
    QPrintDialog dialog(&drukarka, rodzic);
    if (dialog.exec() != QDialog::Accepted)
        return;
    drukarka.setDocName(tytul);
    DrukujWiersze(drukarka, wiersze, czcionka);
}

} // namespace tarvomund
