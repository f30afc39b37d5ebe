#pragma once

#include "app/TOknoDokumentu.h"
#include "app/Wydruk.h"
#include "tools/Biorytm.h"

#include <QImage>
#include <QStringList>
#include <QWidget>

#include <array>
#include <optional>

class QCheckBox;
class QDate;
class QDateEdit;
class QLabel;
class QPagedPaintDevice;
class QPainter;

namespace tarvomund {

// The biorhythm window: four rhythms of a person born on `DataUr` over the 41 days around
// `DataBio`, redrawn whenever a date or a check box changes. Each check box tells the day of its
// rhythm's cycle on the chart date and whether the rhythm is above or below the axis.
class TfrmBio : public QWidget, public TOknoDokumentu {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = 1052;

    // The birth date starts at 01.01.1999, the chart date at today.
    explicit TfrmBio(QWidget* parent = nullptr);

    TRodzajOkna Rodzaj() const override { return TRodzajOkna::Biorytmy; }
    void Drukuj() override;
    // Prints the dates, the checked rhythms' texts and the chart across the page; returns the pages used.
    int DrukujNa(QPagedPaintDevice& urzadzenie) const;
    // The printed page painted into a rectangle of any surface, in the painter's font.
    void MalujStrone(QPainter& malarz, const QRect& strona) const;
    // The printout; nothing before the first chart.
    std::optional<TWydrukBiorytmu> Wydruk() const;
    // The text lines above the printed chart.
    QStringList WierszeWydruku() const;

    // Recomputes from the dates and the check boxes; a birth date not more than 30 days before the
    // chart date leaves the chart and the check boxes as they were.
    void Odswiez();

    QDateEdit* DataUr() const { return DataUr_; }
    QDateEdit* DataBio() const { return DataBio_; }
    QCheckBox* Rytm(int i) const { return cb_[static_cast<std::size_t>(i)]; }
    QLabel* Image1() const { return Image1_; }
    // The chart as last drawn: 500 × 240 pixels.
    const QImage& Obraz() const { return obraz_; }
    // What the chart last drew; nothing before the first chart.
    const std::optional<TPlanBiorytmu>& Plan() const { return plan_; }

private:
    QDateEdit* DataUr_;
    QDateEdit* DataBio_;
    std::array<QCheckBox*, IleRytmow> cb_{};
    QLabel* Image1_;
    QImage obraz_;
    std::optional<TPlanBiorytmu> plan_;
};

} // namespace tarvomund
