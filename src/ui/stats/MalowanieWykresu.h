#pragma once

#include "stats/TDaneWykresu.h"

#include <QFontMetricsF>
#include <QPolygonF>
#include <QRectF>
#include <QVector>

class QPainter;

namespace tarvomund {

// A tick of an axis: its place in pixels along the axis and its text.
struct TPodzialkaWykresu {
    double Pozycja = 0;
    QString Tekst;
};

// One series' line in pixels (stairs already turned into their steps); in the 3D view its front
// edge, the ribbon running back by the plan's KrokGlebi.
struct TLiniaWykresu {
    int Seria = 0;
    QPolygonF Punkty;
    QColor Kolor;
    double Grubosc = 1;
    QPointF Przesuniecie; // from the front plane, 3D only
};

struct TTabliczkaWykresu {
    int Seria = 0;
    int Punkt = 0;
    QPointF Kotwica; // the point the mark belongs to
    QRectF Prostokat;
    QString Tekst;
};

// Where everything of a chart goes in a given rectangle: worked out from the chart's data and the
// fonts of the surface, so the widget, the printout and the tests see the same layout.
struct TPlanWykresu {
    QRectF Cel;
    QVector<QPair<QRectF, QString>> WierszeTytulu;
    // The plot area's front plane; in the 3D view the back plane is Obszar moved by Glebia.
    QRectF Obszar;
    QPointF Glebia;
    QPointF KrokGlebi;
    double MinX = 0, MaxX = 1, MinY = 0, MaxY = 1;
    QVector<TPodzialkaWykresu> PodzialkiX; // x in pixels
    QVector<TPodzialkaWykresu> PodzialkiY; // y in pixels
    QVector<TLiniaWykresu> Linie;          // in painting order, the farthest first
    QVector<TTabliczkaWykresu> Tabliczki;
    double SkalaPiora = 1;

    double X(double x) const;
    double Y(double y) const;
    // The whole plot area, the back plane included: where the lines and the crosshair go.
    QRectF ObszarZGlebia() const;
};

// `skala`: device pixels per screen pixel (1 on the screen, about 6 on a 600 dpi printer).
TPlanWykresu PlanWykresu(const TDaneWykresu& dane, const QRectF& cel, const QFontMetricsF& czcionka,
                         const QFontMetricsF& czcionkaTabliczek, double skala);

// Paints the chart into any rectangle of any surface (widget, printer page, image), with the
// painter's font for titles and axes. Nothing is drawn outside the rectangle. Returns the plan used.
TPlanWykresu MalujWykres(QPainter& malarz, const QRectF& cel, const TDaneWykresu& dane);

} // namespace tarvomund
