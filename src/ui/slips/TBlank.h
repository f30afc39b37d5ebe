#pragma once

#include <QColor>
#include <QPixmap>
#include <QRect>
#include <QWidget>

class QPainter;

namespace tarvomund {

// A passive picture of how the numbers of a number game lie on its slip: a grid of IlePoziomo
// columns by IlePionowo rows of square cells numbered from 1, along the rows (Kierunek) or down
// the columns. Cells numbered above IleLiczb are only outlined. Optional separator lines mark a
// row and a column. Every setter repaints; the numbers use the widget's font (Arial 8 at first).
class TBlank : public QWidget {
    Q_OBJECT

public:
    static constexpr int Margines = 2; // the grid starts 2 pixels from the top left corner

    explicit TBlank(QWidget* parent = nullptr);

    int IlePoziomo() const { return ilePoziomo_; }
    void UstawIlePoziomo(int ile);
    int IlePionowo() const { return ilePionowo_; }
    void UstawIlePionowo(int ile);
    int IleLiczb() const { return ileLiczb_; }
    void UstawIleLiczb(int ile);
    // true: numbers run along each row, rows from the top; false: down each column.
    bool Kierunek() const { return kierunek_; }
    void UstawKierunek(bool poziomo);
    // All four grid properties at once, with one repaint.
    void UstawSiatke(int poziomo, int pionowo, int ileLiczb, bool kierunek);

    QColor KolorTla() const { return kolorTla_; }
    void UstawKolorTla(const QColor& kolor);
    // Fill the background with KolorTla and frame the control in black; without it the parent
    // shows through.
    bool Ramka() const { return ramka_; }
    void UstawRamke(bool ramka);
    QColor KolorObwodki() const { return kolorObwodki_; }
    void UstawKolorObwodki(const QColor& kolor);
    QColor KolorPola() const { return kolorPola_; }
    void UstawKolorPola(const QColor& kolor);
    // A number is written into its cell only when the cell side in pixels exceeds the limit.
    int Limit() const { return limit_; }
    void UstawLimit(int limit);

    // A horizontal line below row `nr` and a vertical one right of column `nr`, drawn with the
    // pen LiniaGr pixels wide (0: one pixel) in LiniaKolor.
    bool LiniaPozOn() const { return liniaPozOn_; }
    int LiniaPozNr() const { return liniaPozNr_; }
    void UstawLiniePoz(bool wlaczona, int nr);
    bool LiniaPionOn() const { return liniaPionOn_; }
    int LiniaPionNr() const { return liniaPionNr_; }
    void UstawLiniePion(bool wlaczona, int nr);
    int LiniaGr() const { return liniaGr_; }
    void UstawLiniaGr(int grubosc);
    QColor LiniaKolor() const { return liniaKolor_; }
    void UstawLiniaKolor(const QColor& kolor);

    // The painting rules, for callers that place things over the grid or paint it elsewhere.
    // Cell side: (height − 2) div IlePionowo, or (width − 2) div IlePoziomo when IlePionowo is
    // smaller than IlePoziomo; 0 when the grid has no cells.
    static int BokPola(QSize rozmiar, int poziomo, int pionowo);
    // The number of cell (kolumna, wiersz), both from 0.
    static int NumerPola(int kolumna, int wiersz, int poziomo, int pionowo, bool kierunek);
    int BokPola() const { return BokPola(size(), ilePoziomo_, ilePionowo_); }
    QRect Pole(int kolumna, int wiersz) const;
    // The whole picture into any paint device's rectangle at the origin, `rozmiar` large.
    void Rysuj(QPainter& malarz, QSize rozmiar) const;

    QSize sizeHint() const override { return {200, 200}; }

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;

private:
    int ilePoziomo_ = 9;
    int ilePionowo_ = 6;
    int ileLiczb_ = 49;
    bool kierunek_ = true;
    QColor kolorTla_ = Qt::white;
    bool ramka_ = true;
    QColor kolorObwodki_;
    QColor kolorPola_;
    int limit_ = 20;
    bool liniaPozOn_ = false;
    int liniaPozNr_ = 0;
    bool liniaPionOn_ = false;
    int liniaPionNr_ = 0;
    int liniaGr_ = 0;
    QColor liniaKolor_ = Qt::black;
};

} // namespace tarvomund
