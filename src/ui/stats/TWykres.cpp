#include "stats/TWykres.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace tarvomund {

namespace {

const QColor KolorKrzyza(0, 128, 0);

} // namespace

TWykres::TWykres(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setMinimumSize(200, 120);
    setAttribute(Qt::WA_OpaquePaintEvent);
    Przerysuj();
}

void TWykres::UstawDane(TDaneWykresu dane)
{
    dane_ = std::move(dane);
    Przerysuj();
}

void TWykres::Powieksz(double procent)
{
    Zmien([procent](TDaneWykresu& d) { d.Powiekszenie *= procent / 100.0; });
}

void TWykres::Przerysuj()
{
    const QSize rozmiar = size().expandedTo(QSize(1, 1));
    if (obraz_.size() != rozmiar)
        obraz_ = QImage(rozmiar, QImage::Format_RGB32);
    QPainter malarz(&obraz_);
    malarz.setFont(font());
    plan_ = MalujWykres(malarz, QRectF(QPointF(0, 0), QSizeF(rozmiar)), dane_);
    malarz.end();
    // The crosshair belonged to the old picture.
    krzyz_.reset();
    update();
}

void TWykres::paintEvent(QPaintEvent*)
{
    QPainter malarz(this);
    malarz.drawImage(0, 0, obraz_);
    if (!krzyz_)
        return;
    const QRectF obszar = plan_.ObszarZGlebia();
    malarz.setPen(QPen(KolorKrzyza, 1, Qt::SolidLine));
    malarz.drawLine(QPointF(krzyz_->x(), obszar.top()), QPointF(krzyz_->x(), obszar.bottom()));
    malarz.drawLine(QPointF(obszar.left(), krzyz_->y()), QPointF(obszar.right(), krzyz_->y()));
}

void TWykres::resizeEvent(QResizeEvent*)
{
    Przerysuj();
}

void TWykres::mouseMoveEvent(QMouseEvent* zdarzenie)
{
    const QPoint punkt = zdarzenie->position().toPoint();
    if (chwyt_) {
        const double naPunkt = plan_.Obszar.width() / (plan_.MaxX - plan_.MinX);
        const double przesuniecie = przesuniecieChwytu_ - (punkt.x() - chwyt_->x()) / naPunkt;
        Zmien([przesuniecie](TDaneWykresu& d) { d.Przesuniecie = przesuniecie; });
    }
    if (plan_.ObszarZGlebia().contains(punkt))
        krzyz_ = punkt;
    else
        krzyz_.reset();
    update();
}

void TWykres::mousePressEvent(QMouseEvent* zdarzenie)
{
    if (zdarzenie->button() != Qt::LeftButton || dane_.Powiekszenie <= 1.0)
        return;
    chwyt_ = zdarzenie->position().toPoint();
    // Start from where the window stands now: a shift asked beyond the ends was held at them.
    int punktow = 0;
    for (const TSeriaWykresu& s : dane_.Serie)
        if (s.Widoczna)
            punktow = std::max(punktow, static_cast<int>(s.Punkty.size()));
    przesuniecieChwytu_ = (plan_.MinX + plan_.MaxX) / 2 - (std::max(1, punktow) - 1) / 2.0;
    setCursor(Qt::ClosedHandCursor);
}

void TWykres::mouseReleaseEvent(QMouseEvent*)
{
    chwyt_.reset();
    unsetCursor();
}

void TWykres::leaveEvent(QEvent*)
{
    krzyz_.reset();
    update();
}

} // namespace tarvomund
