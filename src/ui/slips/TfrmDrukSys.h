#pragma once

#include "model/TInfoGryRec.h"
#include "slips/WydrukListy.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace tarvomund {

// "Drukowanie systemów": how a system is printed as a list: one to three columns (with a sketch of
// the page), the range of bets and whether the user's own numbers stand in the list.
class TfrmDrukSys : public QDialog {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = 1038;

    explicit TfrmDrukSys(const TInfoGryRec& info, QWidget* parent = nullptr);

    TOpcjeListy Opcje() const;
    int Kolumn() const;

    QRadioButton* rbKolumny(int ile) const { return rb_[static_cast<std::size_t>(ile - 1)]; }
    QLabel* lblIlosc() const { return lblIlosc_; }
    QSpinBox* spOd() const { return spOd_; }
    QSpinBox* spDo() const { return spDo_; }
    QCheckBox* cbWlasne() const { return cbWlasne_; }
    QWidget* Szkic() const { return szkic_; }
    QPushButton* btnDrukuj() const { return btnDrukuj_; }
    QPushButton* btnAnuluj() const { return btnAnuluj_; }

private:
    std::array<QRadioButton*, MaxKolumnListy> rb_{};
    QButtonGroup* kolumny_;
    QWidget* szkic_;
    QLabel* lblIlosc_;
    QSpinBox* spOd_;
    QSpinBox* spDo_;
    QCheckBox* cbWlasne_;
    QPushButton* btnDrukuj_;
    QPushButton* btnAnuluj_;
};

} // namespace tarvomund
