#pragma once

#include "draws/TFormatowanie.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QFont>
#include <QString>

namespace tarvomund {

// The import's preview: the lines of a text list re-cut into fields of equal width, in a fixed-pitch
// font under a ruler that marks every column and draws a line down at each field boundary.
class TFormater : public QAbstractScrollArea {
    Q_OBJECT

public:
    // The ruler reaches column 1000; this far the view scrolls sideways.
    static constexpr int MaxPozycjaPozioma = 938;
    static constexpr int KrokPionowy = 9;
    static constexpr int KrokPoziomy = 5;
    static constexpr int OdstepWiersza = 4;
    static constexpr int RozmiarCzcionki = 8;

    explicit TFormater(QWidget* parent = nullptr);

    // Loads a text file; one that cannot be read leaves the preview empty.
    bool Wczytaj(const QString& plik);
    TFormatowanie& Formatowanie() { return formatowanie_; }
    const TFormatowanie& Formatowanie() const { return formatowanie_; }
    // Re-reads the settings of the formatting and repaints; the dialog calls it after every change.
    void Formatuj();

    // Formatted line i as it is shown: control characters of a damaged file become a middle dot.
    QString Pokazany(std::size_t i) const;
    qreal SzerokoscZnaku() const;
    int WysokoscWiersza() const;
    int WysokoscLinijki() const;

    QColor Kolor{255, 255, 230};
    QColor KolorSkali{Qt::red};
    QColor KolorLini{0, 0, 128};
    QColor KolorTextu{Qt::black};

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;
    void resizeEvent(QResizeEvent* zdarzenie) override;

private:
    void UstawPaski();

    TFormatowanie formatowanie_;
    QFont czcionka_;
};

} // namespace tarvomund
