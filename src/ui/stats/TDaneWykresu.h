#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QVector>

namespace tarvomund {

// What a chart shows, as plain data: the chart widget, a printer page and a test's image are all
// painted from it by one routine (MalowanieWykresu.h).

struct TPunktWykresu {
    double Wartosc = 0;
    QString Etykieta;
};

struct TSeriaWykresu {
    // Points at x = 0, 1, 2, ... in list order.
    QVector<TPunktWykresu> Punkty;
    QColor Kolor;
    bool Widoczna = true;
    // Point marks: a small box over each point with its value or its label.
    bool Tabliczki = false;
    bool TabliczkiWartosci = false;
    int RozmiarTabliczek = 7; // points
    int Grubosc = 2;          // pen width in screen pixels
};

enum class TTypWykresu { Liniowy, Schodkowy };

struct TDaneWykresu {
    QStringList Tytul;
    QVector<TSeriaWykresu> Serie;
    TTypWykresu Typ = TTypWykresu::Liniowy;
    bool Trojwymiarowy = false;
    // The axes with their grid lines; the bottom axis's labels alone.
    bool Osie = true;
    bool OsDolna = true;
    // Horizontal zoom: 1 shows every point, 1.15 a range 1.15 times narrower.
    double Powiekszenie = 1.0;
    // Where the middle of the visible range lies, in points from the middle of all points.
    double Przesuniecie = 0.0;
    bool Gradient = true;
    // Printing: 0, -100, -200 or -300, thinner lines the lower it is.
    int Rozdzielczosc = 0;
};

} // namespace tarvomund
