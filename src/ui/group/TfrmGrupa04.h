#pragma once

#include "group/PlikGrupy.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QPagedPaintDevice;
class QPushButton;
class QTableWidget;
class QToolButton;

namespace tarvomund {

// "Udziały, koszty i zyski" of one game: everybody who plays it with the share, the part of the
// cost and the part of the winnings. Works on copies of the names and of the game; "OK" hands them
// back to be written, closing the dialog otherwise drops them.
class TfrmGrupa04 : public QDialog {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = 1018;

    TfrmGrupa04(const TNaglowekGrupy& naglowek, const TGraGrupy& gra, QWidget* parent = nullptr);

    const TNaglowekGrupy& Naglowek() const { return naglowek_; }
    const TGraGrupy& Gra() const { return gra_; }

    // "/": the same share for everybody who plays.
    void PodzielRowno();
    // The share of the selected participant; afterwards the warning when the shares exceed 100 %.
    void PoprawUdzial();
    // "Dopisz": the participants dialog on the copies.
    void Dopisz();
    void Drukuj();
    QStringList WierszeWydruku() const;
    int DrukujNa(QPagedPaintDevice& urzadzenie) const;

    QTableWidget* Grid1() const { return Grid1_; }
    QToolButton* BtnPodziel() const { return btnPodziel_; }
    QToolButton* BtnPopraw() const { return btnPopraw_; }
    QToolButton* BtnDrukuj() const { return btnDrukuj_; }
    QPushButton* BtnDopisz() const { return btnDopisz_; }
    QLabel* LblNazwa() const { return lblNazwa_; }
    QLabel* LblData() const { return lblData_; }

private:
    void Pokaz();
    // The place of the selected row; -1 when none.
    int WybraneMiejsce() const;

    TNaglowekGrupy naglowek_;
    TGraGrupy gra_;
    std::vector<int> miejsca_; // the place of each row
    QLabel* lblNazwa_;
    QLabel* lblData_;
    QTableWidget* Grid1_;
    QToolButton* btnPodziel_;
    QToolButton* btnPopraw_;
    QToolButton* btnDrukuj_;
    QPushButton* btnDopisz_;
};

} // namespace tarvomund
