#pragma once

#include "stats/MalowanieWykresu.h"
#include "stats/TDaneWykresu.h"

#include <QImage>
#include <QWidget>

#include <optional>

namespace tarvomund {

// The statistics chart: line or stair series, the 3D view, point marks with values or labels,
// horizontal zoom by percent, axes and grid on and off, and a crosshair that follows the mouse over
// the plot. The chart is painted from its data into an image by MalujWykres, the same routine that
// prints it; the crosshair is drawn over that image and forgotten whenever the chart is redrawn.
class TWykres : public QWidget {
    Q_OBJECT

public:
    explicit TWykres(QWidget* parent = nullptr);

    const TDaneWykresu& Dane() const { return dane_; }
    // Every change of the data goes through here, so the chart is redrawn once per change.
    template <class F> void Zmien(F&& zmiana)
    {
        zmiana(dane_);
        Przerysuj();
    }
    void UstawDane(TDaneWykresu dane);

    // Zoom by a percentage of the current zoom (115 zooms in, 85 out).
    void Powieksz(double procent);
    // The plan of the last drawing; the crosshair and the tests read it.
    const TPlanWykresu& Plan() const { return plan_; }
    const QImage& Obraz() const { return obraz_; }
    std::optional<QPoint> Krzyz() const { return krzyz_; }

    QSize sizeHint() const override { return {640, 360}; }

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;
    void resizeEvent(QResizeEvent* zdarzenie) override;
    void mouseMoveEvent(QMouseEvent* zdarzenie) override;
    void mousePressEvent(QMouseEvent* zdarzenie) override;
    void mouseReleaseEvent(QMouseEvent* zdarzenie) override;
    void leaveEvent(QEvent* zdarzenie) override;

private:
    void Przerysuj();

    TDaneWykresu dane_;
    TPlanWykresu plan_;
    QImage obraz_;
    std::optional<QPoint> krzyz_;
    // Dragging a zoomed chart moves its window over the points.
    std::optional<QPoint> chwyt_;
    double przesuniecieChwytu_ = 0;
};

} // namespace tarvomund
