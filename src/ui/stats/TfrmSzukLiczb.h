#pragma once

#include "app/TOknoDokumentu.h"
#include "model/TObGraLista.h"
#include "stats/ZadaneLiczby.h"

#include <QStringList>
#include <QWidget>

#include <vector>

class QPagedPaintDevice;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace tarvomund {

// "Wyszukiwanie losowań" of given numbers: the numbers picked with "Start" are looked for in every
// draw of the game, and the table lists the draws that hold them all, with their day, date, sum
// and numbers. The table is printed by the main window's Print command.
class TfrmSzukLiczb : public QWidget, public TOknoDokumentu {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = 1043;

    // The game is the catalogue's and outlives the window.
    explicit TfrmSzukLiczb(const TObGraLista& gra, QWidget* parent = nullptr);

    // "Start": the number picker for the spin's count of numbers; on OK the table is filled.
    void Start() override;
    // The table for these numbers (ascending): the heading row, then one row per draw, or one
    // empty row when none holds them all.
    void Szukaj(const std::vector<int>& szukane);

    // The printed lines: "[>> 7,12 <<]", then a line per draw found.
    QStringList WierszeWydruku() const;
    // Prints the lines onto a paged device in the table's font; returns the pages used.
    int DrukujNa(QPagedPaintDevice& urzadzenie) const;

    TRodzajOkna Rodzaj() const override { return TRodzajOkna::SzukanieLiczb; }
    void Drukuj() override;

    const std::vector<int>& Szukane() const { return szukane_; }
    QSpinBox* spIlosc() const { return spIlosc_; }
    QPushButton* btnStart() const { return btnStart_; }
    QTableWidget* Sg1() const { return Sg1_; }

    QSize sizeHint() const override;

private:
    const TObGraLista& gra_;
    std::vector<int> szukane_;
    std::vector<TWierszZadanych> wiersze_;
    QSpinBox* spIlosc_;
    QPushButton* btnStart_;
    QTableWidget* Sg1_;
};

} // namespace tarvomund
