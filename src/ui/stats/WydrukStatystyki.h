#pragma once

#include "stats/TDaneWykresu.h"

#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>

class QPagedPaintDevice;
class QPainter;

namespace tarvomund {

inline constexpr int IleUmiejscowien = 8;
// The print resolution of the chart for the line choices "IIII", "III", "II", "I".
inline constexpr int RozdzielczosciWydruku[] = {0, -100, -200, -300};
// The line that ends every printed page.
inline constexpr const char* NotkaWydruku = "Tarvomund - statystyka losowań";

// Where the chart stands on a page of W × H units for a placement 0..7 (big in the middle, small
// at the top, in the middle or at the bottom, or one of the four corners); `h` is the height of the
// notice line above it.
QRect ProstokatWykresuNaStronie(int umiejscowienie, int W, int H, int h);

// Prints the chart on one page at the placement, with the notice line above it.
void DrukujWykresNa(QPagedPaintDevice& urzadzenie, const TDaneWykresu& dane, int umiejscowienie);

// The table as printed: two heading lines, then for every series its name and its label and value pairs.
struct TSeriaTabeli {
    QString Nazwa;
    QStringList Etykiety;
    QStringList Wartosci;
};
struct TTabelaWydruku {
    QString Naglowek1;
    QString Naglowek2;
    QVector<TSeriaTabeli> Serie;
};
// Cells of the label and value pairs across the page, as many lines per series as it takes,
// pages added as they fill. Returns the pages printed.
int DrukujTabeleNa(QPagedPaintDevice& urzadzenie, const TTabelaWydruku& tabela);

} // namespace tarvomund
