#pragma once

#include "slips/EdytorBlankietu.h"

#include <QImage>
#include <QScrollArea>
#include <QWidget>

#include <optional>

class QLabel;

namespace tarvomund {

// A ruler along the top (Kier 0) or down the left side (Kier 1) of the slip: millimetre ticks at the
// current Skok from the slip's visible edge, centimetre labels, and a green line that follows the
// mouse. Pressing on it and dragging into the slip pulls out a guide.
class TRuler : public QWidget {
    Q_OBJECT

public:
    static constexpr int Grubosc = 19;

    TRuler(uint8_t kier, QWidget* parent = nullptr);

    uint8_t Kier() const { return kier_; }
    void Ustaw(int skok, int przesuniecie, int kursor);

signals:
    // The mouse pulling a guide, in global coordinates, and where it was let go.
    void Ciagnie(QPoint globalnie);
    void Puszczono(QPoint globalnie);

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;
    void mousePressEvent(QMouseEvent* zdarzenie) override;
    void mouseMoveEvent(QMouseEvent* zdarzenie) override;
    void mouseReleaseEvent(QMouseEvent* zdarzenie) override;

private:
    uint8_t kier_;
    int skok_ = 1;
    int przesuniecie_ = 0;
    int kursor_ = -1;
    bool ciagnie_ = false;
};

// The scroll box of the slip: tells every scroll, so that the rulers follow.
class TScrollBoxEx : public QScrollArea {
    Q_OBJECT

public:
    explicit TScrollBoxEx(QWidget* parent = nullptr);
    void UstawKrok(int piksele);

signals:
    void Przewinieto();
};

class TEdGraf;

// The slip picture: the slip (white with a red frame, or the background picture stretched over
// it), the guides, the fields with their marks, what is being dragged.
class TObrazKuponu : public QWidget {
    Q_OBJECT

public:
    TObrazKuponu(TEdGraf& graf, TEdytorBlankietu& edytor, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;
    void mousePressEvent(QMouseEvent* zdarzenie) override;
    void mouseMoveEvent(QMouseEvent* zdarzenie) override;
    void mouseReleaseEvent(QMouseEvent* zdarzenie) override;
    void keyPressEvent(QKeyEvent* zdarzenie) override;

private:
    TEdGraf& graf_;
    TEdytorBlankietu& edytor_;
};

// The editing control: the "cm" corner, the two rulers and the scroll box with the slip picture.
// Mouse positions it reports are pixels of the slip picture, scrolling included.
class TEdGraf : public QWidget {
    Q_OBJECT

public:
    TEdGraf(TEdytorBlankietu& edytor, QWidget* parent = nullptr);

    int Skala() const { return edytor_.Skala(); }
    int Skok() const { return edytor_.Skok(); }
    void UstawSkale(int skala);
    double KuponWidth() const { return edytor_.Blankiet().Szer; }
    double KuponHeight() const { return edytor_.Blankiet().Wys; }
    int ScrollPozX() const;
    int ScrollPozY() const;
    int KursorPozX() const { return kursorX_; }
    int KursorPozY() const { return kursorY_; }

    // The slip's size or the fields changed: the picture takes its new size and everything repaints.
    void Odswiez();
    void UstawTlo(QImage tlo);
    void UsunTlo();
    bool MaTlo() const { return !tlo_.isNull(); }
    const QImage& Tlo() const { return tlo_; }
    // The guide being pulled out of a ruler, drawn until it is let go.
    const std::optional<std::pair<uint8_t, int>>& CiagnionaProwadnica() const { return ciagniona_; }

    TRuler* Linijka(uint8_t kier) const { return kier == ProwadnicaPozioma ? linijkaPozioma_ : linijkaPionowa_; }
    TScrollBoxEx* Przewijanie() const { return przewijanie_; }
    TObrazKuponu* Obraz() const { return obraz_; }

    // Mouse and keys on the slip picture, in its pixels.
    void Wcisnij(QPoint punkt, Qt::KeyboardModifiers modyfikatory);
    void Przesun(QPoint punkt);
    void Zwolnij(QPoint punkt);
    void Klawisz(int klawisz, Qt::KeyboardModifiers modyfikatory);

signals:
    // The layout or the selection changed.
    void Zmieniono();
    void RuchMyszy(double xMm, double yMm);
    void MenuPodreczne(QPoint globalnie);

private:
    void OdswiezLinijki();
    void CiagnieProwadnice(uint8_t kier, QPoint globalnie);
    void PuszczonoProwadnice(uint8_t kier, QPoint globalnie);

    TEdytorBlankietu& edytor_;
    QImage tlo_;
    int kursorX_ = -1;
    int kursorY_ = -1;
    std::optional<std::pair<uint8_t, int>> ciagniona_;
    QLabel* rog_;
    TRuler* linijkaPozioma_;
    TRuler* linijkaPionowa_;
    TScrollBoxEx* przewijanie_;
    TObrazKuponu* obraz_;
};

} // namespace tarvomund
