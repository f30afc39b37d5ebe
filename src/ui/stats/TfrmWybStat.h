#pragma once

#include "model/TObGraLista.h"
#include "stats/ParametryStatystyki.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QSpinBox;

namespace tarvomund {

// The statistics parameters dialog "Parametry statystyki": the kind, the date range, the kind's
// choices and the grouping. For the slip statistic OK first asks for the slip division; cancelling
// that keeps this dialog open.
class TfrmWybStat : public QDialog {
    Q_OBJECT

public:
    static constexpr int KontekstPomocy = 1045;
    // Edits the division fields of the record for the game; false when cancelled.
    using TPodzial = std::function<bool(const TObGraLista& gra, TParametryStatystyki& parametry)>;

    TfrmWybStat(const TObGraLista& gra, const TParametryStatystyki& parametry, QWidget* parent = nullptr);

    // The record with the dialog's choices, as OK left it.
    const TParametryStatystyki& Wynik() const { return wynik_; }
    // Tests replace the division dialog.
    void UstawPodzial(TPodzial podzial) { podzial_ = std::move(podzial); }

    QComboBox* CB1() const { return CB1_; }
    QComboBox* CB01() const { return CB01_; }
    QComboBox* CB02() const { return CB02_; }
    QComboBox* CB03() const { return CB03_; }
    QSpinBox* RX1() const { return RX1_; }
    QDateEdit* OdDaty() const { return OdDaty_; }
    QDateEdit* DoDaty() const { return DoDaty_; }
    QLabel* EtykietaCB01() const { return lblCB01_; }
    QPushButton* btnOK() const { return btnOK_; }
    QPushButton* btnAnuluj() const { return btnAnuluj_; }

private:
    // Refills the kind's lists and shows the controls it uses.
    void CB1Change();
    void btnOKClick();

    const TObGraLista& gra_;
    TParametryStatystyki wynik_;
    TPodzial podzial_;
    QComboBox* CB1_;
    QDateEdit* OdDaty_;
    QDateEdit* DoDaty_;
    QLabel* lblCB01_;
    QComboBox* CB01_;
    QLabel* lblCB02_;
    QComboBox* CB02_;
    QLabel* lblCB03_;
    QComboBox* CB03_;
    QLabel* lblRX1_;
    QSpinBox* RX1_;
    QPushButton* btnOK_;
    QPushButton* btnAnuluj_;
};

} // namespace tarvomund
