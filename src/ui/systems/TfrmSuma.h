#pragma once

#include "app/TfrmNowy.h"

#include <QDialog>

#include <vector>

class QButtonGroup;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;

namespace tarvomund {

// The dialog "+" of "Sumuj systemy": the idle number systems by caption, sorted, to be checked,
// and whether they are added or subtracted. The first system checked is the reference: a system
// made for a game of other parameters cannot be checked beside it.
class TfrmSuma : public QDialog {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = 1031;

    TfrmSuma(std::vector<TSystemDoZlozenia> systemy, QWidget* parent = nullptr);

    // The checked systems as indexes into the list handed in, in the dialog's (sorted) order.
    std::vector<int> Zaznaczone() const;
    // "Dodaj systemy" (true) or "Odejmij systemy".
    bool Dodaj() const;
    // The reference system as an index into the list handed in, or -1.
    int Wzorzec() const { return wzorzec_; }

    QListWidget* CLB1() const { return CLB1_; }
    QRadioButton* rbDodaj() const { return rbDodaj_; }
    QRadioButton* rbOdejmij() const { return rbOdejmij_; }
    QPushButton* btnOK() const { return btnOK_; }
    QPushButton* btnAnuluj() const { return btnAnuluj_; }

private:
    void CLB1Zmiana(QListWidgetItem* element);
    void btnOKClick();
    static int Indeks(const QListWidgetItem* element);

    std::vector<TSystemDoZlozenia> systemy_;
    int wzorzec_ = -1;
    QListWidget* CLB1_;
    QButtonGroup* RG1_;
    QRadioButton* rbDodaj_;
    QRadioButton* rbOdejmij_;
    QPushButton* btnOK_;
    QPushButton* btnAnuluj_;
};

} // namespace tarvomund
