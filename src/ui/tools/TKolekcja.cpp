#include "tools/TKolekcja.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace tarvomund {

namespace {

// The fields keep this distance from the control's left and right edges and from its bottom.
constexpr int Margines = 3;
constexpr int OdstepPol = 2;
constexpr int GoraOpisu = 2;
constexpr int OdstepPoNag1 = 4;
constexpr int OdstepPoNag2 = 2;

// Where the second caption line and the first row of fields begin.
struct TUkladOpisu {
    int Nag2 = GoraOpisu;
    int Pola = GoraOpisu;
};

TUkladOpisu UkladOpisu(const QString& nag1, const QString& nag2, const QFont& font)
{
    const int wysokosc = QFontMetrics(font).height();
    TUkladOpisu uklad;
    if (!nag1.isEmpty())
        uklad.Pola = wysokosc + OdstepPoNag1;
    uklad.Nag2 = uklad.Pola;
    if (!nag2.isEmpty())
        uklad.Pola += wysokosc + OdstepPoNag2;
    return uklad;
}

// Fill and a one-pixel frame inside the rectangle.
void Prostokat(QPainter& p, const QRect& r, const QColor& wypelnienie, const QColor& obwodka)
{
    p.fillRect(r, wypelnienie);
    p.setPen(obwodka);
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

} // namespace

TKolekcja::TKolekcja(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    Rozmiesc();
}

void TKolekcja::Dodaj(int32_t numer, int32_t wartosc2, bool zaznaczony)
{
    const bool jest = std::any_of(elementy_.begin(), elementy_.end(),
                                  [numer](const TPodwOb& e) { return e.Numer == numer; });
    if (jest)
        return;
    elementy_.push_back({numer, wartosc2, zaznaczony, 0, 0});
    Odswiez();
}

void TKolekcja::Usun(int indeks)
{
    if (indeks < 0 || static_cast<std::size_t>(indeks) >= elementy_.size())
        return;
    elementy_.erase(elementy_.begin() + indeks);
    // LastNumer keeps naming the element it named, or none once that one is gone.
    if (LastNumer == indeks)
        LastNumer = -1;
    else if (LastNumer > indeks)
        --LastNumer;
    przeciagany_ = -1;
    Odswiez();
}

void TKolekcja::Wyczysc()
{
    elementy_.clear();
    LastNumer = -1;
    przeciagany_ = -1;
    Odswiez();
}

int TKolekcja::IleZaznaczonych() const
{
    return static_cast<int>(std::count_if(elementy_.begin(), elementy_.end(),
                                          [](const TPodwOb& e) { return e.Zaznaczony; }));
}

QRect TKolekcja::Pole(const TPodwOb& element) const
{
    // The lower half overlaps the upper one by a pixel, so their frames share a line.
    const int wysokosc = Podwojne ? WysPola1 + WysPola2 - 1 : WysPola1;
    return QRect(element.Lewy, element.Gorny, SzerPola, wysokosc);
}

int TKolekcja::ElementPod(const QPoint& punkt) const
{
    for (std::size_t i = 0; i < elementy_.size(); ++i)
        if (Pole(elementy_[i]).contains(punkt))
            return static_cast<int>(i);
    return -1;
}

void TKolekcja::Odswiez()
{
    Rozmiesc();
    update();
}

void TKolekcja::Rozmiesc()
{
    int y = UkladOpisu(Nag1, Nag2, FontOpis).Pola;
    const int wysokoscPol = WysPola1 + (Podwojne ? WysPola2 : 0);
    int x = Margines;
    for (TPodwOb& element : elementy_) {
        // A field wider than the control still gets a row of its own, not an empty row before it.
        if (x > Margines && x + SzerPola > width() - Margines) {
            x = Margines;
            y += wysokoscPol + OdstepPol;
        }
        element.Lewy = x;
        element.Gorny = y;
        x += SzerPola + OdstepPol;
    }
    // The control is exactly as high as its rows.
    setFixedHeight(elementy_.empty() ? y + Margines : y + wysokoscPol + Margines);
}

void TKolekcja::paintEvent(QPaintEvent* /*zdarzenie*/)
{
    QPainter p(this);
    if (!Transparent)
        Prostokat(p, rect(), KolorTla, Qt::black);

    const TUkladOpisu uklad = UkladOpisu(Nag1, Nag2, FontOpis);
    const int szerokoscOpisu = std::max(0, width() - 2 * Margines);
    const int wysokoscOpisu = QFontMetrics(FontOpis).height();
    p.setFont(FontOpis);
    p.setPen(KolorOpisu);
    if (!Nag1.isEmpty())
        p.drawText(QRect(Margines, GoraOpisu, szerokoscOpisu, wysokoscOpisu), Qt::AlignLeft | Qt::AlignTop, Nag1);
    if (!Nag2.isEmpty())
        p.drawText(QRect(Margines, uklad.Nag2, szerokoscOpisu, wysokoscOpisu), Qt::AlignLeft | Qt::AlignTop, Nag2);

    for (const TPodwOb& e : elementy_) {
        const QRect gora(e.Lewy, e.Gorny, SzerPola, WysPola1);
        Prostokat(p, gora, e.Zaznaczony ? KolorZaz : KolorPola1, KolorObwodki);
        p.setFont(Font1);
        p.setPen(KolorTekstu1);
        p.drawText(gora, Qt::AlignCenter | Qt::TextSingleLine, QString::number(e.Numer));
        if (!Podwojne)
            continue;
        const QRect dol(e.Lewy, e.Gorny + WysPola1 - 1, SzerPola, WysPola2);
        Prostokat(p, dol, KolorPola2, KolorObwodki);
        p.setFont(Font2);
        p.setPen(KolorTekstu2);
        p.drawText(dol, Qt::AlignCenter | Qt::TextSingleLine, QString::number(e.Wartosc2));
    }

    // The dragged field's outline: a dotted line over a light one, visible on any colour.
    if (przeciagany_ >= 0 && static_cast<std::size_t>(przeciagany_) < elementy_.size()) {
        const QRect obrys = Pole(elementy_[static_cast<std::size_t>(przeciagany_)])
                                .translated(przesuniecie_)
                                .adjusted(0, 0, -1, -1);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::white, 1, Qt::SolidLine));
        p.drawRect(obrys);
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.drawRect(obrys);
    }
}

void TKolekcja::resizeEvent(QResizeEvent* zdarzenie)
{
    QWidget::resizeEvent(zdarzenie);
    Rozmiesc();
}

void TKolekcja::mousePressEvent(QMouseEvent* zdarzenie)
{
    const QPoint punkt = zdarzenie->position().toPoint();
    switch (zdarzenie->button()) {
    case Qt::RightButton:
    case Qt::MiddleButton:
        LastNumer = ElementPod(punkt);
        break;
    case Qt::LeftButton:
        przeciagany_ = ElementPod(punkt);
        poczatekPrzeciagania_ = punkt;
        przesuniecie_ = QPoint();
        if (przeciagany_ >= 0)
            update();
        break;
    default:
        break;
    }
}

void TKolekcja::mouseMoveEvent(QMouseEvent* zdarzenie)
{
    if (przeciagany_ >= 0 && (zdarzenie->buttons() & Qt::LeftButton)) {
        przesuniecie_ = zdarzenie->position().toPoint() - poczatekPrzeciagania_;
        update();
    }
}

void TKolekcja::mouseReleaseEvent(QMouseEvent* zdarzenie)
{
    if (zdarzenie->button() != Qt::LeftButton || przeciagany_ < 0)
        return;
    const int zrodlo = przeciagany_;
    przeciagany_ = -1;
    przesuniecie_ = QPoint();
    update();
    const int cel = ElementPod(zdarzenie->position().toPoint());
    if (cel < 0)
        return;
    if (cel == zrodlo) {
        PrzelaczZaznaczenie(cel);
        return;
    }
    // The dragged element takes the target's place; the ones between shift by one.
    const TPodwOb przenoszony = elementy_[static_cast<std::size_t>(zrodlo)];
    elementy_.erase(elementy_.begin() + zrodlo);
    elementy_.insert(elementy_.begin() + cel, przenoszony);
    Odswiez();
    emit Zmieniono();
}

void TKolekcja::PrzelaczZaznaczenie(int indeks)
{
    TPodwOb& element = elementy_[static_cast<std::size_t>(indeks)];
    // With a limit, marking waits for a free place; unmarking is always allowed.
    if (!element.Zaznaczony && LimitZaz >= 0 && IleZaznaczonych() >= LimitZaz)
        return;
    element.Zaznaczony = !element.Zaznaczony;
    update(Pole(element));
    emit Zmieniono();
}

} // namespace tarvomund
