#pragma once

#include "model/TObGraLista.h"

#include <QDialog>

#include <optional>
#include <utility>
#include <vector>

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tarvomund {

// The date range dialog "Zakres": the dates "Od ..." and "Do ...", the game's name and how many of
// its draws fall within the range. OK hands back the range with the earlier date first, whichever
// field holds it. Used wherever a computation runs over a part of the draw history.
class TfrmZakres : public QDialog {
    Q_OBJECT

public:
    // The help topic of the test window, which describes the dialog; other callers pass their own.
    static constexpr int KontekstTestu = 1027;

    explicit TfrmZakres(QWidget* parent = nullptr, int kontekstPomocy = KontekstTestu);

    // The range shown at opening (day counts) and the game: its name goes into the text field and
    // its draws are counted within the range. The game must outlive the dialog.
    void Ustaw(double od, double do_, const TObGraLista& gra);
    // The chosen range, the earlier date first.
    double Od() const;
    double Do() const;

    // The first and last draw dates of a game; nothing for a game without draws.
    static std::optional<std::pair<double, double>> ZakresLosowan(const TObGraLista& gra);
    // "Losowań w zakresie: 12 z 340": the draws dated within [od, do_], both ends included.
    static QString OpisZakresu(const std::vector<TObLos>& losowania, double od, double do_);
    // A date field "dd.mm.yyyy" with a calendar, from 30.12.1899 on.
    static QDateEdit* PoleDaty(QWidget* rodzic, const char* nazwa);

    QDateEdit* DE1() const { return DE1_; }
    QDateEdit* DE2() const { return DE2_; }
    QLineEdit* Edit1() const { return Edit1_; }
    QLabel* lblLosowan() const { return lblLosowan_; }
    QPushButton* btnOK() const { return btnOK_; }
    QPushButton* btnAnuluj() const { return btnAnuluj_; }

private:
    void PoliczLosowania();

    const std::vector<TObLos>* losowania_ = nullptr;
    QDateEdit* DE1_;
    QDateEdit* DE2_;
    QLineEdit* Edit1_;
    QLabel* lblLosowan_;
    QPushButton* btnOK_;
    QPushButton* btnAnuluj_;
};

} // namespace tarvomund
