#pragma once

#include <QColor>
#include <QFont>
#include <QWidget>

#include <vector>

namespace tarvomund {

// One number of the panel: the number, a second value shown in the lower half of a double field,
// its mark, and the field's top-left corner as the layout placed it.
struct TPodwOb {
    int32_t Numer = 0;
    int32_t Wartosc2 = 0;
    bool Zaznaczony = false;
    int32_t Lewy = 0;
    int32_t Gorny = 0;
};

// A panel of numbers in rows: the user marks them by clicking and reorders them by dragging,
// optionally with a limit of marked numbers. Used by the collection window and the own-numbers
// dialog, each with its own look.
class TKolekcja : public QWidget {
    Q_OBJECT

public:
    explicit TKolekcja(QWidget* parent = nullptr);

    // Appends a number unless it is already in the panel (then nothing changes, not even its mark).
    void Dodaj(int32_t numer, int32_t wartosc2, bool zaznaczony);
    void Usun(int indeks);
    void Wyczysc();
    const std::vector<TPodwOb>& Elementy() const { return elementy_; }
    int IleZaznaczonych() const;
    // Index of the element whose field holds the point, or -1.
    int ElementPod(const QPoint& punkt) const;

    // Properties with their defaults.
    QString Nag1, Nag2;
    bool Podwojne = true;
    int SzerPola = 35;
    int WysPola1 = 15;
    int WysPola2 = 15;
    QColor KolorTla = Qt::white;
    QColor KolorPola1 = QColor(0, 255, 255);
    QColor KolorPola2 = QColor(255, 255, 0);
    QColor KolorZaz = Qt::red;
    QColor KolorObwodki = Qt::black;
    QFont Font1, Font2, FontOpis;
    // The colours of the three fonts' texts.
    QColor KolorTekstu1 = Qt::black;
    QColor KolorTekstu2 = Qt::black;
    QColor KolorOpisu = Qt::black;
    bool Transparent = false;
    int LimitZaz = -1;
    int LastNumer = -1;

    // Lays the fields out again (after a property change) and repaints.
    void Odswiez();

signals:
    // A mark changed or the order changed.
    void Zmieniono();

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;
    void resizeEvent(QResizeEvent* zdarzenie) override;
    void mousePressEvent(QMouseEvent* zdarzenie) override;
    void mouseMoveEvent(QMouseEvent* zdarzenie) override;
    void mouseReleaseEvent(QMouseEvent* zdarzenie) override;

private:
    void Rozmiesc();
    // The whole field of an element: the upper half, and the lower one below it when double.
    QRect Pole(const TPodwOb& element) const;
    void PrzelaczZaznaczenie(int indeks);

    std::vector<TPodwOb> elementy_;
    int przeciagany_ = -1;
    QPoint poczatekPrzeciagania_;
    QPoint przesuniecie_;
};

} // namespace tarvomund
