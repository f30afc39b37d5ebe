#pragma once

#include "group/PlikGrupy.h"

#include <QDialog>

#include <vector>

class QListWidget;
class QListWidgetItem;
class QToolButton;

namespace tarvomund {

// "Lista grających": every participant of the group, ticked when they play this game. New names
// go into the lowest free place; "Ok" hands the names and ticks back, "Anuluj" drops them.
class TfrmGrupa05 : public QDialog {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = 1018;

    TfrmGrupa05(const TNaglowekGrupy& naglowek, const TGraGrupy& gra, QWidget* parent = nullptr);

    const TNaglowekGrupy& Naglowek() const { return naglowek_; }
    const TGraGrupy& Gra() const { return gra_; }

    // "Dodaj": a new participant, or the message that all places are taken.
    void Dodaj();
    // "Popraw": renames the selected participant.
    void Popraw();

    QListWidget* CLB1() const { return CLB1_; }
    QToolButton* BtnDodaj() const { return btnDodaj_; }
    QToolButton* BtnPopraw() const { return btnPopraw_; }

private:
    void Wypelnij();
    void Zaznaczono(QListWidgetItem* element);

    TNaglowekGrupy naglowek_;
    TGraGrupy gra_;
    std::vector<int> miejsca_; // the place of each row
    QListWidget* CLB1_;
    QToolButton* btnDodaj_;
    QToolButton* btnPopraw_;
};

} // namespace tarvomund
